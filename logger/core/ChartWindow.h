#pragma once

// A chart window of one quantity as the core drives it: 15 line series with day-count x values,
// a unit caption and the greatest number of points a series keeps. Series1 holds the readings
// of polling addresses 0 and 1, SeriesN those of address N (N = 2 .. 15); series are numbered
// from 0 here (0 is Series1).

#include <QString>
#include <string>

namespace logger {

inline constexpr int kSeriesCount = 15;
inline constexpr int kFewestMaxPoints = 2;
inline constexpr int kMostMaxPoints = 2000;
inline constexpr int kDefaultMaxPoints = 20;

class ChartWindow {
  public:
    virtual ~ChartWindow() = default;
    virtual int pointCount(int series) const = 0;
    virtual void deleteOldestPoint(int series) = 0;
    // An inactive series is not drawn; Series1 is always active.
    virtual bool isActive(int series) const = 0;
    virtual void setActive(int series, bool active) = 0;
    virtual void addPoint(int series, double x, double y) = 0;
    virtual void clearPoints(int series) = 0;
    virtual QString unitCaption() const = 0;
    virtual void setUnitCaption(const QString& caption) = 0;
    virtual int maxPoints() const = 0;
    // Stores the maximum as given (SetPocetBoduGrafu clamps it first).
    virtual void setMaxPoints(int count) = 0;
};

// Sets the maximum clamped to 2 .. 2000 and, while Series1 holds more points, deletes the oldest
// point of Series1 and of every active series that still holds one (cut in step with Series1).
// Returns the maximum stored.
int SetPocetBoduGrafu(ChartWindow& chart, int count);

// Removes every point of every series; with `deactivate`, Series2 .. Series15 also become
// inactive again (the record's Clear button), otherwise their state stays (the chart's Clear).
void clearChart(ChartWindow& chart, bool deactivate);

// The series that plots the readings of a polling address given as the reply's text; -1 for
// none (addresses 16 to 63 and anything else).
int seriesOfAddress(const std::string& address);

}  // namespace logger
