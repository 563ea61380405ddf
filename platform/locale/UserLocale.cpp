#include "platform/locale/UserLocale.h"

#include <array>
#include <cstdio>
#include <vector>

namespace platform {

bool isValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int last = kDays[static_cast<std::size_t>(month - 1)] + ((month == 2 && leap) ? 1 : 0);
    return day <= last;
}

namespace {

// The field letters of the format in order, one per run ("dd.MM.yyyy" gives "dMy").
std::string fieldOrder(std::string_view format) {
    std::string order;
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if ((c == 'd' || c == 'M' || c == 'y') && (i == 0 || format[i - 1] != c) &&
            order.find(c) == std::string::npos) {
            order.push_back(c);
        }
    }
    return order.size() == 3 ? order : "Mdy";
}

}  // namespace

std::string UserLocale::formatShortDate(const CalendarDate& date) const {
    std::string out;
    const std::string_view format = shortDateFormat;
    for (std::size_t i = 0; i < format.size();) {
        char c = format[i];
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        char field[16];
        if (c == 'd' || c == 'M') {
            int v = c == 'd' ? date.day : date.month;
            std::snprintf(field, sizeof field, run >= 2 ? "%02d" : "%d", v);
            out += field;
        } else if (c == 'y') {
            if (run <= 2)
                std::snprintf(field, sizeof field, "%02d", date.year % 100);
            else
                std::snprintf(field, sizeof field, "%04d", date.year);
            out += field;
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string UserLocale::formatLongTime(int hour, int minute, int second) const {
    const std::string_view format = longTimeFormat;
    const bool twelveHours = format.find_first_of("Aa") != std::string_view::npos;
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        char c = format[i];
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        char field[8];
        if (c == 'h' || c == 'H' || c == 'm' || c == 's') {
            int v = c == 'm' ? minute : c == 's' ? second : hour;
            if (c == 'h' && twelveHours) v = (hour + 11) % 12 + 1;
            std::snprintf(field, sizeof field, run >= 2 ? "%02d" : "%d", v);
            out += field;
        } else if (c == 'A' || c == 'a') {
            out += hour < 12 ? (c == 'A' ? "AM" : "am") : (c == 'A' ? "PM" : "pm");
            if (i + run < format.size() && (format[i + run] == 'P' || format[i + run] == 'p'))
                ++run;
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::optional<CalendarDate> UserLocale::parseShortDate(std::string_view text) const {
    std::vector<std::pair<int, std::size_t>> numbers;  // value and digit count
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        long value = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (digits < 9) value = value * 10 + (text[i] - '0');
            ++digits;
            ++i;
        }
        if (digits > 4) return std::nullopt;
        numbers.emplace_back(static_cast<int>(value), digits);
    }
    if (numbers.size() != 3) return std::nullopt;
    const std::string order = fieldOrder(shortDateFormat);
    CalendarDate date;
    for (std::size_t k = 0; k < 3; ++k) {
        auto [value, digits] = numbers[k];
        switch (order[k]) {
            case 'd':
                date.day = value;
                break;
            case 'M':
                date.month = value;
                break;
            default:
                date.year = digits <= 2 ? (value < 50 ? 2000 + value : 1900 + value) : value;
        }
    }
    if (!isValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

}  // namespace platform
