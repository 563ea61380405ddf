#include "driver/app/PortProblem.h"

#include <QCoreApplication>
#include <QString>

#include "serial/SerialError.h"

namespace driver {

namespace {

QString advice(serial::PortFailure failure, const PortAttempt& attempt) {
    const QString name = QStringLiteral("COM%1").arg(attempt.number);
    const QString settings = QString::fromStdString(attempt.settingsFile.string());
    switch (failure) {
        case serial::PortFailure::PermissionDenied:
            return QCoreApplication::translate(
                "driver::PortProblem",
                "Your user account may not use this device. Add it to the group "
                "\"dialout\" (sudo usermod -aG dialout $USER), then log out and log in "
                "again.");
        case serial::PortFailure::Busy:
            return QCoreApplication::translate(
                "driver::PortProblem",
                "Another program is using the port. Close that program or choose another "
                "port.");
        case serial::PortFailure::NoSuchPort:
            //: %1 the port name (COM3), %2 the settings file.
            return QCoreApplication::translate(
                       "driver::PortProblem",
                       "Connect the modem, or pin %1 to its device in the [Ports] section of %2 "
                       "(for example %1=/dev/ttyUSB0).")
                .arg(name, settings);
        case serial::PortFailure::NotAPort:
            //: %1 the settings file.
            return QCoreApplication::translate(
                       "driver::PortProblem",
                       "The device is not a serial port. Check the [Ports] section of %1.")
                .arg(settings);
        case serial::PortFailure::None:
        case serial::PortFailure::Other:
            break;
    }
    return {};
}

}  // namespace

std::string portCannotBeUsedText() {
    return QCoreApplication::translate("driver::PortProblem", "This port cannot be used!")
        .toStdString();
}

std::string portProblemText(const PortAttempt& attempt, const std::exception& error) {
    QString where = QStringLiteral("COM%1").arg(attempt.number);
    if (!attempt.devicePath.empty())
        where += " (" + QString::fromStdString(attempt.devicePath) + ")";

    QString reason = QString::fromLocal8Bit(error.what());
    serial::PortFailure failure = serial::PortFailure::Other;
    if (const auto* portError = dynamic_cast<const serial::PortError*>(&error)) {
        failure = portError->failure();
        if (portError->systemError() != 0) {
            reason = QString::fromLocal8Bit(serial::SystemErrorText(portError->systemError()));
        }
        if (failure == serial::PortFailure::NoSuchPort && attempt.devicePath.empty()) {
            reason = QCoreApplication::translate("driver::PortProblem",
                                                 "no serial device goes by this name");
        }
    }

    QString message =
        QString::fromStdString(portCannotBeUsedText()) + "\r\n" + where + ": " + reason + ".";
    if (const QString more = advice(failure, attempt); !more.isEmpty()) message += "\r\n" + more;
    return message.toStdString();
}

}  // namespace driver
