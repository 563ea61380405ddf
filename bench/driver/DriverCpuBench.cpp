// What the running driver costs per transaction: the real Halvane program against hartsim on a
// pseudo-terminal, polled back to back with command 3 through one advising client, once with its
// window hidden and once with it shown, in the same run. For each run it reports the driver
// process's CPU time and context switches per transaction (all its threads, from
// /proc/<pid>/task/*/schedstat and .../status) and its share of a core over the run.
//
// The shown window needs an X display: run the benchmark under Xvfb, for example
//   xvfb-run -a -s '-screen 0 1280x1024x24' bench_driver_cpu
// The hidden driver runs on the offscreen platform, as it does without a display. Without
// --driver it measures the Halvane built with it; several builds named with --driver are
// measured in the same run, interleaved (for a before/after comparison on a machine whose load
// varies), and compared with the first:
//   bench_driver_cpu --driver after=build/bin/Halvane --driver before=/other/build/bin/Halvane
// Usage: bench_driver_cpu [--transactions N (60)] [--rounds R (3)] [--warmup W (5)]
//                         [--window hidden|shown|both] [--driver NAME=PATH]... [--threads]
// --threads also shows each thread's share of every run.

#include <dirent.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/ChildProcess.h"
#include "platform/channel/ConversationClient.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Driver {
    std::string name;
    std::string program;
};

struct Options {
    int transactions = 60;
    int rounds = 3;
    int warmup = 5;
    std::vector<bool> modes{false, true};  // window shown?
    std::vector<Driver> drivers;
    bool perThread = false;
};

// What the kernel counts for one thread, or for the driver process's threads together.
struct ThreadUsage {
    std::string name;
    double cpuMs = 0;
    long switches = 0;
};
struct Usage {
    double cpuMs = 0;
    long switches = 0;
    int threads = 0;
    std::map<std::string, ThreadUsage> byThread;  // by thread id
};

std::optional<long long> firstNumber(const std::string& file) {
    std::ifstream in(file);
    long long value = 0;
    if (in >> value) return value;
    return std::nullopt;
}

long contextSwitches(const std::string& statusFile) {
    std::ifstream in(statusFile);
    std::string line;
    long total = 0;
    while (std::getline(in, line)) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
            line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
            total += std::atol(line.substr(line.find(':') + 1).c_str());
        }
    }
    return total;
}

Usage usageOf(pid_t pid) {
    Usage usage;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = ::opendir(tasks.c_str());
    if (!dir) return usage;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        const std::string task = tasks + "/" + entry->d_name;
        ThreadUsage thread;
        std::ifstream(task + "/comm") >> thread.name;
        if (const auto ns = firstNumber(task + "/schedstat")) {
            thread.cpuMs = static_cast<double>(*ns) / 1e6;
        }
        thread.switches = contextSwitches(task + "/status");
        usage.cpuMs += thread.cpuMs;
        usage.switches += thread.switches;
        ++usage.threads;
        usage.byThread[entry->d_name] = thread;
    }
    ::closedir(dir);
    return usage;
}

struct RunResult {
    std::string driver;
    bool shown = false;
    int transactions = 0;
    int failures = 0;
    double cpuMsPerTransaction = 0;
    double switchesPerTransaction = 0;
    double coreShare = 0;  // CPU time over wall time
    double wallMsPerTransaction = 0;
};

// One command 3 transaction: the execute, the busy marker, the result. False when no result
// came or the device did not answer.
bool transact(platform::channel::ConversationClient& client) {
    if (!client.execute("3\r\n0\r\n")) return false;
    const Clock::time_point end = Clock::now() + 20s;
    bool busySeen = false;
    while (Clock::now() < end) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        const auto change = client.waitForChange(std::max(left, 1ms));
        if (!change) return false;
        const bool busy = change->text.rfind("Busy!\r\n", 0) == 0;
        if (busy) {
            busySeen = true;
        } else if (busySeen) {
            return change->text.rfind("3\r\n0\r\n", 0) == 0 &&
                   change->text.find("Error!") == std::string::npos;
        }
    }
    return false;
}

std::optional<RunResult> runOnce(const Options& options, const Driver& driver, bool shown,
                                 const std::string& hartsimProgram) {
    testsupport::TempDir dir;
    const std::filesystem::path runtime = dir / "run";
    std::filesystem::create_directory(runtime);
    ::chmod(runtime.c_str(), 0700);
    std::filesystem::create_directory(dir / "settings");
    // The client finds the driver's socket through this process's runtime folder.
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);

    e2e::ChildProcess hartsim(hartsimProgram, {}, dir / "hartsim.log", true);
    const std::optional<std::string> pty = hartsim.readLine(20s);
    if (!pty || pty->empty()) {
        std::fprintf(stderr, "hartsim printed no pseudo-terminal: %s\n", hartsim.log().c_str());
        return std::nullopt;
    }
    dir.write("settings/ZODUVIR.INI",
              "[SerialPort]\nCOM=1\nModemDetection=0\nMaster=0\n\n[Ports]\nCOM1=" + *pty + "\n");

    std::vector<std::string> args{"--settings-dir", (dir / "settings").string()};
    if (shown) args.push_back("--show");
    e2e::ChildProcess halvane(
        driver.program, args, dir / "driver.log", false,
        {"XDG_RUNTIME_DIR=" + runtime.string(), "APPDATA=" + (dir / "appdata").string(),
         "XDG_CONFIG_HOME=" + (dir / "config").string(), "LC_ALL=C.UTF-8",
         std::string("QT_QPA_PLATFORM=") + (shown ? "xcb" : "offscreen")});

    platform::channel::ConversationClient client;
    const Clock::time_point startLimit = Clock::now() + 30s;
    while (!client.open()) {
        if (!halvane.running() || Clock::now() > startLimit) {
            std::fprintf(stderr, "%s did not serve: %s\n", driver.program.c_str(),
                         halvane.log().c_str());
            return std::nullopt;
        }
        halvane.waitForExit(50ms);
    }
    if (!client.advise()) {
        std::fprintf(stderr, "the driver refused to advise: %s\n", client.errorString().c_str());
        return std::nullopt;
    }
    // The first transactions identify the device and settle the window.
    for (int i = 0; i < options.warmup; ++i)
        transact(client);

    RunResult result{driver.name, shown};
    const Usage before = usageOf(halvane.pid());
    const Clock::time_point started = Clock::now();
    for (int i = 0; i < options.transactions; ++i) {
        if (!transact(client)) ++result.failures;
    }
    const double wallMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    const Usage after = usageOf(halvane.pid());
    if (after.threads != before.threads) {
        std::fprintf(stderr, "note: the driver's threads changed from %d to %d during the run\n",
                     before.threads, after.threads);
    }
    if (options.perThread) {
        for (const auto& [tid, thread] : after.byThread) {
            const auto was = before.byThread.find(tid);
            if (was == before.byThread.end()) continue;
            std::printf(
                "    thread %-16s CPU %6.3f ms/tx  %6.1f switches/tx\n", thread.name.c_str(),
                (thread.cpuMs - was->second.cpuMs) / options.transactions,
                static_cast<double>(thread.switches - was->second.switches) / options.transactions);
        }
    }
    client.close();
    halvane.stop();
    hartsim.stop();

    result.transactions = options.transactions;
    const double n = options.transactions;
    result.cpuMsPerTransaction = (after.cpuMs - before.cpuMs) / n;
    result.switchesPerTransaction = static_cast<double>(after.switches - before.switches) / n;
    result.coreShare = (after.cpuMs - before.cpuMs) / wallMs;
    result.wallMsPerTransaction = wallMs / n;
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printRun(const RunResult& r) {
    std::printf(
        "  %-10s %-6s %3d tx (%d failed)  %6.1f ms/tx wall  CPU %6.3f ms/tx  %5.2f %% of a core  "
        "%6.1f switches/tx\n",
        r.driver.c_str(), r.shown ? "shown" : "hidden", r.transactions, r.failures,
        r.wallMsPerTransaction, r.cpuMsPerTransaction, 100 * r.coreShare, r.switchesPerTransaction);
    std::fflush(stdout);
}

struct Summary {
    double cpu = 0, cpuMin = 0, cpuMax = 0;
    double switches = 0;
    double share = 0;
};

Summary summarise(const std::vector<RunResult>& runs, const std::string& driver, bool shown) {
    std::vector<double> cpu, switches, share;
    for (const RunResult& r : runs) {
        if (r.driver != driver || r.shown != shown) continue;
        cpu.push_back(r.cpuMsPerTransaction);
        switches.push_back(r.switchesPerTransaction);
        share.push_back(r.coreShare);
    }
    if (cpu.empty()) return {};
    return {median(cpu), *std::min_element(cpu.begin(), cpu.end()),
            *std::max_element(cpu.begin(), cpu.end()), median(switches), median(share)};
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--threads") {
            options.perThread = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value) return false;
        if (arg == "--transactions") {
            options.transactions = std::max(1, std::atoi(value));
        } else if (arg == "--rounds") {
            options.rounds = std::max(1, std::atoi(value));
        } else if (arg == "--warmup") {
            options.warmup = std::max(0, std::atoi(value));
        } else if (arg == "--window") {
            const std::string mode = value;
            if (mode == "hidden") {
                options.modes = {false};
            } else if (mode == "shown") {
                options.modes = {true};
            } else if (mode != "both") {
                return false;
            }
        } else if (arg == "--driver") {
            const std::string spec = value;
            const std::size_t eq = spec.find('=');
            if (eq == std::string::npos || eq == 0) return false;
            options.drivers.push_back({spec.substr(0, eq), spec.substr(eq + 1)});
        } else {
            return false;
        }
        ++i;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "Usage: bench_driver_cpu [--transactions N] [--rounds R] [--warmup W] "
                     "[--window hidden|shown|both] [--driver NAME=PATH]... [--threads]\n");
        return 2;
    }
    const bool anyShown =
        std::find(options.modes.begin(), options.modes.end(), true) != options.modes.end();
    if (anyShown && !std::getenv("DISPLAY")) {
        std::fprintf(stderr,
                     "bench_driver_cpu: the shown window needs an X display; run it under "
                     "xvfb-run -a -s '-screen 0 1280x1024x24'\n");
        return 2;
    }
    if (options.drivers.empty()) options.drivers.push_back({"this", HALVANE_PROGRAM});
    QCoreApplication app(argc, argv);

    std::printf("command 3 back to back through one advising client, %d transactions per run\n",
                options.transactions);
    std::vector<RunResult> runs;
    for (int round = 0; round < options.rounds; ++round) {
        // Each round in another order, so that a trend in the machine's load spreads evenly.
        std::vector<std::pair<const Driver*, bool>> order;
        for (const Driver& driver : options.drivers)
            for (bool shown : options.modes)
                order.emplace_back(&driver, shown);
        if (round % 2) std::reverse(order.begin(), order.end());
        for (const auto& [driver, shown] : order) {
            if (auto result = runOnce(options, *driver, shown, HARTSIM_PROGRAM)) {
                printRun(*result);
                runs.push_back(*result);
            }
        }
    }

    std::printf("\nmedians over %d rounds (CPU range in brackets)\n", options.rounds);
    std::map<std::string, Summary> hidden;
    for (const Driver& driver : options.drivers) {
        const Summary h = summarise(runs, driver.name, false);
        const Summary s = summarise(runs, driver.name, true);
        hidden[driver.name] = h;
        std::printf(
            "  %-10s hidden CPU %.3f ms/tx [%.3f-%.3f] %.2f %% core %.1f sw/tx | shown CPU %.3f "
            "ms/tx [%.3f-%.3f] %.2f %% core %.1f sw/tx | shown/hidden %.2f\n",
            driver.name.c_str(), h.cpu, h.cpuMin, h.cpuMax, 100 * h.share, h.switches, s.cpu,
            s.cpuMin, s.cpuMax, 100 * s.share, s.switches, h.cpu > 0 ? s.cpu / h.cpu : 0.0);
    }
    const std::string& first = options.drivers.front().name;
    for (const Driver& driver : options.drivers) {
        if (driver.name == first || hidden[driver.name].cpu <= 0) continue;
        std::printf("  hidden CPU of %s against %s: %.2f\n", first.c_str(), driver.name.c_str(),
                    hidden[first].cpu / hidden[driver.name].cpu);
    }
    return 0;
}
