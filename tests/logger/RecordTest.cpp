// The record: the reading line in its forms, the pane's limit, the log file during a run and its
// preparation at Start.

#include <gtest/gtest.h>

#include "LoggerRig.h"
#include "logger/core/Headless.h"
#include "logger/core/RecordLines.h"

namespace logger {
namespace {

using loggertest::Lines;
using loggertest::RecordingViews;

TEST(ReadingLine, NumbersSeparatorsStatusColumnsAndTimeStamps) {
    const MonitorTexts texts;
    const double at = encodeDayCount({2024, 1, 31, 9, 30, 5, 0});
    struct Case {
        const char* name;
        int currentDecimals;
        char userSeparator;
        SeparatorKind separator;
        ErrorLevel level;
        const char* status;
        const char* response;
        int stamp;
        const char* unit;
        const char* line;
    };
    const Case cases[] = {
        {"as the manual's example", 3, '.', SeparatorKind::Point, ErrorLevel::StatusOnly, "", "",
         kHhColonMmColonSs, "bar",
         "09:30:05 Polling Adress 0\tCurrent:\t12.000\tmA\tPV:\t1.25\tbar\tOK"},
        {"no time stamp", 3, '.', SeparatorKind::Point, ErrorLevel::NoWarn, "", "", kNoTimeStamp,
         "bar", " Polling Adress 0\tCurrent:\t12.000\tmA\tPV:\t1.25\tbar"},
        {"comma keeps the date's points", 0, '.', SeparatorKind::Comma, ErrorLevel::TimeoutOnly, "",
         "", kDayMonthYearTime, "m.s",
         "31.01.2024 09:30:05 Polling Adress 0\tCurrent:\t12\tmA\tPV:\t1,25\tm,s"},
        {"point over the user's comma", 3, ',', SeparatorKind::Point, ErrorLevel::NoWarn, "", "",
         kHhmmss, "bar", "093005 Polling Adress 0\tCurrent:\t12.000\tmA\tPV:\t1.25\tbar"},
        {"by system", 1, ',', SeparatorKind::BySystem, ErrorLevel::AllErrors,
         "Output Current Fixed! ", "Invalid Selection!", kYearMonthDayTime, "a.b",
         "2024-01-31 09:30:05 Polling Adress 0\tCurrent:\t12,0\tmA\tPV:\t1,25\ta,b"
         "\tOutput Current Fixed! \tInvalid Selection!"},
        {"empty status at all errors", 2, '.', SeparatorKind::Point, ErrorLevel::AllErrors, "",
         "Invalid Selection!", kMmddhhmmss, "bar",
         "0131093005 Polling Adress 0\tCurrent:\t12.00\tmA\tPV:\t1.25\tbar\tOK\tInvalid "
         "Selection!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadingLine line(texts, QStringLiteral("0"));
        line.addQuantity(kCurrent, 12, c.currentDecimals, QStringLiteral("mA"), c.userSeparator);
        line.addQuantity(kPrimary, 1.25, kAutoDecimals, QString::fromLatin1(c.unit),
                         c.userSeparator);
        const QString done =
            line.complete({c.separator, c.userSeparator, c.level, QString::fromLatin1(c.status),
                           QString::fromLatin1(c.response), c.stamp, at});
        EXPECT_EQ(done.toStdString(), c.line);
    }
}

TEST(ReadingLine, TheLinesAroundARun) {
    const platform::UserLocale locale{',', "d.M.yyyy", "H:mm:ss"};
    const double at = encodeDayCount({2024, 3, 5, 7, 8, 9, 0});
    EXPECT_EQ(runLine(MonitorTexts().monitorStarted, at, locale).toStdString(),
              "Monitor started at  5.3.2024 7:08:09");
    EXPECT_EQ(separatorLine().toStdString(), std::string(50, '='));
    EXPECT_EQ(timeStampedLine(kNoTimeStamp, at, QStringLiteral("Time Out!")).toStdString(),
              "\tTime Out!");
}

class RecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.writeToFile = true;
        settings.logFile = dir / "monitor.log";
    }
    testsupport::TempDir dir;
    MonitorSettings settings;
    MonitorTexts texts;
    RecordingViews views;
    MonitorRecord record{views, settings, views, texts};
};

TEST_F(RecordTest, ThePaneKeeps101LinesAndTheLogFileEveryOneInTheUsersCharacterSet) {
    ASSERT_TRUE(record.PrepareLogFile());
    for (int i = 1; i <= 102; ++i)
        record.AddRecordLine(QStringLiteral("line %1 \u00B0C").arg(i));
    ASSERT_EQ(views.pane.size(), 101u);
    EXPECT_EQ(views.pane.front(), "line 2 \u00B0C");
    std::string expected;
    for (int i = 1; i <= 102; ++i)
        expected += "line " + std::to_string(i) +
                    " \xC2\xB0"
                    "C\r\n";
    EXPECT_EQ(testsupport::TempDir::read(settings.logFile), expected);
}

TEST_F(RecordTest, ALogFileThatGoesOrCannotBeWrittenIsReportedInThePaneForEveryLine) {
    ASSERT_TRUE(record.PrepareLogFile());
    record.AddRecordLine(QStringLiteral("first"));
    std::filesystem::remove(settings.logFile);
    record.AddRecordLine(QStringLiteral("second"));
    EXPECT_FALSE(std::filesystem::exists(settings.logFile)) << "appending makes no new file";
    std::filesystem::create_directory(settings.logFile);  // in the way of every write
    record.AddRecordLine(QStringLiteral("third"));
    EXPECT_EQ(views.pane, (std::deque<std::string>{"first", "second", "Cannot save to file!",
                                                   "third", "Cannot save to file!"}));
    EXPECT_TRUE(views.messages.empty()) << "no message box: the run goes on";

    settings.writeToFile = false;
    record.AddRecordLine(QStringLiteral("fourth"));
    EXPECT_EQ(views.pane.back(), "fourth");
}

TEST_F(RecordTest, PreparingTheLogFileAppendsOrAsksBeforeEmptyingIt) {
    struct Case {
        const char* name;
        LogFileMode mode;
        bool exists;
        std::optional<MessageAnswer> answer;  // to the rewrite question
        bool starts;
        const char* content;
    };
    const Case cases[] = {
        {"append keeps the file", LogFileMode::Append, true, {}, true, "old\r\n"},
        {"append makes a missing file", LogFileMode::Append, false, {}, true, ""},
        {"rewrite after yes", LogFileMode::Rewrite, true, MessageAnswer::Yes, true, ""},
        {"rewrite refused", LogFileMode::Rewrite, true, MessageAnswer::No, false, "old\r\n"},
        {"rewrite cancelled", LogFileMode::Rewrite, true, MessageAnswer::Cancel, false, "old\r\n"},
        {"rewrite makes a missing file", LogFileMode::Rewrite, false, {}, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir where;
        settings.logFileMode = c.mode;
        settings.logFile = where / "logs" / "monitor.log";  // the folder is made when missing
        if (c.exists) {
            std::filesystem::create_directory(where / "logs");
            where.write("logs/monitor.log", "old\r\n");
        }
        views.messages.clear();
        if (c.answer) views.answers = {*c.answer};
        EXPECT_EQ(record.PrepareLogFile(), c.starts);
        EXPECT_EQ(testsupport::TempDir::read(settings.logFile), c.content);
        ASSERT_EQ(views.messages.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(views.messages[0].text,
                      "File aready exists!\r\nDo you really want to rewrite file?");
        }
    }
}

TEST_F(RecordTest, ALogFileThatCannotBeMadeRefusesTheStart) {
    struct Case {
        std::filesystem::path file;
        LogFileMode mode;
        const char* message;
    };
    std::filesystem::create_directory(dir / "folder.log");
    const Case cases[] = {
        {dir / "a" / "b" / "monitor.log", LogFileMode::Append,
         "Cannot create directory!\r\nMonitor has been interrupted!"},
        {dir / "folder.log", LogFileMode::Append,
         "Cannot create file for LOGs!\r\nMonitor interrupted."},
        {"", LogFileMode::Rewrite, "Cannot create file for LOGs!\r\nMonitor interrupted."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        settings.logFile = c.file;
        settings.logFileMode = c.mode;
        views.messages.clear();
        EXPECT_FALSE(record.PrepareLogFile());
        ASSERT_EQ(views.messages.size(), 1u);
        EXPECT_EQ(views.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(views.messages[0].text, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));

    settings.writeToFile = false;
    views.messages.clear();
    EXPECT_TRUE(record.PrepareLogFile()) << "nothing to prepare";
    EXPECT_TRUE(views.messages.empty());
}

}  // namespace
}  // namespace logger

namespace logger {
namespace {

std::string streamText(std::FILE* stream) {
    std::rewind(stream);
    std::string text;
    for (int c; (c = std::fgetc(stream)) != EOF;)
        text.push_back(static_cast<char>(c));
    return text;
}

TEST(Headless, TheRecordGoesToTheStreamAndBoxesAreAnsweredAsNobodysChoice) {
    std::FILE* out = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    ASSERT_TRUE(out && errors);
    testsupport::TempDir dir;
    MonitorSettings settings;
    settings.writeToFile = true;
    settings.logFileMode = LogFileMode::Rewrite;
    settings.logFile = dir.write("monitor.log", "kept\r\n");
    const MonitorTexts texts;
    StreamRecordPane pane(out);
    StreamMessageBoxes boxes(errors);
    MonitorRecord record(pane, settings, boxes, texts);

    EXPECT_FALSE(record.PrepareLogFile()) << "nobody said yes to emptying the file";
    EXPECT_EQ(testsupport::TempDir::read(settings.logFile), "kept\r\n");
    settings.logFileMode = LogFileMode::Append;
    ASSERT_TRUE(record.PrepareLogFile());
    for (int i = 0; i < 102; ++i)
        record.AddRecordLine(QStringLiteral("09:30:05\t\u00B0C"));
    EXPECT_EQ(pane.lineCount(), 101);
    std::string expected;
    for (int i = 0; i < 102; ++i)
        expected +=
            "09:30:05\t\xC2\xB0"
            "C\n";
    EXPECT_EQ(streamText(out), expected);
    EXPECT_EQ(testsupport::TempDir::read(settings.logFile).size(), 6 + 102 * 14u);

    EXPECT_EQ(
        boxes.show(MessageKind::Warning, texts.communicationError, MessageButtons::AbortRetry),
        MessageAnswer::Abort);
    EXPECT_EQ(boxes.show(MessageKind::Error, texts.driverNotFound, MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(streamText(errors),
              "Loopscribe: Warning: File aready exists! Do you really want to rewrite file? (No)\n"
              "Loopscribe: Warning: Communication Error! (Abort)\n"
              "Loopscribe: Error: Halvane not found! Cannot start monitor!\n");
    std::fclose(out);
    std::fclose(errors);
}

}  // namespace
}  // namespace logger
