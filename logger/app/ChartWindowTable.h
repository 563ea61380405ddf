#pragma once

// The five chart windows, one per measured quantity, in the order of the record: the loop
// current, then the primary, secondary, third and fourth variable. They are one class (TfChart)
// configured by a row of this table.

#include <QCoreApplication>
#include <QSize>
#include <array>

namespace logger {

struct ChartWindowSpec {
    const char* windowName;     // TfOutCur ...
    const char* caption;        // the window caption, also the hint of its main-window button
                                // (chartCaption gives it in the user-interface language)
    const char* chartName;      // chOutCur ...
    const char* unitLabelName;  // lJednotkyOC ...
    int number;                 // 1 .. 5: bbSettingsN, PMGrafN, PocetbodugrafuN, SmazatgrafN
    int maxYItem;               // automatickyN / zadatN of Max Y; Min Y's are N + 1
    const char* minYAutomaticCaption;
    QSize clientSize;       // at creation
    bool systemBackWall;    // the back wall takes the system window colour, else white
    bool menuOnRightClick;  // the settings menu is also the window's context menu
};

inline constexpr std::array<ChartWindowSpec, 5> kChartWindows{{
    {"TfOutCur",
     QT_TRANSLATE_NOOP("logger::ChartWindow", "Output Current"),
     "chOutCur",
     "lJednotkyOC",
     1,
     1,
     QT_TRANSLATE_NOOP("logger::TfChart", "automatic"),
     {216, 136},
     false,
     false},
    {"TfPriVar",
     QT_TRANSLATE_NOOP("logger::ChartWindow", "Primary Variable"),
     "chPriVar",
     "lJednotkyPV",
     2,
     3,
     QT_TRANSLATE_NOOP("logger::TfChart", "automatic"),
     {216, 136},
     true,
     false},
    {"TfSecVar",
     QT_TRANSLATE_NOOP("logger::ChartWindow", "Secondary Variable"),
     "chSecVar",
     "lJednotkySV",
     3,
     5,
     //: The Czech built-in caption of the secondary variable's automatic Min Y: "automatic".
     QT_TRANSLATE_NOOP("logger::TfChart", "automaticky"),
     {212, 147},
     false,
     false},
    {"TfThiVar",
     QT_TRANSLATE_NOOP("logger::ChartWindow", "Third Variable"),
     "chThiVar",
     "lJednotkyTV",
     4,
     7,
     QT_TRANSLATE_NOOP("logger::TfChart", "automatic"),
     {212, 147},
     false,
     false},
    {"TfFouVar",
     QT_TRANSLATE_NOOP("logger::ChartWindow", "Fourth Variable"),
     "chFouVar",
     "lJednotkyFV",
     5,
     9,
     QT_TRANSLATE_NOOP("logger::TfChart", "automatic"),
     {216, 136},
     false,
     true},
}};

// The caption of the chart window of a quantity (0 .. 4) in the user-interface language.
inline QString chartCaption(int quantity) {
    return QCoreApplication::translate("logger::ChartWindow",
                                       kChartWindows[static_cast<std::size_t>(quantity)].caption);
}

}  // namespace logger
