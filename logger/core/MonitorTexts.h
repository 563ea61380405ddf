#pragma once

// The texts of the record, the status bar and the message boxes in the user-interface language:
// read from the current language module when the texts are made (the built-in English ones
// without a module). "OK", "mA", the separator line, the tab and the colons are the same in every
// language, and the texts the driver sends are matched as the driver writes them (DriverTexts).

#include <QCoreApplication>
#include <QString>

namespace logger {

struct MonitorTexts {
    Q_DECLARE_TR_FUNCTIONS(logger::MonitorTexts)

  public:
    // Record words.
    QString pollingAddress = tr("Polling Adress");
    QString quantityLabels[5] = {tr("Current"), tr("PV"), tr("SV"), tr("TV"), tr("FV")};
    QString distributor = tr("Distributor");
    QString model = tr("Model");
    QString identifier = tr("Identifier");
    QString timeOut = tr("Time Out!");
    QString transmitterNotFound = tr("HART Transmitter not found!");
    QString monitorStarted = tr("Monitor started at ");
    QString monitorStopped = tr("Monitor stoped at ");
    QString cannotSaveToFile = tr("Cannot save to file!");
    // A reply the processing could not read: %1 the line number, %2 the line.
    QString replyLineMissing = tr("Reply line %1 is missing!");
    QString replyLineNotNumber = tr("Reply line %1 is not a number: %2");
    QString units = tr("Units: ");

    // Status bar.
    QString sendingCommand = tr("Sending cmd ");
    QString sendingFailed = tr("Cmd sending failed.");
    QString commandReady = tr("Command ready.");
    QString monitorFinished = tr("Monitor finished");

    // Message boxes.
    QString driverNotFound = tr("Halvane not found!\r\nCannot start monitor!");
    QString commandNotPerformed = tr("Command not performed, try again!");
    QString communicationError = tr("Communication Error!");
    QString commandError = tr("Command Error!");
    QString exceptInDoMacro = tr("Except in DoMacro.");
    QString monitorInterrupted = tr("Monitor has been interrupted!");
    QString fileExists = tr("File aready exists!\r\nDo you really want to rewrite file?");
    QString cannotCreateDirectory = tr("Cannot create directory!\r\nMonitor has been interrupted!");
    QString cannotCreateLogFile = tr("Cannot create file for LOGs!\r\nMonitor interrupted.");
    QString clearScreen = tr("Do you really want to clear screen?");
    QString cannotTerminateDriver = tr("Cannot terminate driver!");
};

// The driver's own texts that the logger recognises in a reply.
namespace DriverTexts {
inline constexpr const char* kBusy = "Busy!";
inline constexpr const char* kCommunicationError = "Communication Error!";
inline constexpr const char* kCommandError = "Command Error!";
}  // namespace DriverTexts

}  // namespace logger
