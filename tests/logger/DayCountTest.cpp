// Day counts: their calendar fields, their one conversion to and from QDateTime (across the
// changes of daylight-saving time), and the record's time stamps made from them.

#include <gtest/gtest.h>

#include "logger/core/DayCount.h"
#include "logger/core/TimeStamp.h"

namespace logger {
namespace {

TEST(DayCount, CountsDaysFromThe30thOfDecember1899) {
    EXPECT_EQ(decodeDayCount(0), (DateTimeFields{1899, 12, 30, 0, 0, 0, 0}));
    EXPECT_EQ(decodeDayCount(1.5), (DateTimeFields{1899, 12, 31, 12, 0, 0, 0}));
    EXPECT_EQ(decodeDayCount(-1.25), (DateTimeFields{1899, 12, 28, 18, 0, 0, 0}));
    const DateTimeFields t{2024, 1, 31, 9, 30, 5, 678};
    EXPECT_EQ(decodeDayCount(encodeDayCount(t)), t);
    EXPECT_DOUBLE_EQ(encodeDayCount({2024, 1, 31, 0, 0, 0, 0}), 45322);
    // To the nearest millisecond: a hair before midnight is midnight.
    EXPECT_EQ(decodeDayCount(45322 - 1e-10), (DateTimeFields{2024, 1, 31, 0, 0, 0, 0}));
}

TEST(DayCount, AreWallClockTimesAcrossDaylightSavingChanges) {
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    auto utc = [](int month, int day, int hour, int minute) {
        return QDateTime(QDate(2024, month, day), QTime(hour, minute), QTimeZone::utc());
    };
    // 31 March: 02:00 CET becomes 03:00 CEST. One real second after 01:59:59 the count jumps by
    // an hour and a second, as the clock does.
    const QDateTime beforeSpring = utc(3, 31, 0, 59).addSecs(59).toTimeZone(berlin);
    const double before = dayCountFromDateTime(beforeSpring);
    const double after = dayCountFromDateTime(beforeSpring.addSecs(1));
    EXPECT_EQ(decodeDayCount(before), (DateTimeFields{2024, 3, 31, 1, 59, 59, 0}));
    EXPECT_EQ(decodeDayCount(after), (DateTimeFields{2024, 3, 31, 3, 0, 0, 0}));
    EXPECT_NEAR((after - before) * 86400, 3601, 1e-3);
    for (const QDateTime& moment :
         {beforeSpring, beforeSpring.addSecs(1), utc(7, 1, 12, 0).toTimeZone(berlin),
          utc(12, 24, 18, 30).toTimeZone(berlin)})
        EXPECT_EQ(dateTimeFromDayCount(dayCountFromDateTime(moment), berlin), moment)
            << moment.toString(Qt::ISODate).toStdString();
    // 02:30 never shows on that day: read as winter time, it is 01:30 UTC.
    const double skipped = encodeDayCount({2024, 3, 31, 2, 30, 0, 0});
    EXPECT_EQ(dateTimeFromDayCount(skipped, berlin), utc(3, 31, 1, 30));

    // 27 October: 03:00 CEST becomes 02:00 CET, so 02:30 shows twice; both give one count, and
    // the count gives the first.
    const double repeated = encodeDayCount({2024, 10, 27, 2, 30, 0, 0});
    EXPECT_DOUBLE_EQ(dayCountFromDateTime(utc(10, 27, 0, 30).toTimeZone(berlin)), repeated);
    EXPECT_DOUBLE_EQ(dayCountFromDateTime(utc(10, 27, 1, 30).toTimeZone(berlin)), repeated);
    EXPECT_EQ(dateTimeFromDayCount(repeated, berlin), utc(10, 27, 0, 30));
}

TEST(TimeStamp, TheSixFormsDropTheMilliseconds) {
    const double t = encodeDayCount({2024, 1, 31, 9, 30, 5, 678});
    const char* forms[] = {
        "", "093005", "09:30:05", "0131093005", "31.01.2024 09:30:05", "2024-01-31 09:30:05"};
    for (int format = 0; format < 6; ++format)
        EXPECT_EQ(FormatTimeStamp(format, t), forms[format]) << format;
    EXPECT_EQ(FormatTimeStamp(-1, t), "");
    EXPECT_EQ(FormatTimeStamp(6, t), "");
    EXPECT_EQ(FormatTimeStamp(3, encodeDayCount({2024, 3, 5, 7, 8, 9, 0})), "0305070809");
}

}  // namespace
}  // namespace logger
