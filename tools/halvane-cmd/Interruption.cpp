#include "tools/halvane-cmd/Interruption.h"

#include <atomic>
#include <csignal>

namespace halvanecmd {

namespace {

std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

using Handler = void (*)(int);
Handler g_previous = SIG_DFL;

void noteInterruption(int) {
    g_interrupted.store(true);
}

}  // namespace

InterruptionGuard::InterruptionGuard() {
    g_interrupted.store(false);
    g_previous = std::signal(SIGINT, noteInterruption);
}

InterruptionGuard::~InterruptionGuard() {
    std::signal(SIGINT, g_previous == SIG_ERR ? SIG_DFL : g_previous);
    g_interrupted.store(false);
}

bool interruptionRequested() {
    return g_interrupted.load();
}

}  // namespace halvanecmd
