// How close the driver's transactions come to what the line allows. A transaction cannot end
// before the first send tick (the send timer's period when the command arrives: the poll
// interval, or the turnaround interval right after a reply), the request's line time, the device's
// turnaround and the reply's line time have passed — or, where it is longer, the wait after the
// send, which the driver spends blocked. The overhead is the measured time minus that floor.
// CPU time per transaction is this process's user + system time, divided by the transactions.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/RealLink.h"
#include "support/TempDir.h"

namespace {

constexpr double kByteMs = 11.0 * 1000.0 / 1200.0;
constexpr double kTurnaroundMs = 20.0;  // hartsim's default

double cpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

void measure(testsupport::RealLink& link, const char* name, const std::string& commandLine,
             int count) {
    std::vector<double> overhead;
    std::vector<double> total;
    const double cpuBefore = cpuMs();
    for (int i = 0; i < count; ++i) {
        const std::size_t receivedBefore = link.receivedBytes;
        QElapsedTimer timer;
        timer.start();
        const auto lines = link.transact(commandLine);
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (lines.size() < 4) {
            std::fprintf(stderr, "%s: transaction failed: %s\n", name, lines.front().c_str());
            continue;
        }
        const double requestBytes = static_cast<double>(link.engine().requestFrame().size());
        const double replyBytes = static_cast<double>(link.receivedBytes - receivedBefore);
        const double lineMs = (requestBytes + replyBytes) * kByteMs + kTurnaroundMs;
        const double afterSendWaitMs = requestBytes * 20 + 100;
        const double floorMs = link.firstTickMs + std::max(lineMs, afterSendWaitMs);
        total.push_back(elapsed);
        overhead.push_back(elapsed - floorMs);
    }
    const double cpuPerTransaction = (cpuMs() - cpuBefore) / static_cast<double>(count);
    if (overhead.empty()) return;
    std::printf(
        "%-10s n=%-4zu time median %7.1f ms | overhead median %5.1f ms  p90 %5.1f ms  "
        "p99 %5.1f ms  max %5.1f ms | CPU %.2f ms per transaction\n",
        name, overhead.size(), percentile(total, 0.5), percentile(overhead, 0.5),
        percentile(overhead, 0.9), percentile(overhead, 0.99),
        *std::max_element(overhead.begin(), overhead.end()), cpuPerTransaction);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    testsupport::TempDir dir;
    testsupport::HartsimProcess hartsim(HARTSIM_PROGRAM, {});
    testsupport::RealLink link(dir.path(), hartsim.path(), HALVANE_TABLE_FILE);
    if (link.transact("0;;0").size() < 4) {
        std::fprintf(stderr, "the simulated transmitter did not answer command 0\n");
        return 1;
    }
    measure(link, "command 3", "3;;0", count);
    measure(link, "command 0", "0;;0", count);
    return 0;
}
