#include "driver/app/QtEngineTimer.h"

namespace driver {

QtEngineTimer::QtEngineTimer() {
    // The send tick and the busy marker work in single milliseconds: a coarse timer would round
    // the 1 ms busy tick and the 75 ms turnaround up by several percent.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_handler) m_handler();
    });
}

void QtEngineTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    apply();
}

void QtEngineTimer::setInterval(int ms) {
    m_interval = ms;
    if (m_enabled) apply();
}

void QtEngineTimer::apply() {
    if (m_enabled && m_interval > 0) {
        m_timer.start(m_interval);  // (re)starts the count
    } else {
        m_timer.stop();
    }
}

}  // namespace driver
