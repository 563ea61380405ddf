#pragma once

// Port names to device paths. A port is named "COM" followed by its number n (as the driver's
// port list shows it); the name resolves, in this order, to
//   1. the path pinned for COMn in the section [Ports] of the shared settings file (key "COMn",
//      for example COM3=/dev/serial/by-id/usb-...-if00-port0 or a pseudo-terminal; a bare device
//      name such as ttyUSB0 is taken under /dev);
//   2. otherwise the n-th serial device present on the machine, in the automatic order of
//      ListSerialDevices.
// A name that is an absolute path opens that path. Anything else names no device.
//
// The resolver reads the settings file at every resolve, so a pin takes effect at the next open.
// Thread-safety: one object per thread (the component's is used on the main thread only).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/IniFile.h"

namespace serial {

// Where the system shows its devices: the device nodes and the kernel's device tree.
struct DeviceRoots {
    std::filesystem::path dev = "/dev";
    std::filesystem::path sys = "/sys";
};

// The serial devices present, in the automatic COMn order: USB serial adapters (ttyUSB*), then
// USB modems and ACM adapters (ttyACM*), then other serial devices on USB, then the on-board and
// expansion-card ports that have a UART behind them (the kernel lists ttyS0..ttyS31 whether or
// not a UART answers; those without one are left out). Within a group, by name and then by
// number (ttyUSB2 before ttyUSB10). Virtual terminals and pseudo-terminals are not listed.
std::vector<std::filesystem::path> ListSerialDevices(const DeviceRoots& roots = {});

// The device's stable link in <devFolder>/serial/by-id (made by udev for USB serial devices; it
// names the adapter by maker, model and serial number, whichever socket it is in), or nothing.
// The first by name when several lead to the device.
std::optional<std::filesystem::path> StableDeviceLink(
    const std::filesystem::path& device, const std::filesystem::path& devFolder = "/dev");

// The port number n of a name "COMn" (any case, n >= 1); nothing for other names.
std::optional<unsigned> ComPortNumber(std::string_view portName);

class PortNameResolver {
  public:
    // The shared settings file ZODUVIR.INI in platform::sharedSettingsFolder().
    static std::filesystem::path defaultSettingsFile();

    PortNameResolver() : PortNameResolver(defaultSettingsFile()) {}
    explicit PortNameResolver(std::filesystem::path settingsFile, DeviceRoots roots = {});

    const std::filesystem::path& settingsFile() const { return m_settings.path(); }

    // The device path the port name opens, or nothing when no device goes by that name.
    std::optional<std::filesystem::path> resolve(std::string_view portName) const;

    // Every port name that opens a device present, with the device path it opens: the names
    // pinned in [Ports] in the order of the file, then COM1, COM2 ... of the automatic order
    // (those not pinned). A device may go by two names (pinned, and in the automatic order).
    struct NamedDevice {
        std::string portName;  // "COMn"
        std::filesystem::path path;
    };
    std::vector<NamedDevice> namedDevices() const;

    const DeviceRoots& roots() const { return m_roots; }

  private:
    platform::IniFile m_settings;
    DeviceRoots m_roots;
};

}  // namespace serial
