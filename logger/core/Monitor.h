#pragma once

// The monitor: the logger's side of the conversation with the driver and its polling cycle
// (identify the devices with command 0 address by address, counting down from the highest
// polling address, then read them with command 3 at the reading interval or on request), and
// the processing of every settled reply into the record, the device header and the charts.
//
// Everything runs on the main thread from the four timers and the buttons; the windows, the
// timers, the clock and the conversation are seams, so the whole cycle runs in simulated time.

#include <array>
#include <string>
#include <vector>

#include "logger/core/ChartWindow.h"
#include "logger/core/Clock.h"
#include "logger/core/DriverConversation.h"
#include "logger/core/MessageBoxes.h"
#include "logger/core/MonitorRecord.h"
#include "logger/core/MonitorSettings.h"
#include "logger/core/MonitorTexts.h"
#include "logger/core/TableFile.h"
#include "logger/core/Views.h"
#include "logger/core/WindowTimer.h"
#include "platform/locale/UserLocale.h"

namespace logger {

inline constexpr int kPollInterval = 1400;      // Timer4
inline constexpr int kReplyTimeOut = 5000;      // TimeOutTimer
inline constexpr int kSendInterval = 100;       // tKomunikace, plus a random 0 .. 199 ms a send
inline constexpr int kFirstIntervalTick = 100;  // tLogger until the first identification

struct MonitorTimers {
    WindowTimer& send;      // tKomunikace
    WindowTimer& poll;      // Timer4
    WindowTimer& timeOut;   // TimeOutTimer
    WindowTimer& interval;  // tLogger
};

struct MonitorViews {
    StatusBar& status;
    DeviceHeader& header;
    TrayAnimation& tray;
    MonitorButtons& buttons;
    MessageBoxes& messages;
    std::array<ChartWindow*, kQuantityCount> charts;  // loop current, PV, SV, TV, FV
};

// What the monitor reads and never changes: the settings (the dialog's working copy, read at
// every use), the user's locale, the table file's names and the texts of the language.
struct MonitorContext {
    const MonitorSettings& settings;
    const platform::UserLocale& locale;
    const CodeNames& names;
    const MonitorTexts& texts;
};

class Monitor {
  public:
    Monitor(DriverConversation& conversation, const MonitorTimers& timers, LocalClock& clock,
            RandomSource& random, MonitorRecord& record, const MonitorViews& views,
            const MonitorContext& context);

    // Start-up: opens the conversation (the driver is started when none answers), hides the
    // device header and enables Start exactly when the link is open.
    void connectToDriver();
    // Opens the conversation; on failure the message "Halvane not found! ..." and no link for
    // the rest of the run.
    void DoNewLink();
    bool linkOk() const { return LinkOk; }

    // Start: nothing when Start is not enabled.
    void bbStartClick();
    void bbStopClick();
    // Clear: empties the record pane and every chart, after the question.
    void BBVymazClick();
    // The command line parameters of the program: "START" in any case (all parameters joined by
    // blanks) starts the monitor when the link is open. True when it started one.
    bool startFromCommandLine(const std::vector<std::string>& parameters);
    // At the end of the program: tells the driver to end when `terminateDriver`, then closes the
    // link.
    void closeDriverLink(bool terminateDriver);

    bool startEnabled() const { return m_startEnabled; }
    bool running() const { return m_stopEnabled; }  // the Stop button is enabled
    int pollingAddress() const { return MultidropIdx; }
    const std::string& commandText() const { return CommandText; }
    int failedSends() const { return Counter; }

  private:
    // A reply line the processing reads but the reply lacks, or a value that is no number.
    struct ReplyFailure {
        QString reason;
    };

    void tKomunikaceTimer();
    void Timer4Timer();
    void TimeOutTimerTimer();
    void tLoggerTimer();
    bool ZpracujData();
    void identify();
    void read();
    void plotReading();
    bool endErrorReply();
    void interrupt(const QString& reason, const QString& address);

    const std::string& line(std::size_t number) const;
    double value(std::size_t number) const;
    int highestAddress() const;  // of the settings, kept to the polling addresses
    void setCommand(int command);
    void SmazHlavickuCmd0();
    void setButtons(bool start, bool stop);
    void addErrorLines(const QString& error, const QString& address);

    DriverConversation& m_conversation;
    MonitorTimers m_timers;
    LocalClock& m_clock;
    RandomSource& m_random;
    MonitorRecord& m_record;
    MonitorViews m_views;
    MonitorContext m_context;

    bool LinkOk = true;
    bool m_startEnabled = false;
    bool m_stopEnabled = false;
    int Counter = 0;  // failed sends in this run of the logger
    int MultidropIdx = 0;
    std::string DdeBufferOld;
    std::string DdeBufferNew;
    std::array<bool, kHighestPollingAddress + 2> Multidrop{};
    bool busy = false;
    std::vector<std::string> ReplyLines;
    std::string CommandText;
    int CommandNumber = 0;
    double RequestTime = 0;
};

}  // namespace logger
