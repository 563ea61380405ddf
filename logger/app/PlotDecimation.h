#pragma once

// A chart line of 2000 points in a plot 200 pixels wide puts ten points on every pixel column,
// and the chart toolkit draws every one of them with its marker. What a column shows is the
// line's first and last point in it and its lowest and highest: those four, in their order,
// draw the same picture. This is what the chart windows hand to the toolkit.

#include <QList>
#include <QPointF>
#include <deque>

namespace logger {

using PlotPoints = std::deque<QPointF>;

// Replaces `out` with the points of `points` (x ascending) that a plot `columns` pixels wide
// over the x range [x0, x1] needs: all of them when there are no more than four per column on
// average, else per run of points in one column the first, the lowest, the highest and the last.
void decimateForColumns(const PlotPoints& points, double x0, double x1, int columns,
                        QList<QPointF>& out);

}  // namespace logger
