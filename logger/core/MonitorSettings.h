#pragma once

// The monitor settings: what the settings dialog's controls hold (the dialog edits a copy), read
// from the settings file at start-up and written back at the end, and read by the polling cycle,
// the reply processing and the record whenever they need a setting.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "logger/core/ChartWindow.h"
#include "logger/core/NumberText.h"

namespace logger {

// The five quantities of a reading, in the order of the record and the chart windows.
enum Quantity { kCurrent, kPrimary, kSecondary, kThird, kFourth, kQuantityCount };

enum class ReadingMode { Manual, Automatic };
enum class LogFileMode { Append, Rewrite };
// What a record line reports of errors (list index in the dialog).
enum class ErrorLevel { NoWarn, TimeoutOnly, StatusOnly, AllErrors };
// Decimal separator of recorded values (list index in the dialog).
enum class SeparatorKind { Point, Comma, BySystem };

// Time-stamp formats of the record (list index in the dialog).
enum TimeStampFormat {
    kNoTimeStamp,
    kHhmmss,
    kHhColonMmColonSs,
    kMmddhhmmss,
    kDayMonthYearTime,
    kYearMonthDayTime,
    kTimeStampFormatCount
};

struct WindowPlace {
    int left = 0;
    int top = 0;
    bool operator==(const WindowPlace&) const = default;
};

struct MonitorSettings {
    ReadingMode reading = ReadingMode::Automatic;
    std::string interval = "4";  // seconds, as the dialog's edit holds it
    int highestAddress = 0;      // the first polling address, counted down from (0 .. 63)
    std::array<bool, kQuantityCount> logQuantity{true, true, true, true, true};
    std::array<int, kQuantityCount> decimals{2, 1, 1, 1, 1};  // 0 .. 6, or kAutoDecimals
    int timeStampFormat = kHhColonMmColonSs;
    ErrorLevel errorLevel = ErrorLevel::AllErrors;
    SeparatorKind separator = SeparatorKind::BySystem;
    bool writeToFile = false;
    LogFileMode logFileMode = LogFileMode::Append;
    std::filesystem::path logFile;
    bool driverAutoOff = true;  // end the driver when the logger exits
    std::array<int, kQuantityCount> maxPoints{kDefaultMaxPoints, kDefaultMaxPoints,
                                              kDefaultMaxPoints, kDefaultMaxPoints,
                                              kDefaultMaxPoints};
    WindowPlace mainWindow;
    WindowPlace optionsDialog;
    std::array<WindowPlace, kQuantityCount> charts;

    bool operator==(const MonitorSettings&) const = default;
};

inline constexpr int kHighestPollingAddress = 63;
inline constexpr int kFewestIntervalSeconds = 2;

// The dialog's rule for the interval: a whole decimal number of at least 2. A text that breaks
// it is replaced by "2", with the information "Min value is 2 sec!".
bool isValidIntervalText(std::string_view text);

// The interval timer's period in ms. A text that breaks the dialog's rule (a settings file edited
// by hand, with no dialog to correct it) counts as the least interval, 2 s.
int readingIntervalMs(std::string_view interval);

}  // namespace logger
