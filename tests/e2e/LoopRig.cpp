#include "LoopRig.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "TestLoop.h"

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

// The driver opens its port and listens within a second or two; a loaded machine running the
// sanitizer build may take much longer.
constexpr auto kStartLimit = 60s;

void setEnvironment(const char* name, const std::filesystem::path& value) {
    ::setenv(name, value.c_str(), 1);
}

}  // namespace

LoopRig::LoopRig() : LoopRig(kLoopConfig) {}

LoopRig::LoopRig(std::string_view loopConfig) {
    const std::filesystem::path runtime = m_dir / "run";
    const std::filesystem::path settings = m_dir / "settings";
    std::filesystem::create_directory(runtime);
    ::chmod(runtime.c_str(), 0700);  // the driver serves only from a private runtime folder
    std::filesystem::create_directory(settings);
    setEnvironment("XDG_RUNTIME_DIR", runtime);
    setEnvironment("APPDATA", m_dir / "appdata");
    setEnvironment("XDG_CONFIG_HOME", m_dir / "config");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Decoded numbers use the user's decimal separator: make it the point.
    ::setenv("LC_ALL", "C.UTF-8", 1);

    const std::filesystem::path config = m_dir.write("loop.cfg", loopConfig);
    m_simulator = std::make_unique<ChildProcess>(
        HARTSIM_PROGRAM, std::vector<std::string>{"--config", config.string()},
        m_dir / "hartsim.log", true);
    const std::optional<std::string> pty = m_simulator->readLine(20s);
    if (!pty || pty->empty())
        throw std::runtime_error("hartsim printed no pseudo-terminal: " + m_simulator->log());

    // A pseudo-terminal has no modem lines, so the driver must not look for a modem on it.
    m_dir.write("settings/ZODUVIR.INI",
                "[SerialPort]\nCOM=1\nModemDetection=0\nMaster=0\n\n"
                "[Ports]\nCOM1=" +
                    *pty + "\n");
    startDriver();
}

void LoopRig::startDriver() {
    // In a sanitizer build, freed memory waits in a quarantine of up to 256 MiB before it is
    // reused; a small one lets the driver's resident memory show what it really keeps.
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    m_driver = std::make_unique<ChildProcess>(
        HALVANE_PROGRAM, std::vector<std::string>{"--settings-dir", (m_dir / "settings").string()},
        m_dir / "driver.log", false,
        std::vector<std::string>{std::string("ASAN_OPTIONS=") +
                                 (sanitizerOptions ? sanitizerOptions + std::string(":") : "") +
                                 "quarantine_size_mb=4"});

    const auto deadline = Clock::now() + kStartLimit;
    while (true) {
        const RunResult status = halvaneCmd({"--status"}, 20s);
        if (status.status.cleanExit()) {
            m_statusAtStart = status.output;
            return;
        }
        if (!m_driver->running())
            throw std::runtime_error("The driver ended before it served (" +
                                     m_driver->stop().describe() + "). " + logs());
        if (Clock::now() > deadline)
            throw std::runtime_error(
                "The driver did not answer halvane-cmd --status in time; "
                "halvane-cmd said: " +
                status.errors + logs());
        m_driver->waitForExit(50ms);  // the pause between tries, cut short if the driver ends
    }
}

LoopRig::~LoopRig() {
    if (m_driver) m_driver->stop();
    if (m_simulator) m_simulator->stop();
}

RunResult LoopRig::halvaneCmd(const std::vector<std::string>& args,
                              std::chrono::milliseconds limit) const {
    return runToEnd(HALVANE_CMD_PROGRAM, args, limit);
}

std::optional<ExitStatus> LoopRig::waitForDriverEnd(std::chrono::milliseconds limit) {
    if (!m_driver->waitForExit(limit)) return std::nullopt;
    return m_driver->exitStatus();
}

ExitStatus LoopRig::stopDriver() {
    return m_driver->stop();
}

std::filesystem::path LoopRig::socketFile() const {
    return m_dir / "run" / "halvane.ddehartserver";
}

std::string LoopRig::logs() const {
    return "\n--- driver:\n" + (m_driver ? m_driver->log() : std::string()) + "\n--- hartsim:\n" +
           (m_simulator ? m_simulator->log() : std::string());
}

std::vector<std::string> outputLines(const std::string& output) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < output.size()) {
        std::size_t end = output.find('\n', from);
        if (end == std::string::npos) end = output.size();
        lines.push_back(output.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
    return -1;
}

}  // namespace e2e
