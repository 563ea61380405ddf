// The main window with the monitor on a simulated loop: closing while the monitor runs (hidden
// behind the tray icon, or minimised without a tray), closing for good (stop lines, "terminate"
// to the driver, the settings), the tray menu's "Close Loopscribe", the command line's START,
// the end of the session, the device header and chart windows kept on the screen.

#include "logger/app/TfMain.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "logger/LoggerRig.h"
#include "logger/app/LoggerTestSupport.h"
#include "logger/app/TfChart.h"
#include "logger/app/TfOprogramu.h"
#include "logger/app/TfOptions.h"
#include "logger/app/TrayIcon.h"
#include "logger/core/Monitor.h"

namespace logger {
namespace {

class TfMainTest : public ::testing::Test {
  protected:
    loggertest::SimTime time;
    loggertest::SimTime::Timer send{time}, poll{time}, timeOut{time}, interval{time};
    loggertest::SimClock clock{time};
    loggertest::FixedRandom random;
    loggertest::ScriptedDriver driver{time};
    loggertest::ScriptedDialogs dialogs;
    MonitorSettings settings;
    platform::UserLocale locale{'.', "dd.MM.yyyy", "HH:mm:ss"};
    CodeNames names{"no-table-file"};
    MonitorTexts texts;
    TrayIcon tray;
    TfMain main{settings, dialogs, tray};
    std::vector<std::unique_ptr<TfChart>> charts;
    TfOptions options{settings, dialogs, [this] { return monitor && monitor->running(); }, &main};
    TfOprogramu about{&main};
    MonitorRecord record{main, settings, dialogs, texts};
    std::unique_ptr<Monitor> monitor;
    std::vector<MonitorSettings> saved;

    void SetUp() override {
        driver.devices[0] = loggertest::multidropDevice(0);
        for (const ChartWindowSpec& spec : kChartWindows)
            charts.push_back(std::make_unique<TfChart>(spec, dialogs));
        monitor = std::make_unique<Monitor>(
            driver, MonitorTimers{send, poll, timeOut, interval}, clock, random, record,
            MonitorViews{main,
                         main,
                         tray,
                         main,
                         dialogs,
                         {charts[0].get(), charts[1].get(), charts[2].get(), charts[3].get(),
                          charts[4].get()}},
            MonitorContext{settings, locale, names, texts});
        TfMain::Parts parts;
        parts.monitor = monitor.get();
        for (std::size_t q = 0; q < charts.size(); ++q)
            parts.charts[q] = charts[q].get();
        parts.options = &options;
        parts.about = &about;
        parts.saveSettings = [this](const MonitorSettings& s) {
            saved.push_back(s);
            return true;
        };
        main.setParts(parts);
        main.setTrayAvailable(true);
    }
    void startUp(const std::vector<std::string>& parameters = {}) {
        main.Environment_ReInit();
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        main.startFromCommandLine(parameters, false);
    }
    // Start, then the identification and one reading.
    void startMonitor() {
        startUp();
        main.bbStart->click();
        time.runFor(3000);
        ASSERT_TRUE(monitor->running());
    }
    QStringList record_() const {
        QStringList lines;
        for (QTextBlock b = main.REMonitor->document()->firstBlock(); b.isValid(); b = b.next())
            lines << b.text();
        return lines;
    }
    bool stopLinesWritten() const {
        return record_().filter(QStringLiteral("Monitor stoped at ")).size() == 1;
    }
    bool toldToTerminate() const {
        return std::count(driver.executed.begin(), driver.executed.end(), "terminate") == 1;
    }
};

TEST_F(TfMainTest, StartsWithTheCaptionTheHeaderHiddenAndStartEnabledWithALink) {
    startUp();
    EXPECT_TRUE(main.windowTitle().startsWith("LOOPSCRIBE ver. "));
    EXPECT_EQ(tray.hint(), main.windowTitle());
    EXPECT_TRUE(about.LVerze->text().startsWith("Version "));
    EXPECT_FALSE(main.lHDistributor->isVisible());
    EXPECT_TRUE(main.bbStart->isEnabled());
    EXPECT_FALSE(main.bbStop->isEnabled());
    EXPECT_EQ(charts[0]->Pocetbodugrafu->text(), "Max points (20)");

    main.bbStart->click();
    time.runFor(3000);
    EXPECT_TRUE(main.lHDistributor->isVisible());
    EXPECT_EQ(main.lIdentifier->text(), "1000");
    EXPECT_EQ(main.SBar[0]->text(), "Command ready.");
    EXPECT_EQ(charts[kPrimary]->unitCaption(), "Units: kPa");
    EXPECT_EQ(charts[kPrimary]->pointCount(0), 1);
}

TEST_F(TfMainTest, ClosingWhileTheMonitorRunsHidesTheWindowBehindTheTrayIcon) {
    startMonitor();
    main.close();
    EXPECT_EQ(dialogs.lastText(),
              "The monitor is running!\r\nApplication will be hidden (Background Monitor).");
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(tray.isVisible());
    EXPECT_FALSE(main.ended());

    const int lines = main.lineCount();
    time.runFor(10'000);
    EXPECT_GT(main.lineCount(), lines) << "the record keeps growing";

    main.ShowLoopscribe->trigger();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(tray.isVisible());
}

TEST_F(TfMainTest, WithoutATrayTheWindowIsMinimisedInstead) {
    main.setTrayAvailable(false);
    startMonitor();
    main.close();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.isMinimized());
    EXPECT_FALSE(tray.isVisible());
    EXPECT_TRUE(monitor->running());
}

TEST_F(TfMainTest, ClosingWhenIdleAsksAndEndsOnlyOnYes) {
    startUp();
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        dialogs.answers.push_back(answer);
        main.close();
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(dialogs.lastText(), "Do You really want to exit Loopscribe?");
    }
    EXPECT_TRUE(saved.empty());
    dialogs.answers.push_back(MessageAnswer::Yes);
    main.close();
    EXPECT_TRUE(main.ended());
    EXPECT_TRUE(toldToTerminate());
    ASSERT_EQ(saved.size(), 1u);
}

TEST_F(TfMainTest, CloseLoopscribeAnsweredNoChangesNothingAndYesEndsEverything) {
    startMonitor();
    main.close();  // into the background
    const std::size_t boxes = dialogs.boxes.size();

    dialogs.answers.push_back(MessageAnswer::No);
    main.CloseLoopscribe->trigger();
    EXPECT_EQ(dialogs.boxes.size(), boxes + 1) << "one question, nothing more";
    EXPECT_TRUE(monitor->running());
    EXPECT_TRUE(tray.isVisible());
    EXPECT_TRUE(saved.empty());

    // With the driver-closing item unchecked nothing is sent to the driver.
    main.DriverAutoOff->trigger();
    dialogs.answers.push_back(MessageAnswer::Yes);
    main.CloseLoopscribe->trigger();
    EXPECT_TRUE(main.ended());
    EXPECT_FALSE(monitor->running());
    EXPECT_TRUE(stopLinesWritten());
    EXPECT_FALSE(toldToTerminate());
    EXPECT_FALSE(tray.isVisible());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_FALSE(saved[0].driverAutoOff);
}

TEST_F(TfMainTest, TheEndOfTheSessionStopsTheMonitorWithoutQuestions) {
    startMonitor();
    charts[kCurrent]->SetPocetBoduGrafu(44);
    const std::size_t boxes = dialogs.boxes.size();
    main.endSession();
    EXPECT_EQ(dialogs.boxes.size(), boxes);
    EXPECT_TRUE(main.ended());
    EXPECT_TRUE(stopLinesWritten());
    EXPECT_TRUE(toldToTerminate());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].maxPoints[kCurrent], 44);
    EXPECT_EQ(saved[0].mainWindow.left, main.frameGeometry().left());
}

TEST_F(TfMainTest, StartOnTheCommandLineStartsAndHidesTheWindowHalfASecondLater) {
    const struct {
        std::vector<std::string> parameters;
        bool starts;
    } cases[] = {{{"START"}, true},
                 {{"start"}, true},
                 {{"StArT"}, true},
                 {{"start", "now"}, false},
                 {{}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parameters.empty() ? "none" : c.parameters[0]);
        startUp(c.parameters);
        EXPECT_EQ(monitor->running(), c.starts);
        EXPECT_EQ(main.tFormVisible.isActive(), c.starts);
        QTest::qWait(TfMain::kHideAfterStart + 100);
        EXPECT_EQ(main.isVisible(), !c.starts);
        EXPECT_FALSE(tray.isVisible()) << "no icon after a start from the command line";
        if (monitor->running()) monitor->bbStopClick();
    }
}

TEST_F(TfMainTest, WithoutADriverLinkStartIsIgnored) {
    driver.opens = false;
    startUp({"START"});
    EXPECT_EQ(dialogs.lastText(), "Halvane not found!\r\nCannot start monitor!");
    EXPECT_FALSE(monitor->running());
    EXPECT_FALSE(main.bbStart->isEnabled());
    EXPECT_FALSE(main.tFormVisible.isActive());
}

TEST_F(TfMainTest, AChartWindowBelowTheScreenIsShownOnIt) {
    startUp();
    const QRect screen = main.screen()->availableGeometry();
    charts[kThird]->move(100, screen.bottom() + 300);
    main.bbShowG[kThird]->click();
    EXPECT_TRUE(charts[kThird]->isVisible());
    EXPECT_EQ(charts[kThird]->frameGeometry().bottom(), screen.bottom());
    EXPECT_EQ(charts[kThird]->frameGeometry().left(), 100);
}

TEST_F(TfMainTest, TheRecordPaneKeepsTheLast101Lines) {
    startUp();
    for (int i = 1; i <= 102; ++i)
        record.AddRecordLine(QString::number(i));
    EXPECT_EQ(main.lineCount(), 101);
    const QStringList lines = record_();
    ASSERT_EQ(lines.size(), 101);
    EXPECT_EQ(lines.front(), "2");
    EXPECT_EQ(lines.back(), "102");
}

}  // namespace
}  // namespace logger
