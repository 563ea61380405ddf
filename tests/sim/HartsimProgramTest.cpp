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

#include "HartsimProcess.h"
#include "SimTestSupport.h"
#include "sim/FrameParser.h"
#include "sim/LineTiming.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using simtest::Program;

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
