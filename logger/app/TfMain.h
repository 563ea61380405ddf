#pragma once

// The main window of Loopscribe: the device header, Start, Stop and Clear, the buttons that show
// the five chart windows, the record pane, the status bar, the main menu and the notification-
// area icon's menu. It is the monitor's record pane, status bar, device header and buttons.
//
// Closing it while the monitor runs hides it behind the notification-area icon (or, without a
// system tray, minimises it) and the monitor goes on; otherwise closing asks first. The real end
// stops a running monitor, tells the driver to end when "Close driver when Loopscribe exits" is
// checked, writes the settings and ends the event loop.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

#include "logger/core/MonitorSettings.h"
#include "logger/core/Views.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace logger {

class Monitor;
class TfChart;
class TfOprogramu;
class TfOptions;
class TrayIcon;
class UserDialogs;

class TfMain final : public QMainWindow,
                     public RecordPane,
                     public StatusBar,
                     public DeviceHeader,
                     public MonitorButtons {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 562;
    static constexpr int kClientHeight = 478;
    static constexpr int kHideAfterStart = 500;  // tFormVisible

    TfMain(MonitorSettings& settings, UserDialogs& dialogs, TrayIcon& tray);
    ~TfMain() override;

    // The windows and the monitor the main window works with, made after it.
    struct Parts {
        Monitor* monitor = nullptr;
        std::array<TfChart*, kQuantityCount> charts{};
        TfOptions* options = nullptr;
        TfOprogramu* about = nullptr;
        // Writes the settings file; false when it could not be written.
        std::function<bool(const MonitorSettings&)> saveSettings;
    };
    void setParts(const Parts& parts);
    // Without a system tray a running monitor's window is minimised instead of hidden.
    void setTrayAvailable(bool available) { m_trayAvailable = available; }
    bool trayAvailable() const { return m_trayAvailable; }

    // Start-up after the settings were read: the caption, the menu's check mark, the window's
    // place; then the driver link and the Start button.
    void Environment_ReInit();
    // The command line's parameters: "START" starts the monitor and hides the window half a
    // second later; with `keepShown` the window stays and the five chart windows open.
    void startFromCommandLine(const std::vector<std::string>& parameters, bool keepShown);
    // The hidden language list CBJazykProgramu: the languages whose modules exist, the current
    // one selected (its index also in the list's "tag"); -1, nothing selected, when it is not
    // among them. An empty list is disabled.
    void setLanguageList(const QStringList& languages, int current);

    // RecordPane
    int lineCount() const override { return m_lines; }
    void deleteFirstLine() override;
    void appendLine(const QString& line) override;
    void clear() override;
    // StatusBar
    void ShowStatus(const QString& text) override;
    // DeviceHeader
    void setCaptionsVisible(bool visible) override;
    void setDistributor(const QString& text) override;
    void setModel(const QString& text) override;
    void setIdentifier(const QString& text) override;
    // MonitorButtons
    void setStartEnabled(bool enabled) override;
    void setStopEnabled(bool enabled) override;

    // Handlers.
    void bbShowGClick(int quantity);
    void MonitorSettingsClick();
    void DriverAutoOffClick();
    void AboutClick();
    void ShowLoopscribeClick();
    void CloseLoopscribeClick();
    void tFormVisibleTimer();
    // The end of the user's session or a termination signal: closes without questions.
    void endSession();

    bool hideOnly() const { return HideOnly; }
    // The event loop has been told to end.
    bool ended() const { return m_ended; }

    QWidget* PParametry = nullptr;
    QLabel* lHDistributor = nullptr;
    QLabel* lHModel = nullptr;
    QLabel* lHIdentifier = nullptr;
    QLabel* lDistributor = nullptr;
    QLabel* lModel = nullptr;
    QLabel* lIdentifier = nullptr;
    QPushButton* bbStart = nullptr;
    QPushButton* bbStop = nullptr;
    QPushButton* BBVymaz = nullptr;
    std::array<QToolButton*, kQuantityCount> bbShowG{};
    QPlainTextEdit* REMonitor = nullptr;
    QComboBox* CBJazykProgramu = nullptr;
    std::array<QLabel*, 3> SBar{};
    QAction* Exit = nullptr;
    std::array<QAction*, kQuantityCount> ShowGraph{};
    QAction* MonitorSettings1 = nullptr;
    QAction* DriverAutoOff = nullptr;
    QAction* About = nullptr;
    QMenu* pmTryIcon = nullptr;
    QAction* ShowLoopscribe = nullptr;
    QAction* CloseLoopscribe = nullptr;
    QTimer tFormVisible;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildHeader(QWidget* parent);
    void buildMenus();
    // The captions, hints and menu items in the user-interface language.
    void retranslateUi();
    // The real end: stop, the driver, the settings, the event loop.
    void closeForGood();

    std::array<QMenu*, 4> m_menus{};  // File, Show Graph, Options, Help
    MonitorSettings& m_settings;
    UserDialogs& m_dialogs;
    TrayIcon& m_tray;
    Parts m_parts;
    bool HideOnly = true;
    bool m_trayAvailable = false;
    bool m_ending = false;
    bool m_ended = false;
    int m_lines = 0;
};

// "LOOPSCRIBE ver. " and the version.
QString mainCaption();

}  // namespace logger
