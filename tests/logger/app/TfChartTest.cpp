// The chart window: its maximum of points (entered, clamped, lines cut in step with Series1),
// clearing, the value axis' ends (automatic, entered, refused), snapping to the main window,
// closing that only hides, and redraws coalesced and deferred while hidden.

#include "logger/app/TfChart.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLineSeries>
#include <QMenu>
#include <QTest>

#include "logger/app/LoggerTestSupport.h"

namespace logger {
namespace {

constexpr double kDay0 = 45000.5;  // noon on 15 March 2023
constexpr double kSecond = 1.0 / 86400;

class TfChartTest : public ::testing::Test {
  protected:
    loggertest::ScriptedDialogs dialogs;
    TfChart chart{kChartWindows[0], dialogs};

    void fill(int series, int count, double y0 = 10) {
        for (int i = 0; i < count; ++i)
            chart.addPoint(series, kDay0 + (chart.pointCount(series) + i) * kSecond, y0 + i);
    }
    void enterMaximum(const QString& text) {
        dialogs.inputs.push_back(text);
        chart.PocetbodugrafuClick();
    }
};

TEST_F(TfChartTest, StartsWithSeries1ActiveAndTheMenuOfTheTable) {
    EXPECT_TRUE(chart.isActive(0));
    for (int s = 1; s < kSeriesCount; ++s)
        EXPECT_FALSE(chart.isActive(s)) << s;
    EXPECT_EQ(chart.windowTitle(), "Output Current");
    EXPECT_EQ(chart.Pocetbodugrafu->text(), "Max points");
    EXPECT_TRUE(chart.automatickyMax->isChecked());
    EXPECT_TRUE(chart.automatickyMin->isChecked());

    // The secondary-variable window keeps its own names and caption.
    TfChart secondary(kChartWindows[2], dialogs);
    EXPECT_EQ(secondary.objectName(), "TfSecVar");
    EXPECT_EQ(secondary.automatickyMin->objectName(), "automaticky6");
    EXPECT_EQ(secondary.automatickyMin->text(), "automaticky");
    EXPECT_EQ(secondary.zadatMax->objectName(), "zadat5");
    EXPECT_EQ(secondary.size(), QSize(212, 147));
}

TEST_F(TfChartTest, MaximumEnteredIsClampedAndShownInTheMenu) {
    const struct {
        const char* entered;
        int stored;
    } cases[] = {{"1", 2}, {"5000", 2000}, {" 37 ", 37}, {"abc", 37}, {"2.5", 37}, {"", 37}};
    for (const auto& c : cases) {
        enterMaximum(QString::fromLatin1(c.entered));
        EXPECT_EQ(chart.maxPoints(), c.stored) << c.entered;
        EXPECT_EQ(chart.Pocetbodugrafu->text(), QStringLiteral("Max points (%1)").arg(c.stored));
    }
    EXPECT_EQ(dialogs.prompts.front(), "Submit|Max Point|");

    dialogs.inputs.push_back(std::nullopt);  // Cancel
    chart.PocetbodugrafuClick();
    EXPECT_EQ(chart.maxPoints(), 37);
}

TEST_F(TfChartTest, LoweringTheMaximumCutsActiveLinesInStepWithSeries1) {
    chart.SetPocetBoduGrafu(20);
    chart.setActive(1, true);
    chart.setActive(2, true);
    fill(0, 20);
    fill(1, 20);
    fill(2, 3);
    fill(3, 20);  // inactive: not cut

    enterMaximum("5");
    EXPECT_EQ(chart.pointCount(0), 5);
    EXPECT_EQ(chart.pointCount(1), 5);
    EXPECT_EQ(chart.pointCount(2), 0);
    EXPECT_EQ(chart.pointCount(3), 20);
}

TEST_F(TfChartTest, LoweringTheMaximumWithSeries1EmptyCutsNothing) {
    chart.setActive(4, true);
    fill(4, 20);
    chart.SetPocetBoduGrafu(5);
    EXPECT_EQ(chart.pointCount(4), 20);
    EXPECT_EQ(chart.maxPoints(), 5);
}

TEST_F(TfChartTest, ClearEmptiesEveryLineAndKeepsWhichAreActive) {
    chart.setActive(6, true);
    fill(0, 4);
    fill(6, 4);
    chart.SmazatgrafClick();
    EXPECT_EQ(chart.pointCount(0), 0);
    EXPECT_EQ(chart.pointCount(6), 0);
    EXPECT_TRUE(chart.isActive(6));
}

TEST_F(TfChartTest, AxisEndsEnteredFreedAndRefused) {
    fill(0, 11, 10);  // values 10 .. 20
    chart.redrawNow();
    const double shownMax = chart.axisMaximum();
    ASSERT_GE(shownMax, 20);

    // Not a number: fixed at what the axis showed.
    dialogs.inputs.push_back(QStringLiteral("abc"));
    chart.zadatMaxClick();
    EXPECT_TRUE(chart.maximumFixed());
    EXPECT_DOUBLE_EQ(chart.axisMaximum(), shownMax);
    EXPECT_TRUE(chart.zadatMax->isChecked());
    EXPECT_EQ(dialogs.prompts.back(), "Submit|Max of Y axis|");

    // Comma or point.
    for (const char* text : {"30,5", "30.5"}) {
        dialogs.inputs.push_back(QString::fromLatin1(text));
        chart.zadatMaxClick();
        EXPECT_DOUBLE_EQ(chart.axisMaximum(), 30.5) << text;
    }
    dialogs.inputs.push_back(QStringLiteral("-4"));
    chart.zadatMinClick();
    EXPECT_DOUBLE_EQ(chart.axisMinimum(), -4);
    EXPECT_TRUE(chart.zadatMin->isChecked());

    // Below the lower end, above the upper end: refused, nothing changes.
    dialogs.inputs.push_back(QStringLiteral("-10"));
    chart.zadatMaxClick();
    EXPECT_EQ(dialogs.lastText(), "Axis Maximum Value must be >= Minimum");
    EXPECT_DOUBLE_EQ(chart.axisMaximum(), 30.5);
    dialogs.inputs.push_back(QStringLiteral("31"));
    chart.zadatMinClick();
    EXPECT_EQ(dialogs.lastText(), "Axis Minimum Value must be <= Maximum");
    EXPECT_DOUBLE_EQ(chart.axisMinimum(), -4);

    // A refusal while the end is automatic leaves "automatic" checked.
    chart.automatickyMaxClick();
    EXPECT_FALSE(chart.maximumFixed());
    EXPECT_TRUE(chart.automatickyMax->isChecked());
    dialogs.inputs.push_back(QStringLiteral("-100"));
    chart.zadatMax->trigger();  // as a click does: the group checks it first
    EXPECT_EQ(dialogs.lastText(), "Axis Maximum Value must be >= Minimum");
    EXPECT_FALSE(chart.maximumFixed());
    EXPECT_TRUE(chart.automatickyMax->isChecked());
    EXPECT_FALSE(chart.zadatMax->isChecked());
    EXPECT_GE(chart.axisMaximum(), 20);

    // Cancel changes nothing either.
    dialogs.inputs.push_back(std::nullopt);
    chart.zadatMin->trigger();
    EXPECT_TRUE(chart.minimumFixed());
    EXPECT_DOUBLE_EQ(chart.axisMinimum(), -4);
}

TEST_F(TfChartTest, SnapsToTheMainWindowWithinTwentyPixels) {
    QWidget main;
    main.setGeometry(500, 300, 562, 478);
    main.show();
    chart.setMainWindow(&main);
    chart.move(40, 300);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const int width = chart.frameGeometry().width();
    const int left = main.frameGeometry().left();
    const int right = left + main.frameGeometry().width();
    // Moves reach the window through the platform, as a drag does.
    auto dragTo = [&](int x, int y) {
        chart.move(x, y);
        QTest::qWait(20);
        return chart.frameGeometry().topLeft();
    };
    EXPECT_EQ(dragTo(left - width + 21, 320), QPoint(left - width + 21, 320));  // 21 px over
    EXPECT_EQ(dragTo(left - width + 20, 340), QPoint(left - width, 340));
    EXPECT_EQ(dragTo(right - 20, 360), QPoint(right, 360));  // near the right edge
    EXPECT_EQ(dragTo(right - 21, 380), QPoint(right - 21, 380));
}

TEST_F(TfChartTest, ClosingHidesAndPointsStillArrive) {
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    chart.close();
    EXPECT_FALSE(chart.isVisible());

    const int redraws = chart.redraws();
    fill(0, 30);
    QTest::qWait(2 * TfChart::kRedrawInterval);
    EXPECT_EQ(chart.redraws(), redraws) << "a hidden window is not redrawn";
    EXPECT_EQ(chart.pointCount(0), 30);

    chart.showOnScreen();
    QTest::qWait(TfChart::kRedrawInterval);
    EXPECT_EQ(chart.plottedSeries(0)->count(), 30);
}

TEST_F(TfChartTest, ABurstOfPointsGivesOneRedraw) {
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart.redraws() > 0; }, 2000));
    const int before = chart.redraws();
    chart.SetPocetBoduGrafu(200);
    fill(0, 100);
    for (int i = 0; i < 50; ++i) {
        chart.deleteOldestPoint(0);
        fill(0, 1);
    }
    EXPECT_EQ(chart.redraws(), before) << "nothing is drawn point by point";
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart.redraws() > before; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(chart.redraws(), before + 1);
    EXPECT_EQ(chart.plottedSeries(0)->count(), 100);
}

TEST_F(TfChartTest, OnlyTheFourthVariableWindowOpensItsMenuOnRightClick) {
    TfChart fourth(kChartWindows[4], dialogs);
    for (TfChart* window : {&chart, &fourth}) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(50, 50),
                                window->mapToGlobal(QPoint(50, 50)));
        QApplication::sendEvent(window, &event);
        EXPECT_EQ(window->PMGraf->isVisible(), window == &fourth) << window->objectName().data();
        window->PMGraf->hide();
    }
}

}  // namespace
}  // namespace logger
