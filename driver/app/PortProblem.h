#pragma once

// What the user reads when a port cannot be used: "This port cannot be used!", then which device
// and the system's reason, then what to do about it (join the dialout group, close the other
// program, connect the modem or pin the port in the settings file). Texts in the user-interface
// language, as UTF-8.

#include <exception>
#include <filesystem>
#include <string>

namespace driver {

// "This port cannot be used!"
std::string portCannotBeUsedText();

struct PortAttempt {
    int number = 0;                      // COMn
    std::string devicePath;              // the device tried; empty when the name resolved to none
    std::filesystem::path settingsFile;  // where [Ports] pins names to devices
};

// The message for an open that raised `error` (a serial::PortError carries the system error).
std::string portProblemText(const PortAttempt& attempt, const std::exception& error);

}  // namespace driver
