// The settings file: every default (the window places computed from the screen), the edge cases
// of its keys, a round trip, files that are no settings at all, and the folders.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "logger/core/LoggerFolders.h"
#include "logger/core/SettingsFile.h"
#include "platform/ini/IniDocument.h"
#include "support/TempDir.h"

namespace logger {
namespace {

const WindowSizes kSizes = designedWindowSizes({1920, 1080});

// The settings of a missing file on a 1920 x 1080 screen with the designed window sizes.
MonitorSettings defaults(const std::filesystem::path& dataFolder) {
    MonitorSettings s;
    s.mainWindow = {679, 301};  // centred
    s.optionsDialog = {685, 311};
    // Current, PV and SV left of the main window from its top down; TV and FV right of it.
    s.charts = {WindowPlace{463, 301}, {463, 437}, {467, 573}, {1241, 301}, {1241, 448}};
    s.logFile = dataFolder / "monitor.log";
    return s;
}

class SettingsTest : public ::testing::Test {
  protected:
    MonitorSettings read(std::string_view content) {
        dir.write("Loopscribe.ini", content);
        return CtiIniMonitor(platform::IniFile(dir / "Loopscribe.ini"), kSizes, dir / "data");
    }

    testsupport::TempDir dir;
};

TEST_F(SettingsTest, NoFileGivesEveryDefault) {
    const MonitorSettings s =
        CtiIniMonitor(platform::IniFile(dir / "missing.ini"), kSizes, dir / "data");
    EXPECT_EQ(s, defaults(dir / "data"));
    EXPECT_EQ(s.reading, ReadingMode::Automatic);
    EXPECT_EQ(s.interval, "4");
    EXPECT_EQ(s.timeStampFormat, kHhColonMmColonSs);
    EXPECT_EQ(s.decimals, (std::array<int, 5>{2, 1, 1, 1, 1}));
    EXPECT_FALSE(s.writeToFile);
    EXPECT_TRUE(s.driverAutoOff);
}

TEST_F(SettingsTest, TheMainWindowIsKeptOnTheScreenAndTheChartsFollowIt) {
    MonitorSettings s = read("[Window]\nMain_Left=5000\nMain_Top=-5\n");
    EXPECT_EQ(s.mainWindow, (WindowPlace{0, 0}));
    EXPECT_EQ(s.charts[kCurrent], (WindowPlace{-216, 0}));
    EXPECT_EQ(s.charts[kThird], (WindowPlace{562, 0}));
    s = read("[Window]\nMain_Left=1358\nMain_Top=603\nPriVar_Top=10\n");
    EXPECT_EQ(s.mainWindow, (WindowPlace{1358, 0})) << "603 + 478 lies below 1080";
    EXPECT_EQ(s.charts[kPrimary].top, 10);
    EXPECT_EQ(s.charts[kSecondary].top, 146) << "below the PV chart where it was put";
}

TEST_F(SettingsTest, AChartPlacedOffTheScreenIsShownOnIt) {
    const WindowSize chart{216, 136};
    const struct {
        WindowPlace stored;
        WindowPlace shown;
    } cases[] = {
        {{100, 2000}, {100, 944}}, {{-300, -20}, {0, 0}},      {{1800, 500}, {1704, 500}},
        {{100, 100}, {100, 100}},  {{1704, 944}, {1704, 944}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOnScreen(c.stored, chart, kSizes.screen), c.shown)
            << c.stored.left << "," << c.stored.top;
}

TEST_F(SettingsTest, TheLaterOfEachPairWinsAndNeitherGivesTheDefault) {
    const struct {
        const char* keys;
        ReadingMode reading;
        LogFileMode mode;
    } cases[] = {
        {"ReadingManual=1\nReadingAutomatic=1\n[Dump_Parameter]\nMonitor_Append=1\n"
         "Monitor_Rewrite=1\n",
         ReadingMode::Automatic, LogFileMode::Rewrite},
        {"ReadingManual=1\nReadingAutomatic=0\n", ReadingMode::Manual, LogFileMode::Append},
        {"ReadingManual=0\nReadingAutomatic=0\n[Dump_Parameter]\nMonitor_Append=0\n"
         "Monitor_Rewrite=0\n",
         ReadingMode::Automatic, LogFileMode::Append},
        {"ReadingManual=7\nReadingAutomatic=0x0\n", ReadingMode::Manual, LogFileMode::Append},
        {"ReadingManual=1\nReadingAutomatic=no\n", ReadingMode::Automatic, LogFileMode::Append},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const MonitorSettings s = read(std::string("[Dump_Format]\n") + c.keys);
        EXPECT_EQ(s.reading, c.reading);
        EXPECT_EQ(s.logFileMode, c.mode);
    }
}

TEST_F(SettingsTest, ValuesOutsideTheirRangeGiveTheDefaultOrAreClamped) {
    const MonitorSettings s = read(
        "[Dump_Format]\nDate_Time=9\nError=-1\nDecimal_Point_Kind=3\nDecimal_Point_PV=8\n"
        "Decimal_Point_SV=7\n[Dump_Parameter]\nMonitor_Polling_Address=64\nInterval=0x10\n"
        "[Graphic_Chart]\nMax_Point_1=1\nMax_Point_2=5000\nMax_Point_3=abc\n");
    EXPECT_EQ(s.timeStampFormat, kHhColonMmColonSs);
    EXPECT_EQ(s.errorLevel, ErrorLevel::AllErrors);
    EXPECT_EQ(s.separator, SeparatorKind::BySystem);
    EXPECT_EQ(s.decimals[kPrimary], 1);
    EXPECT_EQ(s.decimals[kSecondary], kAutoDecimals);
    EXPECT_EQ(s.highestAddress, 0);
    EXPECT_EQ(s.interval, "16");
    EXPECT_EQ(s.maxPoints, (std::array<int, 5>{2, 2000, 20, 20, 20}));
}

TEST_F(SettingsTest, AnIntervalBelowTwoIsKeptForTheDialogToCorrectAndReadsAsTwoSeconds) {
    EXPECT_EQ(read("[Dump_Parameter]\nInterval=1\n").interval, "1");
    const struct {
        const char* text;
        bool valid;
        int ms;
    } cases[] = {{"2", true, 2000}, {"15", true, 15000}, {"1", false, 2000},  {"2.5", false, 2000},
                 {"", false, 2000}, {"-3", false, 2000}, {" 5", false, 2000}, {"abc", false, 2000}};
    for (const auto& c : cases) {
        EXPECT_EQ(isValidIntervalText(c.text), c.valid) << '"' << c.text << '"';
        EXPECT_EQ(readingIntervalMs(c.text), c.ms) << '"' << c.text << '"';
    }
}

TEST_F(SettingsTest, WrittenSettingsReadBackAndTheKeysStandInTheirOrder) {
    MonitorSettings s = defaults(dir / "data");
    s.mainWindow = {100, 50};
    s.logQuantity = {true, false, true, false, true};
    s.maxPoints = {2, 30, 400, 2000, 20};
    s.reading = ReadingMode::Manual;
    s.timeStampFormat = kYearMonthDayTime;
    s.errorLevel = ErrorLevel::TimeoutOnly;
    s.separator = SeparatorKind::Comma;
    s.decimals = {0, 3, kAutoDecimals, 6, 1};
    s.interval = "12";
    s.highestAddress = 63;
    s.writeToFile = true;
    s.logFileMode = LogFileMode::Rewrite;
    s.logFile = "/var/log/h\xC3\xA4rt/monitor.log";
    s.driverAutoOff = false;
    platform::IniFile file(dir / "Loopscribe.ini");
    ASSERT_TRUE(ZapisIniMonitor(file, s));

    MonitorSettings expected = s;
    expected.charts = {WindowPlace{-116, 50}, {-116, 186}, {-112, 322}, {662, 50}, {662, 197}};
    EXPECT_EQ(CtiIniMonitor(file, kSizes, dir / "data"), expected) << "places follow the main";

    const platform::IniDocument& written = file.document();
    EXPECT_EQ(written.sections(),
              (std::vector<std::string>{"Window", "Logging", "Graphic_Chart", "Dump_Format",
                                        "Dump_Parameter", "Options"}));
    EXPECT_EQ(written.keys("Window"), (std::vector<std::string>{"Main_Left", "Main_Top"}));
    EXPECT_EQ(
        written.keys("Dump_Format"),
        (std::vector<std::string>{"ReadingManual", "ReadingAutomatic", "Date_Time", "Error",
                                  "Decimal_Point_Kind", "Decimal_Point_Current", "Decimal_Point_PV",
                                  "Decimal_Point_SV", "Decimal_Point_TV", "Decimal_Point_FV"}));
    EXPECT_EQ(written.keys("Dump_Parameter"),
              (std::vector<std::string>{"Interval", "Monitor_Polling_Address", "Write_To_File",
                                        "Monitor_Append", "Monitor_Rewrite", "Monitor_Filename"}));

    s.interval = "2.5";  // not a whole number: stored as the default
    ASSERT_TRUE(ZapisIniMonitor(file, s));
    EXPECT_EQ(file.readString("Dump_Parameter", "Interval", ""), "4");
    platform::IniFile unwritable(dir / "missing" / "Loopscribe.ini");
    EXPECT_FALSE(ZapisIniMonitor(unwritable, s));
}

TEST_F(SettingsTest, FilesThatAreNoSettingsReadAsDefaults) {
    const std::string junk[] = {
        std::string("\0\xFF\xFE[Window\r\nMain_Left\0=12\r", 24),
        "[Window]\nMain_Left=abc\nMain_Top=99999999999999999999\n[Logging]\nGraf_1=yes",
        std::string(100000, '['),
        "=\n==\n[]\n[Dump_Format]=\nDate_Time==3\n",
    };
    for (const std::string& content : junk)
        EXPECT_EQ(read(content), defaults(dir / "data"));
}

// Sets or unsets environment variables for the lifetime of the object.
class Environment {
  public:
    void set(const char* name, const std::optional<std::filesystem::path>& value) {
        const char* old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~Environment() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
            it->second ? ::setenv(it->first, it->second->c_str(), 1) : ::unsetenv(it->first);
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

TEST(LoggerFolders, MadeUnderTheApplicationDataAndDocumentsFolders) {
    testsupport::TempDir dir;
    Environment env;
    env.set("APPDATA", dir / "appdata");
    env.set("USERPROFILE", dir / "profile");
    EXPECT_EQ(IniFilePath(), dir / "appdata" / "Orvel Software" / "Pelmora");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "appdata" / "Orvel Software" / "Pelmora"));
    EXPECT_EQ(DataFilePath(), dir / "profile" / "Documents" / "Loopscribe");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "profile" / "Documents" / "Loopscribe"));
    EXPECT_EQ(settingsFilePath(IniFilePath()),
              dir / "appdata" / "Orvel Software" / "Pelmora" / "Loopscribe.ini");

    env.set("APPDATA", std::nullopt);
    env.set("USERPROFILE", std::nullopt);
    env.set("XDG_CONFIG_HOME", dir / "config");
    env.set("XDG_DOCUMENTS_DIR", dir / "documents");
    EXPECT_EQ(IniFilePath(), dir / "config" / "Orvel Software" / "Pelmora");
    EXPECT_EQ(DataFilePath(), dir / "documents" / "Loopscribe");

    dir.write("in-the-way", "");
    env.set("APPDATA", dir / "in-the-way");
    try {
        IniFilePath();
        ADD_FAILURE() << "no error";
    } catch (const WorkingFolderError& e) {
        EXPECT_STREQ(e.what(), "Eroor creating working directory");
        EXPECT_EQ(e.folder(), dir / "in-the-way" / "Orvel Software" / "Pelmora");
        EXPECT_FALSE(e.reason().empty());
    }
}

}  // namespace
}  // namespace logger
