#include "logger/app/TfMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

#include "logger/app/ChartWindowTable.h"
#include "logger/app/LoggerIcon.h"
#include "logger/app/TfChart.h"
#include "logger/app/TfOprogramu.h"
#include "logger/app/TfOptions.h"
#include "logger/app/TrayIcon.h"
#include "logger/app/UserDialogs.h"
#include "logger/core/Monitor.h"
#include "logger/core/VersionText.h"

namespace logger {

namespace {

constexpr int kHeaderHeight = 65;
constexpr int kStatusPanelWidth = 150;
constexpr const char* kShortNames[kQuantityCount] = {"mA", "PV", "SV", "TV", "FV"};
constexpr QRgb kButtonColours[kQuantityCount] = {0xd62728, 0x1f77b4, 0x2ca02c, 0xff7f0e, 0x9467bd};

// The picture of a chart button: a small plot with a line in the quantity's colour.
QIcon chartButtonIcon(int quantity) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    painter.drawLine(QPointF(3, 2), QPointF(3, 21));
    painter.drawLine(QPointF(3, 21), QPointF(22, 21));
    painter.setPen(QPen(QColor::fromRgb(kButtonColours[quantity]), 2.2));
    const double q = quantity;
    const QPointF line[] = {{4, 16 - q * 1.5}, {9, 11}, {13, 14 - q}, {17, 6}, {21, 9 + q}};
    painter.drawPolyline(line, 5);
    return QIcon(pixmap);
}

}  // namespace

QString mainCaption() {
    return QStringLiteral("LOOPSCRIBE ver. ") + QString::fromStdString(VersionText());
}

TfMain::TfMain(MonitorSettings& settings, UserDialogs& dialogs, TrayIcon& tray)
    : m_settings(settings), m_dialogs(dialogs), m_tray(tray) {
    setObjectName(QStringLiteral("TfMain"));
    setWindowIcon(loggerIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildHeader(central);
    layout->addWidget(PParametry);

    auto* PVypis = new QWidget(central);
    PVypis->setObjectName(QStringLiteral("PVypis"));
    auto* vypis = new QVBoxLayout(PVypis);
    vypis->setContentsMargins(6, 4, 6, 4);
    auto* buttons = new QHBoxLayout;
    bbStart = new QPushButton(PVypis);
    bbStart->setObjectName(QStringLiteral("bbStart"));
    bbStop = new QPushButton(PVypis);
    bbStop->setObjectName(QStringLiteral("bbStop"));
    bbStart->setEnabled(false);
    bbStop->setEnabled(false);
    buttons->addWidget(bbStart);
    buttons->addWidget(bbStop);
    buttons->addSpacing(10);
    for (int q = 0; q < kQuantityCount; ++q) {
        auto* button = new QToolButton(PVypis);
        button->setObjectName(QStringLiteral("bbShowG%1").arg(q + 1));
        button->setIcon(chartButtonIcon(q));
        button->setIconSize(QSize(20, 20));
        button->setText(QLatin1String(kShortNames[q]));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(button, &QToolButton::clicked, this, [this, q] { bbShowGClick(q); });
        buttons->addWidget(button);
        bbShowG[q] = button;
    }
    buttons->addStretch(1);
    BBVymaz = new QPushButton(PVypis);
    BBVymaz->setObjectName(QStringLiteral("BBVymaz"));
    buttons->addWidget(BBVymaz);
    vypis->addLayout(buttons);

    REMonitor = new QPlainTextEdit(PVypis);
    REMonitor->setObjectName(QStringLiteral("REMonitor"));
    REMonitor->setReadOnly(true);
    REMonitor->setLineWrapMode(QPlainTextEdit::NoWrap);
    REMonitor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    REMonitor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    REMonitor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    REMonitor->setTabStopDistance(REMonitor->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    vypis->addWidget(REMonitor, 1);
    layout->addWidget(PVypis, 1);
    setCentralWidget(central);

    for (std::size_t i = 0; i < SBar.size(); ++i) {
        SBar[i] = new QLabel(this);
        SBar[i]->setObjectName(QStringLiteral("SBar%1").arg(i + 1));
        SBar[i]->setFixedWidth(kStatusPanelWidth);
        statusBar()->addWidget(SBar[i]);
    }
    statusBar()->setSizeGripEnabled(false);

    CBJazykProgramu = new QComboBox(this);
    CBJazykProgramu->setObjectName(QStringLiteral("CBJazykProgramu"));
    CBJazykProgramu->hide();
    setLanguageList({}, -1);

    buildMenus();
    retranslateUi();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    tFormVisible.setSingleShot(true);
    tFormVisible.setInterval(kHideAfterStart);
    connect(&tFormVisible, &QTimer::timeout, this, &TfMain::tFormVisibleTimer);
}

TfMain::~TfMain() = default;

void TfMain::buildHeader(QWidget* parent) {
    PParametry = new QWidget(parent);
    PParametry->setObjectName(QStringLiteral("PParametry"));
    PParametry->setFixedHeight(kHeaderHeight);
    auto* grid = new QGridLayout(PParametry);
    grid->setContentsMargins(10, 4, 10, 4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    QFont bold = font();
    bold.setBold(true);
    auto addRow = [&](int row, QLabel*& caption, const char* captionName, QLabel*& value,
                      const char* valueName) {
        caption = new QLabel(PParametry);
        caption->setObjectName(QLatin1String(captionName));
        value = new QLabel(PParametry);
        value->setObjectName(QLatin1String(valueName));
        value->setFont(bold);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
    };
    addRow(0, lHDistributor, "lHDistributor", lDistributor, "lDistributor");
    addRow(1, lHModel, "lHModel", lModel, "lModel");
    addRow(2, lHIdentifier, "lHIdentifier", lIdentifier, "lIdentifier");
}

void TfMain::buildMenus() {
    for (QMenu*& menu : m_menus)
        menu = menuBar()->addMenu(QString());
    auto& [file, graphs, options, help] = m_menus;
    Exit = file->addAction(QString(), this, [this] { close(); });
    for (int q = 0; q < kQuantityCount; ++q)
        ShowGraph[q] = graphs->addAction(QString(), this, [this, q] { bbShowGClick(q); });
    MonitorSettings1 = options->addAction(QString(), this, &TfMain::MonitorSettingsClick);
    DriverAutoOff = options->addAction(QString());
    DriverAutoOff->setCheckable(true);
    DriverAutoOff->setChecked(true);
    connect(DriverAutoOff, &QAction::triggered, this, &TfMain::DriverAutoOffClick);
    About = help->addAction(QString(), this, &TfMain::AboutClick);

    pmTryIcon = new QMenu(this);
    pmTryIcon->setObjectName(QStringLiteral("pmTryIcon"));
    ShowLoopscribe = pmTryIcon->addAction(QString(), this, &TfMain::ShowLoopscribeClick);
    CloseLoopscribe = pmTryIcon->addAction(QString(), this, &TfMain::CloseLoopscribeClick);
    m_tray.setMenu(pmTryIcon);
    // A click on the icon is the menu's first item, as users expect.
    connect(&m_tray, &TrayIcon::clicked, this, &TfMain::ShowLoopscribeClick);
}

void TfMain::retranslateUi() {
    bbStart->setText(tr("Start"));
    bbStop->setText(tr("Stop"));
    BBVymaz->setText(tr("Clear"));
    for (int q = 0; q < kQuantityCount; ++q) {
        bbShowG[q]->setToolTip(chartCaption(q));
        ShowGraph[q]->setText(chartCaption(q));
    }
    lHDistributor->setText(tr("Distributor"));
    lHModel->setText(tr("Model"));
    lHIdentifier->setText(tr("Identifier"));
    m_menus[0]->setTitle(tr("&File"));
    Exit->setText(tr("Exit"));
    m_menus[1]->setTitle(tr("&Show Graph"));
    m_menus[2]->setTitle(tr("&Options"));
    MonitorSettings1->setText(tr("Monitor Settings"));
    DriverAutoOff->setText(tr("Close driver when Loopscribe exits"));
    m_menus[3]->setTitle(tr("&Help"));
    About->setText(tr("About ..."));
    ShowLoopscribe->setText(tr("Show Loopscribe"));
    CloseLoopscribe->setText(tr("Close Loopscribe"));
}

void TfMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QMainWindow::changeEvent(event);
}

void TfMain::setLanguageList(const QStringList& languages, int current) {
    CBJazykProgramu->clear();
    CBJazykProgramu->setEnabled(true);
    CBJazykProgramu->addItems(languages);
    if (languages.isEmpty()) CBJazykProgramu->setEnabled(false);
    CBJazykProgramu->setCurrentIndex(current);
    CBJazykProgramu->setProperty("tag", current);
}

void TfMain::setParts(const Parts& parts) {
    m_parts = parts;
    connect(bbStart, &QPushButton::clicked, this, [this] { m_parts.monitor->bbStartClick(); });
    connect(bbStop, &QPushButton::clicked, this, [this] { m_parts.monitor->bbStopClick(); });
    connect(BBVymaz, &QPushButton::clicked, this, [this] { m_parts.monitor->BBVymazClick(); });
    for (TfChart* chart : m_parts.charts)
        chart->setMainWindow(this);
}

void TfMain::Environment_ReInit() {
    for (TfChart* chart : m_parts.charts)
        chart->setUnitCaption(QString());
    setWindowTitle(mainCaption());
    m_tray.setHint(windowTitle());
    m_parts.about->setVersion(QString::fromStdString(VersionText()));

    // The settings as read at start-up.
    move(m_settings.mainWindow.left, m_settings.mainWindow.top);
    for (int q = 0; q < kQuantityCount; ++q) {
        TfChart* chart = m_parts.charts[static_cast<std::size_t>(q)];
        chart->move(m_settings.charts[q].left, m_settings.charts[q].top);
        chart->SetPocetBoduGrafu(m_settings.maxPoints[q]);
    }
    m_parts.options->move(m_settings.optionsDialog.left, m_settings.optionsDialog.top);
    m_parts.options->applySettings();
    DriverAutoOff->setChecked(m_settings.driverAutoOff);

    m_parts.monitor->connectToDriver();
}

void TfMain::startFromCommandLine(const std::vector<std::string>& parameters, bool keepShown) {
    if (!m_parts.monitor->startFromCommandLine(parameters)) return;
    if (!keepShown) {
        tFormVisible.start();
        return;
    }
    for (int q = 0; q < kQuantityCount; ++q)
        bbShowGClick(q);
    raise();
}

void TfMain::tFormVisibleTimer() {
    tFormVisible.stop();
    hide();
}

void TfMain::deleteFirstLine() {
    if (m_lines == 0) return;
    QTextCursor cursor(REMonitor->document()->firstBlock());
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    --m_lines;
}

void TfMain::appendLine(const QString& line) {
    REMonitor->appendPlainText(line);
    ++m_lines;
    QTextCursor cursor(REMonitor->document()->lastBlock());
    cursor.movePosition(QTextCursor::StartOfBlock);
    REMonitor->setTextCursor(cursor);
    REMonitor->ensureCursorVisible();
}

void TfMain::clear() {
    REMonitor->clear();
    m_lines = 0;
}

void TfMain::ShowStatus(const QString& text) {
    SBar[0]->setText(text);
}

void TfMain::setCaptionsVisible(bool visible) {
    for (QLabel* caption : {lHDistributor, lHModel, lHIdentifier})
        caption->setVisible(visible);
}

void TfMain::setDistributor(const QString& text) {
    lDistributor->setText(text);
}

void TfMain::setModel(const QString& text) {
    lModel->setText(text);
}

void TfMain::setIdentifier(const QString& text) {
    lIdentifier->setText(text);
}

void TfMain::setStartEnabled(bool enabled) {
    bbStart->setEnabled(enabled);
}

void TfMain::setStopEnabled(bool enabled) {
    bbStop->setEnabled(enabled);
}

void TfMain::bbShowGClick(int quantity) {
    m_parts.charts[static_cast<std::size_t>(quantity)]->showOnScreen();
}

void TfMain::MonitorSettingsClick() {
    m_parts.options->FormShow();
}

void TfMain::DriverAutoOffClick() {
    m_settings.driverAutoOff = DriverAutoOff->isChecked();
}

void TfMain::AboutClick() {
    m_parts.about->FormShow();
}

void TfMain::ShowLoopscribeClick() {
    show();
    m_tray.setVisible(false);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    update();
    raise();
    activateWindow();
}

void TfMain::CloseLoopscribeClick() {
    // Any answer but Yes leaves everything as it is; asking again or repeating the background
    // message would only make the user answer twice.
    if (m_dialogs.show(MessageKind::Confirmation, tr("Do You really want to exit Loopscribe?"),
                       MessageButtons::YesNoCancel) != MessageAnswer::Yes)
        return;
    HideOnly = false;
    close();
}

void TfMain::endSession() {
    m_ending = true;
    HideOnly = false;
    if (!m_ended) close();
}

void TfMain::closeEvent(QCloseEvent* event) {
    if (m_ended) {
        event->accept();
        return;
    }
    if (HideOnly) {
        if (m_parts.monitor->running() && !m_ending) {
            event->ignore();
            m_dialogs.show(
                MessageKind::Information,
                tr("The monitor is running!\r\nApplication will be hidden (Background Monitor)."),
                MessageButtons::Ok);
            if (m_trayAvailable) {
                m_tray.setVisible(true);
                hide();
            } else {
                showMinimized();
            }
            return;
        }
        if (m_dialogs.show(MessageKind::Confirmation, tr("Do You really want to exit Loopscribe?"),
                           MessageButtons::YesNoCancel) != MessageAnswer::Yes) {
            event->ignore();
            return;
        }
    }
    event->accept();
    closeForGood();
}

void TfMain::closeForGood() {
    m_ended = true;
    if (m_parts.monitor->running()) m_parts.monitor->bbStopClick();
    m_parts.monitor->closeDriverLink(DriverAutoOff->isChecked());

    m_settings.mainWindow = {frameGeometry().left(), frameGeometry().top()};
    m_settings.driverAutoOff = DriverAutoOff->isChecked();
    for (int q = 0; q < kQuantityCount; ++q)
        m_settings.maxPoints[q] = m_parts.charts[static_cast<std::size_t>(q)]->maxPoints();
    if (m_parts.saveSettings && !m_parts.saveSettings(m_settings))
        m_dialogs.show(MessageKind::Error,
                       tr("Cannot save the settings; the changes of this run are lost.\r\nCheck "
                          "that the settings folder can be written."),
                       MessageButtons::Ok);

    m_tray.setVisible(false);
    for (TfChart* chart : m_parts.charts)
        chart->hide();
    m_parts.options->hide();
    m_parts.about->hide();
    QCoreApplication::exit(0);
}

}  // namespace logger
