#include "logger/app/PlotDecimation.h"

#include <algorithm>
#include <cstddef>

namespace logger {

namespace {

constexpr std::size_t kPointsPerColumn = 2;

}  // namespace

void decimateForColumns(const PlotPoints& points, double x0, double x1, int columns,
                        QList<QPointF>& out) {
    out.clear();
    if (columns <= 0 || !(x1 > x0) || points.size() <= columns * kPointsPerColumn) {
        out.reserve(static_cast<qsizetype>(points.size()));
        for (const QPointF& p : points)
            out.append(p);
        return;
    }
    out.reserve(static_cast<qsizetype>(columns * kPointsPerColumn));
    const double scale = columns / (x1 - x0);
    auto columnOf = [&](double x) {
        return std::clamp(static_cast<int>((x - x0) * scale), 0, columns - 1);
    };
    std::size_t lowest = 0, highest = 0;
    auto appendRun = [&] {
        out.append(points[std::min(lowest, highest)]);
        if (lowest != highest) out.append(points[std::max(lowest, highest)]);
    };
    int column = columnOf(points[0].x());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const int c = columnOf(points[i].x());
        if (c != column) {
            appendRun();
            lowest = highest = i;
            column = c;
        } else if (points[i].y() < points[lowest].y()) {
            lowest = i;
        } else if (points[i].y() > points[highest].y()) {
            highest = i;
        }
    }
    appendRun();
}

}  // namespace logger
