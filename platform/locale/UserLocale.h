#pragma once

// The user's regional settings that number and date texts follow. The programs fill one from the
// system locale at start-up (SystemLocale.h); the protocol core and the tests only ever read the
// object they are given, never the C library's global locale.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct CalendarDate {
    int year = 1900;
    int month = 1;
    int day = 1;
    bool operator==(const CalendarDate&) const = default;
};

bool isValidDate(int year, int month, int day);

struct UserLocale {
    char decimalSeparator = '.';
    // Day, month and year fields: "d"/"dd", "M"/"MM", "yy"/"yyyy"; any other character is copied.
    std::string shortDateFormat = "M/d/yyyy";
    // Hour fields "h"/"hh" (1..12 when the format has an AM/PM field, else 0..23) and "H"/"HH"
    // (0..23), "m"/"mm", "s"/"ss", and "AP"/"A" (AM, PM) or "ap"/"a" (am, pm); any other
    // character is copied.
    std::string longTimeFormat = "h:mm:ss AP";

    std::string formatShortDate(const CalendarDate& date) const;
    std::string formatLongTime(int hour, int minute, int second) const;

    // Reads a date written in the short date format: the numbers in the text, separated by any
    // non-digit characters, are taken as day, month and year in the order the format gives them.
    // Two-digit years are 2000..2049 and 1950..1999. Nothing when the text is no valid date.
    std::optional<CalendarDate> parseShortDate(std::string_view text) const;
};

}  // namespace platform
