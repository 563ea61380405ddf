#pragma once

// One entry of a component's device list (filled by port discovery; the driver never fills it).

#include <cstdint>
#include <string>

namespace serial {

class TscBaseIO;

struct TscDevice {
    int fIndex = -1;               // position in the list
    TscBaseIO* fParent = nullptr;  // the owning component
    std::intptr_t Handle = -1;     // not filled by the serial component
    std::uintptr_t DevInst = 0;    // the system's device instance
    int Data = 0;                  // the port number n of a port named COMn; the sort key
    int DataEx = 0;                // not filled by the serial component
    std::string NameFriendly;      // the port name, and " (description)" when known
    std::string NamePDO;           // the kernel's device name
    std::string NameDeviceDos;     // the port name (COMn)
    std::string NameSymbolic;      // symbolic link or interface path
    std::string RegKey;            // where the system keeps the device's settings
    std::string Description, Service, Driver, Manufacturer;
    std::string InstanceId;
    std::string BusRelations;  // identifiers of the devices on its bus, joined with ";"
    std::string PortName;      // the name the port is opened by
    std::string SerialNumber;  // not filled by the serial component
    std::string GuidClass;     // the device's class: on Linux the bus of its hardware
    std::uint16_t UsbVendorId = 0, UsbProductId = 0;  // of a device on USB; 0 otherwise
};

}  // namespace serial
