// The five chart windows shown, each with all 15 lines at the 2000-point maximum, receiving a
// reading every 100 ms the way the reply processing adds it (the oldest point of a full line
// deleted, then the new point added), for a minute. Reports:
//   stall  the longest time the event loop was kept from running a 5 ms timer (goal <= 50 ms):
//          as wall-clock time, and as the main thread's own CPU time in that gap (which leaves
//          out the time other processes of a busy machine took the core), with the 99th
//          percentile of the gaps;
//   cpu    the process' CPU time over the run, as a share of one core (goal <= 20 %);
//   rss    the resident memory after the first fill and then every 10 s (goal: flat).
// Runs on whatever platform Qt picks (offscreen when there is no display; under Xvfb for the
// X11 path): bench_logger_charts [seconds, default 60] [reading interval in ms, default 100]

#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "logger/app/QtUserDialogs.h"
#include "logger/app/TfChart.h"
#include "logger/core/DayCount.h"

namespace {

double cpuSeconds(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID) {
    timespec ts{};
    ::clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

long rssKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int intervalMs = argc > 2 ? std::atoi(argv[2]) : 100;
    QApplication app(argc, argv);
    logger::QtUserDialogs dialogs;

    constexpr double kSecond = 1.0 / 86400;
    double x = logger::dayCountFromDateTime(QDateTime::currentDateTime()) - 2000 * 0.1 * kSecond;
    long reading = 0;
    std::vector<std::unique_ptr<logger::TfChart>> charts;
    int column = 0;
    for (const logger::ChartWindowSpec& spec : logger::kChartWindows) {
        auto chart = std::make_unique<logger::TfChart>(spec, dialogs);
        chart->SetPocetBoduGrafu(logger::kMostMaxPoints);
        for (int s = 1; s < logger::kSeriesCount; ++s)
            chart->setActive(s, true);
        chart->move(10 + (column % 3) * 240, 10 + (column / 3) * 190);
        ++column;
        chart->show();
        charts.push_back(std::move(chart));
    }
    auto addReading = [&] {
        for (auto& chart : charts)
            for (int s = 0; s < logger::kSeriesCount; ++s) {
                if (chart->pointCount(s) >= chart->maxPoints()) chart->deleteOldestPoint(s);
                chart->addPoint(s, x, 4 + s + 3 * std::sin(static_cast<double>(reading) / 20 + s));
            }
        x += intervalMs / 1000.0 * kSecond;
        ++reading;
    };
    for (int i = 0; i < logger::kMostMaxPoints; ++i)
        addReading();
    for (auto& chart : charts)
        chart->redrawNow();
    app.processEvents();

    std::printf("five windows x 15 lines x %d points, a reading every %d ms for %d s (%s)\n",
                logger::kMostMaxPoints, intervalMs, seconds,
                qPrintable(QGuiApplication::platformName()));
    std::printf("rss after the first fill: %ld KiB\n", rssKiB());

    QTimer readings;
    readings.setTimerType(Qt::PreciseTimer);
    QObject::connect(&readings, &QTimer::timeout, addReading);
    readings.start(intervalMs);

    // The event loop's pulse: a 5 ms timer whose late ticks are the stalls.
    QElapsedTimer sinceTick;
    double threadCpuAtTick = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    std::vector<double> gapsMs;
    double longestGapCpuMs = 0;
    QTimer pulse;
    pulse.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pulse, &QTimer::timeout, [&] {
        const double threadCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        gapsMs.push_back(static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        longestGapCpuMs = std::max(longestGapCpuMs, (threadCpu - threadCpuAtTick) * 1e3);
        threadCpuAtTick = threadCpu;
        sinceTick.restart();
    });
    sinceTick.start();
    pulse.start(5);

    QTimer rss;
    QObject::connect(&rss, &QTimer::timeout, [&] {
        std::printf("rss after %3lld s: %ld KiB\n",
                    static_cast<long long>(reading) * intervalMs / 1000 -
                        logger::kMostMaxPoints * intervalMs / 1000,
                    rssKiB());
    });
    rss.start(10'000);

    const double cpuAtStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpuAtStart;
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000;

    int redraws = 0;
    for (auto& chart : charts)
        redraws += chart->redraws();
    std::printf("readings %ld, redraws %d (%.1f per window and second)\n",
                reading - logger::kMostMaxPoints, redraws,
                redraws / elapsed / static_cast<double>(charts.size()));
    std::sort(gapsMs.begin(), gapsMs.end());
    const double p99 = gapsMs.empty() ? 0 : gapsMs[gapsMs.size() * 99 / 100];
    std::printf(
        "longest event-loop stall: %.1f ms wall (99th percentile %.1f ms), %.1f ms of "
        "the main thread's own CPU time\n",
        gapsMs.empty() ? 0.0 : gapsMs.back(), p99, longestGapCpuMs);
    std::printf("cpu: %.1f %% of one core\n", 100 * cpu / elapsed);
    std::printf("rss at the end: %ld KiB\n", rssKiB());
    return 0;
}
