#pragma once

// TscCustomSerialComm: a serial port addressed by its COM number (or by an entry of the device
// list). Port names resolve to device paths through a PortNameResolver (see PortNames.h): by
// default the shared settings file's [Ports] pins, then the serial devices present in their
// automatic order. It also lists the machine's ports, keeps its configuration in a store, and
// identifies Plug and Play devices. Main thread only, like the property writes.

#include <filesystem>
#include <memory>
#include <string>

#include "serial/PortNames.h"
#include "serial/TscCustomComm.h"
#include "serial/UdevSource.h"

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

    // ---- the device list (see PortDiscovery.h) ------------------------------------------------
    // Nothing fills it unless asked (GetDeviceList, Update); while it is empty GetDeviceIndex is
    // -1 and the port opens by "COM" + ComPortNo.

    // The position of the entry numbered ComPortNo, else -1.
    int GetDeviceIndex() const override;
    // For 0 <= Value < DeviceCount: ComPortNo := that entry's Data (reopening an open port).
    void SetDeviceIndex(int Value) override;
    // Adds the machine's ports (to what is listed: it does not empty the list first): the quick
    // list of the port names, completed from the device manager unless EnumPorts is epQuickAll.
    void DeviceListLoad() override;
    // Empties and reloads the list, then tells the subscribers code 3.
    void Update() override;
    // The device manager behind the full list; the system's unless a test puts a fake here
    // (nullptr: none, the full list stays empty).
    void setDeviceSource(std::shared_ptr<UdevSource> source);

    // ---- the configuration store (ConfigStore.h) ------------------------------------------------
    // The 49-byte value under Root, Key and Name: the port number (low 8 bits), the 28-byte DCB
    // and the 20-byte time-outs. LoadConfig takes a value only when it is exactly 49 bytes: the
    // port number (reopening as ComPortNo does), the line record (its flow control recomposed
    // from the present StreamProtocol and RS485Mode) and the time-outs. A failure is a fatal
    // error ("Error on save / load config information from registry").
    virtual void SaveConfig(const std::string& Root, const std::string& Key,
                            const std::string& Name);
    virtual void LoadConfig(const std::string& Root, const std::string& Key,
                            const std::string& Name);
    // Where the store keeps its files; ConfigStore::defaultFolder() unless set.
    void setConfigFolder(std::filesystem::path folder) { m_configFolder = std::move(folder); }

    // ---- devices on the line (see PnpIdentification.cpp) ----------------------------------------
    // On an open port: purges, DTR on, RTS off, and waits up to 200 ms for DSR; with DSR, RTS
    // on; without, the fatal error "Device Connect Initialization Error".
    virtual void InitDeviceConnect();
    // The identification string of a Plug and Play serial device (the exchange at 1200 baud, 7
    // data bits, with its DTR/RTS sequence); empty when the device sends none. Opens the port
    // for the exchange and leaves it open or closed as it was (reopened: subscribers see the
    // close and the open). Takes about half a second, a second when the device answers only the
    // second request.
    virtual void GetPNPDeviceString(std::string& S);

  protected:
    int OpenDeviceHandle() override;

  private:
    std::string readIdentification();  // the exchange itself, on the exchange's line settings

    std::uint16_t m_comPortNo = 1;
    TscEnumPorts m_enumPorts = epQuickAll;
    std::shared_ptr<const PortNameResolver> m_resolver;
    std::filesystem::path m_devicePath;
    std::shared_ptr<UdevSource> m_deviceSource;
    bool m_deviceSourceSet = false;
    std::filesystem::path m_configFolder;
};

}  // namespace serial
