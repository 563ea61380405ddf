#pragma once

// The real local clock and random source of the polling cycle.

#include <QRandomGenerator>

#include "logger/core/Clock.h"

namespace logger {

class SystemClock final : public LocalClock {
  public:
    double now() const override;
};

class SystemRandom final : public RandomSource {
  public:
    int random(int range) override {
        return range <= 0 ? 0 : static_cast<int>(QRandomGenerator::global()->bounded(range));
    }
};

}  // namespace logger
