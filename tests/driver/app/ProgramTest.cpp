// The Halvane program as a process: one instance per user, a clean end on SIGTERM (port
// released, socket removed, exit code 0), and a clear refusal when another server already
// serves the conversation channel.

#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <filesystem>

#include "app/PortPins.h"
#include "driver/app/SingleInstance.h"
#include "platform/channel/ConversationClient.h"
#include "platform/channel/ConversationServer.h"
#include "platform/folders/Folders.h"
#include "support/PlainConnection.h"
#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace driver {
namespace {

class ProgramTest : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    serialtest::PtyPair com1;

    void SetUp() override {
        dir.write("ZODUVIR.INI",
                  apptest::pinnedPorts({{1, com1.slavePath()}}, (dir / "none").string()) +
                      "[SerialPort]\nCOM=1\nModemDetection=0\n");
    }

    std::unique_ptr<QProcess> start() {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->start(HALVANE_PROGRAM,
                       {"--settings-dir", QString::fromStdString(dir.path().string())});
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }

    // Waits until the driver answers on the channel (it listens once its port is open).
    bool waitUntilServing(QProcess& process, platform::channel::ConversationClient& client) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 15000 && process.state() == QProcess::Running) {
            if (client.open()) return true;
            process.waitForFinished(20);
        }
        return false;
    }

    // The driver's answer to STATUS (its text ends in "digits"), or the last text seen.
    static std::string statusOf(platform::channel::ConversationClient& client) {
        if (!client.execute("STATUS")) return "(the execute failed)";
        std::string status;
        for (int i = 0; i < 100 && status.find("digits") == std::string::npos; ++i)
            status = client.request().value_or("");
        return status;
    }

    static std::string errorOutput(QProcess& process) {
        return process.readAllStandardError().toStdString();
    }
};

TEST_F(ProgramTest, OneInstanceServesAndEndsCleanlyOnSigterm) {
    auto first = start();
    platform::channel::ConversationClient client;
    ASSERT_TRUE(waitUntilServing(*first, client)) << errorOutput(*first);

    EXPECT_EQ(statusOf(client), "COM1\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n");

    auto second = start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_NE(second->exitCode(), 0);
    EXPECT_NE(errorOutput(*second).find("Halvane is already in memory!"), std::string::npos);
    EXPECT_EQ(first->state(), QProcess::Running) << "the first instance is untouched";

    client.close();
    ASSERT_EQ(::kill(static_cast<pid_t>(first->processId()), SIGTERM), 0);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0) << errorOutput(*first);
    EXPECT_EQ(errorOutput(*first), "") << "nothing is printed in normal operation";
    EXPECT_FALSE(std::filesystem::exists(platform::runtimeFolder() / "halvane.ddehartserver"))
        << "the socket is removed";
    SingleInstance next(SingleInstance::defaultLockFile());
    EXPECT_EQ(next.acquire(), SingleInstance::Outcome::Acquired) << "the lock is released";
}

TEST_F(ProgramTest, RefusesToStartWhenAnotherServerServesTheChannel) {
    platform::channel::ConversationServer other("Halvane", "DdeHartServer");
    ASSERT_TRUE(other.listen()) << other.errorString();
    auto driver = start();
    QElapsedTimer elapsed;
    elapsed.start();
    while (driver->state() != QProcess::NotRunning && elapsed.elapsed() < 15000) {
        QCoreApplication::processEvents();  // the other server answers the driver's probe
        driver->waitForFinished(10);
    }
    ASSERT_EQ(driver->state(), QProcess::NotRunning);
    EXPECT_NE(driver->exitCode(), 0);
    EXPECT_NE(errorOutput(*driver).find("already running"), std::string::npos);
}

TEST(ProgramLanguage, StartUpMessagesInTheLanguageOfTheSettings) {
    // One text each of the scripts beyond Latin-1, as the message box shows it (without a
    // display: on the standard error stream, in UTF-8).
    const std::pair<const char*, const char*> cases[] = {
        {"Czech", "Halvane: Není připojen žádný HART modem!"},
        {"Polish", "Halvane: Nie podłączono modemu HART!"},
        {"Slovak", "Halvane: Nie je pripojený žiadny HART modem!"},
        {"Russian", "Halvane: HART-модем не подключён!"},
    };
    for (const auto& [language, message] : cases) {
        SCOPED_TRACE(language);
        testsupport::TempDir dir;
        dir.write("ZODUVIR.INI", apptest::pinnedPorts({}, (dir / "none").string()) +
                                     "[ZodUvir]\nLanguage=" + language + "\n");
        QProcess driver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        driver.setProcessEnvironment(env);
        driver.start(HALVANE_PROGRAM,
                     {"--settings-dir", QString::fromStdString(dir.path().string())});
        ASSERT_TRUE(driver.waitForStarted(5000));
        std::string output;
        QElapsedTimer elapsed;
        elapsed.start();
        while (output.find(message) == std::string::npos && elapsed.elapsed() < 15000 &&
               driver.state() == QProcess::Running) {
            driver.waitForReadyRead(100);
            output += driver.readAllStandardError().toStdString();
        }
        EXPECT_NE(output.find(message), std::string::npos) << output;
        ::kill(static_cast<pid_t>(driver.processId()), SIGTERM);
        EXPECT_TRUE(driver.waitForFinished(10000));
    }
}

TEST_F(ProgramTest, ReadsASettingsFileThatStartsWithAByteOrderMark) {
    // Saved by an editor that marks UTF-8: the first section must still count.
    dir.write("ZODUVIR.INI",
              "\xEF\xBB\xBF[SerialPort]\r\nCOM=1\r\nModemDetection=0\r\n" +
                  apptest::pinnedPorts({{1, com1.slavePath()}}, (dir / "none").string()));
    auto driver = start();
    platform::channel::ConversationClient client;
    ASSERT_TRUE(waitUntilServing(*driver, client)) << errorOutput(*driver);
    EXPECT_EQ(statusOf(client), "COM1\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n");
    ASSERT_TRUE(client.execute("TERMINATE"));
    client.close();
    ASSERT_TRUE(driver->waitForFinished(10000));
    EXPECT_EQ(errorOutput(*driver), "") << "nothing to report about the file";
}

TEST_F(ProgramTest, KeepsServingWhenAClientOpensMoreConnectionsThanItMayHaveDescriptors) {
    // The driver may hold 256 descriptors; a client opens 300 idle connections.
    auto driver = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    driver->setProcessEnvironment(env);
    driver->start("/bin/sh", {"-c", "ulimit -n 256 && exec \"$0\" --settings-dir \"$1\"",
                              HALVANE_PROGRAM, QString::fromStdString(dir.path().string())});
    ASSERT_TRUE(driver->waitForStarted(5000));
    platform::channel::ConversationClient client;
    ASSERT_TRUE(waitUntilServing(*driver, client)) << errorOutput(*driver);

    const std::string socket = (platform::runtimeFolder() / "halvane.ddehartserver").string();
    std::vector<std::unique_ptr<testsupport::PlainConnection>> idle;
    for (int i = 0; i < 300; ++i) {
        idle.push_back(std::make_unique<testsupport::PlainConnection>());
        ASSERT_TRUE(idle.back()->connect(socket)) << i;
    }
    int served = 0;
    int refused = 0;
    for (auto& connection : idle) {
        const std::string answer = connection->ask("CONNECT Halvane DdeHartServer\n");
        served += answer == "OK CONNECT Halvane DdeHartServer";
        refused += answer.starts_with("ERROR too many clients");
    }
    EXPECT_EQ(served, 63) << "64 with the client that came first";
    EXPECT_EQ(refused, 237);

    idle.clear();
    EXPECT_EQ(statusOf(client), "COM1\r\n\r\nRQ-20\r\nSecondary Master\r\n6 digits\r\n");
    platform::channel::ConversationClient another;
    EXPECT_TRUE(another.open()) << "a new client is served";
    another.close();
    ASSERT_TRUE(client.execute("TERMINATE"));
    client.close();
    ASSERT_TRUE(driver->waitForFinished(10000));
    EXPECT_EQ(driver->exitCode(), 0);
}

TEST(SingleInstance, TakesOverTheLockOfADriverThatDied) {
    testsupport::TempDir dir;
    const auto lockFile = dir / "halvane.instance.lock";
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    dir.write("halvane.instance.lock", std::to_string(child) + "\nHalvane\n\n");

    SingleInstance instance(lockFile);
    EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::Acquired);
    SingleInstance second(lockFile);
    EXPECT_EQ(second.acquire(), SingleInstance::Outcome::AlreadyRunning);
}

}  // namespace
}  // namespace driver
