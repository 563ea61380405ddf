#pragma once

// The main-thread dispatcher of the Qt programs: each task is a queued call into the application
// object, so it runs on the main thread when that thread next returns to its event loop. Tasks
// posted while no application object exists, or left when it is destroyed, are dropped (the
// component's event thread then waits until the port closes).

#include "serial/MainThreadDispatcher.h"

namespace serial {

class QtMainThreadDispatcher final : public MainThreadDispatcher {
  public:
    void post(std::function<void()> task) override;
    // Processes the application's pending events.
    void processPending() override;
};

}  // namespace serial
