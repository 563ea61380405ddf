#include "platform/channel/ConversationServer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <future>
#include <thread>

#include "ChannelTestSupport.h"
#include "platform/channel/LocalListener.h"
#include "support/PlainConnection.h"

namespace platform::channel {
namespace {

using channeltest::Lines;
using channeltest::makeStaleSocket;
using channeltest::RawClient;
using channeltest::RuntimeFolder;
using channeltest::ServerThread;
using channeltest::text;
using namespace std::chrono_literals;

class ConversationServerTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_server.listen()) << errorString(); }
    std::string errorString() {
        return m_server.run([this] { return m_server.server().errorString(); });
    }
    std::unique_ptr<RawClient> connectedClient() {
        auto client = std::make_unique<RawClient>(m_server.socketPath());
        EXPECT_TRUE(client->handshake());
        return client;
    }
    void setLines(const Lines& lines) {
        m_server.run([&] { m_server.server().setItemLines(lines); });
    }
    void setText(const std::string& text) {
        m_server.run([&] { m_server.server().setItemText(text); });
    }
    int clientCount() {
        return m_server.run([this] { return m_server.server().clientCount(); });
    }
    // Until the server has seen every client go (polled, with an upper bound).
    void waitUntilNoClients() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (clientCount() > 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_EQ(clientCount(), 0);
    }

    RuntimeFolder m_runtime;
    ServerThread m_server;
};

TEST_F(ConversationServerTest, AcknowledgesExecutesAndHandsOnTheirLines) {
    auto client = connectedClient();
    client->send(encodeWithPayload("EXECUTE", {}, "0   \r\n5\r\n"));
    client->send(encodeWithPayload("EXECUTE", {}, "SET PRECISION 9\xB0"));
    client->send("EXECUTE 0\n");  // no text at all: still acknowledged, no lines
    for (int i = 0; i < 3; ++i) {
        auto answer = client->next();
        ASSERT_TRUE(answer);
        EXPECT_EQ(text(*answer), "OK EXECUTE");
    }
    EXPECT_EQ(m_server.waitForExecutes(3),
              (std::vector<Lines>{{"0   ", "5"}, {"SET PRECISION 9\xB0"}, {}}));
}

TEST_F(ConversationServerTest, ServesTheItemWithCrLfAndNoDataForOtherItems) {
    auto client = connectedClient();
    auto request = [&](const std::string& item) {
        client->send("REQUEST " + item + "\n");
        return client->next();
    };
    auto answer = request("DdeHartCommand");
    ASSERT_TRUE(answer);
    EXPECT_EQ(text(*answer), "DATA DdeHartCommand");  // empty until the first text is set
    EXPECT_TRUE(answer->hasPayload);
    EXPECT_EQ(answer->payload, "");

    setLines({"3", "0", "", "", "4.00012"});
    answer = request("ddehartcommand");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->payload, "3\r\n0\r\n\r\n\r\n4.00012\r\n");

    setText("COM3\r\n\r\nRQ-20\r\nPrimary Master\r\n6 digits");
    answer = request("DdeHartCommand");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->payload, "COM3\r\n\r\nRQ-20\r\nPrimary Master\r\n6 digits\r\n");
    EXPECT_EQ(m_server.run([this] { return m_server.server().itemLines(); }),
              Lines{"COM3\r\n\r\nRQ-20\r\nPrimary Master\r\n6 digits"});

    answer = request("Other");
    ASSERT_TRUE(answer);
    EXPECT_EQ(text(*answer), "NODATA Other");
    EXPECT_FALSE(answer->hasPayload);
}

TEST_F(ConversationServerTest, PushesEachRealChangeToAdvisingClientsOnly) {
    auto advising = connectedClient();
    auto other = connectedClient();
    advising->send("ADVISE DdeHartCommand\n");
    ASSERT_EQ(text(*advising->next()), "OK ADVISE DdeHartCommand");
    advising->send("ADVISE Nothing\n");
    ASSERT_EQ(text(*advising->next()), "NAK ADVISE Nothing unknown item");

    auto nextPush = [&] {
        auto push = advising->next();
        EXPECT_TRUE(push && push->verb == "CHANGED");
        return push ? push->payload : std::string("<none>");
    };
    setLines({"Busy!"});
    EXPECT_EQ(nextPush(), "Busy!\r\n");
    setLines({"Busy!"});  // equal list: no change, nothing pushed
    setLines({"0", "5", "", ""});
    EXPECT_EQ(nextPush(), "0\r\n5\r\n\r\n\r\n");
    setText("status");  // a text is always published, even when it reads the same
    setText("status");
    EXPECT_EQ(nextPush(), "status\r\n");
    EXPECT_EQ(nextPush(), "status\r\n");

    advising->send("UNADVISE DdeHartCommand\n");
    ASSERT_EQ(text(*advising->next()), "OK UNADVISE DdeHartCommand");
    setLines({"after"});
    advising->send("REQUEST DdeHartCommand\n");
    EXPECT_EQ(advising->next()->verb, "DATA");  // no push came first
    other->send("REQUEST DdeHartCommand\n");
    EXPECT_EQ(other->next()->verb, "DATA");
}

TEST_F(ConversationServerTest, BadInputClosesThatClientOnly) {
    struct Case {
        std::string input;
        std::string answer;
        bool handshake;
    };
    const std::vector<Case> cases = {
        {"hello world\n", "ERROR unknown message HELLO", false},
        {"REQUEST DdeHartCommand\n", "ERROR send CONNECT first", false},
        {"CONNECT Halvane HART$\n",
         "ERROR no topic HART$ of service Halvane here; this server serves Halvane DdeHartServer",
         false},
        {"CONNECT Halvane\n", "ERROR CONNECT takes a service and a topic", false},
        {"CONNECT Halvane DdeHartServer\n", "ERROR already connected", true},
        {"EXECUTE 65537\n", "ERROR EXECUTE payload longer than the limit of 65536 bytes", true},
        {"EXECUTE five\nabcde", "ERROR EXECUTE payload length \"five\" is not a decimal number",
         true},
        {"EXECUTE x 3\nabc", "ERROR EXECUTE takes only the payload length", true},
        {"REQUEST\n", "ERROR REQUEST takes an item name", true},
        {"DATA DdeHartCommand 1\nx", "ERROR unknown message DATA", true},
        {std::string(300, 'Z'), "ERROR header line longer than 256 bytes", true},
        {std::string("\x16\x03\x01\x02\x00\n", 6), "ERROR control character in header line", true},
    };
    auto bystander = connectedClient();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        RawClient client(m_server.socketPath());
        if (c.handshake) {
            ASSERT_TRUE(client.handshake());
        }
        client.send(c.input);
        auto answer = client.next();
        ASSERT_TRUE(answer);
        EXPECT_EQ(text(*answer), c.answer);
        EXPECT_TRUE(client.waitForClose());
        // The others go on as before.
        bystander->send("REQUEST DdeHartCommand\n");
        auto data = bystander->next();
        ASSERT_TRUE(data);
        EXPECT_EQ(data->verb, "DATA");
    }
    EXPECT_EQ(m_server.waitForExecutes(0, 0ms).size(), 0u);
}

TEST_F(ConversationServerTest, AcceptsTheLargestTextAndDisconnectOnRequest) {
    auto client = connectedClient();
    std::string large(kMaxPayload, 'x');
    large[100] = '\n';
    client->send(encodeWithPayload("EXECUTE", {}, large));
    EXPECT_EQ(text(*client->next()), "OK EXECUTE");
    auto executes = m_server.waitForExecutes(1);
    ASSERT_EQ(executes.size(), 1u);
    EXPECT_EQ(executes[0], (Lines{std::string(100, 'x'), std::string(kMaxPayload - 101, 'x')}));

    client->send("DISCONNECT\n");
    EXPECT_EQ(text(*client->next()), "OK DISCONNECT");
    EXPECT_TRUE(client->waitForClose());
}

TEST_F(ConversationServerTest, ClientsThatHangUpEarlyOrMidMessage) {
    const std::vector<std::string> lastWords = {
        encodeWithPayload("EXECUTE", {}, "3;;5"),  // a whole execute: it still counts
        "EXECUTE 10\nabc",                         // cut off inside the text: dropped
        "EXEC",                                    // cut off inside the header: dropped
    };
    for (const std::string& words : lastWords) {
        auto client = connectedClient();
        client->send(words);
        client->abort();
        waitUntilNoClients();
    }
    auto client = connectedClient();
    client->send(encodeWithPayload("EXECUTE", {}, "after"));
    EXPECT_EQ(text(*client->next()), "OK EXECUTE");
    EXPECT_EQ(m_server.waitForExecutes(2), (std::vector<Lines>{{"3;;5"}, {"after"}}));
}

TEST_F(ConversationServerTest, AClientThatStopsReadingIsDisconnected) {
    m_server.run([this] { m_server.server().setOutputLimit(64 * 1024); });
    auto sleeper = connectedClient();
    sleeper->send("ADVISE DdeHartCommand\n");
    ASSERT_EQ(text(*sleeper->next()), "OK ADVISE DdeHartCommand");
    auto reader = connectedClient();
    ASSERT_EQ(clientCount(), 2);

    // Far more than the system's socket buffer and the output limit together; the sleeper
    // reads none of it.
    m_server.run([this] {
        for (int i = 0; i < 200; ++i)
            m_server.server().setItemLines({std::to_string(i), std::string(60000, 'v')});
    });
    EXPECT_EQ(clientCount(), 1);
    EXPECT_TRUE(sleeper->waitForClose());
    reader->send("REQUEST DdeHartCommand\n");
    auto data = reader->next();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->payload.substr(0, 5), "199\r\n");
}

TEST_F(ConversationServerTest, ClientsBeyondTheLimitAreToldSoAndClosed) {
    m_server.run([this] { m_server.server().setMaxClients(3); });
    std::vector<std::unique_ptr<RawClient>> served;
    for (int i = 0; i < 3; ++i)
        served.push_back(connectedClient());
    RawClient extra(m_server.socketPath());
    const auto refusal = extra.next();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(text(*refusal),
              "ERROR too many clients: this server serves 3 at a time; close another client and "
              "try again");
    EXPECT_TRUE(extra.waitForClose());
    EXPECT_EQ(clientCount(), 3);

    // Once one goes, the next is served.
    served.front()->abort();
    served.erase(served.begin());
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (clientCount() > 2 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    auto next = connectedClient();
    next->send("REQUEST DdeHartCommand\n");
    const auto data = next->next();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->verb, "DATA");
}

TEST_F(ConversationServerTest, KeepsListeningWhenTheProcessRunsOutOfDescriptors) {
    // While no descriptor is left the test only uses what it made before, and no Qt object:
    // the sanitizer's type checks need descriptors of their own, and had its checks of the
    // server's usual path done by this first client.
    auto first = connectedClient();
    std::vector<std::unique_ptr<testsupport::PlainConnection>> clients;
    for (int i = 0; i < 3; ++i)
        clients.push_back(std::make_unique<testsupport::PlainConnection>());

    // Lower the limit to just above the descriptors in use, and use up the rest.
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &original), 0);
    int highest = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        highest = std::max(highest, std::stoi(entry.path().filename().string()));
    rlimit lowered = original;
    lowered.rlim_cur = static_cast<rlim_t>(highest + 16);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> filler;
    for (int fd; (fd = ::fcntl(0, F_DUPFD_CLOEXEC, 0)) >= 0;)
        filler.push_back(fd);
    ASSERT_EQ(errno, EMFILE);

    // Clients come while the server cannot accept them.
    for (auto& client : clients)
        ASSERT_TRUE(client->connect(m_server.socketPath()));
    std::this_thread::sleep_for(std::chrono::milliseconds(3 * LocalListener::kRetryMs));
    const bool socketStayed = std::filesystem::exists(m_runtime.socketPath());

    // Descriptors free again: the server never stopped, the waiting clients are served, and
    // new ones too.
    for (int fd : filler)
        ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &original), 0);
    EXPECT_TRUE(socketStayed) << "the socket file stays";
    EXPECT_TRUE(m_server.run([this] { return m_server.server().isListening(); }));
    for (auto& client : clients)
        EXPECT_EQ(client->ask("CONNECT Halvane DdeHartServer\n"),
                  "OK CONNECT Halvane DdeHartServer");
    EXPECT_TRUE(connectedClient());
}

TEST(ConversationServerExecute, AcknowledgesWithoutWaitingForTheHandler) {
    RuntimeFolder runtime;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    // A handler that takes as long as the test wants.
    ServerThread server([released](ConversationServer&, const Lines&) { released.wait(); });
    ASSERT_TRUE(server.listen());
    RawClient client(server.socketPath());
    ASSERT_TRUE(client.handshake());
    client.send(encodeWithPayload("EXECUTE", {}, "slow"));
    auto answer = client.next();  // arrives while the handler is still running
    release.set_value();
    ASSERT_TRUE(answer);
    EXPECT_EQ(text(*answer), "OK EXECUTE");
    EXPECT_EQ(server.waitForExecutes(1), std::vector<Lines>{{"slow"}});
}

TEST(ConversationServerListen, TakesOverAStaleSocketAndKeepsItPrivate) {
    RuntimeFolder runtime;
    makeStaleSocket(runtime.socketPath());
    ServerThread server;
    ASSERT_TRUE(server.listen());
    EXPECT_EQ(server.socketPath(), runtime.socketPath().string());
    struct stat st {};
    ASSERT_EQ(::lstat(runtime.socketPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(st.st_mode & 077, 0u);
    RawClient client(server.socketPath());
    EXPECT_TRUE(client.handshake());

    server.run([&] { server.server().close(); });
    EXPECT_TRUE(client.waitForClose());
    EXPECT_FALSE(std::filesystem::exists(runtime.socketPath()));
}

TEST(ConversationServerListen, RefusesWithAReasonWhenItCannotServe) {
    struct Case {
        const char* name;
        std::function<void(const RuntimeFolder&)> prepare;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"folder open to others", [](const RuntimeFolder& r) { ::chmod(r.path().c_str(), 0755); },
         "is not private to this user"},
        {"not a socket", [](const RuntimeFolder& r) { std::ofstream(r.socketPath()) << "x"; },
         "exists and is not a socket"},
        {"folder missing", [](const RuntimeFolder& r) { std::filesystem::remove_all(r.path()); },
         "does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RuntimeFolder runtime;
        c.prepare(runtime);
        ConversationServer server{std::string(kServiceName), std::string(kTopicName)};
        EXPECT_FALSE(server.listen());
        EXPECT_NE(server.errorString().find(c.error), std::string::npos) << server.errorString();
        EXPECT_FALSE(server.isListening());
    }
}

TEST(ConversationServerListen, ASecondServerFindsTheFirstRunning) {
    RuntimeFolder runtime;
    ServerThread first;
    ASSERT_TRUE(first.listen());
    ConversationServer second{"HALVANE", "ddehartserver"};  // names compared without case
    EXPECT_FALSE(second.listen());
    EXPECT_NE(second.errorString().find("HALVANE is already running"), std::string::npos)
        << second.errorString();
    RawClient client(first.socketPath());
    EXPECT_TRUE(client.handshake());
}

}  // namespace
}  // namespace platform::channel
