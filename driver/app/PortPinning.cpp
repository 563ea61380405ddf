#include "driver/app/PortPinning.h"

#include <string>

#include "serial/PortNames.h"

namespace driver {

bool PinToStableLink(platform::IniFile& settings, int number,
                     const std::filesystem::path& openedDevice,
                     const std::filesystem::path& devFolder) {
    if (number <= 0 || openedDevice.empty()) return false;
    const std::string key = "COM" + std::to_string(number);
    if (!settings.readString("Ports", key, "").empty()) return false;
    const auto link = serial::StableDeviceLink(openedDevice, devFolder);
    return link && settings.writeString("Ports", key, link->string());
}

}  // namespace driver
