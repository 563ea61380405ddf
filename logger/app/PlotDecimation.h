#pragma once

// A chart line of 2000 points in a plot 200 pixels wide puts ten points on every pixel column,
// and the chart toolkit strokes and marks every one of them. What a column shows of the line is
// the stretch from its lowest to its highest point: those two, in their order, draw the same
// picture. This is what the chart windows hand to the toolkit.

#include <QList>
#include <QPointF>
#include <deque>

namespace logger {

using PlotPoints = std::deque<QPointF>;

// Replaces `out` with the points of `points` (x ascending) that a plot `columns` pixels wide
// over the x range [x0, x1] needs: all of them when there are no more than two per column on
// average, else per run of points in one column its lowest and its highest, in their order
// (one point for a run of one).
void decimateForColumns(const PlotPoints& points, double x0, double x1, int columns,
                        QList<QPointF>& out);

}  // namespace logger
