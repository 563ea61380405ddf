#pragma once

// How the serial component reaches the program's main thread. The component's event thread
// posts each port event here and then waits, itself, until the event has run (or until the port
// closes: the wait is the component's so that closing never waits for a main thread that is busy
// closing). The Qt programs implement post() with a queued call into the application object
// (serial/qt/QtMainThreadDispatcher.h); tests use a plain queue that the test thread drains.

#include <functional>

namespace serial {

class MainThreadDispatcher {
  public:
    virtual ~MainThreadDispatcher() = default;
    // Runs task on the main thread soon after it returns to its event loop. Called from the
    // component's event thread; must not run task before returning. A task that is never run
    // (the application is ending) leaves the event thread waiting until the port closes.
    virtual void post(std::function<void()> task) = 0;
    // Called on the main thread while it waits in a loop of its own (WaitForBytes,
    // WaitForSignal): runs what is waiting for the main thread, posted tasks included, and
    // returns.
    virtual void processPending() {}
};

}  // namespace serial
