// Faults on demand, timing, burst mode and a second master's traffic, in simulated time.

#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/FrameParser.h"
#include "sim/Loop.h"

using namespace sim;
using simtest::hex;
using simtest::hexOf;

namespace {

const Bytes kCommand1 = hex("FF FF FF FF FF 82 A0 A1 0A 0B 0C 01 00 8F");  // primary, long
const Bytes kCommand0 = hex("FF FF FF FF FF 02 80 00 00 82");

// The frames a transmission carries (garbage and bad frames included as parsed).
std::vector<ParsedFrame> framesOf(const Transmission& t) {
    FrameParser parser;
    parser.feed(t.bytes);
    std::vector<ParsedFrame> frames;
    while (auto f = parser.next())
        frames.push_back(*f);
    return frames;
}

Loop steadyLoop(int revision = 7) {
    Loop loop;
    loop.addDevice(simtest::steadyTransmitter(revision));
    return loop;
}

}  // namespace

TEST(LoopFaultsTest, BusyForTheNextRequestsThenAnswers) {
    Loop loop = steadyLoop();
    loop.device(0).faults().busyCount = 3;
    std::int64_t now = 1000;
    for (int i = 0; i < 3; ++i, now += 1000) {
        const auto sent = loop.handleRequest(kCommand1, now);
        ASSERT_EQ(sent.size(), 1u);
        const auto frames = framesOf(sent[0]);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_TRUE(frames[0].checkOk);
        EXPECT_EQ(frames[0].frame.data.at(0), rc::kBusy);
        EXPECT_EQ(frames[0].frame.data.size(), 2u);
    }
    const auto sent = loop.handleRequest(kCommand1, now);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(hexOf(framesOf(sent[0]).at(0).frame.data), "00 00 0C 42 C8 00 00");

    // A busy device still only answers the broadcasts meant for it.
    loop.device(0).faults().busyCount = 1;
    const Bytes otherTag =
        simtest::withCheck(hex("FF FF 82 80 00 00 00 00 0B 06 00 00 00 00 00 00"));
    EXPECT_TRUE(loop.handleRequest(otherTag, now + 1000).empty());
    EXPECT_EQ(loop.device(0).faults().busyCount, 1);
}

TEST(LoopFaultsTest, SilentDeviceOrAddressDoesNotAnswer) {
    Loop loop;
    loop.addDevice(simtest::steadyTransmitter(7));
    DeviceConfig second = simtest::steadyTransmitter(7);
    second.pollingAddress = 1;
    second.deviceId = 0x0A0B0D;
    loop.addDevice(second);
    const Bytes poll1 = hex("FF FF FF FF FF 02 81 00 00 83");

    loop.device(0).faults().silent = true;
    EXPECT_TRUE(loop.handleRequest(kCommand0, 1000).empty());
    EXPECT_EQ(loop.handleRequest(poll1, 2000).size(), 1u);

    loop.device(0).faults().silent = false;
    loop.settings().faults.silentAddresses = {1};
    EXPECT_EQ(loop.handleRequest(kCommand0, 3000).size(), 1u);
    EXPECT_TRUE(loop.handleRequest(poll1, 4000).empty());
}

TEST(LoopFaultsTest, TurnaroundAndLateRepliesSetTheStart) {
    Loop loop = steadyLoop();
    EXPECT_EQ(loop.handleRequest(kCommand0, 1000).at(0).startMs, 1020);
    loop.settings().turnaroundMs = 50;
    loop.device(0).faults().lateMs = 300;
    const auto late = loop.handleRequest(kCommand0, 2000);
    EXPECT_EQ(late.at(0).startMs, 2350);
    EXPECT_EQ(late.at(0).endMs(), 2350 + 312);  // 34 bytes at 9.167 ms
}

TEST(LoopFaultsTest, BadCheckBytesForTheNextReplies) {
    Loop loop = steadyLoop();
    loop.device(0).faults().badCheckCount = 1;
    EXPECT_FALSE(framesOf(loop.handleRequest(kCommand1, 1000).at(0)).at(0).checkOk);
    EXPECT_TRUE(framesOf(loop.handleRequest(kCommand1, 2000).at(0)).at(0).checkOk);
}

TEST(LoopFaultsTest, GarbageGoesAheadOfTheFrame) {
    Loop loop = steadyLoop();
    loop.settings().faults.garbageBytes = 7;
    const Transmission sent = loop.handleRequest(kCommand1, 1000).at(0);
    EXPECT_EQ(sent.bytes.size(), 7u + 21);
    const auto frames = framesOf(sent);
    ASSERT_FALSE(frames.empty());
    EXPECT_TRUE(frames.back().checkOk);
    EXPECT_EQ(frames.back().end, sent.bytes.size());
}

TEST(LoopFaultsTest, BitErrorsRepeatForTheSameSeed) {
    auto run = [](std::uint64_t seed, double rate) {
        Loop loop = steadyLoop();
        loop.settings().faults.bitErrorRate = rate;
        loop.reseed(seed);
        std::vector<Bytes> out;
        for (int i = 0; i < 20; ++i)
            out.push_back(loop.handleRequest(kCommand1, 1000 * (i + 1)).at(0).bytes);
        return out;
    };
    const auto clean = run(7, 0);
    const auto noisy = run(7, 0.01);
    EXPECT_EQ(noisy, run(7, 0.01));
    EXPECT_NE(noisy, run(8, 0.01));
    int changedBits = 0;
    for (std::size_t i = 0; i < clean.size(); ++i)
        for (std::size_t k = 0; k < clean[i].size(); ++k)
            changedBits += std::popcount(static_cast<unsigned>(clean[i][k] ^ noisy[i][k]));
    // 20 frames of 20 bytes: 3200 bits, about 32 inverted.
    EXPECT_GT(changedBits, 10);
    EXPECT_LT(changedBits, 70);
}

TEST(LoopFaultsTest, BurstModeSendsFramesAtThePeriod) {
    Loop loop = steadyLoop();
    const Bytes burstOn =
        simtest::withCheck(hex("FF FF FF FF FF 82 A0 A1 0A 0B 0C 6D 01 01"));  // command 109
    const Transmission reply = loop.handleRequest(burstOn, 1000).at(0);
    // The reply already carries the burst bit.
    EXPECT_EQ(hexOf(reply.bytes).substr(15, 17), "86 E0 A1 0A 0B 0C");

    DeviceConfig config = simtest::steadyTransmitter(7);
    const int period = config.burst.periodMs;
    ASSERT_EQ(loop.nextDueMs(), reply.endMs() + period);
    EXPECT_TRUE(loop.due(reply.endMs() + period - 1).empty());
    const auto bursts = loop.due(reply.endMs() + 2 * period);
    ASSERT_EQ(bursts.size(), 2u);
    EXPECT_EQ(bursts[0].startMs, reply.endMs() + period);
    EXPECT_EQ(bursts[1].startMs, reply.endMs() + 2 * period);
    // Burst delimiter, burst bit, and the master bit alternating between the two masters.
    EXPECT_EQ(hexOf(bursts[0].bytes),
              "FF FF FF FF FF 81 E0 A1 0A 0B 0C 03 1A 00 40 41 40 00 00 0C 42 C8 00 00 20 41 AC 00 "
              "00 20 41 E0 00 00 07 3F 99 99 9A FD");
    EXPECT_EQ(bursts[1].bytes.at(6), 0x60);
    EXPECT_EQ(bursts[1].source, Source::Burst);

    const Bytes burstOff = simtest::withCheck(hex("FF FF FF FF FF 82 A0 A1 0A 0B 0C 6D 01 00"));
    ASSERT_EQ(loop.handleRequest(burstOff, bursts[1].endMs() + 200).size(), 1u);
    EXPECT_FALSE(loop.nextDueMs());
    EXPECT_TRUE(loop.due(1'000'000).empty());
}

TEST(LoopFaultsTest, BurstWaitsForTheLineAndSkipsMissedPeriods) {
    DeviceConfig config = simtest::steadyTransmitter(7);
    config.burst.enabled = true;
    config.burst.command = 1;
    config.burst.periodMs = 1000;
    Loop loop;
    loop.addDevice(config);
    EXPECT_EQ(loop.nextDueMs(), 1000);
    // A request answered across the due time delays the burst until the reply has ended; the
    // next burst keeps the period's rhythm.
    const Transmission reply = loop.handleRequest(kCommand1, 980).at(0);
    EXPECT_EQ(loop.nextDueMs(), reply.endMs());
    const auto bursts = loop.due(reply.endMs());
    ASSERT_EQ(bursts.size(), 1u);
    EXPECT_EQ(bursts[0].startMs, reply.endMs());
    EXPECT_EQ(loop.nextDueMs(), 2000);
    // A caller that comes back later gets one burst for every period in between.
    EXPECT_EQ(loop.due(10'500).size(), 9u);
    EXPECT_EQ(loop.nextDueMs(), 11'000);
}

TEST(LoopFaultsTest, SecondMasterTrafficAppearsOnTheLine) {
    Loop loop = steadyLoop();
    loop.settings().otherMaster = {1000, Master::Secondary, 3, 0};
    EXPECT_EQ(loop.nextDueMs(), 1000);
    const auto traffic = loop.due(2500);
    ASSERT_EQ(traffic.size(), 4u);  // two request/reply pairs by 2.5 s
    EXPECT_EQ(traffic[0].source, Source::OtherMaster);
    EXPECT_EQ(hexOf(traffic[0].bytes), "FF FF FF FF FF 82 20 A1 0A 0B 0C 03 00 0D");
    EXPECT_EQ(traffic[0].startMs, 1000);
    EXPECT_EQ(traffic[1].source, Source::Reply);
    EXPECT_EQ(traffic[1].startMs, traffic[0].endMs() + kDefaultTurnaroundMs);
    const auto reply = framesOf(traffic[1]).at(0);
    EXPECT_TRUE(reply.checkOk);
    EXPECT_EQ(reply.frame.kind, FrameKind::Reply);
    EXPECT_EQ(reply.frame.master(), Master::Secondary);
    EXPECT_EQ(reply.frame.data.at(1), status::kColdStart);  // the device's first reply to it
    EXPECT_EQ(traffic[2].startMs, 2000);
}
