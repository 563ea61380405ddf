// The loop on the line: identity replies of each revision, the addressing rules, and what a
// device does not answer.

#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/Loop.h"

using namespace sim;
using simtest::hex;
using simtest::hexOf;
using simtest::withCheck;

namespace {

Loop loopOf(DeviceConfig config) {
    Loop loop;
    loop.addDevice(std::move(config));
    return loop;
}

// The one transmission a request gets, or an empty text when nobody answers.
std::string answer(Loop& loop, const Bytes& request, std::int64_t completeMs = 1000) {
    const auto sent = loop.handleRequest(request, completeMs);
    if (sent.empty()) return {};
    EXPECT_EQ(sent.size(), 1u);
    return hexOf(sent.front().bytes);
}

}  // namespace

struct IdentityCase {
    int revision;
    const char* reply;
};

class IdentityLayouts : public testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityLayouts, CommandZeroReplyHasTheRevisionsLayout) {
    Loop loop = loopOf(simtest::steadyTransmitter(GetParam().revision));
    const auto sent = loop.handleRequest(hex("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                                             "FF FF FF 02 80 00 00 82"),
                                         5000);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(hexOf(sent[0].bytes), GetParam().reply);
    EXPECT_EQ(sent[0].startMs, 5000 + kDefaultTurnaroundMs);
    EXPECT_EQ(sent[0].source, Source::Reply);
}

// HART 5: 12 identity bytes; 6 adds response preambles, device variables, change counter and
// extended status; 7 has the expanded device type first and adds manufacturer, distributor and
// profile.
INSTANTIATE_TEST_SUITE_P(
    Revisions, IdentityLayouts,
    testing::Values(
        IdentityCase{5, "FF FF FF FF FF 06 80 00 0E 00 20 FE 3A A1 05 05 01 01 08 00 0A 0B 0C C8"},
        IdentityCase{6,
                     "FF FF FF FF FF 06 80 00 13 00 20 FE 3A A1 05 06 01 01 08 00 0A 0B 0C 05 04 "
                     "00 00 00 D7"},
        IdentityCase{7,
                     "FF FF FF FF FF 06 80 00 18 00 20 FE E0 A1 05 07 01 01 08 00 0A 0B 0C 05 04 "
                     "00 00 00 60 41 00 3A 01 1D"}),
    [](const auto& info) { return "Hart" + std::to_string(info.param.revision); });

TEST(LoopTest, ReadsProcessValuesInLongFrames) {
    Loop loop = loopOf(simtest::steadyTransmitter(7));
    // First reply to the primary master shows the cold start (0x20), the next one no longer.
    EXPECT_EQ(answer(loop, hex("FF FF FF FF FF 82 A0 A1 0A 0B 0C 01 00 8F")),
              "FF FF FF FF FF 86 A0 A1 0A 0B 0C 01 07 00 20 0C 42 C8 00 00 2A");
    EXPECT_EQ(answer(loop, hex("FF FF FF FF FF 82 A0 A1 0A 0B 0C 03 00 8D"), 2000),
              "FF FF FF FF FF 86 A0 A1 0A 0B 0C 03 1A 00 00 41 40 00 00 0C 42 C8 00 00 20 41 AC 00 "
              "00 20 41 E0 00 00 07 3F 99 99 9A FA");
}

struct AddressCase {
    const char* name;
    int revision;
    const char* request;    // without its check byte
    const char* replyHead;  // delimiter, address and command of the reply; empty: no reply
};

class AddressingRules : public testing::TestWithParam<AddressCase> {};

TEST_P(AddressingRules, AnswersOnlyFramesForThisDevice) {
    Loop loop = loopOf(simtest::steadyTransmitter(GetParam().revision));
    const std::string reply = answer(loop, withCheck(hex(GetParam().request)));
    const std::string head = GetParam().replyHead;
    if (head.empty()) {
        EXPECT_EQ(reply, "");
    } else {
        ASSERT_GE(reply.size(), 15 + head.size());
        EXPECT_EQ(reply.substr(15, head.size()), head);  // after the five preambles
    }
}

// The tag "PT-101" packed is 41 4B 71 C3 18 20.
INSTANTIATE_TEST_SUITE_P(
    Cases, AddressingRules,
    testing::Values(
        AddressCase{"ShortPrimary", 7, "FF FF 02 80 00 00", "06 80 00"},
        AddressCase{"ShortSecondary", 7, "FF FF 02 00 00 00", "06 00 00"},
        AddressCase{"ShortOtherPollingAddress", 7, "FF FF 02 85 00 00", ""},
        AddressCase{"ShortFrameOnlyForCommandZero", 7, "FF FF 02 80 01 00", ""},
        AddressCase{"LongPrimary", 7, "FF FF 82 A0 A1 0A 0B 0C 01 00", "86 A0 A1 0A 0B 0C 01"},
        AddressCase{"LongSecondary", 7, "FF FF 82 20 A1 0A 0B 0C 01 00", "86 20 A1 0A 0B 0C 01"},
        AddressCase{"LongHart5", 5, "FF FF 82 BA A1 0A 0B 0C 01 00", "86 BA A1 0A 0B 0C 01"},
        AddressCase{"LongCommandZero", 7, "FF FF 82 A0 A1 0A 0B 0C 00 00", "86 A0 A1 0A 0B 0C 00"},
        AddressCase{"OtherDeviceId", 7, "FF FF 82 A0 A1 0A 0B 0D 01 00", ""},
        AddressCase{"OtherDeviceType", 7, "FF FF 82 A0 A2 0A 0B 0C 01 00", ""},
        AddressCase{"BroadcastOfCommandOne", 7, "FF FF 82 80 00 00 00 00 01 00", ""},
        AddressCase{"BroadcastTagMatches", 7, "FF FF 82 80 00 00 00 00 0B 06 41 4B 71 C3 18 20",
                    "86 A0 A1 0A 0B 0C 0B"},
        AddressCase{"BroadcastTagDiffers", 7, "FF FF 82 80 00 00 00 00 0B 06 41 4B 71 C3 18 60",
                    ""},
        AddressCase{"BroadcastTagTooShort", 7, "FF FF 82 80 00 00 00 00 0B 02 41 4B", ""},
        AddressCase{"OnePreambleIsTooFew", 7, "FF 02 80 00 00", ""},
        AddressCase{"ReplyFrameIsNoRequest", 7, "FF FF 06 80 00 02 00 00", ""},
        AddressCase{"BurstFrameIsNoRequest", 7, "FF FF 81 A0 A1 0A 0B 0C 01 00", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoopTest, LongTagBroadcastNeedsRevisionSix) {
    Bytes request = hex("FF FF 82 80 00 00 00 00 15 20");
    ByteWriter(request).latin1("PT-101 simulated pressure", 32);
    request = withCheck(request);
    Loop hart7 = loopOf(simtest::steadyTransmitter(7));
    EXPECT_NE(answer(hart7, request), "");
    Loop hart5 = loopOf(simtest::steadyTransmitter(5));
    EXPECT_EQ(answer(hart5, request), "");
    request[request.size() - 3] ^= 1;  // another long tag (and its own check byte)
    request.back() ^= 1;
    EXPECT_EQ(answer(hart7, request), "");
}

TEST(LoopTest, IgnoresAFrameWithABadCheckByte) {
    Loop loop = loopOf(simtest::steadyTransmitter(7));
    EXPECT_EQ(answer(loop, hex("FF FF FF FF FF 02 80 00 00 83")), "");
    EXPECT_NE(answer(loop, hex("FF FF FF FF FF 02 80 00 00 82")), "");
}

TEST(LoopTest, ARequestOverlappingItsOwnReplyIsNotHeard) {
    Loop loop = loopOf(simtest::steadyTransmitter(7));
    const Bytes request = hex("FF FF FF FF FF 02 80 00 00 82");  // 10 bytes: 92 ms on the line
    const auto first = loop.handleRequest(request, 1000);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(loop.lineFreeMs(), first[0].endMs());
    // Starts while the reply is still on the line.
    EXPECT_TRUE(loop.handleRequest(request, first[0].endMs() + 91).empty());
    // Starts once the line is free again.
    EXPECT_EQ(loop.handleRequest(request, first[0].endMs() + 92).size(), 1u);
}

TEST(LoopTest, DevicesOnOneAddressCollide) {
    Loop loop;
    loop.addDevice(simtest::steadyTransmitter(7));
    DeviceConfig twin = simtest::steadyTransmitter(7);
    twin.deviceId = 0x0A0B0D;
    loop.addDevice(twin);
    const auto sent = loop.handleRequest(hex("FF FF FF FF FF 02 80 00 00 82"), 1000);
    ASSERT_EQ(sent.size(), 1u);
    // One transmission: the two replies OR-ed, which fails its check byte.
    EXPECT_EQ(hexOf(sent[0].bytes).substr(0, 32), "FF FF FF FF FF 06 80 00 18 00 20");
    std::uint8_t check = 0;
    for (std::size_t i = 5; i < sent[0].bytes.size(); ++i)
        check ^= sent[0].bytes[i];
    EXPECT_NE(check, 0);
    EXPECT_THROW(loop.addDevice(twin), std::invalid_argument);  // same long address
}
