#include "logger/core/DayCount.h"

#include <algorithm>
#include <cmath>

namespace logger {

namespace {

constexpr qint64 kMsPerDay = 86'400'000;
const qint64 kDayZero = QDate(1899, 12, 30).toJulianDay();

}  // namespace

DateTimeFields decodeDayCount(double days) {
    const auto total = static_cast<qint64>(std::llround(days * static_cast<double>(kMsPerDay)));
    qint64 day = total / kMsPerDay;
    qint64 ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --day;
    }
    const QDate date = QDate::fromJulianDay(kDayZero + day);
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
    return {date.year(),   date.month(),  date.day(), time.hour(),
            time.minute(), time.second(), time.msec()};
}

double encodeDayCount(const DateTimeFields& f) {
    const qint64 day = QDate(f.year, f.month, f.day).toJulianDay() - kDayZero;
    const qint64 ms = ((f.hour * 60LL + f.minute) * 60 + f.second) * 1000 + f.millisecond;
    return static_cast<double>(day) + static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

double dayCountFromDateTime(const QDateTime& dateTime) {
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return encodeDayCount({date.year(), date.month(), date.day(), time.hour(), time.minute(),
                           time.second(), time.msec()});
}

QDateTime dateTimeFromDayCount(double days, const QTimeZone& zone) {
    const DateTimeFields f = decodeDayCount(days);
    const QDate date(f.year, f.month, f.day);
    const QTime time(f.hour, f.minute, f.second, f.millisecond);
    // The offsets in force a day before and a day after; the larger one first, so that of a
    // repeated hour the earlier moment wins.
    const QDateTime asUtc(date, time, QTimeZone::utc());
    const int before = zone.offsetFromUtc(asUtc.addDays(-1));
    const int after = zone.offsetFromUtc(asUtc.addDays(1));
    for (int offset : {std::max(before, after), std::min(before, after)}) {
        const QDateTime moment = asUtc.addSecs(-offset).toTimeZone(zone);
        if (moment.date() == date && moment.time() == time) return moment;
    }
    // A reading the clock skipped: read with the offset in force before the change.
    return asUtc.addSecs(-before).toTimeZone(zone);
}

}  // namespace logger
