// The link engine in simulated time, against devices that answer with literal frames.

#include "driver/engine/LinkEngine.h"

#include <gtest/gtest.h>

#include <deque>

#include "driver/command/CommandLine.h"
#include "support/EngineRig.h"

namespace driver {
namespace {

using testsupport::LineAnswer;
using Bytes = std::vector<std::uint8_t>;

// A frame as a device puts it on the line: preambles, delimiter, address, command, byte count,
// data and the check byte (worked out here, independently of the receiver).
Bytes frame(std::uint8_t delimiter, Bytes address, std::uint8_t command, Bytes data,
            int preambles = 5) {
    Bytes f(static_cast<std::size_t>(preambles), 0xFF);
    f.push_back(delimiter);
    f.insert(f.end(), address.begin(), address.end());
    f.push_back(command);
    f.push_back(static_cast<std::uint8_t>(data.size()));
    f.insert(f.end(), data.begin(), data.end());
    std::uint8_t check = 0;
    for (std::size_t i = static_cast<std::size_t>(preambles); i < f.size(); ++i)
        check ^= f[i];
    f.push_back(check);
    return f;
}

const Bytes kLongToPrimary = {0xA6, 0x05, 0x01, 0x02, 0x03};  // 0x80 | 0x26, type 5, id 010203
const Bytes kLongToSecondary = {0x26, 0x05, 0x01, 0x02, 0x03};

// Command 0 identity of the device: manufacturer 0x26, type 5, 5 preambles, HART 5, id 010203.
Bytes identityData(std::uint8_t status = 0) {
    return {0x00, status, 254, 0x26, 0x05, 5, 5, 1, 2, 3, 0, 0x01, 0x02, 0x03};
}
// Command 3: loop current 12 mA, PV 4 kPa.
Bytes command3Data(std::uint8_t responseCode = 0) {
    return {responseCode, 0x00, 0x41, 0x40, 0x00, 0x00, 12, 0x40, 0x80, 0x00, 0x00};
}

// The command of a request frame as the engine writes it.
std::uint8_t requestCommand(std::span<const std::uint8_t> request) {
    std::size_t p = 0;
    while (request[p] == 0xFF)
        ++p;
    return request[p + ((request[p] & 0x80) ? 6 : 2)];
}

class LinkEngineTest : public ::testing::Test, protected testsupport::EngineRig {
  protected:
    LinkEngineTest() : EngineRig(HALVANE_TABLE_FILE) { port.device = scripted(); }

    // Answers from the script, one per request; an empty answer is silence.
    testsupport::Device scripted() {
        return [this](std::span<const std::uint8_t>) -> std::optional<LineAnswer> {
            if (script.empty()) return std::nullopt;
            auto next = script.front();
            script.pop_front();
            if (!next) return std::nullopt;
            return LineAnswer{*next, 20};
        };
    }

    void identified() {
        hart::UniqueIdentifier& id = engine.registr[0];
        id.MfrId = 0x26;
        id.MfrDeviceType = 0x05;
        id.NmbrPreamb = 5;
        id.DeviceIdNumberHi = 1;
        id.DeviceIdNumberMid = 2;
        id.DeviceIdNumberLo = 3;
        id.Address = {0x26, 0x05, 0x01, 0x02, 0x03};
    }

    std::deque<std::optional<Bytes>> script;
};

TEST_F(LinkEngineTest, DeliversTheDecodedReply) {
    identified();
    script = {frame(0x86, kLongToPrimary, 3, command3Data())};
    const int sentBefore = engine.Label1;
    transact("3;;0");
    EXPECT_EQ(view.item, (std::vector<std::string>{"3", "0", "", "", "12", "kPa", "4"}));
    EXPECT_EQ(engine.Label1 - sentBefore, 1);
    EXPECT_EQ(engine.Label14, 2);
    EXPECT_FALSE(engine.Busy);
    EXPECT_EQ(engine.rs, rstNone);
    time.runFor(2000);  // nothing more happens
    EXPECT_FALSE(timer1.enabled());
    ASSERT_EQ(port.sent.size(), 1u);
    EXPECT_EQ(port.sent[0], (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x82, 0xA6, 0x05, 0x01, 0x02, 0x03,
                                   0x03, 0x00, 0x22}));
}

TEST_F(LinkEngineTest, IdentifiesAndLearnsTheLongAddress) {
    script = {frame(0x06, {0x80}, 0, identityData())};
    transact("0;;0");
    ASSERT_GE(view.item.size(), 13u);
    EXPECT_EQ(view.item[0], "0");
    EXPECT_EQ(view.item[6], "5");  // S3: preambles
    EXPECT_EQ(view.item[12], "66051");
    EXPECT_EQ(engine.registr[0].Address,
              (std::array<std::uint8_t, 5>{0x26, 0x05, 0x01, 0x02, 0x03}));
    EXPECT_EQ(engine.registr[0].NmbrPreamb, 5);
}

TEST_F(LinkEngineTest, AssemblesAReplySplitOverReceiveEvents) {
    identified();
    const Bytes reply = frame(0x86, kLongToPrimary, 3, command3Data());
    port.device = [&](std::span<const std::uint8_t>) -> std::optional<LineAnswer> {
        // Delimiter in the first event, the rest 30 ms later.
        port.arrive(time.now() + 500, Bytes(reply.begin(), reply.begin() + 9));
        port.arrive(time.now() + 530, Bytes(reply.begin() + 9, reply.end()));
        return std::nullopt;
    };
    transact("3;;0");
    EXPECT_EQ(view.item.at(6), "4");
    EXPECT_EQ(port.sent.size(), 1u);
}

TEST_F(LinkEngineTest, PreamblesAloneInAnEventAreDropped) {
    identified();
    const Bytes reply = frame(0x86, kLongToPrimary, 3, command3Data());
    port.device = [&](std::span<const std::uint8_t>) -> std::optional<LineAnswer> {
        if (port.sent.size() == 1) {
            // Only preambles first, then the rest without a preamble: no frame start.
            port.arrive(time.now() + 500, Bytes(reply.begin(), reply.begin() + 5));
            port.arrive(time.now() + 530, Bytes(reply.begin() + 5, reply.end()));
        } else {
            port.arrive(time.now() + 500, Bytes(reply.begin(), reply.begin() + 3));
            port.arrive(time.now() + 530, Bytes(reply.begin() + 3, reply.end()));
        }
        return std::nullopt;
    };
    transact("3;;0");
    EXPECT_EQ(port.sent.size(), 2u);
    EXPECT_EQ(view.item.at(6), "4");
}

TEST_F(LinkEngineTest, IgnoresFramesThatCannotBeTheReply) {
    identified();
    Bytes badCheck = frame(0x86, kLongToPrimary, 3, command3Data());
    badCheck.back() ^= 0x01;
    Bytes garbageFirst = {0x13, 0x37, 0x00, 0x42};
    const Bytes good = frame(0x86, kLongToPrimary, 3, command3Data());
    garbageFirst.insert(garbageFirst.end(), good.begin(), good.end());
    const struct {
        const char* what;
        Bytes answer;
        std::size_t sends;
    } cases[] = {
        {"bad check byte", badCheck, 2},
        {"byte count 0: a master's request heard", frame(0x02, {0x80}, 0, {}), 2},
        {"another device's long address",
         frame(0x86, {0xA6, 0x05, 0x01, 0x02, 0x04}, 3, command3Data()), 2},
        {"another command", frame(0x86, kLongToPrimary, 1, {0, 0, 12, 0x40, 0x80, 0, 0}), 2},
        {"garbage without 0xFF before a good reply", garbageFirst, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        port.sent.clear();
        script = {c.answer, frame(0x86, kLongToPrimary, 3, command3Data())};
        transact("3;;0");
        EXPECT_EQ(port.sent.size(), c.sends);
        EXPECT_EQ(view.item.at(6), "4");
    }
}

TEST_F(LinkEngineTest, BusyDeviceIsAskedAgain) {
    identified();
    const Bytes busy = frame(0x86, kLongToPrimary, 3, {32, 0});
    script = {busy, busy, busy, frame(0x86, kLongToPrimary, 3, command3Data())};
    const int delivered = engine.Label14;
    transact("3;;0");
    EXPECT_EQ(port.sent.size(), 4u);
    EXPECT_EQ(engine.Label14, delivered + 1);
    EXPECT_EQ(view.item.at(6), "4");
}

TEST_F(LinkEngineTest, SilentDeviceIsReidentifiedThenGivenUp) {
    identified();
    const int sentBefore = engine.Label1;
    transact("3;;0");
    EXPECT_EQ(engine.Label1 - sentBefore, 12);
    EXPECT_EQ(view.served(), "0\r\n0\r\nCommunication Error!\r\n");
    EXPECT_FALSE(engine.Busy);
    EXPECT_EQ(engine.rs, rstNone);
    EXPECT_EQ(engine.NmbrSendTry, 0);
    ASSERT_EQ(port.sent.size(), 12u);
    EXPECT_EQ(port.sent[5][5], 0x82);   // sixth send: the request
    EXPECT_EQ(port.sent[6][20], 0x02);  // seventh: command 0 as a short frame, 20 preambles
}

TEST_F(LinkEngineTest, ReidentifiedDeviceGetsTheRequestAtItsNewAddress) {
    identified();
    engine.registr[0].DeviceIdNumberLo = 9;  // stale identity: the device does not answer it
    engine.registr[0].Address[4] = 9;
    script = {std::nullopt,
              std::nullopt,
              std::nullopt,
              std::nullopt,
              std::nullopt,
              std::nullopt,
              frame(0x06, {0x80}, 0, identityData()),
              frame(0x86, kLongToPrimary, 3, command3Data())};
    transact("3;;0");
    ASSERT_EQ(port.sent.size(), 8u);
    EXPECT_EQ(port.sent[7][10], 0x03);  // the repeated request carries the learnt id 01 02 03
    EXPECT_EQ(view.item.at(0), "3");
    EXPECT_EQ(view.item.at(6), "4");
    EXPECT_EQ(engine.registr[0].DeviceIdNumberLo, 3);
}

TEST_F(LinkEngineTest, ReplyToTheOtherMasterSendsAtOnce) {
    identified();
    // The secondary master's transaction ends while ours waits for its first tick.
    const Bytes other = frame(0x86, kLongToSecondary, 1, {0, 0, 12, 0x40, 0x80, 0, 0});
    port.arrive(time.now() + 100, other);
    script = {frame(0x86, kLongToPrimary, 3, command3Data())};
    RunCommandLine(engine, "3;;0");
    time.runFor(100 + other.size() * 10);
    ASSERT_EQ(port.sent.size(), 1u);  // before the 380 ms tick
    time.runFor(2000);
    EXPECT_EQ(view.item.at(6), "4");
}

TEST_F(LinkEngineTest, BurstFrameIsTakenAsTheReply) {
    identified();
    script = {frame(0x81, {0xE6, 0x05, 0x01, 0x02, 0x03}, 3, command3Data())};
    transact("3;;0");
    EXPECT_EQ(view.item.at(3), " In BURST Mode!");
    EXPECT_EQ(view.item.at(6), "4");
}

TEST_F(LinkEngineTest, BurstToTheOtherMasterCarryingTheReplyEndsTheTransaction) {
    identified();
    // A burst frame to the secondary master ends its turn and answers our pending command 3:
    // it is taken as the reply, and the request is not sent as well.
    port.arrive(time.now() + 100, frame(0x81, {0x66, 0x05, 0x01, 0x02, 0x03}, 3, command3Data()));
    transact("3;;0");
    EXPECT_TRUE(port.sent.empty());
    EXPECT_EQ(view.item.at(3), " In BURST Mode!");
    EXPECT_EQ(view.item.at(6), "4");
}

TEST_F(LinkEngineTest, WriteReplyThatDoesNotEchoIsNotDelivered) {
    identified();
    // Command 34 writes damping 4 s (40 80 00 00); the device echoes 2 s (40 00 00 00) every
    // time. Each echo is compared with the request, not with the reply heard before it.
    port.device = [](std::span<const std::uint8_t> request) -> std::optional<LineAnswer> {
        if (requestCommand(request) == 0) return LineAnswer{frame(0x06, {0x80}, 0, identityData())};
        return LineAnswer{frame(0x86, kLongToPrimary, 34, {0, 0, 0x40, 0x00, 0x00, 0x00})};
    };
    transact("34;;0;;4");
    EXPECT_EQ(view.served(), "34\r\n0\r\nCommunication Error!\r\n");
    EXPECT_EQ(port.sent.size(), 13u) << "six sends, the identity, six sends again";

    // A device that echoes right after a wrong echo is delivered.
    script = {frame(0x86, kLongToPrimary, 34, {0, 0, 0x40, 0x00, 0x00, 0x00}),
              frame(0x86, kLongToPrimary, 34, {0, 0, 0x40, 0x80, 0x00, 0x00})};
    port.device = scripted();
    port.sent.clear();
    transact("34;;0;;4");
    EXPECT_EQ(port.sent.size(), 2u);
    EXPECT_EQ(view.item.at(4), "4");
}

TEST_F(LinkEngineTest, FramesWithNoTransactionPendingAreNotDelivered) {
    identified();
    // A late duplicate of a delivered reply (with another value by now), and a reply heard
    // after a refused command: neither belongs to a transaction.
    const struct {
        const char* what;
        const char* commandLine;
        const char* served;
        Bytes late;
    } cases[] = {
        {"after a delivered reply", "3;;0", "3\r\n0\r\n\r\n\r\n12\r\nkPa\r\n4\r\n",
         frame(0x86, kLongToPrimary, 3,
               {0, 0, 0x41, 0x40, 0x00, 0x00, 12, 0x40, 0xA0, 0x00, 0x00})},
        {"after Command Error!", "4;;0", "4\r\n0\r\nCommand Error!\r\n",
         frame(0x86, kLongToPrimary, 4, {0, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        script = {frame(0x86, kLongToPrimary, 3, command3Data())};
        transact(c.commandLine);
        ASSERT_EQ(view.served(), c.served);
        const int changes = view.itemChanges;
        const int delivered = engine.Label14;
        port.putOnLine(c.late, static_cast<double>(time.now()) + 50);
        time.runFor(1000);
        EXPECT_EQ(view.served(), c.served);
        EXPECT_EQ(view.itemChanges, changes);
        EXPECT_EQ(engine.Label14, delivered);
    }
}

TEST_F(LinkEngineTest, RefusedCommandEndsAtTheFirstTick) {
    const std::uint64_t start = time.now();
    transact("3;;65");
    EXPECT_EQ(view.served(), "3\r\n65\r\nCommand Error!\r\n");
    EXPECT_TRUE(port.sent.empty());
    EXPECT_LE(time.now() - start, 400u + 10u);
    EXPECT_FALSE(engine.Busy);
}

TEST_F(LinkEngineTest, NoPortEndsAtOnceWithCommunicationError) {
    port.selected = false;
    transact("3;;0");
    EXPECT_EQ(view.served(), "3\r\n0\r\nCommunication Error!\r\n");
    EXPECT_TRUE(port.sent.empty());
}

TEST_F(LinkEngineTest, SendThatRaisesCountsAsATryAndTheTransactionEnds) {
    identified();
    engine.mType = mRQ20;
    port.sendsFail = true;
    transact("3;;0");
    EXPECT_EQ(view.served(), "0\r\n0\r\nCommunication Error!\r\n");
    EXPECT_EQ(port.failedSends, 12);
    EXPECT_FALSE(engine.Busy);
    EXPECT_FALSE(engine.Sending);
    EXPECT_FALSE(engine.txShown);
    ASSERT_FALSE(port.rts.empty());
    EXPECT_FALSE(port.rts.back().second) << "the modem is not left keyed";

    // The port works again: the next transaction goes through.
    port.sendsFail = false;
    script = {frame(0x86, kLongToPrimary, 3, command3Data())};
    transact("3;;0");
    EXPECT_EQ(view.item.at(6), "4");
}

TEST_F(LinkEngineTest, RtsFollowsTheModemType) {
    identified();
    engine.mType = mRQ20;
    script = {frame(0x86, kLongToPrimary, 3, command3Data())};
    transact("3;;0");
    // RTS on for the frame, off within 2 ms after its last bit: (14 + 1) * 9.167 ms = 138 ms.
    ASSERT_EQ(port.rts.size(), 2u);
    EXPECT_TRUE(port.rts[0].second);
    EXPECT_FALSE(port.rts[1].second);
    const auto off = port.rts[1].first - port.rts[0].first;
    EXPECT_GE(off, 138u);
    EXPECT_LE(off, 140u);

    port.rts.clear();
    port.sentAt.clear();
    engine.mType = mRQ10;
    script = {frame(0x86, kLongToPrimary, 3, command3Data())};
    transact("3;;0");
    // RTS stays off while the frame is written; a 1 ms pulse follows the after-send wait of
    // 14 * 20 + 100 ms, which ends when the tick has passed its end.
    ASSERT_EQ(port.rts.size(), 2u);
    ASSERT_EQ(port.sentAt.size(), 1u);
    EXPECT_TRUE(port.rts[0].second);
    EXPECT_FALSE(port.rts[1].second);
    EXPECT_EQ(port.rts[0].first - port.sentAt[0], 381u);
    EXPECT_EQ(port.rts[1].first - port.rts[0].first, 1u);
}

TEST_F(LinkEngineTest, TransactionStoppedByAnotherMasterStillEnds) {
    identified();
    // Another master's request is heard while our device stays silent.
    port.device = [&](std::span<const std::uint8_t>) -> std::optional<LineAnswer> {
        if (port.sent.size() == 1) {
            port.putOnLine(frame(0x82, {0x26, 0x05, 0x01, 0x02, 0x03}, 1, {0}), time.now() + 400.0);
        }
        return std::nullopt;
    };
    transact("3;;0", 60'000);
    EXPECT_EQ(view.served(), "0\r\n0\r\nCommunication Error!\r\n");
}

TEST_F(LinkEngineTest, AnotherMasterPollingWithoutPauseCannotStarveATransaction) {
    identified();
    // Another master sends a request every 305 ms that nobody answers; each one holds our send
    // back, but never by more than a second beyond the poll interval.
    const Bytes foreign = frame(0x82, {0x26, 0x05, 0x01, 0x02, 0x04}, 1, {0});
    std::function<void()> poll = [&] {
        port.putOnLine(foreign, static_cast<double>(time.now()));
        time.post(time.now() + 305, poll);
    };
    time.post(time.now() + 100, poll);
    const std::uint64_t start = time.now();
    transact("3;;0", 120'000);
    EXPECT_EQ(view.served(), "0\r\n0\r\nCommunication Error!\r\n");
    EXPECT_EQ(port.sent.size(), 12u);
    EXPECT_FALSE(engine.Busy);
    // 13 ticks, each at most 380 + 1000 ms after it was planned, and 12 after-send waits.
    EXPECT_LE(time.now() - start, 13u * 1380 + 12 * 600);
}

TEST_F(LinkEngineTest, GenericCommandUsesLongPollIntervalsUntilItsReply) {
    identified();
    script = {frame(0x86, kLongToPrimary, 128, {0, 0, 0x07})};
    RunCommandLine(engine, "255;;0;;R128B|B;;7");
    EXPECT_EQ(engine.PrimaryPollInterval, 600);
    EXPECT_EQ(engine.SecondaryPollInterval, 600);
    time.runFor(3000);
    EXPECT_EQ(view.item, (std::vector<std::string>{"128", "0", "", "", "7"}));
    EXPECT_EQ(engine.PrimaryPollInterval, 380);
    EXPECT_EQ(engine.SecondaryPollInterval, 305);
}

TEST_F(LinkEngineTest, GenericCommandEndingWithoutAReplyRestoresThePollIntervals) {
    identified();
    const struct {
        const char* what;
        const char* commandLine;
        const char* error;
    } cases[] = {
        {"refused", "255;;0;;R128B", "Command Error!"},
        {"unanswered", "255;;0;;R128B|B;;7", "Communication Error!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        transact(c.commandLine);
        EXPECT_TRUE(view.served().ends_with(std::string(c.error) + "\r\n")) << view.served();
        EXPECT_EQ(engine.PrimaryPollInterval, 380);
        EXPECT_EQ(engine.SecondaryPollInterval, 305);
    }
}

}  // namespace
}  // namespace driver
