#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/FrameParser.h"

using namespace sim;
using simtest::hex;
using simtest::hexOf;

TEST(FrameTest, EncodesEveryKindAgainstLiteralHex) {
    Frame shortRequest;
    shortRequest.kind = FrameKind::Request;
    shortRequest.longAddress = false;
    shortRequest.address = {0x85};
    shortRequest.command = 0;
    shortRequest.preambles = 3;
    EXPECT_EQ(hexOf(encodeFrame(shortRequest)), "FF FF FF 02 85 00 00 87");

    Frame longReply;
    longReply.kind = FrameKind::Reply;
    longReply.address = {0xA6, 0x05, 0x01, 0x02, 0x03};
    longReply.command = 1;
    longReply.data = {0x00, 0x40, 0x0C, 0x42, 0xC8, 0x00, 0x00};
    longReply.preambles = 2;
    EXPECT_EQ(hexOf(encodeFrame(longReply)),
              "FF FF 86 A6 05 01 02 03 01 07 00 40 0C 42 C8 00 00 E5");

    Frame burst;
    burst.kind = FrameKind::Burst;
    burst.address = {0xE6, 0x05, 0x01, 0x02, 0x03};
    burst.command = 2;
    burst.data = {0x00, 0x00};
    burst.preambles = 1;
    EXPECT_EQ(hexOf(encodeFrame(burst)), "FF 81 E6 05 01 02 03 02 02 00 00 62");
}

TEST(FrameTest, FieldEncodersMatchHartLayouts) {
    Bytes out;
    ByteWriter w(out);
    w.f32(4.0f);
    w.f32(0.1f);
    w.notANumber();
    w.u24(66051);
    w.packed("abcd", 3);  // lower case is sent as capitals
    w.packed("PT-1", 6);  // padded with blanks
    w.latin1("Ab", 4);
    EXPECT_EQ(
        hexOf(out),
        "40 80 00 00 3D CC CC CD 7F A0 00 00 01 02 03 04 20 C4 41 4B 71 82 08 20 41 62 00 00");
    EXPECT_EQ(unpackAscii(hex("41 4B 71 82 08 20")), "PT-1");
    EXPECT_EQ(readF32(hex("C0 80 00 00"), 0), -4.0f);
}

TEST(FrameParserTest, FindsFramesInAStreamSplitAnywhere) {
    const Bytes stream = hex("13 37 FF FF FF 02 80 00 00 82 FF FF 82 A6 05 01 02 03 03 00 22");
    for (std::size_t split = 0; split <= stream.size(); ++split) {
        FrameParser parser;
        std::vector<ParsedFrame> frames;
        parser.feed(std::span(stream).first(split));
        while (auto f = parser.next())
            frames.push_back(*f);
        parser.feed(std::span(stream).subspan(split));
        while (auto f = parser.next())
            frames.push_back(*f);
        ASSERT_EQ(frames.size(), 2u) << "split at " << split;
        EXPECT_TRUE(frames[0].checkOk);
        EXPECT_FALSE(frames[0].frame.longAddress);
        EXPECT_EQ(frames[0].frame.address[0], 0x80);
        EXPECT_EQ(frames[0].frame.preambles, 3);
        EXPECT_EQ(frames[0].start, 2u);  // after the two garbage bytes
        EXPECT_EQ(frames[0].end, 10u);
        EXPECT_TRUE(frames[1].checkOk);
        EXPECT_EQ(frames[1].frame.command, 3);
        EXPECT_EQ(hexOf(frames[1].bytes), "FF FF 82 A6 05 01 02 03 03 00 22");
        EXPECT_EQ(parser.droppedBytes(), 2u);
    }
}

TEST(FrameParserTest, ResynchronisesAfterBadFramesAndFalseStarts) {
    FrameParser parser;
    // A frame with a wrong check byte, a lone preamble before a delimiter, a byte that is no
    // delimiter, then a good frame.
    parser.feed(hex("FF FF 02 80 00 00 00  FF 02  FF FF 55  FF FF 06 80 00 02 00 00 84"));
    auto bad = parser.next();
    ASSERT_TRUE(bad);
    EXPECT_FALSE(bad->checkOk);
    auto good = parser.next();
    ASSERT_TRUE(good);
    EXPECT_TRUE(good->checkOk);
    EXPECT_EQ(good->frame.kind, FrameKind::Reply);
    EXPECT_EQ(hexOf(good->frame.data), "00 00");
    EXPECT_FALSE(parser.next());
    EXPECT_EQ(parser.heldBytes(), 0u);
}

TEST(FrameParserTest, HoldsBoundedMemoryOnEndlessPreambles) {
    FrameParser parser;
    const Bytes ones(10000, 0xFF);
    parser.feed(ones);
    EXPECT_FALSE(parser.next());
    EXPECT_LE(parser.heldBytes(), FrameParser::kMaxKeptPreambles);
    parser.feed(hex("02 80 00 00 82"));
    auto frame = parser.next();
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->checkOk);
    EXPECT_EQ(frame->end, 10005u);
}
