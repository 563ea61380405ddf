#pragma once

// Programs started by the end-to-end tests, stopped by their process id. A child asks the kernel
// to send it SIGTERM when the thread that started it ends, so that nothing outlives a test
// process that crashes; start long-running children from the test's main thread, and finish
// short ones before their starting thread ends.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

struct ExitStatus {
    bool exited = false;  // ended through exit(); otherwise `signal` ended it
    int code = -1;
    int signal = 0;

    bool cleanExit() const { return exited && code == 0; }
    std::string describe() const;
};

class ChildProcess {
  public:
    // Starts `program` with `args` in this process's environment changed by `environment`
    // ("NAME=value" entries). Its standard error, and its standard output unless `pipeOutput`
    // is set, go to the file `log` (created or emptied).
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::filesystem::path& log, bool pipeOutput = false,
                 const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // True while the process has not ended (it is reaped when it has).
    bool running();
    // Waits up to `limit` for the process to end; true when it has (it is then reaped).
    bool waitForExit(std::chrono::milliseconds limit);
    // The next line of piped standard output, without its LF; nothing when none comes within
    // `limit` or the output ends.
    std::optional<std::string> readLine(std::chrono::milliseconds limit);
    // How the process ended, once it has.
    const ExitStatus& exitStatus() const { return m_status; }
    // SIGTERM, then up to `grace` for the process to end, then SIGKILL.
    ExitStatus stop(std::chrono::milliseconds grace = 15s);
    // What the process wrote to its log file so far.
    std::string log() const;

  private:
    bool reap(int options);

    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_pending;
    std::filesystem::path m_log;
    ExitStatus m_status;
};

struct RunResult {
    ExitStatus status;
    bool timedOut = false;
    std::string output;
    std::string errors;
};

// Runs a program to its end with both output streams captured; after `limit` it is killed.
RunResult runToEnd(const std::string& program, const std::vector<std::string>& args,
                   std::chrono::milliseconds limit);

}  // namespace e2e
