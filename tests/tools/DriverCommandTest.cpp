#include "tools/halvane-cmd/DriverCommand.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <regex>
#include <sstream>
#include <thread>

#include "FakeDriver.h"
#include "platform/channel/ChannelTestSupport.h"
#include "platform/channel/SocketFile.h"

namespace halvanecmd {
namespace {

using fakedriver::FakeDriver;
using Args = std::vector<std::string>;
using Lines = std::vector<std::string>;

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

Limits testLimits() {
    Limits limits;
    limits.takeLimit = 2s;  // the fake shows its marker within a millisecond or two
    limits.startLimit = 10s;
    return limits;
}

Outcome halvaneCmd(const Args& args, const Limits& limits = testLimits()) {
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    ParsedArguments parsed = parseArguments(args);
    // The command lines are checked with the shipped table unless a test names another.
    if (parsed.options.tableFile.empty()) parsed.options.tableFile = HALVANE_TABLE_FILE;
    if (parsed.action != ParsedArguments::Action::Run)
        run.code = runHalvaneCmd(args, out, err);
    else
        run.code = runCommand(parsed.options, out, err, limits);
    run.out = out.str();
    run.err = err.str();
    return run;
}

const std::string kReply = "3\n0\n\n\n12.5\n\nm\xB3/h\n";  // the fake's reply to 3 to address 0

// A fake driver served from its own thread, in a private runtime folder.
class HalvaneCmdTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_server.listen()); }

    // Changes the fake on its thread.
    void driver(const std::function<void(FakeDriver&, platform::channel::ConversationServer&)>& f) {
        m_server.run([&] { f(m_driver, m_server.server()); });
    }
    std::vector<Lines> executes() { return m_server.waitForExecutes(0); }

    channeltest::RuntimeFolder m_runtime;
    FakeDriver m_driver;
    channeltest::ServerThread m_server{
        [this](platform::channel::ConversationServer& server, const Lines& lines) {
            m_driver.execute(server, lines);
        }};
};

// The results of command lines, through advise and through polling.
class HalvaneCmdResultTest : public HalvaneCmdTest, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        HalvaneCmdTest::SetUp();
        // A transaction of the driver lasts 75 ms or more: polling sees its busy marker.
        if (GetParam()) driver([](FakeDriver& fake, auto&) { fake.replyDelay = 150ms; });
    }
    Outcome cmd(Args args) {
        if (GetParam()) args.insert(args.begin(), "--poll");
        return halvaneCmd(args);
    }
};

TEST_P(HalvaneCmdResultTest, PrintsTheReplyAndExitsWithItsOutcome) {
    struct Case {
        Args args;
        int code;
        std::string out;
    };
    const Case cases[] = {
        {{"3", "0"}, kDelivered, kReply},
        {{"--line", "3;;0"}, kDelivered, kReply},
        {{"3", "65"}, kCommandError, "3\n65\nCommand Error!\n"},
        {{"3", "7"}, kCommunicationError, "3\n7\nCommunication Error!\n"},
        // Silent through its re-identification: reported as command 0.
        {{"3", "8"}, kCommunicationError, "0\n8\nCommunication Error!\n"},
    };
    for (const Case& c : cases) {
        Outcome run = cmd(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[1] << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.args[1];
    }
    // Each argument reaches the driver as one line, unchanged (unchecked: the table has no such
    // unit).
    EXPECT_EQ(cmd({"--no-check", "35", "0", "k\xC4", "100", "0"}).code, kDelivered);
    EXPECT_EQ(executes().back(), (Lines{"35", "0", "k\xC4", "100", "0"}));
}

INSTANTIATE_TEST_SUITE_P(AdviseAndPoll, HalvaneCmdResultTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Poll" : "Advise"; });

TEST_F(HalvaneCmdTest, ControlOptionsExecuteTheControlCommands) {
    struct Case {
        Args args;
        Lines executed;
        std::string out;
    };
    const Case cases[] = {
        {{"--status"}, {"STATUS"}, "COM3\n\nRQ-20\nPrimary Master\n6 digits\n"},
        {{"--set", "secondary"}, {"SET SECONDARY"}, "COM3\n\nRQ-20\nSecondary Master\n6 digits\n"},
        {{"--set", "rq10"}, {"SET RQ-10"}, "COM3\n\n\nSecondary Master\n6 digits\n"},
        {{"--set", "rq20"}, {"SET RQ-20"}, "COM3\n\nRQ-20\nSecondary Master\n6 digits\n"},
        {{"--set", "primary"}, {"SET PRIMARY"}, "COM3\n\nRQ-20\nPrimary Master\n6 digits\n"},
        {{"--precision", "9"}, {"SET PRECISION 9"}, "COM3\n\nRQ-20\nPrimary Master\n9 digits\n"},
        {{"--port", "5"}, {"SET COM5"}, "COM5\n\nRQ-20\nPrimary Master\n9 digits\n"},
    };
    for (const Case& c : cases) {
        Outcome run = halvaneCmd(c.args);
        EXPECT_EQ(run.code, kDelivered) << c.args[0] << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.args[0];
        EXPECT_EQ(executes().back(), c.executed);
    }
}

TEST_F(HalvaneCmdTest, APortChangeThatLeavesNoPortIsAFailure) {
    driver([](FakeDriver& fake, auto&) { fake.unusablePorts = {4}; });
    Outcome run = halvaneCmd({"--port", "4"});
    EXPECT_EQ(run.code, kCommunicationError);
    EXPECT_EQ(run.out, "none\n\n\nPrimary Master\n6 digits\n");
    EXPECT_NE(run.err.find("could not use COM4"), std::string::npos) << run.err;
}

TEST_F(HalvaneCmdTest, ABusyDriverDropsTheCommand) {
    driver([](FakeDriver& fake, platform::channel::ConversationServer& server) {
        fake.busy = true;
        server.setItemText("Busy!");
    });
    Limits limits = testLimits();
    limits.takeLimit = 300ms;
    for (const Args& args : {Args{"3", "0"}, Args{"--status"}}) {
        Outcome run = halvaneCmd(args, limits);
        EXPECT_EQ(run.code, kBusy) << args[0];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("did not take the command within 0.3 s"), std::string::npos)
            << run.err;
    }
}

TEST_F(HalvaneCmdTest, AnotherClientsCommandTakenFirstIsNotPrintedAsOurs) {
    driver([](FakeDriver& fake, auto&) {
        fake.foreignTakenFirst = Lines{"1", "4", "", "", "7.5"};
    });
    Outcome run = halvaneCmd({"3", "0"});
    EXPECT_EQ(run.code, kBusy);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("another client's command (command 1 to polling address 4)"),
              std::string::npos)
        << run.err;
}

TEST_F(HalvaneCmdTest, AResultOfAnEarlierTransactionIsSkipped) {
    driver([](FakeDriver& fake, platform::channel::ConversationServer& server) {
        server.setItemText("Busy!");
        fake.foreignEndsFirst = Lines{"1", "4", "", "", "7.5"};
    });
    Outcome run = halvaneCmd({"3", "0"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_EQ(run.out, kReply);
}

TEST_F(HalvaneCmdTest, NoResultWithinTheTimeout) {
    driver([](FakeDriver& fake, auto&) { fake.answers = false; });
    Outcome run = halvaneCmd({"--timeout", "0.3", "3", "0"});
    EXPECT_EQ(run.code, kBusy);
    EXPECT_NE(run.err.find("took the command but gave no result within 0.3 s"), std::string::npos)
        << run.err;
}

TEST_F(HalvaneCmdTest, TerminateWaitsUntilTheDriverHasEnded) {
    for (bool busy : {false, true}) {
        driver([busy](FakeDriver& fake, platform::channel::ConversationServer& server) {
            fake.busy = busy;
            fake.onTerminate = [&server] { server.close(); };
        });
        Outcome run = halvaneCmd({"--terminate"});
        EXPECT_EQ(run.code, kDelivered) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(executes().back(), Lines{"terminate"});
        ASSERT_TRUE(m_server.listen());
    }
}

TEST_F(HalvaneCmdTest, ALineTheDriverWouldRefuseIsNotSent) {
    Outcome run = halvaneCmd({"35", "0", "kpa", "100", "0"});
    EXPECT_EQ(run.code, kCommandError);
    EXPECT_EQ(run.out, "35\n0\nCommand Error!\n") << "what the driver's refusal would print";
    EXPECT_NE(run.err.find("not sent, the driver would refuse it: command 35 (Write Primary "
                           "Variable Range Values), argument 1 (Range unit): there is no unit "
                           "\"kpa\"; did you mean kPa?\n"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(executes().empty());
    // --no-check leaves the verdict to the driver.
    run = halvaneCmd({"--no-check", "35", "0", "kpa", "100", "0"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_EQ(executes().size(), 1u);
}

TEST_F(HalvaneCmdTest, AnErrorResponseHasItsOwnExitCode) {
    struct Case {
        std::string response;
        int code;
    };
    const Case cases[] = {
        {"Passed Parameter too Large!", kErrorResponse},
        {"Warning #8: Set to Nearest Possible Value!", kDelivered},
    };
    for (const Case& c : cases) {
        driver([&c](FakeDriver& fake, auto&) { fake.responseText = c.response; });
        Outcome run = halvaneCmd({"3", "0"});
        EXPECT_EQ(run.code, c.code) << c.response << ": " << run.err;
        EXPECT_NE(run.out.find(c.response), std::string::npos) << "the reply is printed";
    }
}

TEST_F(HalvaneCmdTest, RepeatsWithATimeStampForEachReply) {
    Outcome run = halvaneCmd({"--repeat", "3", "--interval", "0.05", "3", "0"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_EQ(executes().size(), 3u);
    std::string rest = run.out;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            ASSERT_TRUE(rest.starts_with("\n")) << run.out;
            rest.erase(0, 1);
        }
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            rest, m,
            std::regex(R"(^\[\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}(Z|[+-]\d\d:\d\d)\]\n)")))
            << run.out;
        rest.erase(0, m.length());
        ASSERT_TRUE(rest.starts_with(kReply)) << run.out;
        rest.erase(0, kReply.size());
    }
    EXPECT_EQ(rest, "");
}

TEST_F(HalvaneCmdTest, CtrlCEndsARepetitionCleanly) {
    // Ctrl-C while the second reply is awaited: the first was printed, and its outcome counts.
    // Before any reply: the interruption's own code, and nothing printed.
    struct Case {
        int interruptAt;
        int code;
        std::size_t groups;
    };
    for (const Case& c : {Case{2, kDelivered, 1}, Case{1, kInterrupted, 0}}) {
        driver([&c](FakeDriver& fake, auto&) {
            fake.replyDelay = 200ms;
            fake.onExecute = [n = 0, at = c.interruptAt](const Lines&) mutable {
                if (++n == at) std::raise(SIGINT);
            };
        });
        Outcome run = halvaneCmd({"--watch", "--json", "--interval", "0.01", "3", "0"});
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')),
                  c.groups)
            << run.out;
        driver([](FakeDriver& fake, auto&) { fake.onExecute = nullptr; });
    }
    // The default handling is back once halvane-cmd has ended.
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
}

TEST_F(HalvaneCmdTest, JsonAndLabelsNameTheFields) {
    Outcome run = halvaneCmd({"--json", "3", "0"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_NE(run.out.find(
                  "\"fields\":{\"loop_current\":\"12.5\",\"pv_unit\":\"\",\"pv\":\"m\xC2\xB3/h\"}"),
              std::string::npos)
        << run.out;
    run = halvaneCmd({"--labels", "3", "0"});
    EXPECT_NE(run.out.find("\nLoop current: 12.5 mA\nPV: m\xB3/h\n"), std::string::npos) << run.out;
}

TEST(HalvaneCmdNoDriver, SaysSoAndHowToStartIt) {
    channeltest::RuntimeFolder runtime;
    Outcome run = halvaneCmd({"3", "0"});
    EXPECT_EQ(run.code, kNoDriver);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("not running"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--start"), std::string::npos) << run.err;

    // Starting fails: a program that ends without serving, and no driver program at all.
    run = halvaneCmd({"--driver", "/bin/false", "3", "0"});
    EXPECT_EQ(run.code, kNoDriver);
    EXPECT_NE(run.err.find("ended without serving"), std::string::npos) << run.err;

    testsupport::TempDir emptyPath;
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", emptyPath.path().c_str(), 1);
    run = halvaneCmd({"--start", "3", "0"});
    ::setenv("PATH", oldPath.c_str(), 1);
    EXPECT_EQ(run.code, kNoDriver);
    EXPECT_NE(run.err.find("no program Halvane"), std::string::npos) << run.err;
}

// Runs a shell command line and reads its standard output to the end, at most for limit:
// nothing when the output stays open longer.
std::optional<std::string> outputOf(const std::string& command, int& status,
                                    std::chrono::milliseconds limit = 20s) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    pollfd fd{::fileno(pipe), POLLIN, 0};
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            status = ::pclose(pipe);
            return std::nullopt;
        }
        char buffer[512];
        ssize_t n = ::read(fd.fd, buffer, sizeof buffer);
        if (n <= 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    status = ::pclose(pipe);
    return out;
}

// Stops a process started during a test by its id, should the test end before it does.
class ProcessGuard {
  public:
    ~ProcessGuard() {
        if (m_pid > 0 && platform::channel::processIsRunning(m_pid))
            ::kill(static_cast<pid_t>(m_pid), SIGKILL);
    }
    void watch(long long pid) { m_pid = pid; }
    // Waits up to limit for the process to end.
    bool ended(std::chrono::milliseconds limit = 10s) const {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (platform::channel::processIsRunning(m_pid)) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }

  private:
    long long m_pid = 0;
};

TEST(HalvaneCmdStart, StartsTheDriverWithoutHoldingTheCallersOutput) {
    channeltest::RuntimeFolder runtime;
    testsupport::TempDir files;
    const auto errFile = files / "err.txt";
    ProcessGuard started;

    // The started driver outlives halvane-cmd: its output must not keep the caller's pipe
    // open, or a script's $(halvane-cmd --start ...) would never return.
    int status = -1;
    auto out =
        outputOf(std::string(HALVANE_CMD_PROGRAM) + " --status --driver " + FAKE_DRIVER_PROGRAM +
                     " --driver-arg=--port-text --driver-arg COM9 2>" + errFile.string(),
                 status);
    const std::string err = testsupport::TempDir::read(errFile);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(err, match, std::regex("started .* \\(process ([0-9]+)\\)")))
        << err;
    started.watch(std::stoll(match[1]));
    ASSERT_TRUE(out) << "the output stayed open; " << err;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kDelivered) << err;
    EXPECT_EQ(*out, "COM9\n\nRQ-20\nPrimary Master\n6 digits\n");
    EXPECT_EQ(testsupport::TempDir::read(runtime.path() / kStartedDriverLog),
              "fake driver serving\n");

    // It serves the next commands without a start, and ends on --terminate.
    Outcome run = halvaneCmd({"3", "0"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_EQ(run.out, kReply);
    run = halvaneCmd({"--start", "--driver", "/bin/false", "--status"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_EQ(run.err, "");  // one was running: nothing started
    run = halvaneCmd({"--terminate"});
    EXPECT_EQ(run.code, kDelivered) << run.err;
    EXPECT_TRUE(started.ended()) << "the started driver did not end on --terminate";
}

}  // namespace
}  // namespace halvanecmd
