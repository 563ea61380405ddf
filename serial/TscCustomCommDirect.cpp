// TscCustomComm: the reads and waits for programs that poll, the further line operations, the
// port's properties and its configuration dialog.

#include <algorithm>
#include <chrono>
#include <thread>

#include "serial/TscCustomComm.h"
#include "serial/posix/PortDevice.h"

namespace serial {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kWaitStep = std::chrono::milliseconds(5);

bool passed(Clock::time_point start, std::uint32_t ms) {
    return Clock::now() - start > std::chrono::milliseconds(ms);
}

}  // namespace

// ---- reads -------------------------------------------------------------------------------------

std::uint32_t TscCustomComm::Read(std::uint8_t* Buffer, std::uint32_t Len) {
    if (Len == 0) return 0;
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd == kInvalidHandle) return 0;
    std::uint32_t got = 0;
    bool readable = false;  // poll said so: a read that then finds nothing means a hang-up
    while (got < Len) {
        const long n = posix::ReadWaiting(fd, Buffer + got, Len - got);
        if (n < 0 || (n == 0 && readable)) break;  // the port failed or hung up
        got += static_cast<std::uint32_t>(n);
        if (got == Len) break;
        const std::uint32_t interval = m_timeouts.ReadIntervalTimeout;
        const int waitMs = (got > 0 && interval > 0) ? static_cast<int>(interval) : -1;
        // False when the time between two bytes passed, or the port hung up.
        readable = posix::WaitReadable(fd, waitMs);
        if (!readable) break;
    }
    return got;
}

std::uint32_t TscCustomComm::ReadAll(std::vector<std::uint8_t>& Buffer) {
    Buffer.resize(ReadyForRead());
    Buffer.resize(Read(Buffer.data(), static_cast<std::uint32_t>(Buffer.size())));
    return static_cast<std::uint32_t>(Buffer.size());
}

std::uint32_t TscCustomComm::ReadMax(std::uint8_t* Buffer, std::uint32_t Max) {
    return Read(Buffer, std::min(Max, ReadyForRead()));
}

std::string TscCustomComm::ReadString() {
    std::vector<std::uint8_t> bytes;
    ReadAll(bytes);
    return std::string(bytes.begin(), bytes.end());
}

// ---- waits -------------------------------------------------------------------------------------

void TscCustomComm::letMainThreadRun() {
    // Only the owner's thread is the main thread; from a handler on the message thread the
    // wait just sleeps.
    if (m_dispatcher && m_useMainThread && std::this_thread::get_id() == m_ownerThread) {
        m_dispatcher->processPending();
    }
}

bool TscCustomComm::WaitForBytes(std::uint32_t Count, std::uint32_t Ms) {
    if (!IsOpen()) return false;
    const TTraceStates kept = m_traceStates;
    TTraceStates withoutRxChar = kept;
    withoutRxChar.erase(tsRxChar);
    setTraceStates(withoutRxChar);
    const bool held = m_holdReceived.exchange(true);
    const auto start = Clock::now();
    bool reached = false;
    while (IsOpen()) {
        if (ReadyForRead() >= Count) {
            reached = true;
            break;
        }
        if (passed(start, Ms)) break;
        std::this_thread::sleep_for(kWaitStep);
        letMainThreadRun();
    }
    m_holdReceived = held;
    setTraceStates(kept);
    return reached;
}

bool TscCustomComm::WaitForSignal(unsigned Signal, std::uint32_t Ms) {
    if (!IsOpen()) return false;
    const auto start = Clock::now();
    while (IsOpen()) {
        if (Signal <= 7 && ((ModemSignals().bits() >> Signal) & 1u)) return true;
        if (passed(start, Ms)) break;
        std::this_thread::sleep_for(kWaitStep);
        letMainThreadRun();
    }
    return false;
}

// ---- further line operations -------------------------------------------------------------------

void TscCustomComm::SendAheadChar(std::uint8_t Ch) {
    if (!IsOpen()) return;
    writeBytes(&Ch, 1);
}

void TscCustomComm::FlushOutputBuffer() {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd != kInvalidHandle) (void)posix::DrainOutput(fd);
}

void TscCustomComm::SetStateX(bool State) {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd != kInvalidHandle) (void)posix::SetOutputFlow(fd, State);
}

void TscCustomComm::SetStateBreak(bool State) {
    auto lock = useHandle();
    const int fd = m_handle.load();
    if (fd != kInvalidHandle) (void)posix::SetBreak(fd, State);
}

const COMMPROP& TscCustomComm::CommProp() {
    if (!IsOpen()) return m_commProp;
    // What a POSIX serial port offers: every line setting the DCB has, any baud rate (Linux
    // sets rates without a constant exactly), the modem lines, both kinds of flow control, the
    // read-interval and total write time-outs.
    COMMPROP p;
    p.dwServiceMask = kSpSerialComm;
    p.dwMaxBaud = kBaudUser;
    p.dwProvSubType = kPstRs232;
    p.dwProvCapabilities = 0x0001 | 0x0002 | 0x0004 | 0x0008 | 0x0010 | 0x0020 | 0x0040 |
                           0x0080;  // DTR/DSR, RTS/CTS, RLSD, parity check, XON/XOFF, XON/XOFF
                                    // characters, total and interval time-outs
    p.dwSettableParams = 0x007F;    // parity, baud, data bits, stop bits, handshaking,
                                    // parity check, RLSD
    p.dwSettableBaud = 0x0007FFFF | kBaudUser;  // 75 .. 115200 baud and any other rate
    p.wSettableData = kDataBits5To8;
    p.wSettableStopParity = kStopBits1 | kStopBits15 | kStopBits2 | kParityNone | kParityOdd |
                            kParityEven | kParityMark | kParitySpace;
    p.dwCurrentTxQueue = m_bufferOutSize;
    p.dwCurrentRxQueue = m_bufferInSize;
    m_commProp = p;
    return m_commProp;
}

// ---- the configuration dialog ------------------------------------------------------------------

void TscCustomComm::rederiveFlowChoices() {
    m_protocol = StreamProtocolFromDcb(m_config.dcb);
    m_rs485Mode = Rs485ModeFromDcb(m_config.dcb);
    writeEventMask();
}

bool TscCustomComm::ConfigDialog() {
    {
        auto lock = useHandle();
        const int fd = m_handle.load();
        if (fd != kInvalidHandle) (void)posix::ReadLineSettings(fd, m_config.dcb);
    }
    rederiveFlowChoices();
    if (!m_configDialog) return false;
    const auto chosen = m_configDialog(DeviceName(), LineSettingsFromDcb(m_config.dcb));
    if (!chosen) return false;
    ApplyLineSettingsToDcb(*chosen, m_config.dcb);
    if (IsOpen()) writeDcbToPort(false);
    rederiveFlowChoices();
    return true;
}

}  // namespace serial
