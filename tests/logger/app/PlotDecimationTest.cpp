// What a chart window hands to the chart toolkit: every point while a pixel column holds few,
// else per column its lowest and highest point, in their order.

#include "logger/app/PlotDecimation.h"

#include <gtest/gtest.h>

namespace logger {
namespace {

PlotPoints line(std::initializer_list<QPointF> points) {
    return PlotPoints(points);
}

TEST(PlotDecimationTest, KeepsEveryPointWhileColumnsHoldFew) {
    const PlotPoints points = line({{0, 1}, {1, 5}, {2, 3}, {3, 3}});
    QList<QPointF> out{{9, 9}};
    decimateForColumns(points, 0, 3, 2, out);
    EXPECT_EQ(out, (QList<QPointF>{{0, 1}, {1, 5}, {2, 3}, {3, 3}}));
}

TEST(PlotDecimationTest, KeepsTheLowestAndHighestOfEachColumnInOrder) {
    // Three columns over x 0 .. 30: ten points in the first, one in the second, six in the
    // third, where the highest comes before the lowest.
    PlotPoints points;
    const double first[] = {5, 7, 2, 6, 9, 4, 8, 3, 6, 5};
    for (int i = 0; i < 10; ++i)
        points.emplace_back(i, first[i]);
    points.emplace_back(15, 42);
    const double third[] = {1, 6, 4, 0, 2, 3};
    for (int i = 0; i < 6; ++i)
        points.emplace_back(20 + i, third[i]);

    QList<QPointF> out;
    decimateForColumns(points, 0, 30, 3, out);
    EXPECT_EQ(out, (QList<QPointF>{{2, 2}, {4, 9}, {15, 42}, {21, 6}, {23, 0}}));
}

TEST(PlotDecimationTest, PointsOutsideTheRangeGoToTheEdgeColumns) {
    const PlotPoints points = line({{-5, 1}, {-4, 3}, {0, 2}, {11, 7}, {12, 0}});
    QList<QPointF> out;
    decimateForColumns(points, 0, 10, 2, out);
    EXPECT_EQ(out, (QList<QPointF>{{-5, 1}, {-4, 3}, {11, 7}, {12, 0}}));
}

}  // namespace
}  // namespace logger
