#include "platform/channel/ConversationClient.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QThread>
#include <future>
#include <mutex>
#include <set>
#include <thread>

#include "ChannelTestSupport.h"
#include "platform/channel/SocketFile.h"

namespace platform::channel {
namespace {

using channeltest::Lines;
using channeltest::RuntimeFolder;
using channeltest::ServerThread;
using namespace std::chrono_literals;

// The server of these tests sets its item to the lines of every executed text.
void echo(ConversationServer& server, const Lines& lines) {
    server.setItemLines(lines);
}

// Requests until the item reads as expected (the server works after acknowledging).
std::optional<std::string> requestUntil(ConversationClient& client, const std::string& expected) {
    std::optional<std::string> text;
    for (int i = 0; i < 1000; ++i) {
        text = client.request();
        if (!text || *text == expected) break;
    }
    return text;
}

class ConversationClientTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_server.listen()); }

    RuntimeFolder m_runtime;
    ServerThread m_server{echo};
};

TEST_F(ConversationClientTest, ExecutesRequestsAndFollowsChanges) {
    ConversationClient client;
    ASSERT_TRUE(client.open()) << client.errorString();
    EXPECT_TRUE(client.isOpen());
    EXPECT_EQ(client.request(), std::optional<std::string>(""));  // empty, not nothing
    ASSERT_TRUE(client.advise());

    ASSERT_TRUE(client.execute("0   \r\n5\r\n"));
    auto change = client.waitForChange(5s);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->item, "DdeHartCommand");
    EXPECT_EQ(change->text, "0   \r\n5\r\n");
    EXPECT_EQ(client.request(), "0   \r\n5\r\n");
    EXPECT_EQ(m_server.waitForExecutes(1), (std::vector<Lines>{{"0   ", "5"}}));

    EXPECT_FALSE(client.request("Other"));
    EXPECT_NE(client.errorString().find("no item Other"), std::string::npos);
    EXPECT_FALSE(client.advise("Other"));

    ASSERT_TRUE(client.unadvise());
    ASSERT_TRUE(client.execute("3;;5"));
    EXPECT_EQ(requestUntil(client, "3;;5\r\n"), "3;;5\r\n");
    EXPECT_FALSE(client.waitForChange(0ms));  // the change came after unadvise: not pushed

    EXPECT_FALSE(client.execute(std::string(kMaxPayload + 1, 'x')));
    EXPECT_TRUE(client.isOpen());
    client.close();
    EXPECT_FALSE(client.isOpen());
    EXPECT_FALSE(client.execute("3;;5"));
}

TEST_F(ConversationClientTest, DeliversChangesThroughTheSignalWhenAnEventLoopRuns) {
    ConversationClient client;
    ASSERT_TRUE(client.open());
    ASSERT_TRUE(client.advise());
    std::vector<std::string> seen;
    QObject::connect(&client, &ConversationClient::changed,
                     [&](const std::string&, const std::string& text) { seen.push_back(text); });
    m_server.run([this] { m_server.server().setItemLines({"Busy!"}); });
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (seen.empty() && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(seen, std::vector<std::string>{"Busy!\r\n"});
}

TEST_F(ConversationClientTest, ARequestGivesUpAtItsLimitWithoutMixingUpLaterAnswers) {
    ConversationClient client;
    ASSERT_TRUE(client.open());
    m_server.run([this] { m_server.server().setItemLines({"old"}); });
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    m_server.post([released] { released.wait(); });  // the server hangs for a while

    EXPECT_FALSE(client.request("Other", 200ms));
    EXPECT_NE(client.errorString().find("No answer from Halvane within 0.2 s"), std::string::npos)
        << client.errorString();
    release.set_value();
    // The late NODATA of the abandoned request must not pass for this request's answer.
    EXPECT_EQ(client.request(), "old\r\n");
}

TEST_F(ConversationClientTest, NoticesWhenTheServerGoes) {
    ConversationClient client;
    ASSERT_TRUE(client.open());
    m_server.run([this] { m_server.server().close(); });
    EXPECT_FALSE(client.execute("0\r\n0\r\n"));
    EXPECT_FALSE(client.isOpen());
    EXPECT_FALSE(client.request());
    EXPECT_FALSE(client.open());
    EXPECT_NE(client.errorString().find("Halvane is not running"), std::string::npos)
        << client.errorString();
}

TEST_F(ConversationClientTest, ServesManyClientsAtOnce) {
    constexpr int kThreads = 8, kClientsPerThread = 5, kRounds = 10;
    std::mutex mutex;
    std::vector<std::string> problems;
    auto problem = [&](std::string what) {
        std::lock_guard lock(mutex);
        problems.push_back(std::move(what));
    };
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([&, t] {
            std::vector<std::unique_ptr<ConversationClient>> clients;
            for (int c = 0; c < kClientsPerThread; ++c) {
                clients.push_back(std::make_unique<ConversationClient>());
                if (!clients.back()->open() || !clients.back()->advise())
                    return problem("open/advise: " + clients.back()->errorString());
            }
            for (int r = 0; r < kRounds; ++r) {
                for (int c = 0; c < kClientsPerThread; ++c) {
                    auto& client = *clients[c];
                    std::string id =
                        std::to_string(t) + "/" + std::to_string(c) + "/" + std::to_string(r);
                    if (!client.execute(id)) problem("execute " + id);
                    auto text = client.request();
                    if (!text || (!text->empty() && text->substr(text->size() - 2) != "\r\n"))
                        problem("request after " + id);
                }
            }
            for (auto& client : clients)
                if (!client->waitForChange(5s)) problem("no change pushed");
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        thread->wait();
    EXPECT_EQ(problems, std::vector<std::string>{});

    auto executes = m_server.waitForExecutes(kThreads * kClientsPerThread * kRounds);
    std::set<std::string> ids;
    for (const Lines& lines : executes)
        ids.insert(lines.at(0));
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kThreads * kClientsPerThread * kRounds));
}

TEST(ConversationClientStart, FailsWithAReasonWhenNoServerAnswers) {
    RuntimeFolder runtime;
    ConversationClient client;
    EXPECT_FALSE(client.open());
    EXPECT_EQ(client.errorString(),
              "Halvane is not running (no server on " + runtime.socketPath().string() + ").");
    EXPECT_FALSE(client.execute("STATUS"));
    EXPECT_FALSE(client.request());
    EXPECT_FALSE(client.advise());
    EXPECT_FALSE(client.startedProcessId());
}

class StartedServer {
  public:
    ~StartedServer() {
        if (m_pid && processIsRunning(*m_pid)) ::kill(static_cast<pid_t>(*m_pid), SIGTERM);
    }
    std::optional<qint64> m_pid;
};

TEST(ConversationClientStart, StartsTheServerProgramWhenNoneAnswers) {
    RuntimeFolder runtime;
    // A socket left by a crashed server: connecting is refused, so the program is started,
    // and it takes the socket over.
    channeltest::makeStaleSocket(runtime.socketPath());
    StartedServer started;
    ConversationClient client;
    ConversationClient::ServerProgram program{CHANNEL_TEST_SERVER, {}, 20s, {}};
    ASSERT_TRUE(client.open(program)) << client.errorString();
    started.m_pid = client.startedProcessId();
    ASSERT_TRUE(started.m_pid);
    EXPECT_TRUE(processIsRunning(*started.m_pid));

    ASSERT_TRUE(client.execute("hello\r\nworld"));
    EXPECT_EQ(requestUntil(client, "hello\r\nworld\r\n"), "hello\r\nworld\r\n");

    // A second client finds it running and starts nothing.
    ConversationClient second;
    ASSERT_TRUE(second.open(program));
    EXPECT_FALSE(second.startedProcessId());

    ASSERT_TRUE(client.execute("TERMINATE"));
    EXPECT_FALSE(client.waitForChange(10s));  // ends when the server closes the connection
    EXPECT_FALSE(client.isOpen());
}

TEST(ConversationClientStart, ReportsAProgramThatDoesNotComeUp) {
    struct Case {
        QString program;
        QStringList arguments;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"/nonexistent/halvane", {}, "Starting the server program /nonexistent/halvane failed"},
        {CHANNEL_TEST_SERVER, {"--fail"}, "ended without serving."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        RuntimeFolder runtime;
        ConversationClient client;
        EXPECT_FALSE(client.open({c.program, c.arguments, 20s, {}}));
        EXPECT_NE(client.errorString().find("Halvane is not running"), std::string::npos);
        EXPECT_NE(client.errorString().find(c.error), std::string::npos) << client.errorString();
    }
}

}  // namespace
}  // namespace platform::channel
