#pragma once

// Ctrl-C while halvane-cmd repeats a command: noted instead of ending the program at once, so
// that it stops between two replies (or gives up the one it waits for), closes the conversation
// and exits with the outcome of the last reply it printed.

namespace halvanecmd {

class InterruptionGuard {
  public:
    // Catches SIGINT until destroyed; the previous handling comes back then.
    InterruptionGuard();
    ~InterruptionGuard();
    InterruptionGuard(const InterruptionGuard&) = delete;
    InterruptionGuard& operator=(const InterruptionGuard&) = delete;
};

// Ctrl-C came while the guard in place now was (always false without a guard).
bool interruptionRequested();

}  // namespace halvanecmd
