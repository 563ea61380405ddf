#pragma once

// A millisecond tick that only moves forward (the system's millisecond count since start),
// and the seam through which timing-dependent code reads it, so tests can drive time.

#include <cstdint>

namespace platform {

std::uint64_t systemTickCount();

class TickSource {
  public:
    virtual ~TickSource() = default;
    virtual std::uint64_t now() const = 0;
};

class SystemTickSource final : public TickSource {
  public:
    std::uint64_t now() const override { return systemTickCount(); }
};

}  // namespace platform
