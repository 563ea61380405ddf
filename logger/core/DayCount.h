#pragma once

// Date-times in the logger are day counts: days since 30 December 1899 as a double, the fraction
// being the time of day. They are local wall-clock times (a day count does not know the time
// zone), so across a daylight-saving change the counts jump or repeat as the clock does. This
// is the one place they are made from and turned back into QDateTime.

#include <QDateTime>
#include <QTimeZone>

namespace logger {

struct DateTimeFields {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const DateTimeFields&) const = default;
};

// The calendar fields of a day count, to the nearest millisecond.
DateTimeFields decodeDayCount(double days);
double encodeDayCount(const DateTimeFields& fields);

// The wall-clock date and time of `dateTime` in its own time zone as a day count.
double dayCountFromDateTime(const QDateTime& dateTime);
// The moment whose wall-clock time in `zone` is the day count. Of a wall-clock time that the
// change back from summer time repeats, the first; one that the change to summer time skips is
// read in the time before the change (so it shows an hour later).
QDateTime dateTimeFromDayCount(double days, const QTimeZone& zone = QTimeZone::systemTimeZone());

}  // namespace logger
