#include "platform/locale/SystemLocale.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(SystemLocale, ShortDateFormatsBecomeNumericWithFourDigitYears) {
    const struct {
        const char* qt;
        const char* numeric;
    } cases[] = {
        {"M/d/yy", "M/d/yyyy"},         {"dd.MM.yy", "dd.MM.yyyy"},  {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"yyyy/MM/dd", "yyyy/MM/dd"},   {"d MMM yyyy", "d MM yyyy"}, {"d. MMMM yyyy", "d. MM yyyy"},
        {"d'.' M'.' yy", "d. M. yyyy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericShortDateFormat(c.qt), c.numeric) << c.qt;
    for (const auto& [qt, clock] : {std::pair{"h:mm:ss AP t", "h:mm:ss AP"},
                                    {"HH:mm:ss t", "HH:mm:ss"},
                                    {"HH:mm:ss.zzz", "HH:mm:ss"},
                                    {"H' h 'mm' min'", "H h mm min"}})
        EXPECT_EQ(clockTimeFormat(qt), clock) << qt;
    // Whatever the system's locale, the result formats a date the core can read back.
    const UserLocale system = systemUserLocale();
    EXPECT_EQ(system.parseShortDate(system.formatShortDate({2018, 12, 24})),
              (CalendarDate{2018, 12, 24}));
}

}  // namespace
}  // namespace platform
