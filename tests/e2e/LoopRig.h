#pragma once

// The whole system as a user runs it: hartsim with the test loop on a pseudo-terminal, the
// Halvane driver pinned to it, and halvane-cmd talking to the driver over its socket. Everything
// lives in a private temporary folder (settings, runtime folder, logs); the environment of this
// process is pointed there, so that its children and its own channel clients find the driver.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ChildProcess.h"
#include "support/TempDir.h"

namespace e2e {

class LoopRig {
  public:
    // Starts hartsim and the driver and waits until the driver answers `halvane-cmd --status`.
    // Throws std::runtime_error, with what the programs wrote, when either does not come up.
    LoopRig();
    // The same with another loop: a hartsim configuration text.
    explicit LoopRig(std::string_view loopConfig);
    // The loop behind hartsim as a HART-IP gateway on a free loopback port, COM1 pinned to it
    // (over UDP with `udp`); `simulatorArgs` are further hartsim options.
    struct Gateway {
        bool udp = false;
        std::vector<std::string> simulatorArgs;
    };
    LoopRig(std::string_view loopConfig, const Gateway& gateway);

    // Ends hartsim, or starts it again with the arguments it had (a gateway on the same port).
    void stopSimulator();
    void startSimulator();
    ~LoopRig();

    // halvane-cmd with these arguments, run to its end (killed after `limit`).
    RunResult halvaneCmd(const std::vector<std::string>& args,
                         std::chrono::milliseconds limit = 60s) const;

    // Starts a driver (after the last one has ended) and waits until it answers.
    void startDriver();
    pid_t driverPid() const { return m_driver->pid(); }
    bool driverRunning() { return m_driver->running(); }
    // Waits up to `limit` for the driver to end by itself; nothing when it is still running.
    std::optional<ExitStatus> waitForDriverEnd(std::chrono::milliseconds limit);
    // The status text of the driver's first answer, as halvane-cmd printed it.
    const std::string& statusAtStart() const { return m_statusAtStart; }
    // Ends the driver with SIGTERM (SIGKILL after a bound) and returns how it ended.
    ExitStatus stopDriver();
    // The socket the driver serves, in the rig's runtime folder.
    std::filesystem::path socketFile() const;
    // What the driver and the simulator wrote, for failure messages.
    std::string logs() const;

  private:
    void writeSettings(const std::string& pin);

    testsupport::TempDir m_dir;
    std::vector<std::string> m_simulatorArgs;
    std::unique_ptr<ChildProcess> m_simulator;
    std::unique_ptr<ChildProcess> m_driver;
    std::string m_statusAtStart;
};

// The lines halvane-cmd printed (each ended by LF).
std::vector<std::string> outputLines(const std::string& output);

// The resident memory of a process in KiB, from /proc/<pid>/status; -1 when unreadable.
long residentKiB(pid_t pid);

}  // namespace e2e
