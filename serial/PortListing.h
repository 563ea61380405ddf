#pragma once

// The machine's ports as people want to see them: for each port name, the device it opens and
// what that device is. Built from a component's device list (completed from the device
// manager), for the driver's port list and `halvane-cmd --list-ports`.

#include <filesystem>
#include <string>
#include <vector>

#include "serial/TscCustomSerialComm.h"

namespace serial {

struct PortListing {
    int number = 0;            // n of COMn
    std::string portName;      // "COM1"
    std::string devicePath;    // the device node it opens: "/dev/ttyUSB0"
    std::string description;   // "FT232R USB UART"; empty when not known
    std::string manufacturer;  // "FTDI"
    std::string stablePath;    // "/dev/serial/by-id/usb-FTDI_..."; empty when none
};

// The entries of comm's device list that have a port number, in order (the list is loaded with
// epFullInfo when empty; devices without a port name are left out).
std::vector<PortListing> ListPorts(TscCustomSerialComm& comm);

// "FT232R USB UART (FTDI)": the description with the maker when it does not name it already;
// empty when neither is known.
std::string PortDescription(const PortListing& port);
// "FT232R USB UART (FTDI), /dev/ttyUSB0", or the device path alone when nothing else is known.
std::string PortSummary(const PortListing& port);

}  // namespace serial
