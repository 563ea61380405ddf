#include "logger/core/SettingsFile.h"

#include <algorithm>
#include <string>

#include "platform/text/IntegerText.h"

namespace logger {

namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kLogging = "Logging";
constexpr const char* kGraphicChart = "Graphic_Chart";
constexpr const char* kDumpFormat = "Dump_Format";
constexpr const char* kDumpParameter = "Dump_Parameter";
constexpr const char* kOptions = "Options";

constexpr const char* kChartNames[kQuantityCount] = {"OutCur", "PriVar", "SecVar", "ThiVar",
                                                     "FouVar"};
constexpr const char* kDecimalKeys[kQuantityCount] = {"Decimal_Point_Current", "Decimal_Point_PV",
                                                      "Decimal_Point_SV", "Decimal_Point_TV",
                                                      "Decimal_Point_FV"};

std::string numbered(const char* key, int index) {
    return key + std::to_string(index + 1);
}

// A list index: the default when the value lies outside the list.
int readChoice(const platform::IniFile& file, const char* section, const std::string& key,
               int fallback, int count) {
    const int value = file.readInteger(section, key, fallback);
    return value >= 0 && value < count ? value : fallback;
}

// The left or top edge moved to 0 when the window would stand off that edge of the screen.
int keptOnScreen(int edge, int size, int screen) {
    return edge < 0 || edge + size > screen ? 0 : edge;
}

}  // namespace

WindowSizes designedWindowSizes(WindowSize screen) {
    return {screen,
            {562, 478},
            {549, 457},
            {WindowSize{216, 136}, {216, 136}, {212, 147}, {212, 147}, {216, 136}}};
}

WindowPlace placeOnScreen(WindowPlace place, WindowSize window, WindowSize screen) {
    if (place.top < 0) place.top = 0;
    if (place.top + window.height > screen.height) place.top = screen.height - window.height;
    if (place.left < 0) place.left = 0;
    if (place.left + window.width > screen.width) place.left = screen.width - window.width;
    return place;
}

MonitorSettings CtiIniMonitor(const platform::IniFile& file, const WindowSizes& sizes,
                              const std::filesystem::path& dataFolder) {
    MonitorSettings s;
    const WindowSize& screen = sizes.screen;
    const WindowSize& main = sizes.mainWindow;
    auto readPlace = [&](const std::string& name, int leftDefault, int topDefault) {
        return WindowPlace{file.readInteger(kWindow, name + "_Left", leftDefault),
                           file.readInteger(kWindow, name + "_Top", topDefault)};
    };

    s.mainWindow =
        readPlace("Main", (screen.width - main.width) / 2, (screen.height - main.height) / 2);
    s.mainWindow.left = keptOnScreen(s.mainWindow.left, main.width, screen.width);
    s.mainWindow.top = keptOnScreen(s.mainWindow.top, main.height, screen.height);
    s.optionsDialog = readPlace("Options", (screen.width - sizes.optionsDialog.width) / 2,
                                (screen.height - sizes.optionsDialog.height) / 2);
    // Current, PV and SV stand left of the main window one below the other from its top edge
    // down; TV and FV right of it in the same way.
    for (int q = 0; q < kQuantityCount; ++q) {
        const bool left = q <= kSecondary;
        const bool first = q == kCurrent || q == kThird;
        const int leftDefault =
            left ? s.mainWindow.left - sizes.charts[q].width : s.mainWindow.left + main.width;
        const int topDefault =
            first ? s.mainWindow.top : s.charts[q - 1].top + sizes.charts[q - 1].height;
        s.charts[q] = readPlace(kChartNames[q], leftDefault, topDefault);
    }

    for (int q = 0; q < kQuantityCount; ++q)
        s.logQuantity[q] = file.readBool(kLogging, numbered("Graf_", q), true);
    for (int q = 0; q < kQuantityCount; ++q)
        s.maxPoints[q] = std::clamp(
            file.readInteger(kGraphicChart, numbered("Max_Point_", q), kDefaultMaxPoints),
            kFewestMaxPoints, kMostMaxPoints);

    // Manual is applied first and automatic second; neither gives automatic.
    const bool manual = file.readBool(kDumpFormat, "ReadingManual", false);
    const bool automatic = file.readBool(kDumpFormat, "ReadingAutomatic", true);
    s.reading = manual && !automatic ? ReadingMode::Manual : ReadingMode::Automatic;
    s.timeStampFormat =
        readChoice(file, kDumpFormat, "Date_Time", kHhColonMmColonSs, kTimeStampFormatCount);
    s.errorLevel = static_cast<ErrorLevel>(
        readChoice(file, kDumpFormat, "Error", static_cast<int>(ErrorLevel::AllErrors), 4));
    s.separator = static_cast<SeparatorKind>(readChoice(
        file, kDumpFormat, "Decimal_Point_Kind", static_cast<int>(SeparatorKind::BySystem), 3));
    for (int q = 0; q < kQuantityCount; ++q)
        s.decimals[q] = readChoice(file, kDumpFormat, kDecimalKeys[q], q == kCurrent ? 2 : 1,
                                   kAutoDecimals + 1);

    s.interval = std::to_string(file.readInteger(kDumpParameter, "Interval", 4));
    s.highestAddress =
        readChoice(file, kDumpParameter, "Monitor_Polling_Address", 0, kHighestPollingAddress + 1);
    s.writeToFile = file.readBool(kDumpParameter, "Write_To_File", false);
    // Append is applied first and rewrite second; neither gives append.
    const bool rewrite = file.readBool(kDumpParameter, "Monitor_Rewrite", false);
    s.logFileMode = rewrite ? LogFileMode::Rewrite : LogFileMode::Append;
    s.logFile =
        file.readString(kDumpParameter, "Monitor_Filename", (dataFolder / "monitor.log").string());
    s.driverAutoOff = file.readBool(kOptions, "DriverAutoOff", true);
    return s;
}

bool ZapisIniMonitor(platform::IniFile& file, const MonitorSettings& s) {
    bool ok = true;
    auto integer = [&](const char* section, const std::string& key, int value) {
        ok = file.writeInteger(section, key, value) && ok;
    };
    auto boolean = [&](const char* section, const std::string& key, bool value) {
        ok = file.writeBool(section, key, value) && ok;
    };
    integer(kWindow, "Main_Left", s.mainWindow.left);
    integer(kWindow, "Main_Top", s.mainWindow.top);
    for (int q = 0; q < kQuantityCount; ++q)
        boolean(kLogging, numbered("Graf_", q), s.logQuantity[q]);
    for (int q = 0; q < kQuantityCount; ++q)
        integer(kGraphicChart, numbered("Max_Point_", q), s.maxPoints[q]);
    boolean(kDumpFormat, "ReadingManual", s.reading == ReadingMode::Manual);
    boolean(kDumpFormat, "ReadingAutomatic", s.reading == ReadingMode::Automatic);
    integer(kDumpFormat, "Date_Time", s.timeStampFormat);
    integer(kDumpFormat, "Error", static_cast<int>(s.errorLevel));
    integer(kDumpFormat, "Decimal_Point_Kind", static_cast<int>(s.separator));
    for (int q = 0; q < kQuantityCount; ++q)
        integer(kDumpFormat, kDecimalKeys[q], s.decimals[q]);
    integer(kDumpParameter, "Interval", platform::parseInteger(s.interval).value_or(4));
    integer(kDumpParameter, "Monitor_Polling_Address", s.highestAddress);
    boolean(kDumpParameter, "Write_To_File", s.writeToFile);
    boolean(kDumpParameter, "Monitor_Append", s.logFileMode == LogFileMode::Append);
    boolean(kDumpParameter, "Monitor_Rewrite", s.logFileMode == LogFileMode::Rewrite);
    ok = file.writeString(kDumpParameter, "Monitor_Filename", s.logFile.string()) && ok;
    boolean(kOptions, "DriverAutoOff", s.driverAutoOff);
    return ok;
}

}  // namespace logger
