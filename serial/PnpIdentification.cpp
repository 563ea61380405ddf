// TscCustomSerialComm: the device connection test and the identification exchange of Plug and
// Play serial devices. The modem lines go through the component's LineControl, so a test can
// play the device.

#include <chrono>
#include <thread>

#include "serial/TscCustomSerialComm.h"

namespace serial {

namespace {

constexpr std::uint32_t kLineWaitMs = 200;
constexpr auto kLinePause = std::chrono::milliseconds(200);
constexpr char kConnectError[] = "Device Connect Initialization Error";

}  // namespace

void TscCustomSerialComm::InitDeviceConnect() {
    if (!IsOpen()) return;
    ClearDeviceBuffers();
    SetStateDTR(true);
    SetStateRTS(false);
    if (WaitForSignal(msDSR, kLineWaitMs)) {
        SetStateRTS(true);
        log(1, "The device connection was succesful tested");
    } else {
        DoFatalError(1, 0, kConnectError, false);
    }
}

void TscCustomSerialComm::GetPNPDeviceString(std::string& S) {
    S.clear();
    const bool wasOpen = IsOpen();
    setActive(true);
    if (!IsOpen()) return;

    ClearDeviceBuffers();
    SetStateDTR(true);
    SetStateRTS(false);
    if (!WaitForSignal(msDSR, kLineWaitMs)) {
        // Leave the port as it was found before reporting: a closed port stays closed.
        if (!wasOpen) setActive(false);
        DoFatalError(1, 0, kConnectError, false);
        return;
    }

    // The exchange's line settings for its duration; the component's own come back at the end.
    setLineRecord(Dcb(), true);
    const DCB keptDcb = Dcb();
    const TTraceStates keptTraceStates = TraceStates();
    DCB exchange = keptDcb;
    exchange.BaudRate = 1200;
    exchange.Parity = pNone;
    exchange.Flags &= ~kDcbParity;
    exchange.ByteSize = 7;
    exchange.StopBits = sbOne;
    setLineRecord(exchange, false);
    setTraceStates({});
    auto restore = [&] {
        setLineRecord(keptDcb, false);
        setTraceStates(keptTraceStates);
        setActive(false);
        if (wasOpen) setActive(true);  // a failure raises as any open does
    };
    // The answer is for this exchange alone: no receiver gets its bytes.
    const bool held = m_holdReceived.exchange(true);
    try {
        S = readIdentification();
        m_holdReceived = held;
    } catch (...) {
        m_holdReceived = held;
        try {
            restore();
        } catch (...) {  // the first failure is the one to report
        }
        throw;
    }
    restore();
}

std::string TscCustomSerialComm::readIdentification() {
    // The device is asked to send its identification: DTR off and on, then RTS on.
    SetStateDTR(false);
    SetStateRTS(false);
    std::this_thread::sleep_for(kLinePause);
    SetStateDTR(true);
    std::this_thread::sleep_for(kLinePause);
    SetStateRTS(true);
    bool answered = WaitForBytes(1, kLineWaitMs);
    if (!answered) {
        SetStateDTR(false);
        SetStateRTS(false);
        std::this_thread::sleep_for(kLinePause);
        SetStateDTR(true);
        SetStateRTS(true);
        answered = WaitForBytes(1, kLineWaitMs);
    }
    std::uint8_t byte = 0;
    if (!answered || Read(&byte, 1) != 1) return {};
    // The begin marker says which end marker closes the string.
    std::uint8_t endMarker;
    if (byte == 0x08) {
        endMarker = 0x09;
    } else if (byte == '(') {
        endMarker = ')';
    } else {
        return {};
    }
    std::string id(1, static_cast<char>(byte));
    while (WaitForBytes(1, kLineWaitMs) && Read(&byte, 1) == 1) {
        id += static_cast<char>(byte);
        if (byte == endMarker) break;
    }
    return id;
}

}  // namespace serial
