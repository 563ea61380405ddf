#include "driver/app/PortWatch.h"

#include <system_error>

namespace driver {

PortWatch::PortWatch(DriverPort& port, Resolver resolve, QObject* parent)
    : QObject(parent), m_port(port), m_resolve(std::move(resolve)) {
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &PortWatch::tryReopen);
    m_port.onGone = [this] { onGone(); };
}

PortWatch::~PortWatch() {
    m_port.onGone = nullptr;
}

void PortWatch::opened(int number) {
    m_number = number;
    m_device = m_port.devicePath();
    m_gone = false;
    m_retry.stop();
}

void PortWatch::closed() {
    m_number = 0;
    m_device.clear();
    m_gone = false;
    m_retry.stop();
}

void PortWatch::onGone() {
    if (m_number == 0 || m_gone) return;
    m_gone = true;
    m_retry.start();
    emit portGone(m_number);
}

void PortWatch::devicesChanged() {
    if (m_gone) tryReopen();
}

void PortWatch::tryReopen() {
    if (!m_gone) return;
    const auto path = m_resolve(m_number);
    std::error_code ec;
    if (!path || path->string() != m_device || !std::filesystem::exists(*path, ec)) return;
    try {
        m_port.open(m_number);
    } catch (...) {
        return;  // not ready yet (udev may still be setting its permissions): the next try
    }
    if (!m_port.isOpen()) return;
    m_gone = false;
    m_retry.stop();
    emit portBack(m_number);
}

}  // namespace driver
