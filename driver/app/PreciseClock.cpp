#include "driver/app/PreciseClock.h"

#include <time.h>

#include <cerrno>

#include "platform/time/TickCount.h"

namespace driver {

std::uint64_t PreciseClock::now() const {
    return platform::systemTickCount();
}

void PreciseClock::sleepUntil(std::uint64_t tick) {
    // The tick counts milliseconds of the monotonic clock (std::chrono::steady_clock).
    timespec until{};
    until.tv_sec = static_cast<time_t>(tick / 1000);
    until.tv_nsec = static_cast<long>((tick % 1000) * 1'000'000);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
        // A signal handler ran; the absolute time still holds.
    }
}

}  // namespace driver
