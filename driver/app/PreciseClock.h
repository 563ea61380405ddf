#pragma once

// The engine's clock on the system's monotonic millisecond tick. sleepUntil sleeps to an
// absolute time on the monotonic clock (no spinning, no drift from repeated relative sleeps), so
// the engine can drop RTS of the RTS-keyed modem within a couple of milliseconds of the frame's
// last bit while processing no events.

#include "driver/engine/EngineSeams.h"

namespace driver {

class PreciseClock final : public EngineClock {
  public:
    std::uint64_t now() const override;
    void sleepUntil(std::uint64_t tick) override;
};

}  // namespace driver
