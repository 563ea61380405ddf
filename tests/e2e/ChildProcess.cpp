#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void throwErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

int remainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() <= 0 ? 0 : static_cast<int>(left.count());
}

// This process's environment with `changes` ("NAME=value") replacing or adding entries.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        const auto sameName = [&](const std::string& change) {
            const std::size_t length = change.find('=') + 1;
            return text.substr(0, length) == std::string_view(change).substr(0, length);
        };
        if (std::none_of(changes.begin(), changes.end(), sameName)) entries.emplace_back(text);
    }
    entries.insert(entries.end(), changes.begin(), changes.end());
    return entries;
}

std::vector<char*> pointers(std::vector<std::string>& words) {
    std::vector<char*> list;
    for (std::string& word : words)
        list.push_back(word.data());
    list.push_back(nullptr);
    return list;
}

// Forks and executes `program`; the child reads /dev/null and writes to `out` and `err`. Only
// async-signal-safe calls run between fork and exec, as other threads of the test may hold
// locks at the moment of the fork.
pid_t spawn(const std::string& program, const std::vector<std::string>& args, int out, int err,
            const std::vector<std::string>& environment = {}) {
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv = pointers(words);
    std::vector<std::string> entries = environmentWith(environment);
    std::vector<char*> envp = pointers(entries);
    const int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (input < 0) throwErrno("open /dev/null");
    static constexpr char kExecFailed[] = "e2e: cannot execute the program\n";

    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(126);  // the test ended before the child got here
        if (::dup2(input, STDIN_FILENO) < 0 || ::dup2(out, STDOUT_FILENO) < 0 ||
            ::dup2(err, STDERR_FILENO) < 0)
            ::_exit(126);
        ::execve(argv[0], argv.data(), envp.data());
        [[maybe_unused]] const auto written = ::write(err, kExecFailed, sizeof kExecFailed - 1);
        ::_exit(127);
    }
    const int forkError = errno;
    ::close(input);
    if (pid < 0) {
        errno = forkError;
        throwErrno("fork for " + program);
    }
    return pid;
}

ExitStatus statusOf(int raw) {
    ExitStatus status;
    status.exited = WIFEXITED(raw);
    status.code = status.exited ? WEXITSTATUS(raw) : -1;
    status.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
    return status;
}

// Waits up to `limit` for the child to end, without reaping it.
void waitForEnd(pid_t pid, std::chrono::milliseconds limit) {
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd pfd{pidfd, POLLIN, 0};
        while (::poll(&pfd, 1, static_cast<int>(limit.count())) < 0 && errno == EINTR) {
        }
        ::close(pidfd);
        return;
    }
    // Kernels without process descriptors: look every 10 ms.
    const auto deadline = Clock::now() + limit;
    siginfo_t info{};
    while (Clock::now() < deadline) {
        info.si_pid = 0;
        if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
            info.si_pid != 0)
            return;
        ::poll(nullptr, 0, 10);
    }
}

}  // namespace

std::string ExitStatus::describe() const {
    if (exited) return "exit code " + std::to_string(code);
    if (signal) return std::string("signal ") + ::strsignal(signal);
    return "still running";
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::filesystem::path& log, bool pipeOutput,
                           const std::vector<std::string>& environment)
    : m_log(log) {
    const int logFd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (logFd < 0) throwErrno("open " + log.string());
    int pipeFds[2] = {-1, -1};
    if (pipeOutput && ::pipe2(pipeFds, O_CLOEXEC) != 0) {
        ::close(logFd);
        throwErrno("pipe");
    }
    try {
        m_pid = spawn(program, args, pipeOutput ? pipeFds[1] : logFd, logFd, environment);
    } catch (...) {
        ::close(logFd);
        if (pipeOutput) {
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
        }
        throw;
    }
    ::close(logFd);
    if (pipeOutput) {
        ::close(pipeFds[1]);
        m_output = pipeFds[0];
    }
}

ChildProcess::~ChildProcess() {
    stop();
    if (m_output >= 0) ::close(m_output);
}

bool ChildProcess::reap(int options) {
    if (m_pid <= 0) return true;
    int raw = 0;
    pid_t result;
    while ((result = ::waitpid(m_pid, &raw, options)) < 0 && errno == EINTR) {
    }
    if (result != m_pid) return false;
    m_status = statusOf(raw);
    m_pid = -1;
    return true;
}

bool ChildProcess::running() {
    return !reap(WNOHANG);
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (true) {
        if (const auto end = m_pending.find('\n'); end != std::string::npos) {
            std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            return line;
        }
        if (m_output < 0) return std::nullopt;
        pollfd pfd{m_output, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, remainingMs(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        char buffer[256];
        const ssize_t n = ::read(m_output, buffer, sizeof buffer);
        if (n <= 0) return std::nullopt;
        m_pending.append(buffer, static_cast<std::size_t>(n));
    }
}

bool ChildProcess::waitForExit(std::chrono::milliseconds limit) {
    if (m_pid <= 0) return true;
    waitForEnd(m_pid, limit);
    return reap(WNOHANG);
}

ExitStatus ChildProcess::stop(std::chrono::milliseconds grace) {
    if (m_pid > 0 && running()) {
        ::kill(m_pid, SIGTERM);
        if (!waitForExit(grace)) {
            ::kill(m_pid, SIGKILL);
            reap(0);
        }
    }
    return m_status;
}

std::string ChildProcess::log() const {
    std::ifstream in(m_log, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

RunResult runToEnd(const std::string& program, const std::vector<std::string>& args,
                   std::chrono::milliseconds limit) {
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throwErrno("pipe");
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        throwErrno("pipe");
    }
    pid_t pid = -1;
    try {
        pid = spawn(program, args, out[1], err[1]);
    } catch (...) {
        for (int fd : {out[0], out[1], err[0], err[1]})
            ::close(fd);
        throw;
    }
    ::close(out[1]);
    ::close(err[1]);

    RunResult result;
    const auto deadline = Clock::now() + limit;
    pollfd pfds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&result.output, &result.errors};
    int open = 2;
    while (open > 0) {
        const int ready = ::poll(pfds, 2, remainingMs(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (pfds[i].fd < 0 || !(pfds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[4096];
            const ssize_t n = ::read(pfds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                texts[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                pfds[i].fd = -1;
                --open;
            }
        }
    }
    ::close(out[0]);
    ::close(err[0]);
    int raw = 0;
    while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
    result.status = statusOf(raw);
    return result;
}

}  // namespace e2e
