// The serial component over pseudo-terminal pairs: open and close sequences and their events,
// receiving on the main thread, sending, purging, reopening on another number, open failures,
// the far side hanging up, handlers that raise, and (through a fake line control) modem lines
// and line errors.

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TscCommFixture.h"
#include "serial/SerialError.h"

namespace serial {
namespace {

const TTraceStates kTxEmpty{tsTxEmpty};

TEST_F(TscCommTest, OpenSetsUpThePortAndEveryCloseSequenceEndsWithTxEmpty) {
    m_comm.setActive(true);
    ASSERT_TRUE(m_comm.Active());
    EXPECT_EQ(m_comm.DevicePath(), m_pty.slavePath());
    EXPECT_EQ(m_traces, std::vector<TTraceStates>{kTxEmpty});  // the close that starts the open
    EXPECT_EQ(m_codes, std::vector<int>{kNotifyOpened});

    const termios t = m_pty.slaveSettings();
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), tcflag_t{CLOCAL | CREAD});
    EXPECT_EQ(cfgetospeed(&t), speed_t{B1200});
    EXPECT_EQ(t.c_cc[VMIN], 0);
    m_comm.setBaudRate(9600);  // applied at once while open
    const termios t2 = m_pty.slaveSettings();
    EXPECT_EQ(cfgetospeed(&t2), speed_t{B9600});

    m_comm.setActive(true);  // no change: nothing happens
    EXPECT_EQ(m_traces.size(), 1u);

    m_comm.setActive(false);
    EXPECT_FALSE(m_comm.Active());
    EXPECT_EQ(m_traces, (std::vector<TTraceStates>{kTxEmpty, kTxEmpty}));
    EXPECT_EQ(m_codes, (std::vector<int>{kNotifyOpened, kNotifyClosed}));
    EXPECT_EQ(m_closes, 1);

    m_comm.setActive(false);  // closed already: nothing at all
    EXPECT_EQ(m_traces.size(), 2u);
    EXPECT_EQ(m_closes, 1);

    // Exclusive use ends with the close: the port opens again.
    m_comm.setActive(true);
    EXPECT_TRUE(m_comm.Active());
}

TEST_F(TscCommTest, OpenFailureRaisesTheMessageWithTheSystemErrorAndLeavesThePortClosed) {
    const auto notATerminal = m_dir.write("plain-file", "");
    pin({{8, (m_dir / "no-such-device").string()}, {9, notATerminal.string()}});
    struct Case {
        std::uint16_t port;
        int error;
        PortFailure failure;
    };
    const Case cases[] = {
        {7, ENOENT, PortFailure::NoSuchPort},  // no device goes by that name
        {8, ENOENT, PortFailure::NoSuchPort},  // pinned to a path that does not exist
        {9, ENOTTY, PortFailure::NotAPort},    // pinned to something that is not a port
    };
    for (const Case& c : cases) {
        std::vector<std::string> fatal;
        m_comm.OnFatalError = [&](TscBaseIO&, std::uint32_t code, std::uint32_t detail,
                                  const std::string& msg, bool& raise) {
            EXPECT_EQ(code, 1u);
            EXPECT_EQ(detail, 0u);
            EXPECT_TRUE(raise);
            fatal.push_back(msg);
        };
        m_comm.setComPortNo(c.port);
        const std::string expected = "Device \"COM" + std::to_string(c.port) +
                                     "\" Open Error !!!\r" + SystemErrorText(c.error);
        try {
            m_comm.setActive(true);
            ADD_FAILURE() << "COM" << c.port << " opened";
        } catch (const PortError& e) {
            EXPECT_EQ(e.what(), expected);
            EXPECT_EQ(e.systemError(), c.error);
            EXPECT_EQ(e.failure(), c.failure);
        }
        EXPECT_EQ(m_comm.LastErrorString(), expected);
        EXPECT_EQ(fatal, std::vector<std::string>{expected});
        EXPECT_FALSE(m_comm.Active());
    }

    // A handler that clears RaiseException keeps the failure from being raised.
    m_comm.OnFatalError = [](TscBaseIO&, std::uint32_t, std::uint32_t, const std::string&,
                             bool& raise) { raise = false; };
    m_comm.setComPortNo(7);
    EXPECT_NO_THROW(m_comm.setActive(true));
    EXPECT_FALSE(m_comm.Active());
}

TEST_F(TscCommTest, APortInUseIsBusyForASecondComponent) {
    m_comm.setActive(true);
    TscComm other;
    other.setPortNameResolver(m_resolver);
    other.setComPortNo(5);
    try {
        other.setActive(true);
        ADD_FAILURE() << "the port was opened twice";
    } catch (const PortError& e) {
        EXPECT_EQ(e.systemError(), EBUSY);
        EXPECT_EQ(e.failure(), PortFailure::Busy);
    }
    EXPECT_TRUE(m_comm.Active());
}

TEST_F(TscCommTest, ReceivedBytesReachTheMainThreadInOrderAndOnce) {
    m_comm.setActive(true);
    // More than the receive buffer and the pty's queue hold, in pieces of many sizes.
    std::string sent;
    for (int i = 0; sent.size() < 30000; ++i)
        sent += std::string(1 + (i * 37) % 1500, char('A' + i % 26));
    std::thread farSide([&] {
        for (std::size_t at = 0; at < sent.size(); at += 999)
            m_pty.write(sent.substr(at, 999));
    });
    const bool all = runUntil([&] { return m_received.size() >= sent.size(); });
    farSide.join();
    ASSERT_TRUE(all) << m_received.size() << " of " << sent.size();
    EXPECT_EQ(m_received, sent);
    EXPECT_EQ(m_comm.TotalReceived(), sent.size());
    for (auto id : m_receiveThreads)
        EXPECT_EQ(id, std::this_thread::get_id());
}

TEST_F(TscCommTest, SendStringHandsEveryByteToThePort) {
    m_comm.SendString("closed");  // closed: nothing happens
    m_comm.setActive(true);
    m_comm.SendString("");
    EXPECT_EQ(m_comm.TotalSent(), 0u);

    // Far more than the pty takes at once: the send waits for room until all is handed over.
    std::string big;
    for (int i = 0; i < 100000; ++i)
        big += char(i * 7);
    std::string farSideGot;
    std::thread farSide([&] { farSideGot = m_pty.read(big.size() + 2); });
    m_comm.SendString(big);
    EXPECT_EQ(m_comm.TotalSent(), big.size());
    m_comm.SendString(std::string("\x00\xff", 2));
    farSide.join();
    EXPECT_EQ(m_comm.TotalSent(), big.size() + 2);
    EXPECT_EQ(farSideGot, big + std::string("\x00\xff", 2));
}

TEST_F(TscCommTest, AFailedWriteGoesToOnCommErrorAndIsNotCounted) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> errors;
    m_comm.OnCommError = [&](TscBaseIO&, std::uint32_t code, std::uint32_t sys, TComStateFlags,
                             bool&) { errors.emplace_back(code, sys); };
    m_comm.setActive(true);
    m_pty.closeMaster();  // writes to a hung-up terminal fail
    m_comm.SendString("lost");
    EXPECT_EQ(errors, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{0u, EIO}}));
    EXPECT_EQ(m_comm.TotalSent(), 0u);
}

TEST_F(TscCommTest, ClearDeviceInputDiscardsWhatIsWaiting) {
    m_comm.setActive(true);
    m_pty.write("stale");
    ASSERT_TRUE(waitFor([&] { return m_comm.ReadyForRead() == 5; }));
    m_comm.ClearDeviceInput();
    EXPECT_EQ(m_comm.ReadyForRead(), 0u);
    m_pty.write("fresh");
    ASSERT_TRUE(runUntil([&] { return m_received.size() >= 5; }));
    EXPECT_EQ(m_received, "fresh");
}

TEST_F(TscCommTest, ComPortNoReopensAnOpenPortOnTheNewNumber) {
    PtyPair second;
    pin({{5, m_pty.slavePath()}, {6, second.slavePath()}});
    m_comm.setActive(true);
    m_traces.clear();
    m_codes.clear();

    m_comm.setComPortNo(6);
    EXPECT_TRUE(m_comm.Active());
    EXPECT_EQ(m_comm.DevicePath(), second.slavePath());
    EXPECT_EQ(m_codes, (std::vector<int>{kNotifyClosed, kNotifyOpened, kNotifyChanged}));
    EXPECT_EQ(m_traces, (std::vector<TTraceStates>{kTxEmpty, kTxEmpty}));
    m_pty.write("old");
    second.write("new");
    ASSERT_TRUE(runUntil([&] { return m_received.size() >= 3; }));
    EXPECT_EQ(m_received, "new");

    // While closed only the number changes.
    m_comm.setActive(false);
    m_traces.clear();
    m_codes.clear();
    m_comm.setComPortNo(5);
    EXPECT_FALSE(m_comm.Active());
    EXPECT_EQ(m_comm.ComPortNo(), 5);
    EXPECT_EQ(m_codes, std::vector<int>{kNotifyChanged});
    EXPECT_TRUE(m_traces.empty());
}

TEST(TscCommProperties, ConstructionValuesAndStorageRules) {
    TscComm comm;
    EXPECT_FALSE(comm.Active());
    EXPECT_EQ(comm.BaudRate(), 19200u);
    EXPECT_EQ(comm.Parity(), pNone);
    EXPECT_EQ(comm.StopBits(), sbOne);
    EXPECT_EQ(comm.ByteSize(), 8);
    EXPECT_EQ(comm.ComPortNo(), 1);
    EXPECT_EQ(comm.ComPort(), cpCOM1);
    EXPECT_EQ(comm.StreamProtocol(), spHardware);
    EXPECT_EQ(comm.Dcb().Flags, kDcbFlowHardware);
    EXPECT_TRUE(comm.TraceStates().empty());
    EXPECT_TRUE(comm.UseMainThread());
    EXPECT_EQ(comm.BufferInSize(), 8192);
    EXPECT_EQ(comm.DeviceName(), "COM1");

    for (auto [written, stored] : {std::pair{3, 8}, {9, 8}, {0, 8}, {4, 4}, {5, 5}, {7, 7}}) {
        comm.setByteSize(static_cast<std::uint8_t>(written));
        EXPECT_EQ(comm.ByteSize(), stored) << written;
    }
    comm.setParity(pOdd);  // every parity but none is checked
    EXPECT_TRUE(comm.Dcb().Flags & kDcbParity);
    comm.setParity(pNone);
    EXPECT_FALSE(comm.Dcb().Flags & kDcbParity);

    comm.setComPortNo(12);
    EXPECT_EQ(comm.ComPort(), cpCOMxx);
    comm.setComPort(cpCOMxx);  // ignored
    EXPECT_EQ(comm.ComPortNo(), 12);
    comm.setComPort(cpCOM3);
    EXPECT_EQ(comm.ComPortNo(), 3);
    EXPECT_EQ(comm.ComPort(), cpCOM3);
    comm.setComPortNo(0);
    EXPECT_EQ(comm.ComPort(), cpCOMxx);
}

TEST(TscCommProperties, OperationsOnAClosedPortDoNothing) {
    TscComm comm;
    int events = 0;
    comm.OnTraceState = [&](TscBaseIO&, TTraceStates) { ++events; };
    comm.OnCommError = [&](TscBaseIO&, std::uint32_t, std::uint32_t, TComStateFlags, bool&) {
        ++events;
    };
    comm.SetStateRTS(true);
    comm.SetStateDTR(true);
    comm.SendString("abc");
    comm.SendChar('x');
    comm.ClearDeviceInput();
    comm.ClearDeviceOutput();
    comm.ClearDeviceBuffers();
    EXPECT_TRUE(comm.ModemSignals().empty());
    EXPECT_EQ(comm.ReadyForRead(), 0u);
    EXPECT_EQ(comm.NotYetSend(), 0u);
    EXPECT_EQ(comm.TotalSent(), 0u);
    EXPECT_EQ(events, 0);
}

TEST_F(TscCommTest, TheFarSideHangingUpShutsThePortDownWithoutAnErrorEvent) {
    int errors = 0;
    m_comm.OnCommError = [&](TscBaseIO&, std::uint32_t, std::uint32_t, TComStateFlags, bool&) {
        ++errors;
    };
    m_comm.OnFatalError = [&](TscBaseIO&, std::uint32_t, std::uint32_t, const std::string&, bool&) {
        ++errors;
    };
    std::thread::id closeThread;
    m_comm.OnClose = [&](TscBaseIO&) {
        ++m_closes;
        closeThread = std::this_thread::get_id();
    };
    m_comm.setActive(true);
    m_traces.clear();
    m_codes.clear();

    m_pty.closeMaster();
    ASSERT_TRUE(runUntil([&] { return !m_comm.Active(); }));
    EXPECT_EQ(m_closes, 1);
    EXPECT_EQ(closeThread, std::this_thread::get_id());
    EXPECT_EQ(m_codes, std::vector<int>{kNotifyClosed});
    EXPECT_EQ(errors, 0);
    EXPECT_TRUE(m_traces.empty());
}

TEST_F(TscCommTest, AHandlerThatRaisesIsReportedAndTheComponentKeepsRunning) {
    std::vector<std::string> fatal;
    m_comm.OnFatalError = [&](TscBaseIO&, std::uint32_t code, std::uint32_t, const std::string& msg,
                              bool&) {
        EXPECT_EQ(code, 1u);
        fatal.push_back(msg);
    };
    m_comm.OnAfterReceive = [this](TscBaseIO&, const std::uint8_t* bytes, std::uint32_t n) {
        m_received.append(reinterpret_cast<const char*>(bytes), n);
        if (m_received == "boom") throw std::runtime_error("handler failed");
    };
    m_comm.setActive(true);
    m_pty.write("boom");
    ASSERT_TRUE(runUntil([&] { return !fatal.empty(); }));
    EXPECT_EQ(fatal, std::vector<std::string>{"handler failed"});
    EXPECT_EQ(m_shown, std::vector<std::string>{"handler failed"});  // shown, not raised

    m_pty.write("ok");
    ASSERT_TRUE(runUntil([&] { return m_received.size() >= 6; }));
    EXPECT_EQ(m_received, "boomok");
    EXPECT_TRUE(m_comm.Active());
}

TEST_F(TscCommTest, AHandlerMayCloseThePort) {
    m_comm.OnAfterReceive = [this](TscBaseIO& com, const std::uint8_t* bytes, std::uint32_t n) {
        com.setActive(false);
        m_received.append(reinterpret_cast<const char*>(bytes), n);  // still valid in the call
    };
    m_comm.setActive(true);
    m_pty.write("bye");
    ASSERT_TRUE(runUntil([&] { return !m_comm.Active(); }));
    EXPECT_EQ(m_received, "bye");
    EXPECT_EQ(m_closes, 1);
}

TEST_F(TscCommTest, AnEventQueuedBeforeTheCloseDoesNothingAfterIt) {
    auto comm = std::make_unique<TscComm>();
    comm->setDispatcher(m_dispatcher);
    comm->setPortNameResolver(m_resolver);
    comm->setComPortNo(5);
    int batches = 0;
    comm->OnAfterReceive = [&](TscBaseIO&, const std::uint8_t*, std::uint32_t) { ++batches; };
    comm->setActive(true);
    m_pty.write("late");
    ASSERT_TRUE(waitFor([&] { return m_dispatcher->pending() > 0; }));
    comm.reset();  // closes and frees the component with the event still queued
    EXPECT_EQ(m_dispatcher->runPending(), 1u);
    EXPECT_EQ(batches, 0);
}

TEST_F(TscCommTest, UnreadBytesStayQueuedAndAreCountedAtEveryReceiveEvent) {
    m_comm.OnAfterReceive = nullptr;  // no receiver and no tsRxChar: nobody reads
    m_comm.setActive(true);
    m_pty.write("ab");
    ASSERT_TRUE(runUntil([&] { return m_comm.TotalReceived() == 2; }));
    m_pty.write("c");
    ASSERT_TRUE(runUntil([&] { return m_comm.TotalReceived() == 5; }));
    EXPECT_EQ(m_comm.ReadyForRead(), 3u);
}

TEST_F(TscCommTest, WithoutUseMainThreadEventsRunOnTheMessageThread) {
    std::atomic<bool> done = false;
    std::thread::id handlerThread;
    m_comm.OnAfterReceive = [&](TscBaseIO&, const std::uint8_t*, std::uint32_t) {
        handlerThread = std::this_thread::get_id();
        done = true;
    };
    m_comm.setUseMainThread(false);
    m_comm.setActive(true);
    m_pty.write("m");
    ASSERT_TRUE(waitFor([&] { return done.load(); }));
    EXPECT_NE(handlerThread, std::this_thread::get_id());
    EXPECT_EQ(m_dispatcher->pending(), 0u);
}

TEST_F(TscCommTest, TxEmptyTraceCallsOnAfterSendWhenTheOutputHasDrained) {
    int afterSend = 0;
    m_comm.OnAfterSend = [&](TscBaseIO&) { ++afterSend; };
    m_comm.setTraceStates({tsTxEmpty});
    m_comm.setActive(true);
    m_comm.SendString("abc");
    ASSERT_TRUE(runUntil([&] { return afterSend == 1; }));
    EXPECT_EQ(m_pty.read(3), "abc");
}

TEST_F(TscCommLinesTest, ModemLinesAreSwitchedAndReadWithTraceEvents) {
    std::vector<bool> dsrMonitor;
    m_comm.MonitorDSR = [&](bool on) { dsrMonitor.push_back(on); };
    m_comm.setActive(true);
    // No flow control: the open raises DTR and RTS.
    EXPECT_EQ(m_lines->lines(), kLineDtr | kLineRts);
    EXPECT_EQ(m_comm.ModemSignals(), (TModemSignals{msCTS, msDSR}));
    m_traces.clear();

    m_comm.SetStateDTR(false);
    EXPECT_EQ(m_comm.ModemSignals(), TModemSignals{msCTS});
    m_comm.SetStateRTS(false);
    EXPECT_TRUE(m_comm.ModemSignals().empty());
    m_comm.SetStateDTR(true);
    EXPECT_EQ(m_comm.ModemSignals(), TModemSignals{msDSR});
    EXPECT_EQ(m_traces, (std::vector<TTraceStates>{{tsDSR}, {tsCTS}, {tsDSR}}));
    // The close sequence that starts the open refreshes the monitors too, with the port closed.
    EXPECT_EQ(dsrMonitor, (std::vector<bool>{false, false, false, true}));
}

TEST_F(TscCommTest, APseudoTerminalHasNoModemLines) {
    m_comm.setActive(true);
    EXPECT_NO_THROW(m_comm.SetStateDTR(true));
    EXPECT_TRUE(m_comm.ModemSignals().empty());
}

TEST_F(TscCommLinesTest, ALineErrorIsReportedBeforeTheBytesThatCameWithIt) {
    std::vector<std::string> order;
    m_comm.OnCommError = [&](TscBaseIO&, std::uint32_t code, std::uint32_t sys, TComStateFlags,
                             bool&) {
        order.push_back("error " + std::to_string(code) + ":" + std::to_string(sys));
    };
    m_comm.OnAfterReceive = [&](TscBaseIO&, const std::uint8_t* bytes, std::uint32_t n) {
        order.push_back(std::string(reinterpret_cast<const char*>(bytes), n));
        m_received.append(reinterpret_cast<const char*>(bytes), n);
    };
    m_lines->changeCounters([](LineCounters& c) { c.parity = 3; });  // counted before the open
    m_comm.setActive(true);

    m_lines->changeCounters([](LineCounters& c) { ++c.parity; });
    m_pty.write("p");
    ASSERT_TRUE(runUntil([&] { return m_received == "p"; }));
    m_lines->changeCounters([](LineCounters& c) {
        ++c.frame;
        ++c.brk;
    });
    m_pty.write("f");
    ASSERT_TRUE(runUntil([&] { return m_received == "pf"; }));
    // Without parity checking a parity error is no error.
    m_comm.setParity(pNone);
    m_lines->changeCounters([](LineCounters& c) { ++c.parity; });
    m_pty.write("n");
    ASSERT_TRUE(runUntil([&] { return m_received == "pfn"; }));

    EXPECT_EQ(order, (std::vector<std::string>{"error 4:0", "p", "error 24:0", "f", "n"}));
}

}  // namespace
}  // namespace serial
