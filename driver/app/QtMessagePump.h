#pragma once

// WaitPumping on the Qt event loop: the wait runs a nested event loop, so timers, serial events
// and clients keep being served. The pump also carries the program's decision to end: once
// requestQuit() has been called every wait returns at once, reporting that the application is
// terminating, and callers stop what they were doing (a modem check, the start-up scan).
// Main thread only.

#include <vector>

#include "driver/engine/EngineSeams.h"

class QEventLoop;

namespace driver {

class QtMessagePump : public MessagePump {
  public:
    bool WaitPumping(int ms) override;

    // Ends the program with `exitCode`: leaves every running event loop (the main one too) and
    // marks the application as terminating. When the main loop has not started yet, the program
    // must check terminating() before starting it.
    void requestQuit(int exitCode);
    bool terminating() const { return m_terminating; }
    int exitCode() const { return m_exitCode; }

  private:
    std::vector<QEventLoop*> m_waits;  // the waits in progress, innermost last
    bool m_terminating = false;
    int m_exitCode = 0;
};

}  // namespace driver
