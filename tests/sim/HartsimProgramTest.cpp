// The hartsim program on a real pseudo-terminal: start it, read the device path it prints,
// send command 0, read the reply, stop it by its process id.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <filesystem>

#include "SimTestSupport.h"
#include "sim/FrameParser.h"
#include "sim/LineTiming.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// A started hartsim whose standard output and error are read through pipes.
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

  private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
};

}  // namespace

TEST(HartsimProgramTest, AnswersCommandZeroOnItsPseudoTerminal) {
    testsupport::TempDir dir;
    const std::string link = (dir / "hart0").string();
    Program program({"--link", link});
    const std::string path = program.firstLine();
    ASSERT_FALSE(path.empty()) << program.standardError();
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), path);

    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0) << path;
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);

    const sim::Bytes request =
        simtest::hex("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 02 80 00 00 82");
    const auto sent = Clock::now();
    ASSERT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));

    sim::FrameParser parser;
    std::optional<sim::ParsedFrame> reply;
    Clock::time_point firstByte{};
    const auto deadline = sent + std::chrono::seconds(5);
    while (!reply && Clock::now() < deadline) {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, 100) <= 0) continue;
        std::uint8_t buffer[64];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) continue;
        if (firstByte == Clock::time_point{}) firstByte = Clock::now();
        parser.feed(std::span(buffer, static_cast<std::size_t>(n)));
        reply = parser.next();
    }
    ::close(fd);
    ASSERT_TRUE(reply) << "no reply within 5 s";
    EXPECT_EQ(simtest::hexOf(reply->bytes),
              "FF FF FF FF FF 06 80 00 18 00 20 FE E0 A1 05 07 01 01 08 00 0A 0B 0C 05 04 00 00 00 "
              "60 41 00 3A 01 1D");
    // Never before the request's own line time and the turnaround (25 bytes, 20 ms).
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(firstByte - sent);
    EXPECT_GE(waited.count(), sim::lineTimeMs(request.size()) + sim::kDefaultTurnaroundMs - 1);

    EXPECT_EQ(program.stop(SIGTERM), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(HartsimProgramTest, HelpAndUsageErrors) {
    Program help({"--help"});
    EXPECT_EQ(help.wait(), 0);
    EXPECT_NE(help.standardOutput().find("Usage: hartsim"), std::string::npos);

    Program wrong({"--turnaround", "soon"});
    EXPECT_EQ(wrong.wait(), 2);
    EXPECT_EQ(wrong.standardError(),
              "hartsim: option: turnaround = soon: expected an integer 0..10000\n");

    Program noPort({"--port", "/nonexistent/ttyUSB9"});
    EXPECT_EQ(noPort.wait(), 1);
    EXPECT_NE(noPort.standardError().find("cannot open /nonexistent/ttyUSB9"), std::string::npos);
}
