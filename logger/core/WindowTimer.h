#pragma once

// The logger's window timers (send, poll, reply time-out and interval), so that the polling
// cycle runs on QTimer in the program and in simulated time in the tests.

#include <functional>

namespace logger {

// Fires every `interval` ms while enabled; an interval of 0 never fires. Enabling an enabled
// timer does not restart its count; disabling and enabling again does, and so does writing the
// interval of an enabled timer.
class WindowTimer {
  public:
    virtual ~WindowTimer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setHandler(std::function<void()> handler) = 0;
};

}  // namespace logger
