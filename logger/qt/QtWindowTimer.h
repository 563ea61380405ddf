#pragma once

// A window timer over QTimer with the semantics of WindowTimer: an interval of 0 never fires,
// writing the interval of an enabled timer restarts its count, enabling an enabled timer leaves
// its count alone. Main thread only.

#include <QTimer>

#include "logger/core/WindowTimer.h"

namespace logger {

class QtWindowTimer final : public WindowTimer {
  public:
    QtWindowTimer();

    void setEnabled(bool enabled) override;
    bool enabled() const override { return m_enabled; }
    void setInterval(int ms) override;
    int interval() const override { return m_interval; }
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    // Milliseconds until the next tick, -1 when it does not run.
    int remainingTime() const { return m_timer.remainingTime(); }

  private:
    void apply();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 0;
    std::function<void()> m_handler;
};

}  // namespace logger
