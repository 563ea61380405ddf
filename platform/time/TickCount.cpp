#include "platform/time/TickCount.h"

#include <chrono>

namespace platform {

std::uint64_t systemTickCount() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

}  // namespace platform
