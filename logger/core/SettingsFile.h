#pragma once

// The logger's settings file (Loopscribe.ini): CtiIniMonitor reads it once at start-up,
// ZapisIniMonitor writes it when the logger ends. A missing file, section or key, and a value
// that does not read as a number or lies outside its list, give the key's default.

#include <array>
#include <filesystem>

#include "logger/core/MonitorSettings.h"
#include "platform/ini/IniFile.h"

namespace logger {

struct WindowSize {
    int width = 0;
    int height = 0;
};

// What the computed defaults of the window places are worked out from: the screen and the
// outer sizes of the main window, the settings dialog and the five chart windows.
struct WindowSizes {
    WindowSize screen;
    WindowSize mainWindow;
    WindowSize optionsDialog;
    std::array<WindowSize, kQuantityCount> charts;
};

// The sizes of the windows as designed (client areas, no frames) on the given screen.
WindowSizes designedWindowSizes(WindowSize screen);

// Where a chart window stands once shown: a top edge above the screen becomes 0, a bottom edge
// below it moves the window up to end at the screen's bottom, and the same from left to right.
WindowPlace placeOnScreen(WindowPlace place, WindowSize window, WindowSize screen);

// Reads every key in the file's order, each computed default from the values read before it,
// and the main window's place kept on the screen. `dataFolder` holds the default log file.
MonitorSettings CtiIniMonitor(const platform::IniFile& file, const WindowSizes& sizes,
                              const std::filesystem::path& dataFolder);

// Writes the keys the logger keeps (not the places of the dialog and the charts). False when
// the file could not be written; every key is tried.
bool ZapisIniMonitor(platform::IniFile& file, const MonitorSettings& settings);

}  // namespace logger
