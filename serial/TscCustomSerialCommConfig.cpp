// TscCustomSerialComm: SaveConfig and LoadConfig on the file-backed configuration store.

#include <vector>

#include "serial/ConfigStore.h"
#include "serial/ConfigValue.h"
#include "serial/TscCustomSerialComm.h"

namespace serial {

namespace {

ConfigStore storeIn(const std::filesystem::path& folder) {
    return ConfigStore(folder.empty() ? ConfigStore::defaultFolder() : folder);
}

}  // namespace

void TscCustomSerialComm::SaveConfig(const std::string& Root, const std::string& Key,
                                     const std::string& Name) {
    try {
        ConfigValue value;
        value.comPortNo = static_cast<std::uint8_t>(m_comPortNo & 0xFF);
        value.dcb = Dcb();
        value.timeouts = CommTimeouts();
        const auto bytes = EncodeConfigValue(value);
        storeIn(m_configFolder).write(Root, Key, Name, {bytes.begin(), bytes.end()});
        log(1, "Configuration was saved");
    } catch (const std::exception& e) {
        log(1, e.what());
        DoFatalError(1, 0, "Error on save config information from registry", false);
    }
}

void TscCustomSerialComm::LoadConfig(const std::string& Root, const std::string& Key,
                                     const std::string& Name) {
    try {
        const auto bytes = storeIn(m_configFolder).read(Root, Key, Name);
        if (bytes && bytes->size() == kConfigValueSize) {
            const auto value = DecodeConfigValue(*bytes);
            if (!value) throw ConfigStoreError("The stored line settings are not valid");
            setComPortNo(value->comPortNo);
            setLineRecord(value->dcb, true);
            setByteSize(
                ByteSize());  // a stored size outside 4..8 becomes 8, as the property has it
            // Time-outs need no call to an open port: each read and write takes them as it runs.
            setCommTimeouts(value->timeouts);
        }
        log(1, "Configuration was loaded");
    } catch (const std::exception& e) {
        log(1, e.what());
        DoFatalError(1, 0, "Error on load config information from registry", false);
    }
}

}  // namespace serial
