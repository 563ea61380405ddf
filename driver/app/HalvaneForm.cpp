#include "driver/app/HalvaneForm.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QThread>
#include <QToolButton>
#include <algorithm>

#include "ProjectVersion.h"
#include "driver/app/DriverIcon.h"
#include "driver/app/DriverSettings.h"
#include "driver/app/LinkTrace.h"
#include "driver/app/ModemDetection.h"
#include "driver/app/PortPinning.h"
#include "driver/app/PortProblem.h"
#include "driver/app/QtUserDialogs.h"
#include "driver/app/ReplyLineDelegate.h"
#include "driver/app/ReplyLineNames.h"
#include "driver/command/CommandLine.h"
#include "hart/CommandCatalogue.h"
#include "localisation/CodePages.h"
#include "platform/channel/ConversationServer.h"
#include "serial/PortNames.h"

namespace driver {

namespace {

constexpr int kRepeatInterval = 1000;
constexpr int kSessionEndWaitMs = 30'000;
constexpr int kFieldNameWidth = 150;  // the reply list's column of field names
constexpr unsigned long kClosePauseMs = 100;
constexpr int kIndicatorPeriodMs = 50;

// Replies, command lines and the texts of the conversation are one-byte text in Windows-1252.
QString fromOneByte(const std::string& text) {
    return localisation::FromCodePage(text, localisation::CodePage::Windows1252);
}

std::string oneByte(const QString& text) {
    return localisation::ToCodePage(text, localisation::CodePage::Windows1252);
}

// Message box texts are UTF-8.
std::string boxText(const QString& text) {
    return text.toStdString();
}

QLabel* label(QWidget* parent, int x, int y, int w, int h, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, h);
    return l;
}

}  // namespace

THalvaneForm::THalvaneForm(FormContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_context(context) {
    m_engine = std::make_unique<LinkEngine>(
        LinkEngine::Seams{m_context.clock, m_timer1, m_context.pump, *this, *this},
        m_context.tables);
    m_commands = std::make_unique<CommandInterface>(*m_engine, *this, m_timerBusyMessage, *this);
    m_indicatorRefresh = std::make_unique<CoalescedRefresh>(m_indicatorTimer, kIndicatorPeriodMs,
                                                            [this] { showIndicators(); });

    m_context.port.onReceived = [this](std::span<const std::uint8_t> bytes) {
        m_engine->scComm1AfterReceive(bytes);
    };
    m_context.port.onLineError = [this] { m_engine->scComm1CommError(); };
    m_context.port.onProblem = [this](const std::string& text) { linkProblem(text); };
    connect(&m_context.server, &platform::channel::ConversationServer::executed, this,
            [this](const std::vector<std::string>& lines) {
                m_commands->DdeHartServerExecuteMacro(lines);
            });

    setWindowTitle(QStringLiteral("Halvane"));
    setWindowIcon(driverIcon());
    createControls();
    createTrayIcon();
    watchPort();
    retranslateUi();

    Timer2.setInterval(kRepeatInterval);
    connect(&Timer2, &QTimer::timeout, this, &THalvaneForm::Timer2Timer);
    Timer2.start();

    sessionEndWait.setSingleShot(true);
    sessionEndWait.setInterval(kSessionEndWaitMs);
    connect(&sessionEndWait, &QTimer::timeout, this, &THalvaneForm::sessionEndCancelled);
}

THalvaneForm::~THalvaneForm() {
    // The port outlives the window: its events must no longer reach the engine.
    m_context.port.onReceived = nullptr;
    m_context.port.onLineError = nullptr;
    m_context.port.onProblem = nullptr;
}

void THalvaneForm::createControls() {
    // Left panel: what the driver is and which port and role it uses.
    titleLabel = label(this, 12, 6, 180, 34, QStringLiteral("Halvane"));
    QFont titleFont = titleLabel->font();
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    subtitleLabel = label(this, 12, 40, 180, 16);
    versionLabel = label(this, 12, 56, 180, 16);

    cMasterType = new QComboBox(this);
    cMasterType->addItems({QString(), QString()});  // Primary Master, Secondary Master
    cMasterType->setGeometry(12, 84, 177, 24);
    connect(cMasterType, &QComboBox::activated, this, &THalvaneForm::cMasterTypeChange);

    UsedPort = new QComboBox(this);
    UsedPort->addItem(QString());  // none
    for (int n = 1; n <= kLastPortNumber; ++n)
        UsedPort->addItem(QStringLiteral("COM%1").arg(n));
    UsedPort->setGeometry(12, 116, 177, 24);
    connect(UsedPort, &QComboBox::activated, this, &THalvaneForm::UsedPortChange);
    m_portList = new PortListInfo(UsedPort, m_context.settings.path());

    Label12 = label(this, 12, 150, 80, 18);
    Label4 = label(this, 100, 150, 24, 18, QStringLiteral("Tx"));
    Label8 = label(this, 130, 150, 24, 18, QStringLiteral("Rx"));
    for (QLabel* indicator : {Label4, Label8}) {
        QFont bold = indicator->font();
        bold.setBold(true);
        indicator->setFont(bold);
        indicator->hide();
    }
    portGoneLabel = label(this, 100, 150, 89, 18);
    portGoneLabel->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    portGoneLabel->hide();

    noTrayNote = label(this, 12, 174, 177, 60);
    noTrayNote->setWordWrap(true);
    noTrayNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    noTrayNote->hide();

    panelToggle = new QToolButton(this);
    panelToggle->setGeometry(157, 236, 32, 22);
    connect(panelToggle, &QToolButton::clicked, this,
            [this] { setManualPanelVisible(!manualPanelVisible()); });

    // Right panel: the manual command panel. Its left edge is Label10's.
    Label10 = label(this, 201, 8, 120, 18);
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setGeometry(340, 8, 240, 20);
    Command = new QLineEdit(QStringLiteral("0"), this);
    Command->setGeometry(201, 34, 270, 24);  // both as wide as the button's text leaves room
    Button1 = new QPushButton(this);
    Button1->setGeometry(480, 34, 106, 24);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &THalvaneForm::Button1Click);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(201, 66, 385, 164);
    ListBox1->setItemDelegate(new ReplyLineDelegate(kFieldNameWidth, ListBox1));
    m_shown = {m_engine->Label1, m_engine->Label9, m_engine->Label14, false, false};
    Label1 = label(this, 201, 238, 80, 18, QString::number(m_shown.sent));
    Label9 = label(this, 300, 238, 80, 18, QString::number(m_shown.events));
    Label14 = label(this, 400, 238, 80, 18, QString::number(m_shown.delivered));

    // Escape closes (hides) the window and Enter sends the command, from every control.
    for (QObject* o :
         std::initializer_list<QObject*>{this, Button1, Command, ListBox1, cMasterType, UsedPort})
        o->installEventFilter(this);

    // The tray menu, also offered on the window itself (the only way to it without a tray).
    PopupMenu1 = new QMenu(this);
    ShowPanel1 = PopupMenu1->addAction(QString());
    ExitHalvane1 = PopupMenu1->addAction(QString());
    connect(ShowPanel1, &QAction::triggered, this, &THalvaneForm::ShowPanel1Click);
    connect(ExitHalvane1, &QAction::triggered, this, &THalvaneForm::ExitHalvane1Click);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(mapToGlobal(at)); });

    setManualPanelVisible(false);
}

void THalvaneForm::retranslateUi() {
    subtitleLabel->setText(tr("with DDE interface"));
    versionLabel->setText(tr("version %1").arg(QLatin1String(HALVANE_VERSION)));
    cMasterType->setItemText(0, tr("Primary Master"));
    cMasterType->setItemText(1, tr("Secondary Master"));
    UsedPort->setItemText(0, tr("none", "no port"));
    Label12->setText(tr("Port Status:"));
    //: The port status when the port's device went away.
    portGoneLabel->setText(tr("gone"));
    panelToggle->setToolTip(tr("Manual commands"));
    //: The repeat box: "send repeatedly" (the built-in caption is Czech).
    CheckBox1->setText(tr("Odesilat dokola"));
    Button1->setText(tr("Send Command"));
    Label1->setToolTip(tr("Frames sent"));
    Label9->setToolTip(tr("Receive events"));
    Label14->setToolTip(tr("Replies delivered"));
    ShowPanel1->setText(tr("Show Panel"));
    ExitHalvane1->setText(tr("Close Halvane"));
    noTrayNote->setText(tr("No notification area: closing minimises this window. Right-click it "
                           "for \"%1\".")
                            .arg(ExitHalvane1->text()));
    fitTexts();
}

void THalvaneForm::fitTexts() {
    // The button and the port status caption take the room their text needs in the language
    // shown; the edit box and the indicators give way.
    constexpr int kRightEdge = 586;
    constexpr int kGap = 9;
    const int buttonWidth = std::max(106, Button1->sizeHint().width());
    Button1->setGeometry(kRightEdge - buttonWidth, 34, buttonWidth, 24);
    Command->setGeometry(Label10->x(), 34, Button1->x() - kGap - Label10->x(), 24);
    const int statusWidth = std::max(80, Label12->sizeHint().width());
    Label12->resize(statusWidth, Label12->height());
    Label4->move(Label12->x() + statusWidth + 8, Label12->y());
    Label8->move(Label4->x() + 30, Label12->y());
    portGoneLabel->setGeometry(Label4->x(), Label12->y(),
                               cMasterType->geometry().right() - Label4->x(), Label12->height());
}

void THalvaneForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QWidget::changeEvent(event);
}

void THalvaneForm::createTrayIcon() {
    m_trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    if (m_trayAvailable) {
        TrayIcon1 = new QSystemTrayIcon(driverIcon(), this);
        TrayIcon1->setToolTip(QStringLiteral("Halvane"));
        TrayIcon1->setContextMenu(PopupMenu1);
        connect(
            TrayIcon1, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    ShowPanel1Click();
                }
            });
        TrayIcon1->show();
    }
    setTrayAvailable(m_trayAvailable);
}

void THalvaneForm::setTrayAvailable(bool available) {
    m_trayAvailable = available;
    noTrayNote->setVisible(!available);
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowMinimizeButtonHint, !available);
    if (flags != windowFlags()) {
        const bool shown = isVisible();
        setWindowFlags(flags);
        if (shown) show();
    }
}

void THalvaneForm::setManualPanelVisible(bool visible) {
    const int width = visible ? kDesignWidth : Label10->x();
    setFixedSize(width, kDesignHeight);
    panelToggle->setText(visible ? QStringLiteral("<<") : QStringLiteral(">>"));
}

bool THalvaneForm::manualPanelVisible() const {
    return width() > Label10->x();
}

// ---- Start-up -----------------------------------------------------------------------------

void THalvaneForm::FormCreate() {
    HideOnly = true;
    m_commands->StatusMessage = 0;
    m_engine->Sending = false;
    m_engine->mType = mRQ10;
    m_engine->msg.DataToSend = false;

    const DriverSettings settings = readDriverSettings(m_context.settings);
    if (chooseLanguage) chooseLanguage(settings.language);
    setManualPanelVisible(false);

    cMasterType->setCurrentIndex(settings.master == 0 ? 0 : 1);
    m_engine->msg.mt = settings.master == 0 ? hart::mtPrimary : hart::mtSecondary;
    selectPort(settings.com);

    // Until the first reply tells, the identity is unknown.
    hart::UniqueIdentifier& id = m_engine->msg.Id;
    id.MfrId = id.MfrDeviceType = 0xFF;
    id.DeviceIdNumberHi = id.DeviceIdNumberMid = id.DeviceIdNumberLo = 0xFF;
    m_timer1.setInterval(m_engine->rolePollInterval());

    // Why the stored port did not open, for the report when no other port serves either.
    std::string storedPortProblem;
    if (portSelected()) {
        if (!openPort(settings.com, &storedPortProblem)) {
            selectPort(0);
        } else if (!settings.modemDetection) {
            m_engine->mType = mRQ20;  // the user chose this port without a modem
        } else if (DetectModem()) {
            m_engine->mType = mRQ20;
        } else {
            selectPort(0);
        }
    }
    if (m_context.pump.terminating()) return;

    if (!portSelected()) scanPorts();
    if (m_context.pump.terminating()) return;

    if (!portSelected()) {
        showWindow();
        const std::string noModem = boxText(tr("No HART Modem Connected!"));
        m_context.dialogs.errorMessage(
            storedPortProblem.empty() ? noModem : noModem + "\r\n" + storedPortProblem);
        closePortQuietly();
    } else {
        m_context.port.SetStateDTR(true);
        m_context.port.SetStateRTS(false);
    }
    showModemText();
}

void THalvaneForm::scanPorts() {
    // Every port is tried, so the last one with a modem is chosen.
    int chosen = 0;
    for (int n = 1; n <= kLastPortNumber; ++n) {
        if (!openPort(n)) continue;
        if (DetectModem()) {
            m_engine->mType = mRQ20;
            selectPort(n);
            writeComPort(m_context.settings, n);
            pinPort(n);
            chosen = n;
        }
        if (m_context.pump.terminating()) return;
    }
    // The scan went on past the chosen port: open it again.
    if (chosen != 0 && !(m_context.port.isOpen() && m_context.port.number() == chosen)) {
        if (!openPort(chosen)) selectPort(0);
    }
}

bool THalvaneForm::openPort(int number, std::string* problem) {
    try {
        m_context.port.open(number);
        if (!m_context.port.isOpen()) return false;
        // Opening raises RTS, which keys an RQ-20 modem's carrier on an idle loop and jams
        // other masters and burst replies; the engine raises it only while it sends. The modem
        // check leaves DTR on.
        m_context.port.SetStateRTS(false);
        m_portWatch->opened(number);
        showPortGone(false);
        return true;
    } catch (const std::exception& e) {
        if (problem) {
            *problem = portProblemText(
                {number, m_context.port.devicePath(), m_context.settings.path()}, e);
        }
    } catch (...) {
        if (problem) *problem = portCannotBeUsedText();
    }
    return false;
}

void THalvaneForm::closePortQuietly() {
    m_portWatch->closed();
    showPortGone(false);
    try {
        m_context.port.close();
    } catch (...) {
        // Nothing more can be done about a port that will not close.
    }
}

bool THalvaneForm::DetectModem() {
    m_engine->Busy = false;
    return driver::DetectModem(m_context.port, m_context.pump);
}

void THalvaneForm::selectPort(int number) {
    QSignalBlocker block(UsedPort);
    UsedPort->setCurrentIndex(number >= 0 && number <= kLastPortNumber ? number : 0);
}

void THalvaneForm::showModemText() {
    Label10->setText(fromOneByte(m_commands->modemText()));
}

// ---- The lists and the manual panel -------------------------------------------------------

void THalvaneForm::UsedPortChange() {
    const int number = UsedPort->currentIndex();
    if (number <= 0) {
        closePortQuietly();
        return;
    }
    std::string problem = portCannotBeUsedText();
    if (!openPort(number, &problem)) {
        m_context.dialogs.errorMessage(problem);
        selectPort(0);
        return;
    }
    if (DetectModem()) {
        m_engine->mType = mRQ20;
        writeModemDetection(m_context.settings, true);
        writeComPort(m_context.settings, number);
        pinPort(number);
    } else if (m_context.pump.terminating()) {
        return;
    } else if (m_context.dialogs.askYesNo(boxText(
                   tr("No HART Modem Detected!\r\nDo you really want to use this port?"))) ==
               Answer::Yes) {
        m_engine->mType = mRQ20;
        writeModemDetection(m_context.settings, false);
        writeComPort(m_context.settings, number);
        pinPort(number);
    } else {
        selectPort(0);
        closePortQuietly();
    }
    showModemText();
}

void THalvaneForm::cMasterTypeChange() {
    const int index = cMasterType->currentIndex();
    m_engine->msg.mt = index == 0 ? hart::mtPrimary : hart::mtSecondary;
    writeMaster(m_context.settings, index);
}

void THalvaneForm::Button1Click() {
    ListBox1->clear();
    m_replaceListOnReply = false;
    RunCommandLine(*m_engine, oneByte(Command->text()));
}

void THalvaneForm::Timer2Timer() {
    if (!CheckBox1->isChecked()) return;
    // The list keeps the last reply until the next one replaces it, instead of going blank
    // every second.
    m_replaceListOnReply = true;
    RunCommandLine(*m_engine, oneByte(Command->text()));
}

// ---- Showing, hiding and ending -----------------------------------------------------------

void THalvaneForm::showWindow() {
    if (!m_centred) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
        m_centred = true;
    }
    showNormal();
    repaint();
    if (!isHeadlessPlatform()) {  // nothing to bring to the front there
        raise();
        activateWindow();
    }
}

void THalvaneForm::ShowPanel1Click() {
    // Someone uses the desktop: a session end that was asked about did not happen.
    sessionEndCancelled();
    showWindow();
}

void THalvaneForm::ExitHalvane1Click() {
    HideOnly = m_context.dialogs.askYesNoCancel(
                   boxText(tr("Do You really want to exit Halvane?\r\nIt disallows to other "
                              "programs to communicate with HART devices!"))) != Answer::Yes;
    closeWindow();
}

void THalvaneForm::WMQueryEndSession() {
    HideOnly = false;
    // The desktop says nothing when a logout is cancelled; a session that has not ended within
    // the wait did not end.
    sessionEndWait.start();
}

void THalvaneForm::sessionEndCancelled() {
    sessionEndWait.stop();
    if (!m_closed) HideOnly = true;
}

void THalvaneForm::endSession() {
    sessionEndWait.stop();
    HideOnly = false;
    closeWindow();
}

void THalvaneForm::closeWindow() {
    if (FormCloseQuery()) FormClose();
}

void THalvaneForm::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
        FormClose();
    } else {
        event->ignore();
    }
}

bool THalvaneForm::FormCloseQuery() {
    const bool mayClose = !HideOnly || m_closed;
    if (isVisible()) {
        // Without a notification area a hidden window could never be reached again.
        if (mayClose || m_trayAvailable) {
            hide();
        } else {
            showMinimized();
        }
    }
    return mayClose;
}

void THalvaneForm::FormClose() {
    if (m_closed) return;
    m_closed = true;
    m_timer1.setEnabled(false);
    Timer2.stop();
    m_timerBusyMessage.setEnabled(false);
    if (TrayIcon1) TrayIcon1->hide();
    QCoreApplication::processEvents();
    if (m_context.port.isOpen()) {
        // Let the last frame leave the line before the port goes.
        QThread::msleep(kClosePauseMs);
        try {
            m_context.port.close();
        } catch (...) {
            QThread::msleep(kClosePauseMs);
            closePortQuietly();
        }
    }
    m_context.pump.requestQuit(0);
}

void THalvaneForm::FormKeyDown(int key) {
    if (key == Qt::Key_Escape) closeWindow();
}

bool THalvaneForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            FormKeyDown(key);
            return true;
        }
        // Send Command is the default button: Enter anywhere in the window presses it.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- The engine's port and view -----------------------------------------------------------

bool THalvaneForm::portSelected() const {
    // A port whose device went away cannot send: its transactions fail at once.
    return UsedPort->currentIndex() > 0 && !m_portWatch->gone();
}

void THalvaneForm::SendString(std::span<const std::uint8_t> bytes) {
    qCDebug(lcLink).noquote() << "sent" << hexBytes(bytes);
    m_context.port.SendString(bytes);
}

bool THalvaneForm::carriesLineTiming() const {
    return !m_context.port.isGateway();
}

void THalvaneForm::linkProblem(const std::string& text) {
    // Said once when it starts and once when it is over, not at every retry.
    const QString port = UsedPort->currentText();
    if (text.empty())
        std::fprintf(stderr, "Halvane: %s: the gateway's session is open again\n",
                     port.toLocal8Bit().constData());
    else
        std::fprintf(stderr,
                     "Halvane: %s: %s; commands answer \"Communication Error!\" until "
                     "the session opens again\n",
                     port.toLocal8Bit().constData(), text.c_str());
    if (TrayIcon1)
        TrayIcon1->setToolTip(
            text.empty() ? QStringLiteral("Halvane")
                         : QStringLiteral("Halvane: %1").arg(QString::fromLatin1(text.c_str())));
}

void THalvaneForm::SetStateRTS(bool on) {
    m_context.port.SetStateRTS(on);
}

void THalvaneForm::ClearDeviceInput() {
    m_context.port.ClearDeviceInput();
}

void THalvaneForm::setListLines(const std::vector<std::string>& lines) {
    m_replaceListOnReply = false;
    putListLines(lines, 0);
}

void THalvaneForm::addListLines(const std::vector<std::string>& lines) {
    const int from = m_replaceListOnReply ? 0 : ListBox1->count();
    m_replaceListOnReply = false;
    putListLines(lines, from);
}

void THalvaneForm::putListLines(const std::vector<std::string>& lines, int from) {
    // The lines of the reply the engine has just decoded into its record, named after it.
    const std::vector<std::string> names =
        hart::ReplyLineTitles(lines, hart::DecodedReplySlots(m_engine->msg));
    // A row that stays as it was is not touched: a repeated command repaints only the values
    // that changed, and the list keeps its scroll position.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = from + static_cast<int>(i);
        const QString text = fromOneByte(lines[i]);
        const QString name = ReplyLineName(names[i]);
        QListWidgetItem* item =
            row < ListBox1->count() ? ListBox1->item(row) : new QListWidgetItem(ListBox1);
        if (item->text() != text) item->setText(text);
        if (item->data(ReplyLineDelegate::kNameRole).toString() != name) {
            item->setData(ReplyLineDelegate::kNameRole, name);
        }
        const QString tip = name + QLatin1String(": ") + text;
        if (item->toolTip() != tip) item->setToolTip(tip);
    }
    const int rows = from + static_cast<int>(lines.size());
    while (ListBox1->count() > rows)
        delete ListBox1->takeItem(ListBox1->count() - 1);
}

void THalvaneForm::setItemText(const std::string& text) {
    m_context.server.setItemText(text);
}

void THalvaneForm::setItemLines(const std::vector<std::string>& lines) {
    m_context.server.setItemLines(lines);
}

void THalvaneForm::indicatorsChanged() {
    // Nobody sees a hidden window: it catches up when it is shown.
    if (!isVisible()) return;
    // Tx lights as a frame is sent, and the engine blocks the main thread while it goes out; a
    // delivered reply's count goes with the reply list that is painted next. Both show at once.
    if ((m_engine->txShown && !m_shown.tx) || m_engine->Label14 != m_shown.delivered) {
        m_indicatorRefresh->showNow();
    } else {
        m_indicatorRefresh->changed();
    }
}

void THalvaneForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_indicatorRefresh->showNow();
}

void THalvaneForm::showIndicators() {
    QRegion changed;
    auto showCounter = [&changed](QLabel* label, int& shown, int value) {
        if (shown == value) return;
        shown = value;
        label->setText(QString::number(value));
        changed += label->geometry();
    };
    auto showIndicator = [&changed](QLabel* label, bool& shown, bool on) {
        if (shown == on) return;
        shown = on;
        label->setVisible(on);
        changed += label->geometry();
    };
    const bool sending = m_engine->txShown && !m_shown.tx;
    showCounter(Label1, m_shown.sent, m_engine->Label1);
    showCounter(Label9, m_shown.events, m_engine->Label9);
    showCounter(Label14, m_shown.delivered, m_engine->Label14);
    // Tx and Rx share their place with "gone": they stay hidden while the device is away.
    const bool gone = m_portWatch->gone();
    showIndicator(Label4, m_shown.tx, m_engine->txShown && !gone);
    showIndicator(Label8, m_shown.rx, m_engine->rxShown && !gone);
    // Painted by the event loop, except before the send blocks it.
    if (sending && isVisible()) repaint(changed);
}

void THalvaneForm::frameReceived(const hart::ReceivedFrame& frame) {
    qCDebug(lcLink).noquote() << "heard" << hexBytes(frame.bytes) << (frame.good() ? "" : "(bad)");
}

// ---- What a client's execute does ---------------------------------------------------------

void THalvaneForm::terminateDriver() {
    m_timer1.setEnabled(false);
    QThread::msleep(kClosePauseMs);
    QCoreApplication::processEvents();
    try {
        m_context.port.close();
    } catch (...) {
        QCoreApplication::processEvents();
        return;
    }
    HideOnly = false;
    FormClose();
}

void THalvaneForm::changePort(int number) {
    selectPort(0);
    closePortQuietly();
    if (!openPort(number)) return;  // a failed open is not reported to the client
    if (DetectModem()) {
        selectPort(number);
        m_engine->mType = mRQ20;
        pinPort(number);
    }
}

std::string THalvaneForm::portText() const {
    // Clients compare it, so it stays "none" or "COMn" in every language.
    const int number = UsedPort->currentIndex();
    const std::string port = number > 0 ? "COM" + std::to_string(number) : "none";
    if (m_context.port.isGateway() && m_context.port.isOpen())
        return port + " " + m_context.port.linkState();
    return m_portWatch->gone() ? port + " (port gone)" : port;
}

// ---- The port's device going and coming -----------------------------------------------------

void THalvaneForm::watchPort() {
    const std::filesystem::path settingsFile = m_context.settings.path();
    m_portWatch = new PortWatch(
        m_context.port,
        [settingsFile](int number) {
            return serial::PortNameResolver(settingsFile).resolve("COM" + std::to_string(number));
        },
        this);
    connect(m_portWatch, &PortWatch::portGone, this, [this] { showPortGone(true); });
    connect(m_portWatch, &PortWatch::portBack, this, [this] {
        // As at start-up: the modem powered, not keyed.
        m_context.port.SetStateDTR(true);
        m_context.port.SetStateRTS(false);
        showPortGone(false);
    });
    connect(m_portList, &PortListInfo::devicesChanged, m_portWatch, &PortWatch::devicesChanged);
}

void THalvaneForm::showPortGone(bool gone) {
    const QString port = UsedPort->currentText();
    portGoneLabel->setVisible(gone);
    portGoneLabel->setToolTip(
        gone ? tr("The device of %1 (%2) went away. Halvane opens it again by itself when it "
                  "comes back; until then every command answers \"Communication Error!\".")
                   .arg(port, QString::fromStdString(m_portWatch->device()))
             : QString());
    if (gone) m_indicatorRefresh->showNow();  // Tx and Rx make way for "gone"
    if (TrayIcon1) {
        TrayIcon1->setToolTip(gone ? tr("Halvane: %1 gone").arg(port) : QStringLiteral("Halvane"));
    }
}

void THalvaneForm::pinPort(int number) {
    PinToStableLink(m_context.settings, number, m_context.port.devicePath());
    m_portList->refresh();  // the pin may change what the name leads to
}

void THalvaneForm::setCommandText(const std::string& text) {
    // A client's command replaces the edit box: repeating it would send it again every second,
    // unasked (a write command again and again into the device's memory).
    CheckBox1->setChecked(false);
    Command->setText(fromOneByte(text));
    // A command line starts a transaction whose reply replaces the list; a control command
    // (answered with the status text) leaves the list as it is.
    if (m_commands->StatusMessage == 0) ListBox1->clear();
}

void THalvaneForm::statusReported(const std::string& modemText, hart::MasterType master) {
    Label10->setText(fromOneByte(modemText));
    cMasterType->setCurrentIndex(master == hart::mtPrimary ? 0 : 1);
}

}  // namespace driver
