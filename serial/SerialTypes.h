#pragma once

// Enumerations, sets and platform codes of the serial port component family. The element order
// of every enumeration is part of the interface: sets are bit sets where bit n is element n, and
// the line codes equal the DCB codes (TParity 0..4, TStopBits 0..2).

#include <cstdint>
#include <initializer_list>

namespace serial {

enum TParity : std::uint8_t { pNone, pOdd, pEven, pMark, pSpace };
enum TStopBits : std::uint8_t { sbOne, sbOneAndHalf, sbTwo };
enum TComPort : std::uint8_t {
    cpCOM1,
    cpCOM2,
    cpCOM3,
    cpCOM4,
    cpCOM5,
    cpCOM6,
    cpCOM7,
    cpCOM8,
    cpCOMxx
};
enum TStreamProtocol : std::uint8_t { spNone, spXonXoff, spHardware };
enum TscEnumPorts : std::uint8_t { epQuickAll, epFullInfo, epFullPresent };
enum TTerminalUsage : std::uint8_t { tuNone, tuSend, tuReceive, tuBoth };
enum TTraceState : std::uint8_t {
    tsRxChar,
    tsRxFlag,
    tsTxEmpty,
    tsCTS,
    tsDSR,
    tsRLSD,
    tsBreak,
    tsErr,
    tsRing,
    tsRx80Full,
    tsEvent1,
    tsEvent2
};
enum TModemSignal : std::uint8_t { msCTS, msDSR, msRing, msRLSD };
// The low byte of the port status flag word.
enum TComStateFlag : std::uint8_t {
    fCtlHold,
    fDsrHold,
    fRlsHold,
    fXoffHold,
    fXOffSent,
    fEof,
    fTxim
};

// A set of enumeration elements stored as bits (bit n = element n).
template <typename Element, typename Bits>
class EnumSet {
  public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<Element> elements) {
        for (Element e : elements)
            insert(e);
    }
    static constexpr EnumSet fromBits(Bits bits) {
        EnumSet set;
        set.m_bits = bits;
        return set;
    }

    constexpr Bits bits() const { return m_bits; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr bool contains(Element e) const { return (m_bits & bit(e)) != 0; }
    constexpr void insert(Element e) { m_bits = static_cast<Bits>(m_bits | bit(e)); }
    constexpr void erase(Element e) { m_bits = static_cast<Bits>(m_bits & ~bit(e)); }
    constexpr bool operator==(const EnumSet&) const = default;

  private:
    static constexpr Bits bit(Element e) { return static_cast<Bits>(Bits{1} << e); }
    Bits m_bits = 0;
};

using TTraceStates = EnumSet<TTraceState, std::uint16_t>;
using TModemSignals = EnumSet<TModemSignal, std::uint8_t>;
using TComStateFlags = EnumSet<TComStateFlag, std::uint8_t>;

// Port event bits: which events the event thread waits for and reports.
inline constexpr std::uint32_t kEvRxChar = 0x0001;
inline constexpr std::uint32_t kEvRxFlag = 0x0002;
inline constexpr std::uint32_t kEvTxEmpty = 0x0004;
inline constexpr std::uint32_t kEvCts = 0x0008;
inline constexpr std::uint32_t kEvDsr = 0x0010;
inline constexpr std::uint32_t kEvRlsd = 0x0020;
inline constexpr std::uint32_t kEvBreak = 0x0040;
inline constexpr std::uint32_t kEvErr = 0x0080;
inline constexpr std::uint32_t kEvRing = 0x0100;
inline constexpr std::uint32_t kEvPErr = 0x0200;  // printer error: never asked for
inline constexpr std::uint32_t kEvRx80Full = 0x0400;
inline constexpr std::uint32_t kEvEvent1 = 0x0800;
inline constexpr std::uint32_t kEvEvent2 = 0x1000;

// Line error bits, as reported in OnCommError's CommCode.
inline constexpr std::uint32_t kCeRxOver = 0x0001;    // the input queue overflowed
inline constexpr std::uint32_t kCeOverrun = 0x0002;   // the receiver lost characters
inline constexpr std::uint32_t kCeRxParity = 0x0004;  // parity error
inline constexpr std::uint32_t kCeFrame = 0x0008;     // framing error
inline constexpr std::uint32_t kCeBreak = 0x0010;     // break condition

// Purge flags.
inline constexpr std::uint32_t kPurgeTxAbort = 0x0001;
inline constexpr std::uint32_t kPurgeRxAbort = 0x0002;
inline constexpr std::uint32_t kPurgeTxClear = 0x0004;
inline constexpr std::uint32_t kPurgeRxClear = 0x0008;

// Codes told to the subscribers of a component.
inline constexpr int kNotifyClosed = 1;
inline constexpr int kNotifyOpened = 2;
inline constexpr int kNotifyChanged = 3;  // another port was selected, or the device list changed

// The device-change events WMDeviceChange takes (what the program's device monitor saw), and the
// device type of a serial port.
inline constexpr std::uint32_t kDeviceNodesChanged = 0x0007;  // devices came, went or changed
inline constexpr std::uint32_t kDeviceArrived = 0x8000;
inline constexpr std::uint32_t kDeviceRemoved = 0x8004;
inline constexpr std::uint32_t kDeviceTypePort = 3;

// The event mask asked of the port for a set of trace states. Character received is always in
// it; transmit-queue-empty also when the component switches RTS itself for RS485.
std::uint32_t ComposeEventMask(TTraceStates traceStates, bool softwareRs485);

// The trace states carried by an event mask (character received and transmit queue empty are not
// carried over: they have their own events).
TTraceStates TraceStatesFromEvents(std::uint32_t eventMask);

}  // namespace serial
