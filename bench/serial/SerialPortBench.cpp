// Timing of the serial component on a pseudo-terminal pair, with the Qt main-thread dispatcher
// the programs use:
//   latency  the time from a byte written on the far side to OnAfterReceive running on the main
//            thread (median, 90th and 99th percentile, maximum);
//   idle     the CPU time and context switches of the whole process while an open port (the
//            driver's settings) waits with nothing arriving, against the same wait with the port
//            closed.
// Usage: bench_serial_port [latency samples, default 1000] [idle seconds, default 3]

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "serial/TscComm.h"
#include "serial/qt/QtMainThreadDispatcher.h"

namespace {

using Clock = std::chrono::steady_clock;

double processCpuMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long contextSwitches() {
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    return ru.ru_nvcsw + ru.ru_nivcsw;
}

struct Idle {
    double cpuMs;
    long switches;
};

Idle idleFor(int seconds) {
    const double cpu0 = processCpuMs();
    const long sw0 = contextSwitches();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return {processCpuMs() - cpu0, contextSwitches() - sw0};
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[i];
}

}  // namespace

int main(int argc, char** argv) {
    const int samples = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 3;
    QCoreApplication app(argc, argv);

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::fprintf(stderr, "bench_serial_port: no pseudo-terminal\n");
        return 1;
    }
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / ("bench-serial-" + std::to_string(::getpid()));
    std::ofstream(settings) << "[Ports]\nCOM1=" << ::ptsname(master) << "\n";

    serial::TscComm comm;
    comm.setPortNameResolver(std::make_shared<serial::PortNameResolver>(
        settings, serial::DeviceRoots{"/nonexistent", "/nonexistent"}));
    comm.setDispatcher(std::make_shared<serial::QtMainThreadDispatcher>());
    comm.setBaudRate(1200);
    comm.setParity(serial::pOdd);
    comm.setStreamProtocol(serial::spNone);
    comm.setComPortNo(1);

    const Idle closedIdle = idleFor(idleSeconds);

    QEventLoop waitLoop;
    Clock::time_point arrived;
    comm.OnAfterReceive = [&](serial::TscBaseIO&, const std::uint8_t*, std::uint32_t) {
        arrived = Clock::now();
        waitLoop.quit();
    };
    comm.setActive(true);

    const Idle openIdle = idleFor(idleSeconds);

    std::vector<double> latencyMs;
    latencyMs.reserve(static_cast<std::size_t>(samples));
    const char byte = 0x55;
    for (int i = 0; i < samples; ++i) {
        const Clock::time_point sent = Clock::now();
        if (::write(master, &byte, 1) != 1) break;
        waitLoop.exec();
        latencyMs.push_back(std::chrono::duration<double, std::milli>(arrived - sent).count());
    }
    comm.setActive(false);
    ::close(master);
    std::filesystem::remove(settings);

    std::printf(
        "receive latency, byte written -> OnAfterReceive on the main thread (%zu samples)\n",
        latencyMs.size());
    std::printf("  median %.3f ms   p90 %.3f ms   p99 %.3f ms   max %.3f ms\n",
                percentile(latencyMs, 0.5), percentile(latencyMs, 0.9), percentile(latencyMs, 0.99),
                percentile(latencyMs, 1.0));
    std::printf("idle for %d s (whole process, Qt event loop included)\n", idleSeconds);
    std::printf("  port closed: %.2f ms CPU, %ld context switches\n", closedIdle.cpuMs,
                closedIdle.switches);
    std::printf("  port open:   %.2f ms CPU, %ld context switches\n", openIdle.cpuMs,
                openIdle.switches);
    return 0;
}
