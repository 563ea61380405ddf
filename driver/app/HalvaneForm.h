#pragma once

// The driver window THalvaneForm and the program's life around the link engine: start-up with
// the settings, the port and the modem check (and the scan of COM1 .. COM20 when no port with a
// modem is known), the port and master lists, the manual command panel with its repeat timer,
// the notification-area icon and its menu, hiding instead of closing, and the real end (the
// tray's "Close Halvane", a client's "TERMINATE", the end of the session).
//
// The window binds the engine's seams: it is the engine's port (the serial port while the port
// list is not on "none") and its view (the reply list, the counters and indicators, and the
// client-visible item of the conversation server). Everything runs on the main thread.

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "driver/app/CoalescedRefresh.h"
#include "driver/app/DriverPort.h"
#include "driver/app/PortListInfo.h"
#include "driver/app/PortWatch.h"
#include "driver/app/QtEngineTimer.h"
#include "driver/app/QtMessagePump.h"
#include "driver/app/UserDialogs.h"
#include "driver/command/CommandInterface.h"
#include "driver/engine/LinkEngine.h"
#include "hart/CodeTables.h"
#include "platform/ini/IniFile.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QToolButton;

namespace platform::channel {
class ConversationServer;
}

namespace driver {

// What the window works with; all of it outlives the window.
struct FormContext {
    platform::IniFile& settings;  // ZODUVIR.INI
    const hart::CodeTables& tables;
    DriverPort& port;
    UserDialogs& dialogs;
    platform::channel::ConversationServer& server;
    EngineClock& clock;
    QtMessagePump& pump;
};

class THalvaneForm final : public QWidget, public LinkPort, public LinkView, public DriverControl {
    Q_OBJECT

  public:
    static constexpr int kDesignWidth = 596;
    static constexpr int kDesignHeight = 265;

    explicit THalvaneForm(FormContext context, QWidget* parent = nullptr);
    ~THalvaneForm() override;

    // Start-up: settings, the language, the master role, the port with its modem check, the
    // scan, and the "No HART Modem Connected!" report. Ends early when the program is told to
    // end meanwhile.
    void FormCreate();

    // Chooses the user-interface language from the Language value; FormCreate calls it before
    // the port check, so that the check's messages are translated. Without it the window keeps
    // its built-in texts.
    std::function<void(const std::string& language)> chooseLanguage;

    // The user picked an entry of the port list or of the master list.
    void UsedPortChange();
    void cMasterTypeChange();
    // "Send Command" (and Enter): runs the edit box's command line. Busy is not set here.
    void Button1Click();
    // Every second: with the repeat box checked, the same as pressing the button, except that
    // the list keeps the last reply until the next one arrives.
    void Timer2Timer();
    // The notification-area menu.
    void ShowPanel1Click();
    void ExitHalvane1Click();
    // The session manager asks whether the session may end: the window may close from now on,
    // until sessionEndWait runs out without the session ending.
    void WMQueryEndSession();
    // The session did not end after all (a logout was cancelled): closing hides again.
    void sessionEndCancelled();
    // The session ends (or the process was told to stop): close for real.
    void endSession();

    // A modem answers on the open port (see ModemDetection.h); clears Busy.
    bool DetectModem();

    // The manual command panel (right half of the window).
    void setManualPanelVisible(bool visible);
    bool manualPanelVisible() const;

    // With a notification area the window hides; without one it minimises instead, so that it
    // stays reachable, and shows a note saying so.
    void setTrayAvailable(bool available);
    bool trayAvailable() const { return m_trayAvailable; }

    LinkEngine& engine() { return *m_engine; }
    CommandInterface& commands() { return *m_commands; }
    EngineTimer& timer1() { return m_timer1; }
    EngineTimer& timerBusyMessage() { return m_timerBusyMessage; }
    // True once FormClose has run (the driver ends).
    bool closed() const { return m_closed; }
    // What each port of the list is, and the following of a port whose device goes and comes.
    PortListInfo& portListInfo() { return *m_portList; }
    PortWatch& portWatch() { return *m_portWatch; }

    // Closing from the title bar, with Escape or from the tray only hides the window while this
    // holds; a session end and "Close Halvane" answered Yes clear it.
    bool HideOnly = true;

    // Controls (named as the window designer named them).
    QLabel* titleLabel = nullptr;
    QLabel* subtitleLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QComboBox* cMasterType = nullptr;
    QComboBox* UsedPort = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* portGoneLabel = nullptr;  // in place of Tx and Rx while the port's device is away
    QLabel* Label10 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* Command = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* noTrayNote = nullptr;
    QToolButton* panelToggle = nullptr;
    QTimer Timer2;
    // How long a query to end the session lets the window close; a session that ends comes to
    // endSession() well within it.
    QTimer sessionEndWait;
    QMenu* PopupMenu1 = nullptr;
    QAction* ShowPanel1 = nullptr;
    QAction* ExitHalvane1 = nullptr;
    QSystemTrayIcon* TrayIcon1 = nullptr;

    // LinkPort: the engine's serial port.
    bool portSelected() const override;
    void SendString(std::span<const std::uint8_t> bytes) override;
    void SetStateRTS(bool on) override;
    void ClearDeviceInput() override;
    bool carriesLineTiming() const override;
    // The port's link had a problem (empty: it is over): say so where people look.
    void linkProblem(const std::string& text);

    // LinkView: the reply list, the item, the counters and indicators.
    void setListLines(const std::vector<std::string>& lines) override;
    void addListLines(const std::vector<std::string>& lines) override;
    void setItemText(const std::string& text) override;
    void setItemLines(const std::vector<std::string>& lines) override;
    void indicatorsChanged() override;
    void frameReceived(const hart::ReceivedFrame& frame) override;

    // DriverControl: what a client's execute can do to the program.
    void terminateDriver() override;
    void changePort(int number) override;
    std::string portText() const override;
    void setCommandText(const std::string& text) override;
    void statusReported(const std::string& modemText, hart::MasterType master) override;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void watchPort();
    void showPortGone(bool gone);
    // The user, a client or the scan settled on port n: pin it to its device's stable path.
    void pinPort(int number);
    void createTrayIcon();
    // The texts of the window, its lists and its menu in the user-interface language.
    void retranslateUi();
    void fitTexts();
    // Closing as the window's Close does: FormCloseQuery, then FormClose when allowed.
    void closeWindow();
    bool FormCloseQuery();
    void FormClose();
    void FormKeyDown(int key);
    void showWindow();
    // Selects a port list entry without running UsedPortChange.
    void selectPort(int number);
    void closePortQuietly();
    // Opens COMn; false (the port closed) when it raises. `problem` receives the user's message.
    bool openPort(int number, std::string* problem = nullptr);
    void scanPorts();
    void showModemText();
    // Puts the engine's counters and Tx/Rx indicators on screen, only those that changed.
    void showIndicators();
    // Puts `lines` into the reply list from row `from` on; the rows after them go.
    void putListLines(const std::vector<std::string>& lines, int from);

    FormContext m_context;
    QtEngineTimer m_timer1;
    QtEngineTimer m_timerBusyMessage;
    std::unique_ptr<LinkEngine> m_engine;
    std::unique_ptr<CommandInterface> m_commands;
    PortListInfo* m_portList = nullptr;
    PortWatch* m_portWatch = nullptr;
    bool m_trayAvailable = true;
    bool m_closed = false;
    bool m_centred = false;
    // A repeated command leaves the list as it is until its reply (or error) replaces it.
    bool m_replaceListOnReply = false;

    // A reply arrives as a dozen receive events or more, each changing the counters: they are
    // shown at most 20 times a second.
    struct ShownIndicators {
        int sent = 0, events = 0, delivered = 0;
        bool tx = false, rx = false;
    };
    ShownIndicators m_shown;
    QtEngineTimer m_indicatorTimer;
    std::unique_ptr<CoalescedRefresh> m_indicatorRefresh;
};

}  // namespace driver
