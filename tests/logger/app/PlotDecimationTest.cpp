// What a chart window hands to the chart toolkit: every point while a pixel column holds few,
// else per column its first, lowest, highest and last point, in their order.

#include "logger/app/PlotDecimation.h"

#include <gtest/gtest.h>

namespace logger {
namespace {

PlotPoints line(std::initializer_list<QPointF> points) { return PlotPoints(points); }

TEST(PlotDecimationTest, KeepsEveryPointWhileColumnsHoldFew) {
    const PlotPoints points = line({{0, 1}, {1, 5}, {2, 3}, {3, 3}});
    QList<QPointF> out{{9, 9}};
    decimateForColumns(points, 0, 3, 1, out);
    EXPECT_EQ(out, (QList<QPointF>{{0, 1}, {1, 5}, {2, 3}, {3, 3}}));
}

TEST(PlotDecimationTest, KeepsFirstLowestHighestAndLastOfEachColumnInOrder) {
    // Two columns over x 0 .. 20: ten points in the first, six in the second.
    PlotPoints points;
    const double firstColumn[] = {5, 7, 2, 6, 9, 4, 8, 3, 6, 5};
    for (int i = 0; i < 10; ++i)
        points.emplace_back(i, firstColumn[i]);
    const double secondColumn[] = {1, 0, 4, 4, 2, 3};
    for (int i = 0; i < 6; ++i)
        points.emplace_back(10 + i, secondColumn[i]);

    QList<QPointF> out;
    decimateForColumns(points, 0, 20, 2, out);
    EXPECT_EQ(out, (QList<QPointF>{{0, 5}, {2, 2}, {4, 9}, {9, 5},  // first, low, high, last
                                   {10, 1}, {11, 0}, {12, 4}, {15, 3}}));
}

TEST(PlotDecimationTest, RunsOfOneOrTwoPointsStayWhole) {
    // 3 columns, 13 points: three in column 0, one in column 1, nine in column 2.
    PlotPoints points = line({{0, 1}, {0.5, 2}, {0.9, 0}, {1.5, 7}});
    for (int i = 0; i < 9; ++i)
        points.emplace_back(2 + i * 0.1, 4);
    QList<QPointF> out;
    decimateForColumns(points, 0, 3, 3, out);
    EXPECT_EQ(out, (QList<QPointF>{{0, 1}, {0.5, 2}, {0.9, 0}, {1.5, 7}, {2, 4}, {2.8, 4}}));
}

}  // namespace
}  // namespace logger
