// The line record: its composition, byte layout and translation to terminal settings, the event
// mask, and the mapping of error counters and open errors.

#include <gtest/gtest.h>

#include <cerrno>

#include "serial/Dcb.h"
#include "serial/LineControl.h"
#include "serial/SerialError.h"
#include "serial/SerialTypes.h"
#include "serial/posix/Termios.h"

namespace serial {
namespace {

TEST(DcbComposition, SetsFlowControlFlagsAndKeepsOnlyTheKeptBits) {
    struct Case {
        TStreamProtocol protocol;
        bool rs485;
        std::uint32_t present;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {spNone, false, 0, 0x1011},
        {spXonXoff, false, 0, 0x1311},
        {spHardware, false, 0, 0x2015},
        {spHardware, true, 0, 0x3011},  // RS485 wins over the protocol
        // Every other bit of the present word is dropped, the kept ones stay.
        {spNone, false, 0xFFFFFFFF, 0x4CEA | 0x1011},
        {spHardware, false, kDcbOutX | kDcbInX | kDcbParity, kDcbParity | 0x2015},
    };
    for (const Case& c : cases) {
        DCB dcb;
        dcb.Flags = c.present;
        dcb.BaudRate = 1200;
        dcb.ByteSize = 7;
        ComposeDcb(dcb, c.protocol, c.rs485);
        EXPECT_EQ(dcb.Flags, c.expected) << int(c.protocol) << " rs485=" << c.rs485;
        EXPECT_EQ(dcb.XonLim, 80);
        EXPECT_EQ(dcb.XoffLim, 200);
        EXPECT_EQ(dcb.XonChar, 0x11);
        EXPECT_EQ(dcb.XoffChar, 0x13);
        EXPECT_EQ(dcb.BaudRate, 1200u);  // the property values are left alone
        EXPECT_EQ(dcb.ByteSize, 7);
        // Deriving back gives the choice that composed it.
        EXPECT_EQ(Rs485ModeFromDcb(dcb), c.rs485);
        if (!c.rs485) {
            EXPECT_EQ(StreamProtocolFromDcb(dcb), c.protocol);
        }
    }
}

TEST(DcbLayout, BytesFollowThePlatformLayoutLittleEndian) {
    DCB dcb;
    dcb.BaudRate = 1200;
    dcb.Flags = 0x1013;
    dcb.XonLim = 80;
    dcb.XoffLim = 200;
    dcb.ByteSize = 8;
    dcb.Parity = pOdd;
    dcb.StopBits = sbOne;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.EvtChar = 0x7E;
    const auto bytes = DcbToBytes(dcb);
    const std::array<std::uint8_t, 28> expected = {28,   0,    0,   0,  // DCBlength
                                                   0xB0, 0x04, 0,   0,  // BaudRate 1200
                                                   0x13, 0x10, 0,   0,  // flags
                                                   0,    0,             // reserved
                                                   80,   0,    200, 0, 8,    1, 0,
                                                   0x11, 0x13, 0,   0, 0x7E, 0, 0};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DcbFromBytes(bytes), dcb);
}

TEST(TermiosTranslation, DataBitsParityStopBitsAndFlowControl) {
    struct Case {
        std::uint8_t byteSize;
        TParity parity;
        TStopBits stopBits;
        std::uint32_t flags;
        tcflag_t cflagSet;    // must be set
        tcflag_t cflagClear;  // must be clear
        tcflag_t iflagSet;
    };
    const Case cases[] = {
        {8, pOdd, sbOne, 0x1011, CS8 | PARENB | PARODD, CSTOPB | CRTSCTS | CMSPAR, 0},
        {7, pEven, sbTwo, 0x1011, CS7 | PARENB | CSTOPB, PARODD | CRTSCTS, 0},
        {5, pNone, sbOneAndHalf, 0x1011, CS5 | CSTOPB, PARENB, 0},
        {8, pMark, sbOne, 0x1011, CS8 | PARENB | PARODD | CMSPAR, 0, 0},
        {8, pSpace, sbOne, 0x1011, CS8 | PARENB | CMSPAR, PARODD, 0},
        {8, pNone, sbOne, 0x2015, CS8 | CRTSCTS, PARENB, 0},
        {6, pNone, sbOne, 0x1311, CS6, CRTSCTS, IXON | IXOFF},
    };
    for (const Case& c : cases) {
        DCB dcb;
        dcb.ByteSize = c.byteSize;
        dcb.Parity = c.parity;
        dcb.StopBits = c.stopBits;
        dcb.Flags = c.flags;
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
        termios t{};
        t.c_cflag = CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS;  // all to be replaced
        t.c_iflag = IXON | IXOFF | IXANY;
        ASSERT_TRUE(posix::ApplyDcbToTermios(t, dcb)) << int(c.byteSize);
        EXPECT_EQ(t.c_cflag & CSIZE, c.cflagSet & CSIZE) << int(c.byteSize);
        EXPECT_EQ(t.c_cflag & (c.cflagSet & ~CSIZE), c.cflagSet & ~CSIZE) << int(c.byteSize);
        EXPECT_EQ(t.c_cflag & c.cflagClear, 0u) << int(c.byteSize);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY), c.iflagSet) << int(c.byteSize);
    }
}

TEST(TermiosTranslation, RefusesWhatNoPortTakesAndLeavesTheSettings) {
    struct Case {
        std::uint8_t byteSize;
        std::uint8_t parity;
        std::uint8_t stopBits;
        std::uint32_t flags;
        std::uint8_t xoff;
    };
    const Case cases[] = {
        {4, pNone, sbOne, 0x1011, 0x13},         // 4 data bits
        {8, pNone, sbOneAndHalf, 0x1011, 0x13},  // 1.5 stop bits need 5 data bits
        {5, pNone, sbTwo, 0x1011, 0x13},         // 2 stop bits cannot go with 5
        {8, 5, sbOne, 0x1011, 0x13},             // no such parity
        {8, pNone, 3, 0x1011, 0x13},             // no such stop bits
        {8, pNone, sbOne, 0x1311, 0x11},         // XON/XOFF with equal characters
    };
    for (const Case& c : cases) {
        DCB dcb;
        dcb.ByteSize = c.byteSize;
        dcb.Parity = c.parity;
        dcb.StopBits = c.stopBits;
        dcb.Flags = c.flags;
        dcb.XonChar = 0x11;
        dcb.XoffChar = c.xoff;
        termios t{};
        t.c_cflag = CS8 | CREAD;
        const termios before = t;
        EXPECT_FALSE(posix::ApplyDcbToTermios(t, dcb)) << int(c.byteSize) << int(c.stopBits);
        EXPECT_EQ(t.c_cflag, before.c_cflag);
    }
}

TEST(TermiosTranslation, RawModeAndSpeeds) {
    termios t{};
    t.c_lflag = ECHO | ICANON | ISIG;
    t.c_iflag = ICRNL | INPCK | BRKINT;
    t.c_oflag = OPOST;
    posix::MakeRaw(t);
    EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | INPCK | BRKINT), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), tcflag_t{CLOCAL | CREAD});
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);

    EXPECT_EQ(posix::StandardSpeed(1200), speed_t{B1200});
    EXPECT_EQ(posix::StandardSpeed(115200), speed_t{B115200});
    EXPECT_FALSE(posix::StandardSpeed(1234).has_value());
}

TEST(EventMask, FollowsTraceStatesAndSoftwareRs485) {
    EXPECT_EQ(ComposeEventMask({}, false), kEvRxChar);
    EXPECT_EQ(ComposeEventMask({}, true), kEvRxChar | kEvTxEmpty);
    EXPECT_EQ(ComposeEventMask({tsTxEmpty, tsDSR}, false), kEvRxChar | kEvTxEmpty | kEvDsr);
    const TTraceStates all = TTraceStates::fromBits(0x0FFF);
    const std::uint32_t mask = ComposeEventMask(all, false);
    EXPECT_EQ(mask & kEvPErr, 0u);  // the printer error is never asked for
    EXPECT_EQ(mask, 0x1FFFu & ~kEvPErr);
    // Back from a mask: received and transmit-empty have their own events.
    EXPECT_EQ(TraceStatesFromEvents(mask), TTraceStates::fromBits(0x0FFF & ~0x0005));
}

TEST(LineErrors, CounterIncreasesMapToErrorBits) {
    LineCounters before;
    before.parity = 5;
    LineCounters after = before;
    EXPECT_EQ(LineErrorBits(before, after, true), 0u);
    after.bufferOverrun = 1;
    after.overrun = 1;
    after.parity = 6;
    after.frame = 2;
    after.brk = 1;
    after.cts = 9;  // line changes are no errors
    EXPECT_EQ(LineErrorBits(before, after, true),
              kCeRxOver | kCeOverrun | kCeRxParity | kCeFrame | kCeBreak);
    // Without parity checking a parity error is not reported.
    EXPECT_EQ(LineErrorBits(before, after, false) & kCeRxParity, 0u);
    // Counters that went back (a reset) report nothing.
    EXPECT_EQ(LineErrorBits(after, before, true), 0u);
}

TEST(PortErrors, SystemErrorsSortForTheUser) {
    EXPECT_EQ(ClassifyPortError(0), PortFailure::None);
    EXPECT_EQ(ClassifyPortError(EACCES), PortFailure::PermissionDenied);
    EXPECT_EQ(ClassifyPortError(EPERM), PortFailure::PermissionDenied);
    EXPECT_EQ(ClassifyPortError(EBUSY), PortFailure::Busy);
    EXPECT_EQ(ClassifyPortError(ENOENT), PortFailure::NoSuchPort);
    EXPECT_EQ(ClassifyPortError(ENODEV), PortFailure::NoSuchPort);
    EXPECT_EQ(ClassifyPortError(ENOTTY), PortFailure::NotAPort);
    EXPECT_EQ(ClassifyPortError(EIO), PortFailure::Other);
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
}

}  // namespace
}  // namespace serial
