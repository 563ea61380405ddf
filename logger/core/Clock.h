#pragma once

// The local date-time and the random source of the polling cycle, as seams for simulated time.

namespace logger {

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    // The local date and time as a day count (DayCount.h).
    virtual double now() const = 0;
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to range - 1.
    virtual int random(int range) = 0;
};

}  // namespace logger
