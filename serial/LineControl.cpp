#include "serial/LineControl.h"

#include "serial/SerialTypes.h"

namespace serial {

std::uint32_t LineErrorBits(const LineCounters& before, const LineCounters& after,
                            bool parityChecked) {
    // The counters only grow; a difference of another sign means they were reset: no error.
    auto grew = [](std::uint32_t b, std::uint32_t a) { return a > b; };
    std::uint32_t bits = 0;
    if (grew(before.bufferOverrun, after.bufferOverrun)) bits |= kCeRxOver;
    if (grew(before.overrun, after.overrun)) bits |= kCeOverrun;
    if (parityChecked && grew(before.parity, after.parity)) bits |= kCeRxParity;
    if (grew(before.frame, after.frame)) bits |= kCeFrame;
    if (grew(before.brk, after.brk)) bits |= kCeBreak;
    return bits;
}

}  // namespace serial
