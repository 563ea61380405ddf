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

namespace {

void prepareEnvironment(const testsupport::TempDir& dir) {
    const std::filesystem::path runtime = dir / "run";
    std::filesystem::create_directory(runtime);
    ::chmod(runtime.c_str(), 0700);  // the driver serves only from a private runtime folder
    std::filesystem::create_directory(dir / "settings");
    setEnvironment("XDG_RUNTIME_DIR", runtime);
    setEnvironment("APPDATA", dir / "appdata");
    setEnvironment("XDG_CONFIG_HOME", dir / "config");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Decoded numbers use the user's decimal separator: make it the point.
    ::setenv("LC_ALL", "C.UTF-8", 1);
}

}  // namespace

LoopRig::LoopRig(std::string_view loopConfig) {
    prepareEnvironment(m_dir);
    m_simulatorArgs = {"--config", m_dir.write("loop.cfg", loopConfig).string()};
    startSimulator();
    const std::optional<std::string> pty = m_simulator->readLine(20s);
    if (!pty || pty->empty())
        throw std::runtime_error("hartsim printed no pseudo-terminal: " + m_simulator->log());
    writeSettings(*pty);
    startDriver();
}

LoopRig::LoopRig(std::string_view loopConfig, const Gateway& gateway) {
    prepareEnvironment(m_dir);
    m_simulatorArgs = {"--config", m_dir.write("loop.cfg", loopConfig).string(), "--hart-ip", "0"};
    m_simulatorArgs.insert(m_simulatorArgs.end(), gateway.simulatorArgs.begin(),
                           gateway.simulatorArgs.end());
    startSimulator();
    const std::optional<std::string> url = m_simulator->readLine(20s);
    if (!url || !url->starts_with("hart-ip://"))
        throw std::runtime_error("hartsim printed no gateway URL: " + m_simulator->log());
    // A restart serves the same port.
    m_simulatorArgs[3] = url->substr(url->rfind(':') + 1);
    writeSettings(*url + (gateway.udp ? "?udp" : ""));
    startDriver();
}

void LoopRig::writeSettings(const std::string& pin) {
    // A pseudo-terminal has no modem lines, so the driver must not look for a modem on it; a
    // gateway's session is checked as its modem.
    const bool gateway = pin.starts_with("hart-ip://");
    m_dir.write("settings/ZODUVIR.INI", std::string("[SerialPort]\nCOM=1\nModemDetection=") +
                                            (gateway ? "1" : "0") +
                                            "\nMaster=0\n\n[Ports]\nCOM1=" + pin + "\n");
}

void LoopRig::startSimulator() {
    m_simulator = std::make_unique<ChildProcess>(HARTSIM_PROGRAM, m_simulatorArgs,
                                                 m_dir / "hartsim.log", true);
}

void LoopRig::stopSimulator() {
    m_simulator->stop();
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
