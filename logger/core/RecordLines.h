#pragma once

// The wording and layout of the record lines (the monitor record and the log file hold the same
// lines).

#include <QString>

#include "logger/core/MonitorSettings.h"
#include "logger/core/MonitorTexts.h"
#include "platform/locale/UserLocale.h"

namespace logger {

// Fifty equals signs: before and after the lines of a run and of an identified device.
QString separatorLine();

// The heading or closing of a run: the words ("Monitor started at "), a blank, the date in the
// user's short date format, a blank and the time in the user's long time format.
QString runLine(const QString& words, double now, const platform::UserLocale& locale);

// word + ": " + value ("Polling Adress: 2").
QString labelledLine(const QString& word, const QString& value);

// The time stamp of `when` in `format`, a tab and the text ("09:30:05\tTime Out!").
QString timeStampedLine(int format, double when, const QString& text);

// The line of one reading: the polling address, a field per quantity, the status columns and
// the time stamp.
class ReadingLine {
  public:
    ReadingLine(const MonitorTexts& texts, const QString& address);

    // Tab, label and ":", tab, the number with `decimals` (0 .. 6 or kAutoDecimals), tab, unit.
    void addQuantity(Quantity quantity, double value, int decimals, const QString& unit,
                     char userSeparator);

    struct Completion {
        SeparatorKind separator = SeparatorKind::BySystem;
        char userSeparator = '.';
        ErrorLevel errorLevel = ErrorLevel::AllErrors;
        QString deviceStatus;  // reply line 4
        QString responseText;  // reply line 3
        int timeStampFormat = kHhColonMmColonSs;
        double requestTime = 0;
    };
    // The separator rule over the whole text so far (unit names included), then the status
    // columns at the levels Status Only and All Errors, then the time stamp in front.
    QString complete(const Completion& completion) const;

  private:
    const MonitorTexts& m_texts;
    QString m_text;
};

}  // namespace logger
