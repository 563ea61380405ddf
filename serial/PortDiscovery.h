#pragma once

// Port discovery: the device list of a serial component, built from two sources.
//
// The quick list is every port name with the kernel's name of the device it opens (for
// instance COM3 and ttyUSB0), kept in order of port number. On Linux its values come from the
// port-name resolution (PortNames.h): the pins of [Ports], then the serial devices present in
// sysfs in their automatic order.
//
// The full list is what the device manager knows of each serial device: description, maker,
// driver and kernel module, serial number, stable path, USB ids. On Linux it comes from udev (a
// UdevSource, UdevSource.h). Its entries carry the port name that opens them, so the loading can
// join the two lists by name; a device that no port name reaches carries its device path as its
// port name instead.
//
// Everything here is pure: the sources are handed in, so tests play any machine.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "serial/PortNames.h"
#include "serial/SerialTypes.h"
#include "serial/TscDevice.h"

namespace serial {

// One value of the system's port table: a port name ("COM3", as the table holds it: any case,
// blanks around it) and the kernel's name of the device.
struct PortValue {
    std::string portName;
    std::string kernelName;
};

// One entry of the quick list.
struct QuickPort {
    std::string portName;  // "COM3"
    std::string kernelName;
    int number = 0;  // 3
    bool operator==(const QuickPort&) const = default;
};

// The quick list of the table's values, in the table's order: each port name upper-cased and
// trimmed; values that do not start with "COM" followed by a decimal number, and names listed
// already, are skipped; the others are kept in order of number.
std::vector<QuickPort> BuildQuickList(const std::vector<PortValue>& values);

// The port table of this machine: every name the resolver knows with the kernel's name of the
// device it opens (the device node's path below the device folder: "ttyUSB0", "pts/4").
std::vector<PortValue> QuickPortValues(const PortNameResolver& resolver);

// What udev tells of one tty device with hardware behind it.
struct UdevTty {
    std::string sysName;  // "ttyUSB0"
    std::string sysPath;  // "/sys/devices/.../ttyUSB0/tty/ttyUSB0"
    std::string devNode;  // "/dev/ttyUSB0"; empty when the device has no node
    // The nearest device above the tty that has a driver: its driver, the kernel module of that
    // driver (empty when built in) and its bus ("usb", "pnp", "platform" ...).
    std::string driver, module, bus;
    // The serial-core port type (sysfs "type"), when the tty has one; 0 means no UART answers.
    std::optional<int> uartType;
    // The udev properties (ID_MODEL_FROM_DATABASE, ID_VENDOR_FROM_DATABASE, ID_SERIAL_SHORT,
    // ID_PATH ...); empty where no udev daemon runs.
    std::map<std::string, std::string> properties;
    // The USB device the tty belongs to, as its own descriptors say.
    struct Usb {
        std::uint16_t vendorId = 0, productId = 0;
        std::string manufacturer, product, serial;
    };
    std::optional<Usb> usb;

    // A device present: it has a node and, on a serial-core port, a UART behind it.
    bool present() const { return !devNode.empty() && uartType.value_or(1) != 0; }
};

// The full list from udev's ttys: one entry per port name that opens the tty (the quick values
// say which), or one with the device path as port name when none does; only present devices when
// presentOnly. NameSymbolic is the tty's link in <dev>/serial/by-id, when it has one.
std::vector<TscDevice> BuildFullList(const std::vector<UdevTty>& ttys,
                                     const std::vector<PortValue>& quickValues, bool presentOnly,
                                     const std::filesystem::path& devFolder);

// Devices without a port number are numbered from here on in the device list.
inline constexpr int kFirstPrivatePortNumber = 4097;

// The entries of the device list in the order they are inserted (TscBaseIO::InsertDevice then
// keeps them in order of Data and drops numbers listed already): each quick port, completed from
// the first full entry of its port name (or whose description holds "(COMn)"), which is then used
// up; then every full entry left whose port name is not empty and does not start with "LPT",
// numbered by its COM number, or from 4097 on when it has none. With epFullPresent a quick port
// without a full entry is left out, unless no full entry is left at that moment.
std::vector<TscDevice> LoadDeviceEntries(const std::vector<QuickPort>& quick,
                                         std::vector<TscDevice> full, TscEnumPorts depth);

}  // namespace serial
