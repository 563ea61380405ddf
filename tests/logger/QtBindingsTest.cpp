// The real-time bindings of the core's seams: the window timer over QTimer, and the conversation
// with a driver program that is started on demand (a small channel server stands in for it).

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "logger/qt/ClientConversation.h"
#include "logger/qt/QtWindowTimer.h"
#include "platform/channel/SocketFile.h"
#include "support/TempDir.h"

namespace logger {
namespace {

using namespace std::chrono_literals;

template <typename Done>
bool runEventsUntil(Done done) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return done();
}

TEST(QtWindowTimer, EnablingAgainKeepsTheCountAndANewIntervalRestartsIt) {
    QtWindowTimer timer;
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setEnabled(true);
    EXPECT_EQ(timer.remainingTime(), -1) << "an interval of 0 never fires";
    timer.setInterval(5);
    EXPECT_TRUE(runEventsUntil([&] { return ticks >= 2; })) << "it keeps firing";

    timer.setInterval(10000);
    QElapsedTimer elapsed;
    elapsed.start();
    runEventsUntil([&] { return elapsed.elapsed() >= 60; });
    timer.setEnabled(true);
    EXPECT_LE(timer.remainingTime(), 9950) << "enabling an enabled timer must not restart it";
    timer.setInterval(10000);
    EXPECT_GT(timer.remainingTime(), 9950) << "writing the interval restarts the count";
    timer.setEnabled(false);
    EXPECT_EQ(timer.remainingTime(), -1);
    EXPECT_EQ(timer.interval(), 10000);
}

// A private runtime folder for the channel and a folder for stand-in driver programs; ends the
// started driver by its process id.
class DriverOnDemand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(m_dir / "run");
        ::chmod((m_dir / "run").c_str(), 0700);
        saveAndSet("XDG_RUNTIME_DIR", (m_dir / "run").string());
        std::filesystem::create_directory(m_dir / "logger");
        std::filesystem::create_directory(m_dir / "path");
    }
    void TearDown() override {
        if (m_started && platform::channel::processIsRunning(*m_started))
            ::kill(static_cast<pid_t>(*m_started), SIGKILL);
        for (const auto& [name, value] : m_saved)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    void saveAndSet(const char* name, const std::string& value) {
        const char* old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name, value.c_str(), 1);
    }
    // The stand-in driver as "Halvane" in `folder`.
    void installDriver(const std::filesystem::path& folder) {
        std::filesystem::create_symlink(CHANNEL_TEST_SERVER, folder / "Halvane");
    }

    testsupport::TempDir m_dir;
    std::optional<qint64> m_started;
    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

TEST_F(DriverOnDemand, TheDriverBesideTheLoggerIsPreferredToTheOneOnThePath) {
    const std::filesystem::path logger = m_dir / "logger";
    EXPECT_EQ(driverProgramPath(logger), "Halvane");
    m_dir.write("logger/Halvane", "not a program");
    EXPECT_EQ(driverProgramPath(logger), "Halvane") << "a file that cannot be run";
    std::filesystem::remove(logger / "Halvane");
    installDriver(logger);
    EXPECT_EQ(driverProgramPath(logger), (logger / "Halvane").string());
}

TEST_F(DriverOnDemand, OpeningStartsTheDriverBesideTheLogger) {
    installDriver(m_dir / "logger");
    ClientConversation conversation(m_dir / "logger");
    conversation.setLink("Halvane", "DdeHartServer");
    ASSERT_TRUE(conversation.openLink()) << conversation.errorString();
    m_started = conversation.startedDriver();
    ASSERT_TRUE(m_started);
    ASSERT_TRUE(conversation.execute("0   \r\n5\r\n"));
    std::string item;
    for (int i = 0; i < 100 && item.empty(); ++i)
        item = conversation.request("DdeHartCommand");
    EXPECT_EQ(item, "0   \r\n5\r\n");

    // A driver that vanished gives an empty text at once, not after the request's 10 s.
    ::kill(static_cast<pid_t>(*m_started), SIGKILL);
    while (platform::channel::processIsRunning(*m_started))
        std::this_thread::sleep_for(10ms);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(conversation.request("DdeHartCommand"), "");
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_FALSE(conversation.execute("3   \r\n5\r\n"));
}

TEST_F(DriverOnDemand, WithoutOneBesideTheLoggerTheDriverOnThePathIsStarted) {
    installDriver(m_dir / "path");
    const char* path = std::getenv("PATH");
    saveAndSet("PATH", (m_dir / "path").string() + ":" + (path ? path : ""));
    ClientConversation conversation(m_dir / "logger");
    conversation.setLink("Halvane", "DdeHartServer");
    ASSERT_TRUE(conversation.openLink()) << conversation.errorString();
    m_started = conversation.startedDriver();
    EXPECT_TRUE(m_started);
    conversation.closeLink();
}

TEST_F(DriverOnDemand, NoDriverAnywhereFailsTheOpen) {
    saveAndSet("PATH", (m_dir / "path").string());
    ClientConversation conversation(m_dir / "logger");
    conversation.setLink("Halvane", "DdeHartServer");
    EXPECT_FALSE(conversation.openLink());
    EXPECT_NE(conversation.errorString().find("Halvane"), std::string::npos)
        << conversation.errorString();
    EXPECT_EQ(conversation.request("DdeHartCommand"), "");
    EXPECT_FALSE(conversation.execute("terminate"));
}

}  // namespace
}  // namespace logger
