#pragma once

// The time stamp in front of a reading or time-out line of the record.

#include <string>

namespace logger {

// The date-time (a day count) in one of the six forms of TimeStampFormat, milliseconds dropped:
// none, "093005", "09:30:05", "0131093005", "31.01.2024 09:30:05", "2024-01-31 09:30:05". Any
// other format gives an empty text.
std::string FormatTimeStamp(int format, double dayCount);

}  // namespace logger
