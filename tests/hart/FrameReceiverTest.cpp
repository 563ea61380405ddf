#include "hart/FrameReceiver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace hart {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes hex(std::string_view text) {
    Bytes bytes;
    std::istringstream in{std::string(text)};
    unsigned byte = 0;
    while (in >> std::hex >> byte)
        bytes.push_back(static_cast<std::uint8_t>(byte));
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes repeat(std::string_view pattern, std::size_t times) {
    Bytes bytes;
    for (std::size_t i = 0; i < times; ++i)
        bytes = bytes + hex(pattern);
    return bytes;
}

// Command 1 reply to the primary master from long address 26 06 12 34 56: kPa, 4.0.
const Bytes kReply = hex("FF FF FF 86 A6 06 12 34 56 01 07 00 00 0C 40 80 00 00 9C");
const std::size_t kReplyPreambles = 3;

class FrameReceiverTest : public testing::Test {
  protected:
    FrameReceiver m_rx;
    HartMessage m_request;  // command 1, no request data: nothing to echo

    FrameReceiverTest() { m_request.Command = 1; }

    std::optional<ReceivedFrame> feed(const Bytes& bytes) {
        return m_rx.ReceiveEvent(bytes, m_request);
    }
};

TEST_F(FrameReceiverTest, ReplyInOneEvent) {
    const auto frame = feed(kReply);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->delimiter, 0x86);
    EXPECT_EQ(frame->ml, mlLong);
    EXPECT_EQ(frame->md, mdToPrimary);
    EXPECT_EQ(frame->address, (std::array<std::uint8_t, 5>{0x26, 0x06, 0x12, 0x34, 0x56}));
    EXPECT_EQ(frame->command, 1);
    EXPECT_EQ(Bytes(frame->data.begin(), frame->data.begin() + 8), hex("07 00 00 0C 40 80 00 00"));
    EXPECT_EQ(frame->bytes, Bytes(kReply.begin() + kReplyPreambles, kReply.end()));
    EXPECT_TRUE(frame->checkByteOk);
    EXPECT_TRUE(frame->good());
    EXPECT_FALSE(frame->lineError);
    EXPECT_FALSE(frame->inputOverflow);
    EXPECT_EQ(m_rx.progress(), mpPreamble);
}

// Once the delimiter has arrived the rest may come in a later event. An event of preambles alone
// is dropped by the next one, which then needs a preamble of its own before the delimiter.
TEST_F(FrameReceiverTest, ReplySplitOverTwoEvents) {
    for (std::size_t split = 1; split < kReply.size(); ++split) {
        FrameReceiver rx;
        const Bytes first(kReply.begin(), kReply.begin() + static_cast<std::ptrdiff_t>(split));
        const Bytes second(kReply.begin() + static_cast<std::ptrdiff_t>(split), kReply.end());
        EXPECT_FALSE(rx.ReceiveEvent(first, m_request)) << split;
        EXPECT_FALSE(rx.ReceiveEvent({}, m_request));  // an empty event changes nothing
        const auto frame = rx.ReceiveEvent(second, m_request);
        EXPECT_EQ(frame.has_value(), split != kReplyPreambles) << split;
        if (frame) {
            EXPECT_TRUE(frame->good()) << split;
        }
    }
}

TEST_F(FrameReceiverTest, ReplyOneByteAtATime) {
    // Each lone preamble is dropped by the next event; the lone delimiter is kept as the last
    // byte and the frame grows from there.
    for (std::size_t i = 0; i + 1 < kReply.size(); ++i)
        EXPECT_FALSE(feed(Bytes{kReply[i]})) << i;
    const auto frame = feed(Bytes{kReply.back()});
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->good());
}

TEST_F(FrameReceiverTest, ResynchronisesByDroppingBytes) {
    const Bytes body(kReply.begin() + kReplyPreambles, kReply.end());
    const struct {
        const char* name;
        std::vector<Bytes> events;
        bool frame;
    } cases[] = {
        {"garbage before the preambles", {hex("12 34 56") + kReply}, true},
        {"a non-delimiter after preambles", {hex("FF FF 07") + kReply}, true},
        {"garbage without preamble", {hex("12 34 56")}, false},
        // The last byte of a preamble-less event is tried as a delimiter.
        {"garbage ending in a delimiter",
         {hex("12 34 86"), Bytes(body.begin() + 1, body.end())},
         true},
        {"a frame without preambles", {body}, false},
        // Bytes after a complete frame are dropped with the next event.
        {"the start of a second frame",
         {kReply + hex("FF FF 86 A6"), Bytes(body.begin() + 2, body.end())},
         false},
    };
    for (const auto& c : cases) {
        FrameReceiver rx;
        std::optional<ReceivedFrame> frame;  // from the last event
        for (const Bytes& event : c.events)
            frame = rx.ReceiveEvent(event, m_request);
        EXPECT_EQ(frame.has_value(), c.frame) << c.name;
        if (frame) {
            EXPECT_TRUE(frame->good()) << c.name;
        }
    }

    FrameReceiver rx;
    EXPECT_FALSE(rx.ReceiveEvent(hex("12 34 56"), m_request));
    EXPECT_EQ(rx.DataBufCount(), 1u);  // all but the last byte dropped
    EXPECT_EQ(rx.progress(), mpPreamble);
}

// A byte count of 0 (a master's request without data) or above 40 drops the frame unchecked and
// ends the event; the next event starts afresh.
TEST_F(FrameReceiverTest, ImpossibleByteCountsDropTheFrame) {
    for (std::string_view dropped : {"FF FF 02 80 00 00 82", "FF FF 86 A6 06 12 34 56 01 29",
                                     "FF FF 86 A6 06 12 34 56 01 FF 00 00"}) {
        FrameReceiver rx;
        EXPECT_FALSE(rx.ReceiveEvent(hex(dropped) + kReply, m_request)) << dropped;
        EXPECT_EQ(rx.progress(), mpPreamble);
        EXPECT_TRUE(rx.ReceiveEvent(kReply, m_request)) << dropped;
    }
}

TEST_F(FrameReceiverTest, BadCheckByteIsReportedNotHidden) {
    Bytes corrupt = kReply;
    corrupt.back() ^= 0x01;
    m_request.Command = 6;  // an echo that would not match is not even compared
    m_request.Data[0] = 1;
    m_request.Data[1] = 0x77;
    const auto frame = feed(corrupt);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->checkByteOk);
    EXPECT_TRUE(frame->echoOk);
    EXPECT_FALSE(frame->good());
}

TEST_F(FrameReceiverTest, WriteRepliesMustEchoTheRequest) {
    m_request.Command = 6;  // write polling address 5
    m_request.Data[0] = 1;
    m_request.Data[1] = 0x05;
    const auto echoed = feed(hex("FF FF 86 A6 06 12 34 56 06 03 00 00 05 56"));
    ASSERT_TRUE(echoed);
    EXPECT_TRUE(echoed->good());
    const auto other = feed(hex("FF FF 86 A6 06 12 34 56 06 03 00 00 06 55"));
    ASSERT_TRUE(other);
    EXPECT_TRUE(other->checkByteOk);
    EXPECT_FALSE(other->echoOk);
    EXPECT_FALSE(other->good());
}

TEST(EchoMatches, ComparesOnlyWhatAnEchoMustRepeat) {
    const struct {
        const char* name;
        std::uint8_t command;
        std::string_view request;  // Data[0..]
        std::string_view reply;    // Data[0..]
        bool matches;
    } cases[] = {
        {"same data", 6, "01 05", "03 00 00 05", true},
        {"other data", 6, "01 05", "03 00 00 06", false},
        {"error reply", 6, "01 05", "03 07 00 06", true},
        {"warning reply", 6, "01 05", "03 08 00 06", true},
        {"other length", 6, "01 05", "04 00 00 06 00", true},
        {"no request data", 1, "00", "07 00 00 0C 40 80 00 00", true},
        {"long echo", 17, "03 41 42 43", "05 00 00 41 42 43", true},
        {"long echo, last byte differs", 17, "03 41 42 43", "05 00 00 41 42 44", false},
        {"command 250", 250, "01 05", "03 00 00 06", true},
        // Command 251 compares the request's bytes 3.. with the reply's at the same indexes.
        {"command 251", 251, "04 01 02 33 44", "06 00 00 33 44 00 00", true},
        {"command 251, differs", 251, "04 01 02 33 44", "06 00 00 33 45 00 00", false},
        {"command 251, short request", 251, "02 01 02", "04 00 00 09 09", true},
    };
    for (const auto& c : cases) {
        HartMessage request;
        request.Command = c.command;
        const Bytes req = hex(c.request);
        std::copy(req.begin(), req.end(), request.Data.begin());
        ReceivedFrame frame;
        const Bytes rep = hex(c.reply);
        std::copy(rep.begin(), rep.end(), frame.data.begin());
        EXPECT_EQ(EchoMatches(request, frame), c.matches) << c.name;
    }
}

TEST_F(FrameReceiverTest, DirectionFromDelimiterAndMasterBits) {
    const struct {
        std::uint8_t delimiter, firstAddressByte;
        MessageLength ml;
        MessageDirection md;
    } cases[] = {
        {0x02, 0x80, mlShort, mdToSlave},  // a request keeps its direction
        {0x82, 0x26, mlLong, mdToSlave},           {0x06, 0x80, mlShort, mdToPrimary},
        {0x06, 0x00, mlShort, mdToSecondary},      {0x86, 0x26, mlLong, mdToSecondary},
        {0x86, 0xE6, mlLong, mdBurstToPrimary},    {0x01, 0xC0, mlShort, mdBurstToPrimary},
        {0x01, 0x40, mlShort, mdBurstToSecondary}, {0x81, 0x66, mlLong, mdBurstToSecondary},
        {0x81, 0xA6, mlLong, mdToPrimary},  // the address, not the delimiter, says burst
    };
    for (const auto& c : cases) {
        Bytes frame = {0xFF, 0xFF, c.delimiter, c.firstAddressByte};
        if (c.ml == mlLong) frame = frame + hex("06 12 34 56");
        frame = frame + hex("01 02 00 00");
        std::uint8_t check = 0;
        for (std::size_t i = 2; i < frame.size(); ++i)
            check ^= frame[i];
        frame.push_back(check);
        const auto got = feed(frame);
        ASSERT_TRUE(got) << int(c.delimiter);
        EXPECT_TRUE(got->good());
        EXPECT_EQ(got->ml, c.ml) << int(c.delimiter) << " " << int(c.firstAddressByte);
        EXPECT_EQ(got->md, c.md) << int(c.delimiter) << " " << int(c.firstAddressByte);
    }
}

TEST_F(FrameReceiverTest, ShortFramesKeepTheLastLongAddress) {
    ASSERT_TRUE(feed(kReply));
    const auto shortFrame = feed(hex("FF FF 06 80 01 07 00 00 0C 40 80 00 00 4C"));
    ASSERT_TRUE(shortFrame);
    EXPECT_TRUE(shortFrame->good());
    EXPECT_EQ(shortFrame->ml, mlShort);
    EXPECT_EQ(shortFrame->address, (std::array<std::uint8_t, 5>{0x26, 0x06, 0x12, 0x34, 0x56}));
}

TEST_F(FrameReceiverTest, LineErrorMarksTheFrameInProgressAndTheNextEventsFrames) {
    ASSERT_FALSE(feed(Bytes(kReply.begin(), kReply.begin() + 8)));
    m_rx.markLineError();
    auto frame = feed(Bytes(kReply.begin() + 8, kReply.end()));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->lineError);

    // An error is reported before the bytes waiting in the port are handed over, among them the
    // bad one: a frame that starts in the next event is marked too, one in a later event is not.
    m_rx.markLineError();
    frame = feed(kReply);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->lineError);
    frame = feed(kReply);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->lineError);
    // The send tick clears the frame in progress, not the bytes still waiting.
    m_rx.markLineError();
    m_rx.clearLineError();
    frame = feed(kReply);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->lineError);
}

TEST_F(FrameReceiverTest, RestartDropsTheFrameInProgress) {
    ASSERT_FALSE(feed(Bytes(kReply.begin(), kReply.begin() + 8)));
    m_rx.restart();
    EXPECT_FALSE(feed(Bytes(kReply.begin() + 8, kReply.end())));
}

// The state machine takes at most 100 steps per event; a frame cut off by that limit carries on
// with the next event's bytes.
TEST_F(FrameReceiverTest, StepLimitPerEvent) {
    EXPECT_TRUE(feed(repeat("FF 07", 10) + kReply));

    EXPECT_FALSE(feed(repeat("FF 07", 49) + kReply));
    EXPECT_EQ(m_rx.progress(), mpAddress);
    const auto frame = feed(hex("00"));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->good());

    EXPECT_FALSE(feed(repeat("FF 07", 60) + kReply));
    EXPECT_EQ(m_rx.progress(), mpPreamble);  // lost: the next event drops it
}

TEST_F(FrameReceiverTest, MoreThan300HeldBytesPurgeTheInput) {
    for (std::size_t held : {300u, 301u, 2000u}) {
        FrameReceiver rx;
        const auto frame = rx.ReceiveEvent(kReply + Bytes(held - kReply.size(), 0x00), m_request);
        ASSERT_TRUE(frame) << held;
        EXPECT_EQ(frame->inputOverflow, held > 300) << held;
        EXPECT_EQ(rx.DataBufCount(), held > 300 ? held - 300 : held) << held;
    }
}

// No limit on positions: preamble runs of any length and events of 2000 bytes and more.
TEST_F(FrameReceiverTest, LargeEventsAndLongPreambleRuns) {
    const Bytes body(kReply.begin() + kReplyPreambles, kReply.end());
    for (std::size_t preambles : {253u, 1981u, 4000u}) {
        FrameReceiver rx;
        const auto frame = rx.ReceiveEvent(Bytes(preambles, 0xFF) + body, m_request);
        ASSERT_TRUE(frame) << preambles;
        EXPECT_TRUE(frame->good()) << preambles;
        EXPECT_EQ(frame->bytes, body);
    }

    FrameReceiver noise;
    EXPECT_FALSE(noise.ReceiveEvent(Bytes(2000, 0x55), m_request));
    EXPECT_EQ(noise.DataBufCount(), 1u);

    // 1500 preambles and the delimiter, then the rest with 1000 more bytes: more than the 1999
    // bytes held at most, yet the frame in progress survives.
    FrameReceiver split;
    EXPECT_FALSE(split.ReceiveEvent(Bytes(1500, 0xFF) + hex("86 A6"), m_request));
    const auto frame =
        split.ReceiveEvent(Bytes(body.begin() + 2, body.end()) + Bytes(1000, 0x00), m_request);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->good());
    EXPECT_LT(split.DataBufCount(), 1999u);
}

// Noise that leaves the receiver inside a "frame" at the step limit cannot make it hold more and
// more bytes; a real frame after it is found.
TEST_F(FrameReceiverTest, NoiseHeldAcrossEventsStaysBounded) {
    EXPECT_FALSE(feed(repeat("FF 07", 49) + hex("FF 86") + Bytes(1900, 0x00)));
    EXPECT_EQ(m_rx.progress(), mpAddress);
    const auto frame = feed(Bytes(100, 0xFF) + kReply);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->good());
    EXPECT_LE(m_rx.DataBufCount(), 1999u);
}

}  // namespace
}  // namespace hart
