#pragma once

// A chart window without a display: the points, activity, unit caption and maximum of the 15
// series in memory. A run without a display plots into these; tests and benchmarks read them.

#include <array>
#include <deque>
#include <utility>

#include "logger/core/ChartWindow.h"

namespace logger {

class MemoryChart final : public ChartWindow {
  public:
    using Point = std::pair<double, double>;

    MemoryChart() { m_active[0] = true; }

    int pointCount(int series) const override {
        return static_cast<int>(m_points.at(series).size());
    }
    void deleteOldestPoint(int series) override {
        if (!m_points.at(series).empty()) m_points[series].pop_front();
    }
    bool isActive(int series) const override { return m_active.at(series); }
    void setActive(int series, bool active) override { m_active.at(series) = active; }
    void addPoint(int series, double x, double y) override {
        m_points.at(series).emplace_back(x, y);
    }
    void clearPoints(int series) override { m_points.at(series).clear(); }
    QString unitCaption() const override { return m_caption; }
    void setUnitCaption(const QString& caption) override { m_caption = caption; }
    int maxPoints() const override { return m_maxPoints; }
    void setMaxPoints(int count) override { m_maxPoints = count; }

    const std::deque<Point>& points(int series) const { return m_points.at(series); }

  private:
    std::array<std::deque<Point>, kSeriesCount> m_points;
    std::array<bool, kSeriesCount> m_active{};
    QString m_caption;
    int m_maxPoints = kDefaultMaxPoints;
};

}  // namespace logger
