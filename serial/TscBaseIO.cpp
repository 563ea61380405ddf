#include "serial/TscBaseIO.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <mutex>

#include "serial/SerialError.h"
#include "serial/posix/PortDevice.h"

namespace serial {

TscBaseIO::TscBaseIO() = default;

TscBaseIO::~TscBaseIO() {
    setTerminal(nullptr);
}

bool TscBaseIO::Active() const {
    return m_loading ? m_activeStored : IsOpen();
}

void TscBaseIO::setActive(bool value) {
    if (m_loading) {
        m_activeStored = value;
        return;
    }
    if (value == IsOpen()) return;
    if (value) {
        DoOpen();
    } else {
        DoClose();
    }
}

void TscBaseIO::setUseMainThread(bool value) {
    m_useMainThread = value;
    useMainThreadChanged();
}

void TscBaseIO::setDispatcher(std::shared_ptr<MainThreadDispatcher> dispatcher) {
    m_dispatcher = std::move(dispatcher);
}

void TscBaseIO::setExceptionPresenter(std::function<void(const std::string&)> presenter) {
    m_presenter = std::move(presenter);
}

void TscBaseIO::Loaded() {
    if (!m_loading) return;
    m_loading = false;
    try {
        setActive(m_activeStored);
    } catch (const std::exception& e) {
        // The port stays closed; the user learns why.
        present(e.what());
    }
}

TscDevice* TscBaseIO::GetDevice(int index) const {
    if (index < 0 || index >= DeviceCount()) return nullptr;
    return m_devices[static_cast<std::size_t>(index)].second.get();
}

int TscBaseIO::IndexOfDevice(const TscDevice* device) const {
    for (int i = 0; i < DeviceCount(); ++i) {
        if (m_devices[static_cast<std::size_t>(i)].second.get() == device) return i;
    }
    return -1;
}

void TscBaseIO::CloseDeviceHandle() {
    {
        std::unique_lock lock(m_handleMutex);
        const int fd = m_handle.exchange(kInvalidHandle);
        if (fd == kInvalidHandle) return;
        ++m_session;
        posix::ClosePortDevice(fd);
    }
    if (OnClose) {
        try {
            OnClose(*this);
        } catch (...) {  // the port is closed whatever the handler thinks of it
        }
    }
}

bool TscBaseIO::HasReceiver() const {
    return OnAfterReceive || m_dataProcessor != nullptr || m_terminal != nullptr;
}

void TscBaseIO::DoOpen() {
    DoClose();
    const int fd = OpenDeviceHandle();
    if (fd == kInvalidHandle) {
        m_fatalSystemError = m_openSystemError;
        DoFatalError(1, 0, "Device open error", false);
        m_fatalSystemError = 0;
        return;
    }
    m_handle = fd;
    ++m_session;
    DoNotify(kNotifyOpened);
}

void TscBaseIO::DoClose() {
    if (!IsOpen()) return;
    CloseDeviceHandle();
    DoNotify(kNotifyClosed);
}

void TscBaseIO::DoFatalError(std::uint32_t ErrorCode, std::uint32_t Detail, const std::string& Msg,
                             bool ShowOnly) {
    bool raise = true;
    if (OnFatalError) OnFatalError(*this, ErrorCode, Detail, Msg, raise);
    logFmt(0, "Fatal Error: %u, %u, %s",
           {std::uint64_t{ErrorCode}, std::uint64_t{Detail}, std::string(Msg)});
    if (!raise || m_loading) return;
    if (ShowOnly) {
        present(Msg);
        return;
    }
    throw PortError(Msg, ErrorCode, Detail, m_fatalSystemError);
}

void TscBaseIO::DoNotify(int Code) {
    m_notifyList.notify(*this, Code);
}

void TscBaseIO::DoReceived(const std::uint8_t* Buffer, std::uint32_t Count) {
    if (m_log) log(2, "Input data length: " + std::to_string(Count));
    bool handled = false;
    if (m_dataProcessor) m_dataProcessor->DoProcessing(Buffer, Count, handled);
    if (m_terminal && !handled) TerminalWrite(Buffer, Count);
    if (OnAfterReceive) OnAfterReceive(*this, Buffer, Count);
}

void TscBaseIO::DoAfterSend() {
    if (OnAfterSend) OnAfterSend(*this);
}

void TscBaseIO::SetDeviceIndex(int Value) {
    (void)Value;
}

void TscBaseIO::AddDevice(const std::string& Name, std::unique_ptr<TscDevice> Device) {
    Device->fParent = this;
    Device->fIndex = DeviceCount();
    m_devices.emplace_back(Name, std::move(Device));
}

void TscBaseIO::InsertDevice(std::unique_ptr<TscDevice> Device) {
    auto higher = std::find_if(m_devices.begin(), m_devices.end(),
                               [&](const auto& item) { return item.second->Data >= Device->Data; });
    if (higher != m_devices.end() && higher->second->Data == Device->Data) return;
    Device->fParent = this;
    std::string name = Device->NameFriendly;
    m_devices.emplace(higher, std::move(name), std::move(Device));
    for (int i = 0; i < DeviceCount(); ++i)
        m_devices[static_cast<std::size_t>(i)].second->fIndex = i;
}

void TscBaseIO::ClearDeviceList() {
    m_devices.clear();
}

void TscBaseIO::setTerminal(TscTerminal* terminal) {
    if (terminal == m_terminal) return;
    if (TscTerminal* old = std::exchange(m_terminal, nullptr)) old->TerminalAttached(nullptr);
    m_terminal = terminal;
    if (m_terminal) m_terminal->TerminalAttached(this);
}

bool TscBaseIO::TerminalKeyTyped(std::uint8_t ch) {
    // A received byte written as a typed character comes through here too: it is shown only.
    if (m_terminalWriting) return true;
    if (m_terminalUsage != tuSend && m_terminalUsage != tuBoth) return true;
    SendChar(ch);
    return m_terminalEcho;
}

void TscBaseIO::TerminalWrite(const std::uint8_t* Buffer, std::uint32_t Count) {
    if (!m_terminal || Count == 0) return;
    if (m_terminalUsage != tuReceive && m_terminalUsage != tuBoth) return;
    struct WritingGuard {
        bool& flag;
        explicit WritingGuard(bool& f) : flag(f) { flag = true; }
        ~WritingGuard() { flag = false; }
    } guard(m_terminalWriting);
    if (Count == 1) {
        m_terminal->TypeChar(Buffer[0]);
        return;
    }
    // Several bytes: one insertion per piece between NUL bytes (which an edit cannot hold).
    const std::string_view bytes(reinterpret_cast<const char*>(Buffer), Count);
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string_view::npos) end = bytes.size();
        if (end > start) m_terminal->InsertText(bytes.substr(start, end - start));
        start = end + 1;
    }
}

void TscBaseIO::SetExtHandle(int aHandle) {
    if (aHandle == 0 || aHandle == kInvalidHandle) return;
    if (IsOpen()) setActive(false);
    m_extHandle = aHandle;
    setActive(true);
}

bool TscBaseIO::NotifyAdd(const void* Key, TscNotifyEvent Event) {
    return m_notifyList.add(Key, std::move(Event));
}

bool TscBaseIO::NotifyDelete(const void* Key) {
    return m_notifyList.remove(Key);
}

void TscBaseIO::GetDeviceList(TscDeviceList* L) {
    if (m_devices.empty()) DeviceListLoad();
    if (!L) return;
    L->clear();
    for (const auto& [name, device] : m_devices)
        L->emplace_back(name, device.get());
}

bool TscBaseIO::WMDeviceChange(std::uint32_t Event, std::uint32_t DeviceType) {
    const bool portCameOrWent =
        (Event == kDeviceArrived || Event == kDeviceRemoved) && DeviceType == kDeviceTypePort;
    if (Event != kDeviceNodesChanged && !portCameOrWent) return false;
    Update();
    return true;
}

void TscBaseIO::log(int level, const std::string& text) {
    if (!m_log) return;
    if (text.empty()) {
        m_log->AddSysInfo();
    } else {
        m_log->AddLog(level, m_logPrefix + text);
    }
}

void TscBaseIO::logFmt(int level, const std::string& format, const std::vector<TscLogArg>& args) {
    if (m_log) m_log->AddLogFmt(level, m_logPrefix + format, args);
}

void TscBaseIO::present(const std::string& message) {
    if (m_presenter) {
        m_presenter(message);
    } else {
        std::cerr << message << std::endl;
    }
}

}  // namespace serial
