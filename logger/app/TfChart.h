#pragma once

// A chart window of one quantity (TfOutCur, TfPriVar, TfSecVar, TfThiVar, TfFouVar: one class,
// configured by a row of kChartWindows): time against value for up to 15 polling addresses,
// one line each, with a Settings menu to change the number of points kept, clear the plot and
// fix or free the ends of the value axis. It snaps beside the main window when dragged near it,
// and closing it only hides it (a window is not deleted on close); points still arrive while it
// is hidden.
//
// The points live in the window's own store (appending and dropping the oldest cost the same
// whatever the length); the chart toolkit is handed what the plot can show at most about 25
// times a second, and not at all while the window is hidden.

#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "logger/app/ChartTime.h"
#include "logger/app/ChartWindowTable.h"
#include "logger/app/PlotDecimation.h"
#include "logger/core/ChartWindow.h"

class QAction;
class QChart;
class QChartView;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QMenu;
class QPushButton;
class QValueAxis;

namespace logger {

class UserDialogs;

class TfChart final : public QWidget, public ChartWindow {
    Q_OBJECT

  public:
    // The shortest time between two redraws of the plot, and how much longer it is for each
    // further window of the table. A plot that takes long to work out and paint waits longer,
    // kRedrawCostFactor times what its last redraw took, so that a window never spends more
    // than a twenty-fifth of the time redrawing.
    static constexpr int kRedrawInterval = 40;
    static constexpr int kRedrawStagger = 5;
    static constexpr int kRedrawCostFactor = 25;
    static constexpr int kLongestRedrawInterval = 1000;

    TfChart(const ChartWindowSpec& spec, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TfChart() override;

    // ChartWindow: x values are day counts (local time).
    int pointCount(int series) const override;
    void deleteOldestPoint(int series) override;
    bool isActive(int series) const override;
    void setActive(int series, bool active) override;
    void addPoint(int series, double x, double y) override;
    void clearPoints(int series) override;
    QString unitCaption() const override;
    void setUnitCaption(const QString& caption) override;
    int maxPoints() const override { return m_maxPoints; }
    void setMaxPoints(int count) override;

    // SetPocetBoduGrafu1 .. 5: the maximum clamped to 2 .. 2000; the lines are cut to it.
    void SetPocetBoduGrafu(int count);

    // The main window whose edges this window snaps to while that one is shown.
    void setMainWindow(const QWidget* mainWindow) { m_mainWindow = mainWindow; }
    // Shows the window, raises it and moves it onto the screen where it stands partly outside.
    void showOnScreen();

    // The Settings button and the menu items.
    void bbSettingsClick();
    void PocetbodugrafuClick();
    void SmazatgrafClick();
    void automatickyMaxClick();
    void zadatMaxClick();
    void automatickyMinClick();
    void zadatMinClick();

    // The value axis as shown, and whether each end is fixed.
    double axisMaximum() const;
    double axisMinimum() const;
    bool maximumFixed() const { return m_maxEnd.fixed; }
    bool minimumFixed() const { return m_minEnd.fixed; }
    // Hands a pending change to the chart at once instead of at the next redraw.
    void redrawNow();
    // Times the plot was handed to the chart toolkit.
    int redraws() const { return m_redraws; }
    // The points the toolkit was last given for a series.
    const QLineSeries* plottedSeries(int series) const { return m_series.at(series); }

    const ChartWindowSpec& spec() const { return m_spec; }

    QWidget* Panel1 = nullptr;
    QPushButton* bbSettings = nullptr;
    QLabel* lJednotky = nullptr;
    QChartView* chartView = nullptr;
    QMenu* PMGraf = nullptr;
    QAction* Pocetbodugrafu = nullptr;
    QAction* Smazatgraf = nullptr;
    QMenu* MaxY = nullptr;
    QAction* automatickyMax = nullptr;
    QAction* zadatMax = nullptr;
    QMenu* MinY = nullptr;
    QAction* automatickyMin = nullptr;
    QAction* zadatMin = nullptr;

  protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct AxisEnd {
        bool fixed = false;
        double value = 0;
    };

    void buildMenu();
    void buildChart();
    // The caption, the button and the menu in the user-interface language.
    void retranslateUi();
    void changed(int series);
    void refreshPlot();
    void applyTimeRange();
    void applyValueRange();
    void showAxisModes();
    // Learns what the last redraw cost (working out the plot, or painting it).
    void redrawCost(qint64 nanoseconds);
    // Asks for an axis end; nothing when cancelled. `present` is the end the axis shows.
    std::optional<double> askAxisEnd(const QString& prompt, double present);

    const ChartWindowSpec& m_spec;
    UserDialogs& m_dialogs;
    const QWidget* m_mainWindow = nullptr;
    bool m_shownOnce = false;

    std::array<PlotPoints, kSeriesCount> m_points;
    std::array<bool, kSeriesCount> m_active{};
    std::array<bool, kSeriesCount> m_dirty{};
    int m_maxPoints = kDefaultMaxPoints;
    bool m_maxPointsShown = false;  // the menu item shows the maximum
    ChartTime m_time;
    AxisEnd m_maxEnd;
    AxisEnd m_minEnd;

    QChart* m_chart = nullptr;
    QDateTimeAxis* m_timeAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    std::array<QLineSeries*, kSeriesCount> m_series{};
    QTimer m_redrawTimer;
    QList<QPointF> m_scratch;
    double m_plottedX0 = 0, m_plottedX1 = 0;
    int m_plottedColumns = 0;
    int m_redraws = 0;
    int m_baseRedrawInterval = kRedrawInterval;
    qint64 m_refreshNs = 0;

    friend class TimedChartView;
};

}  // namespace logger
