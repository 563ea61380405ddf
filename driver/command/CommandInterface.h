#pragma once

// What a client's execute does in the driver: the busy guard and the terminate line, the control
// commands (STATUS, SET PRIMARY/SECONDARY, SET RQ-10/RQ-20, SET PRECISION 6|9, SET LONGADR:,
// SET COM1..COM20), the busy marker and the status text 1 ms later, and the command line that
// starts a HART transaction. Runs on the main thread, like the engine it drives.

#include <string>
#include <string_view>
#include <vector>

#include "driver/engine/EngineSeams.h"
#include "driver/engine/LinkEngine.h"

namespace driver {

// The window and program actions an execute can cause.
class DriverControl {
  public:
    virtual ~DriverControl() = default;
    // Ends the driver: stop the send tick, pause 100 ms, process pending events, close the port,
    // quit (when closing the port fails, quit is skipped).
    virtual void terminateDriver() = 0;
    // Closes the port, opens COMn and checks for a modem; updates the port list.
    virtual void changePort(int number) = 0;
    // The port list's text: "none" or "COM1" .. "COM20".
    virtual std::string portText() const = 0;
    // The manual command edit box receives the executed lines.
    virtual void setCommandText(const std::string& text) = 0;
    // The status was reported: show the modem text and select the master in the list.
    virtual void statusReported(const std::string& modemText, hart::MasterType master) = 0;
};

// User-interface texts a language module may replace.
struct DriverTexts {
    std::string busy = "Busy!";
    std::string primaryMaster = "Primary Master";
    std::string secondaryMaster = "Secondary Master";
    std::string modemRQ20 = "RQ-20";
};

class CommandInterface {
  public:
    CommandInterface(LinkEngine& engine, LinkView& item, EngineTimer& busyTimer,
                     DriverControl& control);

    // An execute: the text already split into lines.
    void DdeHartServerExecuteMacro(const std::vector<std::string>& lines);
    // The busy timer's tick, 1 ms after an execute.
    void TimerBusyMessageTimer();

    // The five-line status text: port, empty line, modem, master, precision.
    std::string statusText() const;
    std::string modemText() const;

    DriverTexts texts;
    int StatusMessage = 0;  // 1: the next busy tick writes the status text

  private:
    // Applies a control command; false when the text is none.
    void applyControl(std::string_view control);
    bool setLongAddress(std::string_view control);

    LinkEngine& m_engine;
    LinkView& m_item;
    EngineTimer& m_busyTimer;
    DriverControl& m_control;
    bool m_changingPort = false;  // inside "SET COMn": executes are dropped as while busy
};

}  // namespace driver
