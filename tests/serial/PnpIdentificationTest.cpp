// The device connection test and the Plug and Play identification exchange, against a device
// played through the line-control seam: it answers with its string on the pseudo-terminal when
// it sees DTR come back on and then RTS rise.

#include <functional>
#include <mutex>

#include "RecordingLog.h"
#include "TscCommFixture.h"
#include "serial/SerialError.h"

namespace serial {
namespace {

class ScriptedPnpDevice final : public LineControl {
  public:
    ScriptedPnpDevice(PtyPair& pty, std::string answer, int answerAtRequest, bool hasDsr)
        : m_pty(pty), m_answer(std::move(answer)), m_answerAt(answerAtRequest), m_dsr(hasDsr) {}

    // Called when the device answers (on the thread that raised RTS).
    std::function<void()> onAnswer;

    bool switchLines(int, unsigned lines, bool on) override {
        bool answer = false;
        {
            std::lock_guard lock(m_mutex);
            const unsigned before = m_lines;
            m_lines = on ? (m_lines | lines) : (m_lines & ~lines);
            if ((before & kLineDtr) && !(m_lines & kLineDtr)) m_dtrWasOff = true;
            const bool rtsRose = !(before & kLineRts) && (m_lines & kLineRts);
            if (rtsRose && (m_lines & kLineDtr) && m_dtrWasOff) {
                m_dtrWasOff = false;
                answer = ++m_requests == m_answerAt;
            }
        }
        if (answer) {
            if (onAnswer) onAnswer();
            m_pty.write(m_answer);
        }
        return true;
    }
    std::optional<unsigned> readLines(int) override {
        std::lock_guard lock(m_mutex);
        return (m_dsr && (m_lines & kLineDtr)) ? (m_lines | kLineDsr) : m_lines;
    }
    std::optional<LineCounters> readCounters(int) override { return std::nullopt; }
    unsigned lines() {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

  private:
    PtyPair& m_pty;
    std::string m_answer;
    int m_answerAt;
    bool m_dsr;
    std::mutex m_mutex;
    unsigned m_lines = 0;
    bool m_dtrWasOff = false;
    int m_requests = 0;
};

class PnpIdentificationTest : public TscCommTest {
  protected:
    std::shared_ptr<ScriptedPnpDevice> device(std::string answer, int answerAt, bool dsr = true) {
        auto d = std::make_shared<ScriptedPnpDevice>(m_pty, std::move(answer), answerAt, dsr);
        m_comm.setLineControl(d);
        return d;
    }
};

TEST_F(PnpIdentificationTest, TheIdentificationStringRunsFromItsBeginMarkerToItsEndMarker) {
    struct Case {
        std::string answer;
        int answerAt;  // the device answers the first or only the second request
        std::string expected;
    };
    const Case cases[] = {
        {"(\x01$ABC0001\\MODEM\\HART)more", 1, "(\x01$ABC0001\\MODEM\\HART)"},
        {"\x08\x01"
         "ABC\x09"
         "after",
         2,
         "\x08\x01"
         "ABC\x09"},
        {"ABC)", 1, ""},  // no begin marker
        {"", 1, ""},      // silent
    };
    for (const Case& c : cases) {
        auto d = device(c.answer, c.answerAt);
        std::string settingsAtAnswer;
        d->onAnswer = [&] {
            settingsAtAnswer = std::to_string(m_comm.BaudRate()) + " " +
                               std::to_string(m_comm.ByteSize()) + " " +
                               std::to_string(m_comm.Parity());
        };
        std::string id = "stale";
        m_comm.GetPNPDeviceString(id);
        EXPECT_EQ(id, c.expected);
        if (!c.answer.empty()) {
            EXPECT_EQ(settingsAtAnswer, "1200 7 0");
        }
        EXPECT_FALSE(m_comm.Active());  // closed before, closed after
        EXPECT_EQ(m_received, "");      // the attached receiver got none of the answer
    }
}

TEST_F(PnpIdentificationTest, AnOpenPortIsReopenedWithItsOwnSettings) {
    device("(ID)", 1);
    m_comm.setTraceStates({tsCTS});
    m_comm.setActive(true);
    m_codes.clear();
    std::string id;
    m_comm.GetPNPDeviceString(id);
    EXPECT_EQ(id, "(ID)");
    EXPECT_TRUE(m_comm.Active());
    EXPECT_EQ(m_codes, (std::vector<int>{kNotifyClosed, kNotifyOpened}));
    EXPECT_EQ(m_comm.BaudRate(), 1200u);
    EXPECT_EQ(m_comm.ByteSize(), 8);
    EXPECT_EQ(m_comm.Parity(), pOdd);
    EXPECT_EQ(m_comm.TraceStates(), TTraceStates{tsCTS});
}

TEST_F(PnpIdentificationTest, WithoutDsrBothFailWithTheConnectErrorAndLeaveThePortAsItWas) {
    auto d = device("(ID)", 1, false);
    std::string id = "stale";
    try {
        m_comm.GetPNPDeviceString(id);
        ADD_FAILURE() << "no error";
    } catch (const PortError& e) {
        EXPECT_STREQ(e.what(), "Device Connect Initialization Error");
    }
    EXPECT_EQ(id, "");
    EXPECT_FALSE(m_comm.Active());

    m_comm.InitDeviceConnect();  // closed: nothing
    m_comm.setActive(true);
    EXPECT_THROW(m_comm.InitDeviceConnect(), PortError);
    EXPECT_TRUE(m_comm.Active());
}

TEST_F(PnpIdentificationTest, TheConnectionTestRaisesRtsWhenDsrAnswers) {
    auto d = device("", 1);
    serialtest::RecordingLog log;
    m_comm.setLog(&log);
    m_comm.setActive(true);
    m_comm.SetStateRTS(false);
    m_comm.InitDeviceConnect();
    EXPECT_EQ(d->lines(), kLineDtr | kLineRts);
    EXPECT_TRUE(log.has("1 scComm: The device connection was succesful tested"));
    m_comm.setLog(nullptr);
}

}  // namespace
}  // namespace serial
