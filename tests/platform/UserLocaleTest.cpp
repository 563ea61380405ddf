#include "platform/locale/UserLocale.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(UserLocale, FormatsShortDates) {
    UserLocale us;  // M/d/yyyy
    EXPECT_EQ(us.formatShortDate({2000, 1, 1}), "1/1/2000");
    UserLocale czech{',', "d.M.yyyy"};
    EXPECT_EQ(czech.formatShortDate({1999, 12, 5}), "5.12.1999");
    UserLocale iso{'.', "yyyy-MM-dd"};
    EXPECT_EQ(iso.formatShortDate({1900, 1, 1}), "1900-01-01");
    UserLocale twoDigit{'.', "dd/MM/yy"};
    EXPECT_EQ(twoDigit.formatShortDate({2018, 12, 24}), "24/12/18");
}

TEST(UserLocale, FormatsLongTimes) {
    const struct {
        const char* format;
        int hour;
        const char* text;
    } cases[] = {
        {"h:mm:ss AP", 0, "12:05:09 AM"},
        {"h:mm:ss AP", 13, "1:05:09 PM"},
        {"hh:mm:ss ap", 12, "12:05:09 pm"},
        {"HH:mm:ss", 7, "07:05:09"},
        {"H:m:s", 23, "23:5:9"},
        {"h.mm.ss", 7, "7.05.09"},
    };
    for (const auto& c : cases) {
        UserLocale locale;
        locale.longTimeFormat = c.format;
        EXPECT_EQ(locale.formatLongTime(c.hour, 5, 9), c.text) << c.format;
    }
}

TEST(UserLocale, ParsesShortDatesInTheFormatsOrder) {
    UserLocale german{',', "dd.MM.yyyy"};
    EXPECT_EQ(german.parseShortDate("24.12.2018"), (CalendarDate{2018, 12, 24}));
    EXPECT_EQ(german.parseShortDate("1.2.18"), (CalendarDate{2018, 2, 1}));
    EXPECT_EQ(german.parseShortDate("1.2.75"), (CalendarDate{1975, 2, 1}));
    UserLocale us;
    EXPECT_EQ(us.parseShortDate("12/24/2018"), (CalendarDate{2018, 12, 24}));
    EXPECT_FALSE(us.parseShortDate("24/12/2018"));
    EXPECT_FALSE(us.parseShortDate("2/30/2020"));
    EXPECT_FALSE(us.parseShortDate("12/24"));
    EXPECT_FALSE(us.parseShortDate(""));
    EXPECT_FALSE(us.parseShortDate("1/1/123456"));
}

TEST(UserLocale, ValidDates) {
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_FALSE(isValidDate(1900, 2, 29));
    EXPECT_FALSE(isValidDate(2021, 4, 31));
    EXPECT_FALSE(isValidDate(2021, 13, 1));
    EXPECT_FALSE(isValidDate(2021, 1, 0));
}

}  // namespace
}  // namespace platform
