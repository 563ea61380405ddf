#pragma once

// The line record (DCB) and the other fixed-layout records of the serial component. They keep the
// field layout of the platform that first defined them, because the configuration store writes
// the DCB as 28 bytes: DcbToBytes / DcbFromBytes give that little-endian byte form whatever the
// host. The DCB is the single source of the line settings: every line property reads and writes
// it, and ComposeDcb sets its flow-control part.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "serial/SerialTypes.h"

namespace serial {

// Flag word of the DCB.
inline constexpr std::uint32_t kDcbBinary = 0x0001;
inline constexpr std::uint32_t kDcbParity = 0x0002;  // parity is checked and its errors reported
inline constexpr std::uint32_t kDcbOutxCtsFlow = 0x0004;
inline constexpr std::uint32_t kDcbOutxDsrFlow = 0x0008;
inline constexpr std::uint32_t kDcbDtrControlMask = 0x0030;
inline constexpr std::uint32_t kDcbDtrControlEnable = 0x0010;
inline constexpr std::uint32_t kDcbDtrControlHandshake = 0x0020;
inline constexpr std::uint32_t kDcbDsrSensitivity = 0x0040;
inline constexpr std::uint32_t kDcbTxContinueOnXoff = 0x0080;
inline constexpr std::uint32_t kDcbOutX = 0x0100;
inline constexpr std::uint32_t kDcbInX = 0x0200;
inline constexpr std::uint32_t kDcbErrorChar = 0x0400;
inline constexpr std::uint32_t kDcbNull = 0x0800;
inline constexpr std::uint32_t kDcbRtsControlMask = 0x3000;
inline constexpr std::uint32_t kDcbRtsControlEnable = 0x1000;
inline constexpr std::uint32_t kDcbRtsControlHandshake = 0x2000;
inline constexpr std::uint32_t kDcbRtsControlToggle = 0x3000;
inline constexpr std::uint32_t kDcbAbortOnError = 0x4000;

// The flags a composition keeps from the present DCB; all others are set by the composition.
inline constexpr std::uint32_t kDcbKeptFlags = 0x4CEA;
// The flag combinations of each flow-control choice.
inline constexpr std::uint32_t kDcbFlowRs485 = 0x3011;     // binary, DTR on, RTS toggles
inline constexpr std::uint32_t kDcbFlowNone = 0x1011;      // binary, DTR on, RTS on
inline constexpr std::uint32_t kDcbFlowXonXoff = 0x1311;   // the same with XON/XOFF both ways
inline constexpr std::uint32_t kDcbFlowHardware = 0x2015;  // binary, CTS flow, DTR on, RTS flow

struct DCB {
    std::uint32_t DCBlength = 28;
    std::uint32_t BaudRate = 0;
    std::uint32_t Flags = 0;
    std::uint16_t wReserved = 0;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    std::uint8_t ByteSize = 0;
    std::uint8_t Parity = 0;    // TParity code
    std::uint8_t StopBits = 0;  // TStopBits code
    std::uint8_t XonChar = 0;
    std::uint8_t XoffChar = 0;
    std::uint8_t ErrorChar = 0;
    std::uint8_t EofChar = 0;
    std::uint8_t EvtChar = 0;
    std::uint16_t wReserved1 = 0;

    bool operator==(const DCB&) const = default;
};
static_assert(sizeof(DCB) == 28 && offsetof(DCB, ByteSize) == 18 && offsetof(DCB, EvtChar) == 25);

// The port configuration record that holds the DCB (size field 52).
struct COMMCONFIG {
    std::uint32_t dwSize = 52;
    std::uint16_t wVersion = 1;
    std::uint16_t wReserved = 0;
    DCB dcb;
    std::uint32_t dwProviderSubType = 1;  // a serial port
    std::uint32_t dwProviderOffset = 0;
    std::uint32_t dwProviderSize = 0;
    std::uint16_t wcProviderData[2] = {};
};
static_assert(sizeof(COMMCONFIG) == 52);

// Read and write time-outs in milliseconds (20 bytes). The component uses ReadIntervalTimeout
// (TimeoutRead) and WriteTotalTimeoutConstant (TimeoutWrite); the others stay 0.
struct COMMTIMEOUTS {
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
    bool operator==(const COMMTIMEOUTS&) const = default;
};
static_assert(sizeof(COMMTIMEOUTS) == 20);

// Port status: the hold flags (low byte: TComStateFlags) and the two queue counts.
struct COMSTAT {
    std::uint32_t Flags = 0;
    std::uint32_t cbInQue = 0;
    std::uint32_t cbOutQue = 0;
};

// What a port can do and its present queue sizes (64 bytes; CommProp). The masks use the
// constants below.
struct COMMPROP {
    std::uint16_t wPacketLength = 64;
    std::uint16_t wPacketVersion = 2;
    std::uint32_t dwServiceMask = 0;
    std::uint32_t dwReserved1 = 0;
    std::uint32_t dwMaxTxQueue = 0;  // 0: no limit the program can know
    std::uint32_t dwMaxRxQueue = 0;
    std::uint32_t dwMaxBaud = 0;
    std::uint32_t dwProvSubType = 0;
    std::uint32_t dwProvCapabilities = 0;
    std::uint32_t dwSettableParams = 0;
    std::uint32_t dwSettableBaud = 0;
    std::uint16_t wSettableData = 0;
    std::uint16_t wSettableStopParity = 0;
    std::uint32_t dwCurrentTxQueue = 0;
    std::uint32_t dwCurrentRxQueue = 0;
    std::uint32_t dwProvSpec1 = 0;
    std::uint32_t dwProvSpec2 = 0;
    std::uint16_t wcProvChar[1] = {};
};
static_assert(sizeof(COMMPROP) == 64);

inline constexpr std::uint32_t kSpSerialComm = 0x0001;  // dwServiceMask
inline constexpr std::uint32_t kPstRs232 = 0x0001;      // dwProvSubType
inline constexpr std::uint32_t kBaudUser = 0x10000000;  // any rate (dwMaxBaud, dwSettableBaud)
inline constexpr std::uint16_t kDataBits5To8 = 0x000F;  // wSettableData: 5, 6, 7 and 8 bits
inline constexpr std::uint16_t kStopBits1 = 0x0001;     // wSettableStopParity
inline constexpr std::uint16_t kStopBits15 = 0x0002;
inline constexpr std::uint16_t kStopBits2 = 0x0004;
inline constexpr std::uint16_t kParityNone = 0x0100;
inline constexpr std::uint16_t kParityOdd = 0x0200;
inline constexpr std::uint16_t kParityEven = 0x0400;
inline constexpr std::uint16_t kParityMark = 0x0800;
inline constexpr std::uint16_t kParitySpace = 0x1000;

// Sets the flow-control flags, the XON/XOFF limits and characters of dcb: keeps only the flags of
// kDcbKeptFlags, then adds those of RS485 mode or of the stream protocol. Baud rate, data bits,
// parity, stop bits and event character are left as they are (they are the property values).
void ComposeDcb(DCB& dcb, TStreamProtocol protocol, bool rs485Mode);

// The choices a DCB stands for (after an outside party, such as a configuration dialog, wrote it).
TStreamProtocol StreamProtocolFromDcb(const DCB& dcb);
bool Rs485ModeFromDcb(const DCB& dcb);

std::array<std::uint8_t, 28> DcbToBytes(const DCB& dcb);
// Reads a DCB from its 28-byte form; the first 28 bytes are used (the span must hold them).
DCB DcbFromBytes(std::span<const std::uint8_t, 28> bytes);

}  // namespace serial
