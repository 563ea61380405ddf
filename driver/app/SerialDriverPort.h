#pragma once

// DriverPort on the serial component: 1200 baud, 8 data bits, odd parity, one stop bit, no flow
// control, events on the main thread through the Qt dispatcher. Port names resolve through the
// [Ports] section of the driver's settings file, then the serial devices present.

#include <filesystem>
#include <memory>

#include "driver/app/DriverPort.h"
#include "serial/LineControl.h"
#include "serial/TscComm.h"

namespace driver {

class SerialDriverPort final : public DriverPort {
  public:
    // settingsFile: ZODUVIR.INI, whose [Ports] pins COMn to devices. lines: the modem-line
    // calls, the system's when null (tests put a fake here).
    explicit SerialDriverPort(const std::filesystem::path& settingsFile,
                              std::shared_ptr<serial::LineControl> lines = nullptr);
    ~SerialDriverPort() override;

    void open(int number) override;
    void close() override;
    bool isOpen() const override { return m_comm.Active(); }
    int number() const override { return m_comm.ComPortNo(); }
    std::string devicePath() const override { return m_comm.DevicePath().string(); }

    void SetStateDTR(bool on) override { m_comm.SetStateDTR(on); }
    void SetStateRTS(bool on) override { m_comm.SetStateRTS(on); }
    bool dsr() const override;

    void SendString(std::span<const std::uint8_t> bytes) override;
    void ClearDeviceInput() override { m_comm.ClearDeviceInput(); }

    // Where a fatal error raised inside an event handler is shown (a message box).
    void setExceptionPresenter(std::function<void(const std::string&)> presenter);

  private:
    serial::TscComm m_comm;
    bool m_closing = false;  // the close is this object's own, not the device going away
};

}  // namespace driver
