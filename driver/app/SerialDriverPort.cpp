#include "driver/app/SerialDriverPort.h"

#include <utility>

#include "serial/PortNames.h"
#include "serial/qt/QtMainThreadDispatcher.h"

namespace driver {

SerialDriverPort::SerialDriverPort(const std::filesystem::path& settingsFile,
                                   std::shared_ptr<serial::LineControl> lines) {
    m_comm.setBaudRate(1200);
    m_comm.setByteSize(8);
    m_comm.setParity(serial::pOdd);
    m_comm.setStopBits(serial::sbOne);
    // RTS keys the modem; the component must not switch it for flow control.
    m_comm.setStreamProtocol(serial::spNone);
    m_comm.setUseMainThread(true);
    m_comm.setDispatcher(std::make_shared<serial::QtMainThreadDispatcher>());
    m_comm.setPortNameResolver(std::make_shared<serial::PortNameResolver>(settingsFile));
    if (lines) m_comm.setLineControl(std::move(lines));
    m_comm.OnAfterReceive = [this](serial::TscBaseIO&, const std::uint8_t* buffer,
                                   std::uint32_t received) {
        if (onReceived) onReceived(std::span<const std::uint8_t>(buffer, received));
    };
    m_comm.OnCommError = [this](serial::TscBaseIO&, std::uint32_t, std::uint32_t,
                                serial::TComStateFlags, bool&) {
        if (onLineError) onLineError();
    };
    m_comm.OnClose = [this](serial::TscBaseIO&) {
        if (!m_closing && onGone) onGone();
    };
}

SerialDriverPort::~SerialDriverPort() {
    // The handlers point at this object and at the program's engine: no event may reach them
    // while the component shuts down.
    m_comm.OnAfterReceive = nullptr;
    m_comm.OnCommError = nullptr;
    m_comm.OnClose = nullptr;
    try {
        m_comm.setActive(false);
    } catch (...) {
        // Ending anyway; the system releases the device with the process.
    }
}

namespace {

// Marks the closes that follow as the port's own for as long as it lives.
class OwnClose {
  public:
    explicit OwnClose(bool& flag) : m_flag(flag), m_was(std::exchange(flag, true)) {}
    ~OwnClose() { m_flag = m_was; }
    OwnClose(const OwnClose&) = delete;
    OwnClose& operator=(const OwnClose&) = delete;

  private:
    bool& m_flag;
    bool m_was;
};

}  // namespace

void SerialDriverPort::open(int number) {
    OwnClose own(m_closing);
    m_comm.setActive(false);
    m_comm.setComPortNo(static_cast<std::uint16_t>(number));
    m_comm.setActive(true);
}

void SerialDriverPort::close() {
    OwnClose own(m_closing);
    m_comm.setActive(false);
}

bool SerialDriverPort::dsr() const {
    return m_comm.ModemSignals().contains(serial::msDSR);
}

void SerialDriverPort::SendString(std::span<const std::uint8_t> bytes) {
    m_comm.SendData(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

void SerialDriverPort::setExceptionPresenter(std::function<void(const std::string&)> presenter) {
    m_comm.setExceptionPresenter(std::move(presenter));
}

}  // namespace driver
