#include "serial/TscCustomSerialComm.h"

#include <cerrno>
#include <utility>

#include "serial/posix/PortDevice.h"

namespace serial {

TscCustomSerialComm::TscCustomSerialComm() : m_resolver(std::make_shared<PortNameResolver>()) {}

void TscCustomSerialComm::setComPortNo(std::uint16_t value) {
    const bool wasOpen = IsOpen();
    if (wasOpen) setActive(false);
    m_comPortNo = value;
    if (wasOpen) setActive(true);
    DoNotify(kNotifyChanged);
}

TComPort TscCustomSerialComm::ComPort() const {
    if (m_comPortNo == 0 || m_comPortNo > 8) return cpCOMxx;
    return static_cast<TComPort>(m_comPortNo - 1);
}

void TscCustomSerialComm::setComPort(TComPort value) {
    if (value >= cpCOMxx) return;
    setComPortNo(static_cast<std::uint16_t>(value + 1));
}

void TscCustomSerialComm::setPortNameResolver(std::shared_ptr<const PortNameResolver> resolver) {
    if (resolver) m_resolver = std::move(resolver);
}

std::string TscCustomSerialComm::DeviceName() const {
    if (const TscDevice* device = GetDevice(GetDeviceIndex())) return device->PortName;
    return "COM" + std::to_string(m_comPortNo);
}

int TscCustomSerialComm::GetDeviceIndex() const {
    for (int i = 0; i < DeviceCount(); ++i) {
        if (GetDevice(i)->Data == m_comPortNo) return i;
    }
    return -1;
}

void TscCustomSerialComm::SetDeviceIndex(int Value) {
    if (Value < 0 || Value >= DeviceCount()) return;
    setComPortNo(static_cast<std::uint16_t>(GetDevice(Value)->Data));
}

void TscCustomSerialComm::Update() {
    ClearDeviceList();
    GetDeviceList(nullptr);
    DoNotify(kNotifyChanged);
}

void TscCustomSerialComm::setDeviceSource(std::shared_ptr<UdevSource> source) {
    m_deviceSource = std::move(source);
    m_deviceSourceSet = true;
}

void TscCustomSerialComm::DeviceListLoad() {
    const std::vector<PortValue> values = QuickPortValues(*m_resolver);
    std::vector<TscDevice> full;
    if (m_enumPorts != epQuickAll) {
        // The device manager is asked for on first use only.
        if (!m_deviceSourceSet) setDeviceSource(systemUdevSource());
        if (m_deviceSource) {
            full = BuildFullList(m_deviceSource->ttys(), values, m_enumPorts == epFullPresent,
                                 m_resolver->roots().dev);
        }
    }
    for (TscDevice& entry : LoadDeviceEntries(BuildQuickList(values), std::move(full), m_enumPorts))
        InsertDevice(std::make_unique<TscDevice>(std::move(entry)));
}

int TscCustomSerialComm::OpenDeviceHandle() {
    m_openSystemError = 0;
    if (m_extHandle != kInvalidHandle) return std::exchange(m_extHandle, kInvalidHandle);
    const auto path = m_resolver->resolve(DeviceName());
    if (!path) {
        m_devicePath.clear();
        m_openSystemError = ENOENT;
        return kInvalidHandle;
    }
    m_devicePath = *path;
    const posix::OpenResult opened = posix::OpenPortDevice(path->string());
    m_openSystemError = opened.error;
    return opened.fd;
}

}  // namespace serial
