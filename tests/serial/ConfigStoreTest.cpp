// The configuration store: the 49-byte value's layout, the round trip through SaveConfig and
// LoadConfig, values that are not taken, and names and files that fail.

#include <gtest/gtest.h>

#include "RecordingLog.h"
#include "serial/ConfigStore.h"
#include "serial/ConfigValue.h"
#include "serial/SerialError.h"
#include "serial/TscComm.h"
#include "support/TempDir.h"

namespace serial {
namespace {

TEST(ConfigValueLayout, PortNumberDcbAndTimeOutsInFortyNineBytes) {
    ConfigValue value;
    value.comPortNo = 0x0C;
    value.dcb.BaudRate = 1200;
    value.dcb.Flags = 0x1013;
    value.dcb.ByteSize = 8;
    value.dcb.Parity = pOdd;
    value.timeouts.ReadIntervalTimeout = 0x01020304;
    value.timeouts.WriteTotalTimeoutConstant = 500;
    const auto bytes = EncodeConfigValue(value);
    EXPECT_EQ(bytes[0], 0x0C);
    EXPECT_EQ(bytes[1], 28);    // DCBlength
    EXPECT_EQ(bytes[5], 0xB0);  // 1200, little-endian
    EXPECT_EQ(bytes[6], 0x04);
    EXPECT_EQ(bytes[1 + 18], 8);  // ByteSize
    EXPECT_EQ(bytes[1 + 19], pOdd);
    EXPECT_EQ(bytes[29], 0x04);
    EXPECT_EQ(bytes[32], 0x01);
    EXPECT_EQ(bytes[45], 0xF4);  // 500
    const auto back = DecodeConfigValue(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->dcb, value.dcb);
    EXPECT_EQ(back->timeouts, value.timeouts);

    EXPECT_FALSE(DecodeConfigValue(std::span(bytes).first(48)));
    auto badParity = bytes;
    badParity[1 + 19] = 7;
    EXPECT_FALSE(DecodeConfigValue(badParity));
}

class ConfigStoreTest : public ::testing::Test {
  protected:
    ConfigStoreTest() {
        for (TscComm* comm : {&m_saver, &m_loader}) {
            comm->setConfigFolder(m_dir / "SerialConfig");
            comm->setLog(&m_log);
        }
    }
    ~ConfigStoreTest() override {
        m_saver.setLog(nullptr);
        m_loader.setLog(nullptr);
    }

    testsupport::TempDir m_dir;
    serialtest::RecordingLog m_log;
    TscComm m_saver, m_loader;
};

TEST_F(ConfigStoreTest, SavedSettingsComeBackWithTheLoadersFlowControl) {
    m_saver.setComPortNo(12);
    m_saver.setBaudRate(1200);
    m_saver.setParity(pOdd);
    m_saver.setByteSize(7);
    m_saver.setStopBits(sbTwo);
    m_saver.setEventChar('\n');
    m_saver.setStreamProtocol(spXonXoff);
    m_saver.setTimeoutRead(40);
    m_saver.setTimeoutWrite(500);
    m_saver.SaveConfig("HKEY_CURRENT_USER", "Software\\Halvane\\Port", "Config");
    EXPECT_TRUE(m_log.has("1 scComm: Configuration was saved"));

    m_loader.setStreamProtocol(spNone);
    m_loader.LoadConfig("HKEY_CURRENT_USER", "software\\halvane\\port", "CONFIG");  // any case
    EXPECT_TRUE(m_log.has("1 scComm: Configuration was loaded"));
    EXPECT_EQ(m_loader.ComPortNo(), 12);
    EXPECT_EQ(m_loader.BaudRate(), 1200u);
    EXPECT_EQ(m_loader.Parity(), pOdd);
    EXPECT_EQ(m_loader.ByteSize(), 7);
    EXPECT_EQ(m_loader.StopBits(), sbTwo);
    EXPECT_EQ(m_loader.EventChar(), '\n');
    EXPECT_EQ(m_loader.TimeoutRead(), 40u);
    EXPECT_EQ(m_loader.TimeoutWrite(), 500u);
    EXPECT_EQ(m_loader.StreamProtocol(), spNone);
    EXPECT_EQ(m_loader.Dcb().Flags & ~kDcbKeptFlags, kDcbFlowNone);

    // The file is ours to read: one entry, the value in hexadecimal.
    const std::string text =
        testsupport::TempDir::read(m_dir / "SerialConfig/HKEY_CURRENT_USER.ini");
    EXPECT_EQ(text.substr(0, text.find('\n')), "[Software\\Halvane\\Port]");
    EXPECT_NE(text.find("Config=0C1C000000B0040000"), std::string::npos) << text;
}

TEST_F(ConfigStoreTest, AValueThatIsNotFortyNineBytesChangesNothing) {
    m_dir.write("SerialConfig/Root.ini",
                "[Key]\nShort=" + std::string(96, '0') + "\nText=not hex at all\n");
    for (const char* name : {"Short", "Text", "Missing"}) {
        m_log.Clear();
        m_loader.LoadConfig("Root", "Key", name);
        EXPECT_EQ(m_log.lines, std::vector<std::string>{"1 scComm: Configuration was loaded"})
            << name;
        EXPECT_EQ(m_loader.ComPortNo(), 1);
        EXPECT_EQ(m_loader.BaudRate(), 19200u);
    }
    m_loader.LoadConfig("NoSuchRoot", "Key", "Short");
    EXPECT_EQ(m_loader.ComPortNo(), 1);
}

TEST_F(ConfigStoreTest, FailuresAreFatalErrors) {
    struct Case {
        const char* root;
        const char* key;
        const char* name;
    };
    const Case refused[] = {
        {"../outside", "Key", "Name"}, {"", "Key", "Name"},    {"Root", "", "Name"},
        {"Root", "Bad]Key", "Name"},   {"Root", "Key", "a=b"}, {"Root", "Key", " padded"},
        {"Root", "Key\nX", "Name"},
    };
    for (const Case& c : refused) {
        EXPECT_THROW(ConfigStore(m_dir.path()).write(c.root, c.key, c.name, {1}), ConfigStoreError)
            << c.root << "|" << c.key << "|" << c.name;
        try {
            m_saver.SaveConfig(c.root, c.key, c.name);
            ADD_FAILURE() << "saved";
        } catch (const PortError& e) {
            EXPECT_STREQ(e.what(), "Error on save config information from registry");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(m_dir / "outside.ini"));

    // A stored line record that no port can take.
    auto bytes = EncodeConfigValue(ConfigValue{});
    bytes[1 + 20] = 9;  // stop bits
    ConfigStore(m_dir / "SerialConfig").write("Root", "Key", "Bad", {bytes.begin(), bytes.end()});
    std::string raised;
    m_loader.OnFatalError = [&](TscBaseIO&, std::uint32_t code, std::uint32_t, const std::string& m,
                                bool& raise) {
        EXPECT_EQ(code, 1u);
        raised = m;
        raise = false;
    };
    m_loader.LoadConfig("Root", "Key", "Bad");
    EXPECT_EQ(raised, "Error on load config information from registry");
    EXPECT_FALSE(m_log.has("1 scComm: Configuration was loaded"));

    // A store folder that cannot be made (a file is in its place).
    m_dir.write("NotAFolder", "");
    m_saver.setConfigFolder(m_dir / "NotAFolder");
    EXPECT_THROW(m_saver.SaveConfig("Root", "Key", "Name"), PortError);
}

}  // namespace
}  // namespace serial
