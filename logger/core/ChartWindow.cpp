#include "logger/core/ChartWindow.h"

#include <algorithm>
#include <string>

namespace logger {

int SetPocetBoduGrafu(ChartWindow& chart, int count) {
    const int max = std::clamp(count, kFewestMaxPoints, kMostMaxPoints);
    chart.setMaxPoints(max);
    while (chart.pointCount(0) > max) {
        chart.deleteOldestPoint(0);
        for (int s = 1; s < kSeriesCount; ++s)
            if (chart.isActive(s) && chart.pointCount(s) > 0) chart.deleteOldestPoint(s);
    }
    return max;
}

void clearChart(ChartWindow& chart, bool deactivate) {
    for (int s = 0; s < kSeriesCount; ++s) {
        chart.clearPoints(s);
        if (deactivate && s > 0) chart.setActive(s, false);
    }
}

int seriesOfAddress(const std::string& address) {
    if (address == "0" || address == "1") return 0;
    for (int n = 2; n <= kSeriesCount; ++n)
        if (address == std::to_string(n)) return n - 1;
    return -1;
}

}  // namespace logger
