// hartsim: simulated HART field devices on a pseudo-terminal or a serial device.

#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/ConfigText.h"
#include "sim/program/HartIpServer.h"
#include "sim/program/Line.h"
#include "sim/program/Options.h"
#include "sim/program/Runner.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

// Makes `linkPath` point at `target`, replacing an older symbolic link but never a file.
void makeLink(const std::string& linkPath, const std::string& target) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto status = fs::symlink_status(linkPath, ec);
    if (!ec && fs::exists(status)) {
        if (!fs::is_symlink(status))
            throw std::runtime_error(linkPath + " exists and is not a symbolic link; not replaced");
        fs::remove(linkPath);
    }
    fs::create_symlink(target, linkPath, ec);
    if (ec) throw std::runtime_error("cannot make the link " + linkPath + ": " + ec.message());
}

void removeLink(const std::string& linkPath, const std::string& target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(linkPath, ec) &&
        std::filesystem::read_symlink(linkPath, ec) == target)
        std::filesystem::remove(linkPath, ec);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace sim::program;
    Options options;
    std::optional<sim::Loop> loop;
    try {
        options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::fputs(usageText().c_str(), stdout);
            return 0;
        }
        if (options.version) {
            std::puts("hartsim " HALVANE_VERSION);
            return 0;
        }
        loop.emplace(buildLoopConfig(options));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hartsim: %s\n", e.what());
        return 2;
    }

    // SIGINT and SIGTERM are let in only while the runner waits.
    sigset_t blocked;
    sigset_t waitMask;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    if (!options.hartIp.empty()) {
        try {
            HartIpOptions hartIp = parseHartIpEndpoint(options.hartIp);
            hartIp.closeSessionAfter = options.closeSessionAfter;
            hartIp.trace = options.trace;
            HartIpServer server(*loop, hartIp);
            std::printf("%s\n", server.url().c_str());
            std::fflush(stdout);
            std::fprintf(stderr,
                         "hartsim: %zu device(s) served over HART-IP at %s (TCP and UDP); stop "
                         "with Ctrl+C\n",
                         loop->deviceCount(), server.url().c_str());
            return server.run(g_stop, waitMask);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "hartsim: %s\n", e.what());
            return 1;
        }
    }

    std::string linkedTo;  // the line's path once the link points at it
    try {
        Line line = options.portPath.empty() ? Line::openPseudoTerminal()
                                             : Line::openSerial(options.portPath);
        if (options.keyRts) line.setRts(false);
        if (!options.linkPath.empty()) {
            makeLink(options.linkPath, line.path());
            linkedTo = line.path();
        }
        std::printf("%s\n", line.path().c_str());
        std::fflush(stdout);
        std::fprintf(stderr, "hartsim: %zu device(s) on %s%s%s; stop with Ctrl+C\n",
                     loop->deviceCount(), line.path().c_str(),
                     options.linkPath.empty() ? "" : ", linked as ", options.linkPath.c_str());
        Runner runner(line, *loop, {options.keyRts, options.trace, options.portPath.empty()});
        const int result = runner.run(g_stop, waitMask);
        if (!linkedTo.empty()) removeLink(options.linkPath, linkedTo);
        return result;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hartsim: %s\n", e.what());
        if (!linkedTo.empty()) removeLink(options.linkPath, linkedTo);
        return 1;
    }
}
