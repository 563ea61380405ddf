#include "logger/qt/QtWindowTimer.h"

namespace logger {

QtWindowTimer::QtWindowTimer() {
    // Intervals as given: a coarse timer may fire up to 5 % early or late.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_handler) m_handler();
    });
}

void QtWindowTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    apply();
}

void QtWindowTimer::setInterval(int ms) {
    m_interval = ms;
    if (m_enabled) apply();
}

void QtWindowTimer::apply() {
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);  // (re)starts the count
    else
        m_timer.stop();
}

}  // namespace logger
