#pragma once

// The x values of the chart windows: a reading's day count (local wall-clock time) as the
// moment the date-time axis plots, in ms since the epoch. Converting a local time asks the
// time-zone rules, which costs tens of microseconds; the offset from UTC is kept per
// wall-clock hour instead (zones change their offset on the hour), so that a point costs a
// multiplication.

#include <QtGlobal>
#include <cstdint>

namespace logger {

class ChartTime {
  public:
    qint64 msecsSinceEpoch(double dayCount);

  private:
    std::int64_t m_hour = INT64_MIN;  // the wall-clock hour the offset is for
    qint64 m_offsetMs = 0;            // moment minus wall-clock time read as UTC
};

}  // namespace logger
