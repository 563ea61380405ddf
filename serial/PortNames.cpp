#include "serial/PortNames.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <system_error>
#include <tuple>

#include "platform/folders/Folders.h"

namespace serial {

namespace fs = std::filesystem;

namespace {

enum DeviceGroup { gUsbSerial, gAcm, gOtherUsb, gOnBoard };

struct Candidate {
    DeviceGroup group;
    std::string prefix;  // the name without its trailing number
    unsigned long number;
    std::string name;
};

std::pair<std::string, unsigned long> splitTrailingNumber(const std::string& name) {
    std::size_t i = name.size();
    while (i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1])))
        --i;
    unsigned long number = 0;
    std::from_chars(name.data() + i, name.data() + name.size(), number);
    return {name.substr(0, i), number};
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A serial-core port whose "type" is 0 has no UART behind it (ttyS ports the kernel reserves).
bool hasUart(const fs::path& classEntry) {
    std::ifstream in(classEntry / "type");
    if (!in) return true;  // not a serial-core port: the device link is enough
    int type = 0;
    return (in >> type) ? type != 0 : true;
}

}  // namespace

std::vector<fs::path> ListSerialDevices(const DeviceRoots& roots) {
    std::vector<Candidate> found;
    std::error_code ec;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(roots.sys / "class" / "tty", ec)) {
        const std::string name = entry.path().filename().string();
        const fs::path deviceLink = entry.path() / "device";
        // Virtual terminals, the console and pseudo-terminals have no device behind them.
        if (!fs::exists(deviceLink, ec)) continue;
        if (!fs::exists(roots.dev / name, ec)) continue;
        const std::string devicePath = fs::canonical(deviceLink, ec).string();
        const bool onUsb = !ec && devicePath.find("/usb") != std::string::npos;
        DeviceGroup group;
        if (startsWith(name, "ttyUSB")) {
            group = gUsbSerial;
        } else if (startsWith(name, "ttyACM")) {
            group = gAcm;
        } else if (onUsb) {
            group = gOtherUsb;
        } else {
            if (!hasUart(entry.path())) continue;
            group = gOnBoard;
        }
        auto [prefix, number] = splitTrailingNumber(name);
        found.push_back({group, prefix, number, name});
    }
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.group, a.prefix, a.number, a.name) <
               std::tie(b.group, b.prefix, b.number, b.name);
    });
    std::vector<fs::path> devices;
    devices.reserve(found.size());
    for (const Candidate& c : found)
        devices.push_back(roots.dev / c.name);
    return devices;
}

std::optional<fs::path> StableDeviceLink(const fs::path& device, const fs::path& devFolder) {
    std::error_code ec;
    const fs::path node = fs::canonical(device, ec);
    if (ec) return std::nullopt;
    std::vector<fs::path> links;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(devFolder / "serial" / "by-id", ec)) {
        std::error_code linkError;
        if (fs::canonical(entry.path(), linkError) == node && !linkError) {
            links.push_back(entry.path());
        }
    }
    if (links.empty()) return std::nullopt;
    return *std::min_element(links.begin(), links.end());
}

std::optional<unsigned> ComPortNumber(std::string_view portName) {
    if (portName.size() < 4) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(portName[i])) != "COM"[i]) return std::nullopt;
    }
    const std::string_view digits = portName.substr(3);
    unsigned number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size() || number == 0) {
        return std::nullopt;
    }
    return number;
}

fs::path PortNameResolver::defaultSettingsFile() {
    return platform::sharedSettingsFolder() / "ZODUVIR.INI";
}

PortNameResolver::PortNameResolver(fs::path settingsFile, DeviceRoots roots)
    : m_settings(std::move(settingsFile)), m_roots(std::move(roots)) {}

std::optional<fs::path> PortNameResolver::resolve(std::string_view portName) const {
    if (!portName.empty() && portName.front() == '/') return fs::path(portName);
    const auto number = ComPortNumber(portName);
    if (!number) return std::nullopt;
    const std::string key = "COM" + std::to_string(*number);
    if (auto pinned = m_settings.readString("Ports", key); pinned && !pinned->empty()) {
        fs::path path(*pinned);
        return path.is_absolute() ? path : m_roots.dev / path;
    }
    const std::vector<fs::path> devices = ListSerialDevices(m_roots);
    if (*number > devices.size()) return std::nullopt;
    return devices[*number - 1];
}

std::vector<PortNameResolver::NamedDevice> PortNameResolver::namedDevices() const {
    std::vector<unsigned> numbers;
    for (const std::string& key : m_settings.document().keys("Ports")) {
        if (const auto n = ComPortNumber(key)) numbers.push_back(*n);
    }
    const std::size_t automatic = ListSerialDevices(m_roots).size();
    for (unsigned n = 1; n <= automatic; ++n)
        numbers.push_back(n);

    std::vector<NamedDevice> named;
    std::vector<unsigned> seen;
    for (unsigned n : numbers) {
        if (std::find(seen.begin(), seen.end(), n) != seen.end()) continue;
        seen.push_back(n);
        const std::string name = "COM" + std::to_string(n);
        const auto path = resolve(name);
        std::error_code ec;
        if (path && fs::exists(*path, ec)) named.push_back({name, *path});
    }
    return named;
}

}  // namespace serial
