#pragma once

// The texts of the record, the status bar and the message boxes in the user-interface language
// (the built-in English ones here; a language module replaces them). "OK", "mA", the separator
// line, the tab and the colons are the same in every language, and the texts the driver sends
// are matched as the driver writes them (DriverTexts).

#include <QString>

namespace logger {

struct MonitorTexts {
    // Record words.
    QString pollingAddress = QStringLiteral("Polling Adress");
    QString quantityLabels[5] = {QStringLiteral("Current"), QStringLiteral("PV"),
                                 QStringLiteral("SV"), QStringLiteral("TV"), QStringLiteral("FV")};
    QString distributor = QStringLiteral("Distributor");
    QString model = QStringLiteral("Model");
    QString identifier = QStringLiteral("Identifier");
    QString timeOut = QStringLiteral("Time Out!");
    QString transmitterNotFound = QStringLiteral("HART Transmitter not found!");
    QString monitorStarted = QStringLiteral("Monitor started at ");
    QString monitorStopped = QStringLiteral("Monitor stoped at ");
    QString cannotSaveToFile = QStringLiteral("Cannot save to file!");
    // A reply the processing could not read: %1 the line number, %2 the line.
    QString replyLineMissing = QStringLiteral("Reply line %1 is missing!");
    QString replyLineNotNumber = QStringLiteral("Reply line %1 is not a number: %2");
    QString units = QStringLiteral("Units: ");

    // Status bar.
    QString sendingCommand = QStringLiteral("Sending cmd ");
    QString sendingFailed = QStringLiteral("Cmd sending failed.");
    QString commandReady = QStringLiteral("Command ready.");
    QString monitorFinished = QStringLiteral("Monitor finished");

    // Message boxes.
    QString driverNotFound = QStringLiteral("Halvane not found!\r\nCannot start monitor!");
    QString commandNotPerformed = QStringLiteral("Command not performed, try again!");
    QString communicationError = QStringLiteral("Communication Error!");
    QString commandError = QStringLiteral("Command Error!");
    QString exceptInDoMacro = QStringLiteral("Except in DoMacro.");
    QString monitorInterrupted = QStringLiteral("Monitor has been interrupted!");
    QString fileExists =
        QStringLiteral("File aready exists!\r\nDo you really want to rewrite file?");
    QString cannotCreateDirectory =
        QStringLiteral("Cannot create directory!\r\nMonitor has been interrupted!");
    QString cannotCreateLogFile =
        QStringLiteral("Cannot create file for LOGs!\r\nMonitor interrupted.");
    QString clearScreen = QStringLiteral("Do you really want to clear screen?");
    QString cannotTerminateDriver = QStringLiteral("Cannot terminate driver!");
};

// The driver's own texts that the logger recognises in a reply.
namespace DriverTexts {
inline constexpr const char* kBusy = "Busy!";
inline constexpr const char* kCommunicationError = "Communication Error!";
inline constexpr const char* kCommandError = "Command Error!";
}  // namespace DriverTexts

}  // namespace logger
