#pragma once

// Puts a DeviceMonitor's descriptor into the Qt event loop: when the monitor has changes,
// deviceChanged is emitted for each, on the thread the notifier lives on. Hand each to the
// components that list ports:
//
//   serial::DeviceChangeNotifier notifier(serial::systemUdevSource()->monitor());
//   QObject::connect(&notifier, &serial::DeviceChangeNotifier::deviceChanged,
//                    [&comm](quint32 event, quint32 type) { comm.WMDeviceChange(event, type); });

#include <QObject>
#include <memory>

#include "serial/UdevSource.h"

class QSocketNotifier;

namespace serial {

class DeviceChangeNotifier final : public QObject {
    Q_OBJECT
  public:
    // A null monitor watches nothing (the system has no device manager).
    explicit DeviceChangeNotifier(std::unique_ptr<DeviceMonitor> monitor,
                                  QObject* parent = nullptr);
    ~DeviceChangeNotifier() override;

    bool watching() const { return m_monitor != nullptr; }

  signals:
    void deviceChanged(quint32 event, quint32 deviceType);

  private:
    std::unique_ptr<DeviceMonitor> m_monitor;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace serial
