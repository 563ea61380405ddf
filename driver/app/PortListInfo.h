#pragma once

// What each port of the driver's port list is: for COM1 … COM20, a second column in the list's
// drop-down and a tooltip with the device behind the port ("FT232R USB UART (FTDI),
// /dev/ttyUSB0"), or that no device goes by that name. The list follows the machine's devices:
// the device monitor's descriptor is in the event loop, and each change reloads the list.
// The item texts ("COMn") and their order stay as they are. Main thread.

#include <QObject>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "serial/PortListing.h"
#include "serial/TscComm.h"

class QComboBox;

namespace serial {
class DeviceChangeNotifier;
class UdevSource;
}  // namespace serial

namespace driver {

class PortListInfo final : public QObject {
    Q_OBJECT
  public:
    // list: the window's port list (entries "none", "COM1" … ). settingsFile: where [Ports]
    // pins port names. source: the device manager (the system's when null; tests give a fake).
    PortListInfo(QComboBox* list, const std::filesystem::path& settingsFile,
                 const serial::DeviceRoots& roots = {},
                 std::shared_ptr<serial::UdevSource> source = nullptr);
    ~PortListInfo() override;

    // Reloads the ports (also done on every device change) and shows them.
    void refresh();
    // A device came or went, as the device monitor said.
    void deviceChanged(quint32 event, quint32 deviceType);

    // The port n leads to now, when a device goes by that name.
    std::optional<serial::PortListing> port(int number) const;
    // "COM1 — FT232R USB UART (FTDI), /dev/ttyUSB0", or "COM1 — no device".
    QString describe(int number) const;

  signals:
    // The list was reloaded after a device change.
    void devicesChanged();

  protected:
    bool event(QEvent* event) override;

  private:
    void show();
    void showCurrentTip();

    QComboBox* m_list;
    serial::TscComm m_lister;  // never opened: it only lists
    std::vector<serial::PortListing> m_ports;
    std::unique_ptr<serial::DeviceChangeNotifier> m_notifier;
};

}  // namespace driver
