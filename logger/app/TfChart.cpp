#include "logger/app/TfChart.h"

#include <QActionGroup>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "logger/app/UserDialogs.h"
#include "logger/app/WindowPlacement.h"
#include "logger/core/NumberText.h"

namespace logger {

namespace {

constexpr int kPanelHeight = 26;
constexpr QSize kSettingsButton{75, 25};
constexpr int kButtonTextMargin = 16;
constexpr int kMarkerSize = 2;
constexpr qint64 kShortestTimeSpan = 10'000;  // ms: the time axis of a single point

// Fifteen colours that stay apart on white, so that every polling address has its own.
constexpr std::array<QRgb, kSeriesCount> kSeriesColours{
    0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b, 0xe377c2, 0x17becf,
    0x7f7f7f, 0xbcbd22, 0x393b79, 0xad494a, 0x637939, 0xe7ba52, 0x7b4173};

QImage squareMarker(QColor colour) {
    QImage marker(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied);
    marker.fill(colour);
    return marker;
}

// The user's decimal separator, which TextToFloatDef reads number texts with.
char userDecimalSeparator() {
    const QString separator = QLocale::system().decimalPoint();
    return separator.size() == 1 && separator[0].unicode() < 0x80
               ? static_cast<char>(separator[0].unicode())
               : '.';
}

struct AxisRange {
    double low;
    double high;
    int ticks;
};

// The range around [low, high] whose ends and ticks fall on round numbers (1, 2 or 5 times a
// power of ten), with at most `ticks` ticks.
AxisRange niceRange(double low, double high, int ticks) {
    const double rough = (high - low) / std::max(ticks - 1, 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough) break;
    }
    const double niceLow = std::floor(low / step) * step;
    const double niceHigh = std::ceil(high / step) * step;
    return {niceLow, niceHigh, static_cast<int>(std::lround((niceHigh - niceLow) / step)) + 1};
}

QString labelFormatFor(double minimum, double maximum, int ticks) {
    const double step = ticks > 1 ? (maximum - minimum) / (ticks - 1) : maximum - minimum;
    int decimals = 0;
    if (step > 0 && std::isfinite(step))
        decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step))), 0, 6);
    return QStringLiteral("%.%1f").arg(decimals);
}

}  // namespace

// The chart view, timing its painting for the redraw throttle.
class TimedChartView final : public QChartView {
  public:
    TimedChartView(QChart* chart, TfChart* window) : QChartView(chart, window), m_window(window) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QElapsedTimer elapsed;
        elapsed.start();
        QChartView::paintEvent(event);
        m_window->redrawCost(elapsed.nsecsElapsed());
    }

  private:
    TfChart* m_window;
};

TfChart::TfChart(const ChartWindowSpec& spec, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_spec(spec), m_dialogs(dialogs) {
    setObjectName(QLatin1String(spec.windowName));
    m_active[0] = true;

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kPanelHeight);
    bbSettings = new QPushButton(Panel1);
    bbSettings->setObjectName(QStringLiteral("bbSettings%1").arg(spec.number));
    bbSettings->setFixedHeight(kSettingsButton.height());
    lJednotky = new QLabel(Panel1);
    lJednotky->setObjectName(QLatin1String(spec.unitLabelName));
    lJednotky->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 4, 0);
    panelLayout->addWidget(bbSettings);
    panelLayout->addWidget(lJednotky, 1);

    buildMenu();
    buildChart();
    retranslateUi();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(chartView, 1);
    resize(spec.clientSize);

    connect(bbSettings, &QPushButton::clicked, this, &TfChart::bbSettingsClick);
    m_redrawTimer.setSingleShot(true);
    // The five windows take their turns, so that one reading's redraws do not all fall into
    // the same pass of the event loop.
    m_baseRedrawInterval = kRedrawInterval + kRedrawStagger * (spec.number - 1);
    m_redrawTimer.setInterval(m_baseRedrawInterval);
    connect(&m_redrawTimer, &QTimer::timeout, this, &TfChart::refreshPlot);
}

TfChart::~TfChart() = default;

void TfChart::buildMenu() {
    const int n = m_spec.number;
    PMGraf = new QMenu(this);
    PMGraf->setObjectName(QStringLiteral("PMGraf%1").arg(n));
    Pocetbodugrafu = PMGraf->addAction(QString());
    Pocetbodugrafu->setObjectName(QStringLiteral("Pocetbodugrafu%1").arg(n));
    Smazatgraf = PMGraf->addAction(QString());
    Smazatgraf->setObjectName(QStringLiteral("Smazatgraf%1").arg(n));
    PMGraf->addSeparator();

    auto addEndMenu = [this](int item, QMenu*& menu, QAction*& automatic, QAction*& submit) {
        menu = PMGraf->addMenu(QString());
        automatic = menu->addAction(QString());
        automatic->setObjectName(QStringLiteral("automaticky%1").arg(item));
        submit = menu->addAction(QString());
        submit->setObjectName(QStringLiteral("zadat%1").arg(item));
        auto* group = new QActionGroup(menu);
        for (QAction* action : {automatic, submit}) {
            action->setCheckable(true);
            group->addAction(action);
        }
        automatic->setChecked(true);
    };
    addEndMenu(m_spec.maxYItem, MaxY, automatickyMax, zadatMax);
    MaxY->setObjectName(QStringLiteral("MaxY%1").arg(n));
    addEndMenu(m_spec.maxYItem + 1, MinY, automatickyMin, zadatMin);
    MinY->setObjectName(QStringLiteral("MinY%1").arg(n));

    connect(Pocetbodugrafu, &QAction::triggered, this, &TfChart::PocetbodugrafuClick);
    connect(Smazatgraf, &QAction::triggered, this, &TfChart::SmazatgrafClick);
    connect(automatickyMax, &QAction::triggered, this, &TfChart::automatickyMaxClick);
    connect(zadatMax, &QAction::triggered, this, &TfChart::zadatMaxClick);
    connect(automatickyMin, &QAction::triggered, this, &TfChart::automatickyMinClick);
    connect(zadatMin, &QAction::triggered, this, &TfChart::zadatMinClick);
}

void TfChart::retranslateUi() {
    setWindowTitle(chartCaption(m_spec.number - 1));
    bbSettings->setText(tr("Settings"));
    // As wide as designed, or as its text needs in the language shown.
    bbSettings->setFixedWidth(std::max(
        kSettingsButton.width(),
        bbSettings->fontMetrics().horizontalAdvance(bbSettings->text()) + kButtonTextMargin));
    Pocetbodugrafu->setText(m_maxPointsShown ? tr("Max points (%1)").arg(m_maxPoints)
                                             : tr("Max points"));
    Smazatgraf->setText(tr("Clear"));
    MaxY->setTitle(tr("Max Y"));
    automatickyMax->setText(tr("automatic"));
    zadatMax->setText(tr("submit"));
    MinY->setTitle(tr("Min Y"));
    automatickyMin->setText(tr(m_spec.minYAutomaticCaption));
    zadatMin->setText(tr("submit"));
}

void TfChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QWidget::changeEvent(event);
}

void TfChart::buildChart() {
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(2, 2, 6, 2));
    m_chart->setBackgroundBrush(palette().color(QPalette::Window));
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setPlotAreaBackgroundBrush(m_spec.systemBackWall ? palette().color(QPalette::Base)
                                                              : QColor(Qt::white));

    QFont axisFont = font();
    axisFont.setPointSizeF(std::max(6.0, axisFont.pointSizeF() - 2));
    m_timeAxis = new QDateTimeAxis;
    m_timeAxis->setFormat(QStringLiteral("hh:mm:ss"));
    m_timeAxis->setLabelsFont(axisFont);
    const QDateTime now = QDateTime::currentDateTime();
    m_timeAxis->setRange(now, now.addSecs(60));
    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelsFont(axisFont);
    m_valueAxis->setRange(0, 1);
    m_chart->addAxis(m_timeAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);

    for (int s = 0; s < kSeriesCount; ++s) {
        auto* series = new QLineSeries;
        series->setName(QStringLiteral("Series%1").arg(s + 1));
        const QColor colour = QColor::fromRgb(kSeriesColours[s]);
        QPen pen(colour);
        pen.setWidth(1);
        series->setPen(pen);
        series->setLightMarker(squareMarker(colour));
        series->setMarkerSize(kMarkerSize);
        m_chart->addSeries(series);
        series->attachAxis(m_timeAxis);
        series->attachAxis(m_valueAxis);
        series->setVisible(m_active[s]);
        m_series[s] = series;
    }

    chartView = new TimedChartView(m_chart, this);
    chartView->setObjectName(QLatin1String(m_spec.chartName));
    chartView->setRenderHint(QPainter::Antialiasing, false);
    chartView->setFrameShape(QFrame::NoFrame);
}

int TfChart::pointCount(int series) const {
    return static_cast<int>(m_points.at(series).size());
}

void TfChart::deleteOldestPoint(int series) {
    PlotPoints& points = m_points.at(series);
    if (points.empty()) return;
    points.pop_front();
    changed(series);
}

bool TfChart::isActive(int series) const {
    return m_active.at(series);
}

void TfChart::setActive(int series, bool active) {
    if (m_active.at(series) == active) return;
    m_active[series] = active;
    changed(series);
}

void TfChart::addPoint(int series, double x, double y) {
    m_points.at(series).emplace_back(static_cast<double>(m_time.msecsSinceEpoch(x)), y);
    changed(series);
}

void TfChart::clearPoints(int series) {
    if (m_points.at(series).empty()) return;
    m_points[series].clear();
    changed(series);
}

QString TfChart::unitCaption() const {
    return lJednotky->text();
}

void TfChart::setUnitCaption(const QString& caption) {
    lJednotky->setText(caption);
}

void TfChart::setMaxPoints(int count) {
    m_maxPoints = count;
    m_maxPointsShown = true;
    Pocetbodugrafu->setText(tr("Max points (%1)").arg(count));
}

void TfChart::SetPocetBoduGrafu(int count) {
    logger::SetPocetBoduGrafu(*this, count);
}

void TfChart::showOnScreen() {
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    keepOnScreen(*this);
}

void TfChart::bbSettingsClick() {
    PMGraf->popup(frameGeometry().topLeft() + QPoint(20, 50));
}

void TfChart::PocetbodugrafuClick() {
    const std::optional<QString> text =
        m_dialogs.InputQuery(tr("Submit"), tr("Max Point"), QString());
    if (!text) return;
    bool whole = false;
    const int count = text->trimmed().toInt(&whole, 10);
    SetPocetBoduGrafu(whole ? count : m_maxPoints);
}

void TfChart::SmazatgrafClick() {
    for (int s = 0; s < kSeriesCount; ++s)
        clearPoints(s);
}

void TfChart::automatickyMaxClick() {
    m_maxEnd.fixed = false;
    showAxisModes();
    refreshPlot();
}

void TfChart::automatickyMinClick() {
    m_minEnd.fixed = false;
    showAxisModes();
    refreshPlot();
}

std::optional<double> TfChart::askAxisEnd(const QString& prompt, double present) {
    const std::optional<QString> text = m_dialogs.InputQuery(tr("Submit"), prompt, QString());
    if (!text) return std::nullopt;
    return TextToFloatDef(text->toStdString(), present, userDecimalSeparator());
}

void TfChart::zadatMaxClick() {
    const std::optional<double> value = askAxisEnd(tr("Max of Y axis"), axisMaximum());
    if (value && *value < axisMinimum()) {
        m_dialogs.show(MessageKind::Error, tr("Axis Maximum Value must be >= Minimum"),
                       MessageButtons::Ok);
    } else if (value) {
        m_maxEnd = {true, *value};
        applyValueRange();
    }
    showAxisModes();
}

void TfChart::zadatMinClick() {
    const std::optional<double> value = askAxisEnd(tr("Min of Y axis"), axisMinimum());
    if (value && *value > axisMaximum()) {
        m_dialogs.show(MessageKind::Error, tr("Axis Minimum Value must be <= Maximum"),
                       MessageButtons::Ok);
    } else if (value) {
        m_minEnd = {true, *value};
        applyValueRange();
    }
    showAxisModes();
}

void TfChart::showAxisModes() {
    (m_maxEnd.fixed ? zadatMax : automatickyMax)->setChecked(true);
    (m_minEnd.fixed ? zadatMin : automatickyMin)->setChecked(true);
}

double TfChart::axisMaximum() const {
    return m_valueAxis->max();
}

double TfChart::axisMinimum() const {
    return m_valueAxis->min();
}

void TfChart::changed(int series) {
    m_dirty[series] = true;
    if (isVisible() && !m_redrawTimer.isActive()) m_redrawTimer.start();
}

void TfChart::redrawNow() {
    m_redrawTimer.stop();
    refreshPlot();
}

void TfChart::applyValueRange() {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (int s = 0; s < kSeriesCount; ++s) {
        if (!m_active[s]) continue;
        for (const QPointF& p : m_points[s]) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    const bool haveData = low <= high;
    if (!haveData) {
        low = m_valueAxis->min();
        high = m_valueAxis->max();
    }
    if (high - low <= 0) {
        const double pad = low == 0 ? 1 : std::abs(low) * 0.05;
        low -= pad;
        high += pad;
    }
    if (m_minEnd.fixed) low = m_minEnd.value;
    if (m_maxEnd.fixed) high = m_maxEnd.value;
    // A free end that the data puts beyond the fixed other end keeps a span of one unit.
    if (high < low) {
        if (m_minEnd.fixed && !m_maxEnd.fixed) high = low + 1;
        if (m_maxEnd.fixed && !m_minEnd.fixed) low = high - 1;
    }

    const int plotHeight = static_cast<int>(m_chart->plotArea().height());
    int ticks = std::clamp(plotHeight / 25 + 1, 2, 8);
    if (!m_minEnd.fixed && !m_maxEnd.fixed && haveData && high > low) {
        const AxisRange nice = niceRange(low, high, ticks);
        low = nice.low;
        high = nice.high;
        ticks = nice.ticks;
    }
    // Every change of an axis makes the toolkit work out each line again: only real changes.
    if (ticks != m_valueAxis->tickCount()) m_valueAxis->setTickCount(ticks);
    if (low != m_valueAxis->min() || high != m_valueAxis->max()) {
        m_valueAxis->setRange(low, high);
        m_valueAxis->setLabelFormat(labelFormatFor(low, high, ticks));
    }
}

void TfChart::applyTimeRange() {
    double first = std::numeric_limits<double>::infinity();
    double last = -first;
    for (int s = 0; s < kSeriesCount; ++s) {
        if (!m_active[s] || m_points[s].empty()) continue;
        first = std::min(first, m_points[s].front().x());
        last = std::max(last, m_points[s].back().x());
    }
    if (first > last) return;  // nothing to show: the axis stays as it was
    const double shownFirst = static_cast<double>(m_timeAxis->min().toMSecsSinceEpoch());
    const double shownLast = static_cast<double>(m_timeAxis->max().toMSecsSinceEpoch());
    const double span = std::max(last - first, static_cast<double>(kShortestTimeSpan));
    // The axis runs ahead of the newest point, so that it moves once per tenth of its span
    // rather than with every reading.
    if (first >= shownFirst && last <= shownLast && shownLast - shownFirst <= span * 1.25) return;
    const double end = first + span * 1.1;
    m_timeAxis->setFormat(span < 86'400'000 ? QStringLiteral("hh:mm:ss")
                                            : QStringLiteral("dd.MM. hh:mm"));
    m_timeAxis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first)),
                         QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(end)));
}

void TfChart::redrawCost(qint64 nanoseconds) {
    const qint64 costMs = (m_refreshNs + nanoseconds) / 1'000'000;
    m_refreshNs = 0;
    m_redrawTimer.setInterval(static_cast<int>(std::clamp<qint64>(
        costMs * kRedrawCostFactor, m_baseRedrawInterval, kLongestRedrawInterval)));
}

void TfChart::refreshPlot() {
    QElapsedTimer elapsed;
    elapsed.start();
    ++m_redraws;
    const int plotWidth = static_cast<int>(m_chart->plotArea().width());
    const int timeTicks = std::clamp(plotWidth / 70 + 1, 2, 8);
    if (timeTicks != m_timeAxis->tickCount()) m_timeAxis->setTickCount(timeTicks);
    applyTimeRange();
    applyValueRange();

    const double x0 = static_cast<double>(m_timeAxis->min().toMSecsSinceEpoch());
    const double x1 = static_cast<double>(m_timeAxis->max().toMSecsSinceEpoch());
    const int columns = std::max(plotWidth, 1);
    const bool rangeMoved = x0 != m_plottedX0 || x1 != m_plottedX1 || columns != m_plottedColumns;
    for (int s = 0; s < kSeriesCount; ++s) {
        QLineSeries* series = m_series[s];
        if (series->isVisible() != m_active[s]) series->setVisible(m_active[s]);
        const bool decimated = m_points[s].size() > static_cast<std::size_t>(columns) * 4;
        if (!m_dirty[s] && !(rangeMoved && decimated)) continue;
        m_dirty[s] = false;
        decimateForColumns(m_points[s], x0, x1, columns, m_scratch);
        series->replace(m_scratch);
    }
    m_plottedX0 = x0;
    m_plottedX1 = x1;
    m_plottedColumns = columns;
    m_refreshNs += elapsed.nsecsElapsed();
}

void TfChart::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!m_shownOnce || !m_mainWindow || !m_mainWindow->isVisible()) return;
    if (event->pos() == event->oldPos()) return;
    const QRect frame = frameGeometry();
    const QRect main = m_mainWindow->frameGeometry();
    const int left = snappedLeft(frame.left(), frame.width(), main.left(), main.width());
    if (left != frame.left()) move(left, frame.top());
}

void TfChart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_shownOnce = true;
    // Points that arrived while hidden.
    QTimer::singleShot(0, this, &TfChart::redrawNow);
}

void TfChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible() && !m_redrawTimer.isActive()) m_redrawTimer.start();
}

void TfChart::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_spec.menuOnRightClick) {
        QWidget::contextMenuEvent(event);
        return;
    }
    PMGraf->popup(event->globalPos());
}

}  // namespace logger
