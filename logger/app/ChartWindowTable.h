#pragma once

// The five chart windows, one per measured quantity, in the order of the record: the loop
// current, then the primary, secondary, third and fourth variable. They are one class (TfChart)
// configured by a row of this table.

#include <QSize>
#include <array>

namespace logger {

struct ChartWindowSpec {
    const char* windowName;     // TfOutCur ...
    const char* caption;        // the window caption, also the hint of its main-window button
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
     "Output Current",
     "chOutCur",
     "lJednotkyOC",
     1,
     1,
     "automatic",
     {216, 136},
     false,
     false},
    {"TfPriVar",
     "Primary Variable",
     "chPriVar",
     "lJednotkyPV",
     2,
     3,
     "automatic",
     {216, 136},
     true,
     false},
    {"TfSecVar",
     "Secondary Variable",
     "chSecVar",
     "lJednotkySV",
     3,
     5,
     "automaticky",
     {212, 147},
     false,
     false},
    {"TfThiVar",
     "Third Variable",
     "chThiVar",
     "lJednotkyTV",
     4,
     7,
     "automatic",
     {212, 147},
     false,
     false},
    {"TfFouVar",
     "Fourth Variable",
     "chFouVar",
     "lJednotkyFV",
     5,
     9,
     "automatic",
     {216, 136},
     false,
     true},
}};

}  // namespace logger
