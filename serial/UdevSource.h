#pragma once

// What the device manager (udev on Linux) knows of the machine's serial devices, and its
// notices when they come and go: the full port list's source and the stand-in for the system's
// device-change message. Tests put a fake source in place of the system's.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "serial/PortDiscovery.h"

namespace serial {

// One device change, as WMDeviceChange takes it: kDeviceArrived, kDeviceRemoved or
// kDeviceNodesChanged, and the device type (kDeviceTypePort for a tty with hardware behind it).
struct DeviceChange {
    std::uint32_t event = 0;
    std::uint32_t deviceType = 0;
    bool operator==(const DeviceChange&) const = default;
};

// The change a udev action stands for ("add", "remove", "change", "move", "bind" ...); nothing
// for actions that change no device node (udev's "online", "offline").
std::optional<DeviceChange> DeviceChangeForAction(std::string_view action, bool isPort);

// Watches the tty devices. Its descriptor becomes readable when changes wait: a program puts it
// into its event loop (serial/qt/DeviceChangeNotifier) and then calls receive().
class DeviceMonitor {
  public:
    virtual ~DeviceMonitor() = default;
    virtual int fd() const = 0;
    // The changes waiting, without blocking (empty when none).
    virtual std::vector<DeviceChange> receive() = 0;
};

class UdevSource {
  public:
    virtual ~UdevSource() = default;
    // Every tty device with hardware behind it, present or not.
    virtual std::vector<UdevTty> ttys() = 0;
    // A monitor of the tty devices; nullptr when the system offers none.
    virtual std::unique_ptr<DeviceMonitor> monitor() = 0;
};

// The system's source (libudev), made once; nullptr when the system has no device manager (the
// full list then stays empty and the quick list works on).
std::shared_ptr<UdevSource> systemUdevSource();

}  // namespace serial
