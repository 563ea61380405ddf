#include "logger/app/PlotDecimation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace logger {

namespace {

constexpr int kPointsPerColumn = 4;

// One run of consecutive points in the same pixel column, by index.
struct ColumnRun {
    std::size_t first = 0, last = 0, lowest = 0, highest = 0;

    void appendTo(const PlotPoints& points, QList<QPointF>& out) const {
        std::size_t picks[kPointsPerColumn] = {first, std::min(lowest, highest),
                                               std::max(lowest, highest), last};
        std::size_t previous = first;
        out.append(points[first]);
        for (std::size_t i = 1; i < kPointsPerColumn; ++i) {
            if (picks[i] == previous) continue;
            out.append(points[picks[i]]);
            previous = picks[i];
        }
    }
};

}  // namespace

void decimateForColumns(const PlotPoints& points, double x0, double x1, int columns,
                        QList<QPointF>& out) {
    out.clear();
    if (columns <= 0 || !(x1 > x0) ||
        points.size() <= static_cast<std::size_t>(columns) * kPointsPerColumn) {
        out.reserve(static_cast<qsizetype>(points.size()));
        for (const QPointF& p : points)
            out.append(p);
        return;
    }
    out.reserve(static_cast<qsizetype>(columns) * kPointsPerColumn);
    const double scale = columns / (x1 - x0);
    auto columnOf = [&](double x) {
        const double c = std::floor((x - x0) * scale);
        return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(columns - 1)));
    };
    ColumnRun run;
    int column = columnOf(points[0].x());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const int c = columnOf(points[i].x());
        if (c != column) {
            run.appendTo(points, out);
            run = ColumnRun{i, i, i, i};
            column = c;
            continue;
        }
        run.last = i;
        if (points[i].y() < points[run.lowest].y()) run.lowest = i;
        if (points[i].y() > points[run.highest].y()) run.highest = i;
    }
    run.appendTo(points, out);
}

}  // namespace logger
