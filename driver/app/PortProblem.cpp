#include "driver/app/PortProblem.h"

#include "serial/SerialError.h"

namespace driver {

namespace {

std::string advice(serial::PortFailure failure, const PortAttempt& attempt) {
    const std::string name = "COM" + std::to_string(attempt.number);
    switch (failure) {
        case serial::PortFailure::PermissionDenied:
            return "Your user account may not use this device. Add it to the group \"dialout\" "
                   "(sudo usermod -aG dialout $USER), then log out and log in again.";
        case serial::PortFailure::Busy:
            return "Another program is using the port. Close that program or choose another "
                   "port.";
        case serial::PortFailure::NoSuchPort:
            return "Connect the modem, or pin " + name +
                   " to its device in the [Ports] section "
                   "of " +
                   attempt.settingsFile.string() + " (for example " + name + "=/dev/ttyUSB0).";
        case serial::PortFailure::NotAPort:
            return "The device is not a serial port. Check the [Ports] section of " +
                   attempt.settingsFile.string() + ".";
        case serial::PortFailure::None:
        case serial::PortFailure::Other:
            break;
    }
    return {};
}

}  // namespace

std::string portProblemText(const PortAttempt& attempt, const std::exception& error) {
    std::string where = "COM" + std::to_string(attempt.number);
    if (!attempt.devicePath.empty()) where += " (" + attempt.devicePath + ")";

    std::string reason = error.what();
    serial::PortFailure failure = serial::PortFailure::Other;
    if (const auto* portError = dynamic_cast<const serial::PortError*>(&error)) {
        failure = portError->failure();
        if (portError->systemError() != 0) {
            reason = serial::SystemErrorText(portError->systemError());
        }
        if (failure == serial::PortFailure::NoSuchPort && attempt.devicePath.empty()) {
            reason = "no serial device goes by this name";
        }
    }

    std::string text = std::string(kPortCannotBeUsed) + "\r\n" + where + ": " + reason + ".";
    if (std::string more = advice(failure, attempt); !more.empty()) text += "\r\n" + more;
    return text;
}

}  // namespace driver
