#pragma once

// TscCustomSerialComm: a serial port addressed by its COM number (or by an entry of the device
// list). Port names resolve to device paths through a PortNameResolver (see PortNames.h): by
// default the shared settings file's [Ports] pins, then the serial devices present in their
// automatic order.

#include <filesystem>
#include <memory>
#include <string>

#include "serial/PortNames.h"
#include "serial/TscCustomComm.h"

namespace serial {

class TscCustomSerialComm : public TscCustomComm {
  public:
    TscCustomSerialComm();

    // The port number n (port name "COM" + n). Writing it closes an open port, stores n, opens
    // the port again on the new number (raising PortError when that fails) and then tells the
    // subscribers code 3. While closed only the number changes (and the subscribers are told).
    std::uint16_t ComPortNo() const { return m_comPortNo; }
    void setComPortNo(std::uint16_t value);
    // A view of ComPortNo: cpCOMxx for numbers above 8 (and 0), else number - 1. Writing
    // cpCOM1..cpCOM8 sets the number to ordinal + 1; writing cpCOMxx is ignored.
    TComPort ComPort() const;
    void setComPort(TComPort value);

    TscEnumPorts EnumPorts() const { return m_enumPorts; }
    void setEnumPorts(TscEnumPorts value) { m_enumPorts = value; }

    // How port names become device paths; taken at each open. The driver sets one that reads
    // the settings folder it was given.
    void setPortNameResolver(std::shared_ptr<const PortNameResolver> resolver);
    const PortNameResolver& portNameResolver() const { return *m_resolver; }
    // The device path of the last open attempt (empty when the name resolved to none).
    const std::filesystem::path& DevicePath() const { return m_devicePath; }

    // The port name: the PortName of the device-list entry numbered ComPortNo when the list has
    // one, else "COM" followed by ComPortNo.
    std::string DeviceName() const override;

    // Device list (port discovery fills it; nothing does yet, so it stays empty).
    int GetDeviceIndex() const override;
    void SetDeviceIndex(int Value) override;
    void DeviceListLoad() override {}
    void Update() override;

    // The configuration store, the device connection test and the Plug and Play identification
    // string belong to the component's extras and port discovery, which fill these in; until
    // then they do nothing.
    virtual void SaveConfig(const std::string& Root, const std::string& Key,
                            const std::string& Name);
    virtual void LoadConfig(const std::string& Root, const std::string& Key,
                            const std::string& Name);
    virtual void GetPNPDeviceString(std::string& S);
    virtual void InitDeviceConnect() {}

  protected:
    int OpenDeviceHandle() override;

  private:
    std::uint16_t m_comPortNo = 1;
    TscEnumPorts m_enumPorts = epQuickAll;
    std::shared_ptr<const PortNameResolver> m_resolver;
    std::filesystem::path m_devicePath;
};

}  // namespace serial
