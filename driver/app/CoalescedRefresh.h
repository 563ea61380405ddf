#pragma once

// Shows a state that changes faster than a person can read it at most once per period: the first
// change starts a single-shot timer, and the state is shown when it fires, with every change made
// meanwhile. The last state is always shown, at the latest one period after it was reached. Runs
// on the engine's timer seam, so tests drive it in simulated time. Main thread only.

#include <functional>

#include "driver/engine/EngineSeams.h"

namespace driver {

class CoalescedRefresh {
  public:
    // `show` puts the present state on screen; showNow() and the timer call it.
    CoalescedRefresh(EngineTimer& timer, int periodMs, std::function<void()> show);
    CoalescedRefresh(const CoalescedRefresh&) = delete;
    CoalescedRefresh& operator=(const CoalescedRefresh&) = delete;

    // The state changed: shown when the period that this (or an earlier change) started ends.
    void changed();
    // Shows the state at once (a state that must be seen before the main thread blocks); what
    // was waiting is shown with it.
    void showNow();

  private:
    EngineTimer& m_timer;
    std::function<void()> m_show;
};

}  // namespace driver
