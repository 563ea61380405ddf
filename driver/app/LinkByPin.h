#pragma once

// DriverPort that opens COMn on what the [Ports] pin of the settings file names: a HART-IP
// gateway (hart-ip://HOST[:PORT][?udp]) or, for every other pin and without one, a serial
// device. Everything else goes to the link that is open; the callbacks set here reach the
// driver from either.

#include <filesystem>
#include <memory>

#include "driver/app/DriverPort.h"
#include "driver/app/HartIpDriverPort.h"
#include "driver/app/SerialDriverPort.h"

namespace driver {

class LinkByPin final : public DriverPort {
  public:
    explicit LinkByPin(const std::filesystem::path& settingsFile);
    ~LinkByPin() override;

    // Throws std::invalid_argument for a gateway pin that cannot be read, saying why.
    void open(int number) override;
    void close() override;
    bool isOpen() const override { return current().isOpen(); }
    int number() const override { return current().number(); }
    std::string devicePath() const override { return current().devicePath(); }

    void SetStateDTR(bool on) override { current().SetStateDTR(on); }
    void SetStateRTS(bool on) override { current().SetStateRTS(on); }
    bool dsr() const override { return current().dsr(); }
    void SendString(std::span<const std::uint8_t> bytes) override { current().SendString(bytes); }
    void ClearDeviceInput() override { current().ClearDeviceInput(); }

    bool isGateway() const override { return m_gatewayChosen; }
    bool waitForSession(MessagePump& pump) override { return current().waitForSession(pump); }
    std::string linkState() const override { return current().linkState(); }

    SerialDriverPort& serial() { return m_serial; }

  private:
    DriverPort& current() {
        return m_gatewayChosen ? static_cast<DriverPort&>(m_gateway) : m_serial;
    }
    const DriverPort& current() const {
        return m_gatewayChosen ? static_cast<const DriverPort&>(m_gateway) : m_serial;
    }

    std::filesystem::path m_settingsFile;
    SerialDriverPort m_serial;
    HartIpDriverPort m_gateway;
    bool m_gatewayChosen = false;
};

}  // namespace driver
