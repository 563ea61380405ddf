#pragma once

// The user's regional settings as the system locale gives them, in the form the protocol core
// reads: the decimal separator, and a short date format of numeric day, month and four-digit
// year fields (month names become numbers, two-digit years four digits, so dates in replies and
// logs are unambiguous). The C locale, which has no date convention of its own, gets yyyy-MM-dd.

#include <string>

#include "platform/locale/UserLocale.h"

namespace platform {

UserLocale systemUserLocale();

// The numeric short date format for a Qt date format text.
std::string numericShortDateFormat(const std::string& qtFormat);
// The clock part of a Qt time format text: without the time zone ("t") and milliseconds ("z"),
// the blank or point before them and the quotes around literal text.
std::string clockTimeFormat(const std::string& qtFormat);

}  // namespace platform
