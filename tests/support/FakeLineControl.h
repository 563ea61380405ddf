#pragma once

// Modem lines and error counters for a pseudo-terminal, which has neither: DSR follows DTR (as a
// HART modem's does), CTS follows RTS, and a test raises the error counters by hand.

#include <mutex>

#include "serial/LineControl.h"

namespace serialtest {

class FakeLineControl final : public serial::LineControl {
  public:
    bool switchLines(int, unsigned lines, bool on) override {
        std::lock_guard lock(m_mutex);
        if (on) {
            m_lines |= lines;
        } else {
            m_lines &= ~lines;
        }
        return true;
    }

    std::optional<unsigned> readLines(int) override {
        std::lock_guard lock(m_mutex);
        unsigned lines = m_lines;
        if (lines & serial::kLineDtr) lines |= serial::kLineDsr;
        if (lines & serial::kLineRts) lines |= serial::kLineCts;
        return lines;
    }

    std::optional<serial::LineCounters> readCounters(int) override {
        std::lock_guard lock(m_mutex);
        return m_counters;
    }

    template <typename Change>
    void changeCounters(Change change) {
        std::lock_guard lock(m_mutex);
        change(m_counters);
    }

    unsigned lines() {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

  private:
    std::mutex m_mutex;
    unsigned m_lines = 0;
    serial::LineCounters m_counters;
};

}  // namespace serialtest
