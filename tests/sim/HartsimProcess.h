#pragma once

// A started hartsim whose standard output and error are read through pipes, stopped by its
// process id.

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace simtest {

using Clock = std::chrono::steady_clock;

class Program {
  public:
    explicit Program(std::vector<std::string> args) {
        int out[2];
        int err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        args.insert(args.begin(), HARTSIM_PROGRAM);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int spawned =
            posix_spawn(&m_pid, HARTSIM_PROGRAM, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
        if (spawned != 0) throw std::runtime_error("cannot start " HARTSIM_PROGRAM);
    }
    ~Program() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_out);
        ::close(m_err);
    }

    // The first line of standard output, waiting at most `limit`.
    std::string firstLine(std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        std::string line;
        const auto deadline = Clock::now() + limit;
        char c = 0;
        while (Clock::now() < deadline) {
            pollfd pfd{m_out, POLLIN, 0};
            if (::poll(&pfd, 1, 100) <= 0) continue;
            if (::read(m_out, &c, 1) != 1 || c == '\n') break;
            line += c;
        }
        return line;
    }

    std::string readAll(int fd) {
        std::string text;
        char buffer[512];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }
    std::string standardOutput() { return readAll(m_out); }
    std::string standardError() { return readAll(m_err); }

    // Stops the program by its process id and returns its exit status (-1: it did not exit).
    int stop(int signal = SIGTERM) {
        ::kill(m_pid, signal);
        return wait();
    }
    int wait() {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    pid_t pid() const { return m_pid; }

  private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
};

}  // namespace simtest
