#pragma once

// Follows the driver's port when its device goes away and comes back. When the port closes by
// itself (DriverPort::onGone), the watch says so (portGone) and, while the port stays chosen,
// tries to open it again: at once when the machine's devices change (devicesChanged, from the
// device monitor) and once a second besides, for devices no monitor announces (pseudo-terminals,
// machines without udev). It opens the port only when its name leads to the same device path as
// before, so that another adapter that took the name is never used; then portBack follows.
// Main thread.

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "driver/app/DriverPort.h"

namespace driver {

class PortWatch final : public QObject {
    Q_OBJECT
  public:
    // The device path port number n leads to now (nothing when it names no device).
    using Resolver = std::function<std::optional<std::filesystem::path>(int number)>;

    PortWatch(DriverPort& port, Resolver resolve, QObject* parent = nullptr);
    ~PortWatch() override;

    // The driver opened port n itself (its device is what a return must match) / closed it.
    void opened(int number);
    void closed();

    bool gone() const { return m_gone; }
    int number() const { return m_number; }
    const std::string& device() const { return m_device; }

    // The machine's devices changed: a gone port may be back.
    void devicesChanged();

    static constexpr int kRetryMs = 1000;

  signals:
    void portGone(int number);
    void portBack(int number);

  private:
    void onGone();
    void tryReopen();

    DriverPort& m_port;
    Resolver m_resolve;
    QTimer m_retry;
    int m_number = 0;
    std::string m_device;
    bool m_gone = false;
};

}  // namespace driver
