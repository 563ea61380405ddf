#pragma once

// What the link engine needs from its surroundings. The program binds these to the serial
// component, QTimer, the real clock and the window; the tests bind them to fakes that run in
// simulated time.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "hart/FrameReceiver.h"

namespace driver {

// The millisecond tick and a blocking wait that processes nothing in between.
class EngineClock {
  public:
    virtual ~EngineClock() = default;
    virtual std::uint64_t now() const = 0;
    // Blocks the calling (main) thread until the tick reaches `tick`; no events run meanwhile.
    virtual void sleepUntil(std::uint64_t tick) = 0;
};

// A window timer: it fires every `interval` ms while enabled. An interval of 0 never fires.
// Writing the interval of an enabled timer restarts its count; enabling an enabled timer does not.
class EngineTimer {
  public:
    virtual ~EngineTimer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setHandler(std::function<void()> handler) = 0;
};

// Waits while the program keeps processing its events (timers, serial events, clients).
class MessagePump {
  public:
    virtual ~MessagePump() = default;
    // Returns true when the application is terminating. A wait of 0 ms returns at once.
    virtual bool WaitPumping(int ms) = 0;
};

// The serial port as the engine uses it.
class LinkPort {
  public:
    virtual ~LinkPort() = default;
    // A port is chosen (the port list is not on "none").
    virtual bool portSelected() const = 0;
    // Returns once every byte has been handed to the port.
    virtual void SendString(std::span<const std::uint8_t> bytes) = 0;
    virtual void SetStateRTS(bool on) = 0;
    virtual void ClearDeviceInput() = 0;
    // The frame goes onto a HART line from here: the engine keys the modem's RTS and waits
    // until the frame has left. A transport to a gateway (HART-IP) carries no line and says
    // false; the gateway keys its own modems, and the engine sends without RTS or waiting.
    virtual bool carriesLineTiming() const { return true; }
};

// What the engine shows: the reply list, the client-visible item, counters and indicators.
class LinkView {
  public:
    virtual ~LinkView() = default;
    virtual void setListLines(const std::vector<std::string>& lines) = 0;  // replaces the list
    virtual void addListLines(const std::vector<std::string>& lines) = 0;
    virtual void setItemText(const std::string& text) = 0;  // one entry, inner CR LF kept
    virtual void setItemLines(const std::vector<std::string>& lines) = 0;
    // Counters or the Tx/Rx indicators changed: show them now, even while the thread is blocked.
    virtual void indicatorsChanged() {}
    // Every complete frame heard on the line, good or bad, for traces.
    virtual void frameReceived(const hart::ReceivedFrame& /*frame*/) {}
};

}  // namespace driver
