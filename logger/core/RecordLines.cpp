#include "logger/core/RecordLines.h"

#include "logger/core/DayCount.h"
#include "logger/core/TimeStamp.h"

namespace logger {

QString separatorLine() {
    return QString(50, QLatin1Char('='));
}

QString runLine(const QString& words, double now, const platform::UserLocale& locale) {
    const DateTimeFields t = decodeDayCount(now);
    const std::string date = locale.formatShortDate({t.year, t.month, t.day});
    const std::string time = locale.formatLongTime(t.hour, t.minute, t.second);
    return words + QLatin1Char(' ') + QString::fromStdString(date) + QLatin1Char(' ') +
           QString::fromStdString(time);
}

QString labelledLine(const QString& word, const QString& value) {
    return word + QLatin1String(": ") + value;
}

QString timeStampedLine(int format, double when, const QString& text) {
    return QString::fromLatin1(FormatTimeStamp(format, when)) + QLatin1Char('\t') + text;
}

ReadingLine::ReadingLine(const MonitorTexts& texts, const QString& address) : m_texts(texts) {
    m_text = QLatin1Char(' ') + texts.pollingAddress + QLatin1Char(' ') + address;
}

void ReadingLine::addQuantity(Quantity quantity, double value, int decimals, const QString& unit,
                              char userSeparator) {
    m_text += QLatin1Char('\t') + m_texts.quantityLabels[quantity] + QLatin1String(":\t") +
              QString::fromLatin1(formatRecordNumber(value, decimals, userSeparator)) +
              QLatin1Char('\t') + unit;
}

QString ReadingLine::complete(const Completion& c) const {
    QString text = m_text;
    const QChar user = QLatin1Char(c.userSeparator);
    for (QChar& ch : text) {
        if (ch != QLatin1Char('.') && ch != QLatin1Char(',')) continue;
        switch (c.separator) {
            case SeparatorKind::Point:
                ch = QLatin1Char('.');
                break;
            case SeparatorKind::Comma:
                ch = QLatin1Char(',');
                break;
            case SeparatorKind::BySystem:
                ch = user;
                break;
        }
    }
    if (c.errorLevel == ErrorLevel::StatusOnly || c.errorLevel == ErrorLevel::AllErrors) {
        text +=
            QLatin1Char('\t') + (c.deviceStatus.isEmpty() ? QStringLiteral("OK") : c.deviceStatus);
        if (!c.responseText.isEmpty()) text += QLatin1Char('\t') + c.responseText;
    }
    return QString::fromLatin1(FormatTimeStamp(c.timeStampFormat, c.requestTime)) + text;
}

}  // namespace logger
