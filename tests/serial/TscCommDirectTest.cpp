// The component's operations for programs that poll: direct reads, the waits, the further sends
// and line operations, the port's properties, an outside descriptor, the configuration dialog,
// the terminal and the log lines, on a pseudo-terminal pair.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "RecordingLog.h"
#include "TscCommFixture.h"
#include "serial/SerialError.h"

namespace serial {
namespace {

using serialtest::RecordingLog;

// Nobody reads through events: the bytes wait for the direct reads.
class TscCommDirectTest : public TscCommTest {
  protected:
    TscCommDirectTest() { m_comm.OnAfterReceive = nullptr; }

    void waitForQueue(std::uint32_t count) {
        ASSERT_TRUE(waitFor([&] { return m_comm.ReadyForRead() == count; }));
    }
};

TEST_F(TscCommDirectTest, ReadsTakeWhatIsWaiting) {
    std::uint8_t buffer[100] = {};
    EXPECT_EQ(m_comm.ReadMax(buffer, 100), 0u);  // closed
    EXPECT_EQ(m_comm.ReadString(), "");
    m_comm.setActive(true);

    m_pty.write(std::string(30, 'r'));
    waitForQueue(30);
    EXPECT_EQ(m_comm.ReadMax(buffer, 100), 30u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 30), std::string(30, 'r'));
    EXPECT_EQ(m_comm.ReadyForRead(), 0u);

    m_pty.write("abcdef");
    waitForQueue(6);
    EXPECT_EQ(m_comm.ReadMax(buffer, 2), 2u);
    std::vector<std::uint8_t> rest;
    EXPECT_EQ(m_comm.ReadAll(rest), 4u);
    EXPECT_EQ(std::string(rest.begin(), rest.end()), "cdef");
    m_pty.write(std::string("x\0y", 3));
    waitForQueue(3);
    EXPECT_EQ(m_comm.ReadString(), std::string("x\0y", 3));
    EXPECT_EQ(m_comm.ReadString(), "");
}

TEST_F(TscCommDirectTest, ReadWaitsForItsBytesUntilTheIntervalTimeOutOrAHangUp) {
    m_comm.setActive(true);
    std::uint8_t buffer[8] = {};
    std::thread farSide([&] {
        m_pty.write("he");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        m_pty.write("llo");
    });
    EXPECT_EQ(m_comm.Read(buffer, 5), 5u);  // waits for the second piece
    farSide.join();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 5), "hello");

    m_comm.setTimeoutRead(30);  // a pause of 30 ms after a byte ends the read
    m_pty.write("ab");
    EXPECT_EQ(m_comm.Read(buffer, 8), 2u);

    m_comm.setTimeoutRead(0);
    std::thread hangUp([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        m_pty.closeMaster();
    });
    EXPECT_EQ(m_comm.Read(buffer, 8), 0u);  // ends when the far side hangs up
    hangUp.join();
}

TEST_F(TscCommDirectTest, WaitForBytesCountsWhatIsWaitingAndRestoresTheTraceStates) {
    EXPECT_FALSE(m_comm.WaitForBytes(1, 1000));  // closed: at once
    m_comm.setTraceStates({tsRxChar, tsCTS});
    m_comm.setActive(true);
    std::thread farSide([&] {
        m_pty.write("1");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        m_pty.write("23");
    });
    EXPECT_TRUE(m_comm.WaitForBytes(3, 2000));
    farSide.join();
    EXPECT_EQ(m_comm.ReadString(), "123");  // tsRxChar was out of the mask: nothing read them
    EXPECT_EQ(m_comm.TraceStates(), (TTraceStates{tsRxChar, tsCTS}));
    EXPECT_FALSE(m_comm.WaitForBytes(1, 20));
}

TEST_F(TscCommLinesTest, WaitForSignalSeesTheModemLines) {
    EXPECT_FALSE(m_comm.WaitForSignal(msDSR, 1000));  // closed: at once
    m_comm.setActive(true);
    m_comm.SetStateDTR(false);
    std::thread modem([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        m_lines->switchLines(0, kLineDtr, true);  // DSR follows
    });
    EXPECT_TRUE(m_comm.WaitForSignal(msDSR, 2000));
    modem.join();
    EXPECT_TRUE(m_comm.WaitForSignal(msCTS, 0));
    EXPECT_FALSE(m_comm.WaitForSignal(msRing, 20));
    EXPECT_FALSE(m_comm.WaitForSignal(9, 20));  // no such signal: never on
}

TEST_F(TscCommDirectTest, XoffStopsTheOutputAndXonResumesIt) {
    std::vector<std::uint32_t> errors;
    m_comm.OnCommError = [&](TscBaseIO&, std::uint32_t, std::uint32_t sys, TComStateFlags, bool&) {
        errors.push_back(sys);
    };
    m_comm.setTimeoutWrite(50);
    m_comm.setActive(true);
    m_comm.SetStateX(false);
    m_comm.SendString("held");
    EXPECT_EQ(errors, std::vector<std::uint32_t>{ETIMEDOUT});
    EXPECT_EQ(m_comm.TotalSent(), 0u);
    m_comm.SetStateX(true);
    m_comm.SendAheadChar('!');
    m_comm.SendData(reinterpret_cast<const std::uint8_t*>("go"), 2);
    m_comm.FlushOutputBuffer();
    EXPECT_EQ(m_pty.read(3), "!go");
    EXPECT_EQ(m_comm.TotalSent(), 3u);
    m_comm.SetStateBreak(true);
    m_comm.SetStateBreak(false);
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(TscCommDirectTest, CommPropTellsWhatThePortCanDo) {
    EXPECT_EQ(m_comm.CommProp().dwProvSubType, 0u);  // closed: never asked
    m_comm.setBufferInSize(4096);
    m_comm.setActive(true);
    const COMMPROP& p = m_comm.CommProp();
    EXPECT_EQ(p.wPacketLength, 64);
    EXPECT_EQ(p.dwProvSubType, kPstRs232);
    EXPECT_EQ(p.dwCurrentRxQueue, 4096u);
    EXPECT_EQ(p.wSettableData, kDataBits5To8);
    EXPECT_TRUE(p.wSettableStopParity & kParityOdd);
}

TEST_F(TscCommDirectTest, SetExtHandleOpensOnADescriptorOpenedElsewhere) {
    for (int ignored : {0, kInvalidHandle}) {
        m_comm.SetExtHandle(ignored);
        EXPECT_FALSE(m_comm.Active()) << ignored;
    }
    EXPECT_TRUE(m_codes.empty());

    const int fd = ::open(m_pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    m_comm.setComPortNo(9);  // names no device: the descriptor is what opens
    m_comm.SetExtHandle(fd);
    ASSERT_TRUE(m_comm.Active());
    m_comm.SendString("ext");
    EXPECT_EQ(m_pty.read(3), "ext");
    m_comm.setActive(false);
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);              // the component closed it
    EXPECT_THROW(m_comm.setActive(true), PortError);  // the next open is by name again
}

TEST_F(TscCommDirectTest, ConfigDialogShowsWhatThePortHasAndAppliesTheChoice) {
    EXPECT_FALSE(m_comm.ConfigDialog());  // no dialog
    std::vector<PortLineSettings> shown;
    std::optional<PortLineSettings> answer;
    m_comm.setConfigDialog([&](const std::string& name, const PortLineSettings& present) {
        EXPECT_EQ(name, "COM5");
        shown.push_back(present);
        return answer;
    });
    m_comm.setActive(true);
    termios t = m_pty.slaveSettings();  // another program changes the speed
    ::cfsetospeed(&t, B4800);
    ::cfsetispeed(&t, B4800);
    ::tcsetattr(m_pty.master(), TCSANOW, &t);

    EXPECT_FALSE(m_comm.ConfigDialog());  // cancelled
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].baudRate, 4800u);
    EXPECT_EQ(shown[0].flowControl, spNone);
    EXPECT_EQ(m_comm.BaudRate(), 4800u);  // re-read from the port

    answer = PortLineSettings{9600, 8, pEven, sbTwo, spXonXoff};
    EXPECT_TRUE(m_comm.ConfigDialog());
    EXPECT_EQ(m_comm.StreamProtocol(), spXonXoff);
    EXPECT_EQ(m_comm.Parity(), pEven);
    t = m_pty.slaveSettings();
    EXPECT_EQ(::cfgetospeed(&t), speed_t{B9600});
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), tcflag_t{IXON | IXOFF});
}

TEST(ConfigDialogSettings, KeepTheFlowControlFlagsWhenTheChoiceStaysTheSame) {
    DCB dcb;
    dcb.BaudRate = 1200;
    dcb.ByteSize = 8;
    ComposeDcb(dcb, spNone, true);  // RS485: RTS toggles, which the dialog does not show
    PortLineSettings chosen = LineSettingsFromDcb(dcb);
    EXPECT_EQ(chosen.flowControl, spNone);
    chosen.baudRate = 2400;
    chosen.byteSize = 3;  // stored as 8, as the property does
    ApplyLineSettingsToDcb(chosen, dcb);
    EXPECT_EQ(dcb.BaudRate, 2400u);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_TRUE(Rs485ModeFromDcb(dcb));
    chosen.flowControl = spHardware;
    ApplyLineSettingsToDcb(chosen, dcb);
    EXPECT_EQ(dcb.Flags & ~kDcbKeptFlags, kDcbFlowHardware);
}

// A terminal that records what it is given and types back like an edit control does: a typed
// character comes through the component's TerminalKeyTyped.
class RecordingTerminal final : public TscTerminal {
  public:
    std::vector<std::string> shown;
    TscBaseIO* attachedTo = nullptr;
    void TerminalAttached(TscBaseIO* component) override { attachedTo = component; }
    void TypeChar(std::uint8_t ch) override { type(ch); }
    void InsertText(std::string_view text) override { shown.emplace_back(text); }
    // The user (or TypeChar) types ch.
    void type(std::uint8_t ch) {
        if (attachedTo && !attachedTo->TerminalKeyTyped(ch)) return;
        shown.emplace_back(1, static_cast<char>(ch));
    }
};

TEST_F(TscCommDirectTest, TheTerminalSendsTypingAndShowsWhatArrives) {
    RecordingTerminal terminal;
    m_comm.setTerminal(&terminal);
    EXPECT_EQ(terminal.attachedTo, &m_comm);
    m_comm.setActive(true);

    struct Case {
        TTerminalUsage usage;
        bool echo;
        const char* sent;   // what the far side gets for typing "k"
        const char* shown;  // what the terminal shows of it
    };
    const Case cases[] = {
        {tuNone, false, "", "k"},
        {tuSend, false, "k", ""},
        {tuBoth, true, "k", "k"},
        {tuReceive, true, "", "k"},
    };
    for (const Case& c : cases) {
        terminal.shown.clear();
        m_comm.setTerminalUsage(c.usage);
        m_comm.setTerminalEcho(c.echo);
        terminal.type('k');
        EXPECT_EQ(m_pty.readAvailable(), c.sent) << int(c.usage);
        EXPECT_EQ(terminal.shown.size(), std::string(c.shown).size()) << int(c.usage);
    }

    // Received: one byte as typed (and not sent back), several as text between NUL bytes.
    m_comm.setTerminalUsage(tuBoth);
    terminal.shown.clear();
    m_pty.write("x");
    ASSERT_TRUE(runUntil([&] { return terminal.shown.size() == 1; }));
    m_pty.write(std::string("ab\0\0cd", 6));
    ASSERT_TRUE(runUntil([&] { return terminal.shown.size() >= 3; }));
    EXPECT_EQ(terminal.shown, (std::vector<std::string>{"x", "ab", "cd"}));
    EXPECT_EQ(m_pty.readAvailable(), "");

    m_comm.setTerminal(nullptr);
    EXPECT_EQ(terminal.attachedTo, nullptr);
}

TEST_F(TscCommDirectTest, TraceLinesGoToTheLogSinkWithTheirFormats) {
    RecordingLog log;
    m_comm.setLog(&log);
    m_comm.setActive(true);
    m_comm.SendChar('A');
    m_comm.SendData(reinterpret_cast<const std::uint8_t*>("xy"), 2);
    m_comm.setActive(false);
    m_comm.setLog(nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "0 scComm: The port %s is opened succesfully | COM5",
                             "2 scComm: Try to send char %2Xh ... | 65",
                             "2 scComm: Try to send the data with %d length ... | 2",
                             "2 scComm: ... the data transmittion is OK!",
                             "0 scComm: The port is closed succesfully",
                         }));
}

}  // namespace
}  // namespace serial
