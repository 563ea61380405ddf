#include "driver/app/ReplyLineNames.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace driver {

namespace {

constexpr const char* kContext = "driver::ReplyLine";

// Every name of the catalogue's reply lines, a number in it written as %1.
constexpr const char* kNames[] = {
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Command"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Polling address"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Response"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Device status"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Replies delivered"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Line %1"),
    // Items of a generic command's reply format, numbered by position.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Byte %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Unit %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Float %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Packed text %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Text %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Integer %1"),
    // Identity (commands 0, 11 and 21).
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Manufacturer"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Device type"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Preambles"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "HART revision"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Device revision"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Software revision"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Hardware revision"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Flags"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Device ID"),
    // Dynamic variables and the loop current.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Loop current"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Percent of range"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "PV"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "SV"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "TV"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "QV"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "PV unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "SV unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "TV unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "QV unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "PV variable"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "SV variable"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "TV variable"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "QV variable"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "PV damping"),
    // Tag, descriptor, date, message, final assembly.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Message"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Tag"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Unit tag"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Descriptor"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Date"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Final assembly number"),
    // Transducer, sensor and range information.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Transducer serial number"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Transducer limits unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Upper transducer limit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Lower transducer limit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Sensor serial number"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Sensor limits unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Upper sensor limit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Lower sensor limit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Minimum span"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Alarm selection"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Alarm selection code"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Transfer function"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Range unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Upper range value"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Lower range value"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Damping"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Write protect"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Private label distributor"),
    // Device variables.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Variable %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Variable %1 code"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Variable %1 unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Device variable"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Unit"),
    // Loop current and status.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "EEPROM control code"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Fixed current"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Measured current"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Status bytes %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Status byte %1"),
    // Analog channels.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Analog channel"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Analog channel unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Analog channel level"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Channel unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Channel level"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Channel %1 number"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Channel %1 unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Channel %1 level"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Level"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Endpoint unit"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Upper endpoint"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Lower endpoint"),
    // Burst mode.
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Burst variable %1"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Burst command"),
    QT_TRANSLATE_NOOP("driver::ReplyLine", "Burst mode"),
};

// "14", "0-1".
bool isNumber(const QString& word) {
    return word.front().isDigit() &&
           std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit() || c == u'-'; });
}

}  // namespace

std::optional<QString> TranslatedReplyLineName(std::string_view name) {
    QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    // A fixed unit in brackets at the end.
    QString unit;
    if (text.endsWith(u')')) {
        if (const qsizetype open = text.lastIndexOf(QLatin1String(" (")); open > 0) {
            unit = text.mid(open);
            text.truncate(open);
        }
    }
    // One number in the name ("Variable 2 unit", "Status bytes 0-1") stands as %1.
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QString number;
    for (QString& word : words) {
        if (isNumber(word)) {
            number = word;
            word = QStringLiteral("%1");
            break;
        }
    }
    const QByteArray pattern = words.join(u' ').toLatin1();
    const auto* known = std::find_if(std::begin(kNames), std::end(kNames), [&](const char* n) {
        return std::strcmp(n, pattern.constData()) == 0;
    });
    if (known == std::end(kNames)) return std::nullopt;
    QString translated = QCoreApplication::translate(kContext, *known);
    if (!number.isEmpty()) translated = translated.arg(number);
    return translated + unit;
}

QString ReplyLineName(std::string_view name) {
    return TranslatedReplyLineName(name).value_or(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace driver
