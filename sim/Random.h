#pragma once

// A small seeded generator (SplitMix64) so that faults drawn at random repeat exactly for the
// same seed on every platform and standard library.

#include <cstdint>

namespace sim {

class Random {
  public:
    explicit Random(std::uint64_t seed = 1) : m_state(seed) {}

    void reseed(std::uint64_t seed) { m_state = seed; }

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 56); }

  private:
    std::uint64_t m_state;
};

}  // namespace sim
