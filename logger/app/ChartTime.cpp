#include "logger/app/ChartTime.h"

#include <QDateTime>
#include <cmath>

#include "logger/core/DayCount.h"

namespace logger {

namespace {

constexpr double kMsPerDay = 86'400'000;
// Day count of 1 January 1970.
constexpr double kEpochDay = 25569;

}  // namespace

qint64 ChartTime::msecsSinceEpoch(double dayCount) {
    const auto wallClockMs = static_cast<qint64>(std::llround((dayCount - kEpochDay) * kMsPerDay));
    const std::int64_t hour = static_cast<std::int64_t>(std::floor(dayCount * 24));
    if (hour != m_hour) {
        m_offsetMs = dateTimeFromDayCount(dayCount).toMSecsSinceEpoch() - wallClockMs;
        m_hour = hour;
    }
    return wallClockMs + m_offsetMs;
}

}  // namespace logger
