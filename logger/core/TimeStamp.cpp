#include "logger/core/TimeStamp.h"

#include <cstdio>

#include "logger/core/DayCount.h"
#include "logger/core/MonitorSettings.h"

namespace logger {

std::string FormatTimeStamp(int format, double dayCount) {
    if (format <= kNoTimeStamp || format >= kTimeStampFormatCount) return {};
    const DateTimeFields t = decodeDayCount(dayCount);
    char text[64];
    switch (format) {
        case kHhmmss:
            std::snprintf(text, sizeof text, "%.2d%.2d%.2d", t.hour, t.minute, t.second);
            break;
        case kHhColonMmColonSs:
            std::snprintf(text, sizeof text, "%.2d:%.2d:%.2d", t.hour, t.minute, t.second);
            break;
        case kMmddhhmmss:
            std::snprintf(text, sizeof text, "%.2d%.2d%.2d%.2d%.2d", t.month, t.day, t.hour,
                          t.minute, t.second);
            break;
        case kDayMonthYearTime:
            std::snprintf(text, sizeof text, "%.2d.%.2d.%.4d %.2d:%.2d:%.2d", t.day, t.month,
                          t.year, t.hour, t.minute, t.second);
            break;
        default:
            std::snprintf(text, sizeof text, "%.4d-%.2d-%.2d %.2d:%.2d:%.2d", t.year, t.month,
                          t.day, t.hour, t.minute, t.second);
    }
    return text;
}

}  // namespace logger
