#include "serial/qt/DeviceChangeNotifier.h"

#include <QSocketNotifier>

namespace serial {

DeviceChangeNotifier::DeviceChangeNotifier(std::unique_ptr<DeviceMonitor> monitor, QObject* parent)
    : QObject(parent), m_monitor(std::move(monitor)) {
    if (!m_monitor || m_monitor->fd() < 0) {
        m_monitor.reset();
        return;
    }
    m_notifier = new QSocketNotifier(m_monitor->fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        for (const DeviceChange& change : m_monitor->receive())
            emit deviceChanged(change.event, change.deviceType);
    });
}

DeviceChangeNotifier::~DeviceChangeNotifier() {
    // The notifier must go before the descriptor it watches.
    delete m_notifier;
}

}  // namespace serial
