// HART-IP messages on literal hex: the header fields, each message id's body, and the lengths
// that make a message unusable, from a datagram and from a stream cut in pieces.

#include <gtest/gtest.h>

#include "HexBytes.h"
#include "hartip/Message.h"

namespace {

using hartip::Bytes;
using hartip::MasterType;
using hartip::MessageId;
using hartip::MessageType;
using hartiptest::hex;

TEST(HartIpMessage, EncodesEachRequestWithItsBodyAndTotalByteCount) {
    // Session Initiate as primary master, 60 s inactivity close time, sequence 1.
    EXPECT_EQ(hartip::encode(MessageType::Request, MessageId::SessionInitiate, 0, 1,
                             hartip::encodeSessionParameters({MasterType::Primary, 60000})),
              hex("01 00 00 00 0001 000D  01 0000EA60"));
    EXPECT_EQ(hartip::encode(MessageType::Request, MessageId::SessionClose, 0, 0x1234),
              hex("01 00 01 00 1234 0008"));
    EXPECT_EQ(hartip::encode(MessageType::Request, MessageId::KeepAlive, 0, 0xFFFF),
              hex("01 00 02 00 FFFF 0008"));
    // Command 0 to polling address 0 from the primary master, without preambles.
    EXPECT_EQ(hartip::encode(MessageType::Request, MessageId::TokenPassingPdu, 0, 2,
                             hex("02 80 00 00 82")),
              hex("01 00 03 00 0002 000D  02 80 00 00 82"));
}

TEST(HartIpMessage, DecodesEveryHeaderField) {
    const auto decoded = hartip::decodeDatagram(hex("01 01 03 08 A55A 000A  86 00"));
    ASSERT_TRUE(decoded.message) << decoded.problem;
    const hartip::Header& h = decoded.message->header;
    EXPECT_EQ(h.version, 1);
    EXPECT_TRUE(h.is(MessageType::Response));
    EXPECT_TRUE(h.is(MessageId::TokenPassingPdu));
    EXPECT_EQ(h.status, 8);
    EXPECT_EQ(h.sequence, 0xA55A);
    EXPECT_EQ(h.byteCount, 10);
    EXPECT_EQ(decoded.message->body, hex("86 00"));
}

TEST(HartIpMessage, RefusesADatagramWhoseLengthIsNotItsByteCount) {
    struct Case {
        const char* datagram;
        const char* problem;
    };
    const Case cases[] = {
        {"01 01 02 00 0001 00", "shorter than the header"},
        {"01 01 02 00 0001 0007", "shorter than the header"},
        {"01 01 02 00 0001 0009", "does not match the datagram of 8 bytes"},
        {"01 01 03 00 0001 000A 86 00 00", "does not match the datagram of 11 bytes"},
        {"01 01 03 00 0001 0401", "longer than 1024"},
    };
    for (const Case& c : cases) {
        const auto decoded = hartip::decodeDatagram(hex(c.datagram));
        EXPECT_FALSE(decoded.message) << c.datagram;
        EXPECT_NE(decoded.problem.find(c.problem), std::string::npos)
            << c.datagram << ": " << decoded.problem;
    }
}

TEST(HartIpMessage, StreamReaderCutsMessagesFromPiecesOfAnySize) {
    const Bytes stream =
        hex("01 01 02 00 0005 0008  01 02 03 00 0006 000C 86 00 00 01  01 01 01 00 0007 0008");
    for (std::size_t piece = 1; piece <= stream.size(); ++piece) {
        hartip::StreamReader reader;
        std::vector<hartip::Message> messages;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            reader.feed(std::span(stream).subspan(at, std::min(piece, stream.size() - at)));
            for (auto r = reader.next(); r.status == hartip::StreamReader::Status::Complete;
                 r = reader.next())
                messages.push_back(r.message);
        }
        ASSERT_EQ(messages.size(), 3u) << "pieces of " << piece;
        EXPECT_EQ(messages[0].header.sequence, 5);
        EXPECT_TRUE(messages[1].header.is(MessageType::Publish));
        EXPECT_EQ(messages[1].body, hex("86 00 00 01"));
        EXPECT_TRUE(messages[2].header.is(MessageId::SessionClose));
        EXPECT_EQ(reader.heldBytes(), 0u);
    }
}

TEST(HartIpMessage, StreamReaderStaysInvalidAfterAByteCountItCannotTake) {
    hartip::StreamReader reader;
    // "HTTP/1.1": not a HART-IP header, and its byte count ("1.") is far too long.
    reader.feed(hex("48 54 54 50 2F 31 2E 31"));
    auto result = reader.next();
    ASSERT_EQ(result.status, hartip::StreamReader::Status::Invalid);
    EXPECT_NE(result.problem.find("longer than 1024"), std::string::npos) << result.problem;
    reader.feed(hex("01 01 02 00 0005 0008"));
    EXPECT_EQ(reader.next().status, hartip::StreamReader::Status::Invalid);
    EXPECT_EQ(reader.heldBytes(), 0u);

    reader.reset();
    reader.feed(hex("01 01 02 00 0005 0008"));
    EXPECT_EQ(reader.next().status, hartip::StreamReader::Status::Complete);

    hartip::StreamReader shortCount;
    shortCount.feed(hex("01 01 02 00 0005 0003"));
    EXPECT_EQ(shortCount.next().status, hartip::StreamReader::Status::Invalid);
}

TEST(HartIpMessage, SessionParametersReadBackAndNeedFiveBytes) {
    const auto p = hartip::decodeSessionParameters(hex("00 0001D4C0 FF"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->master, MasterType::Secondary);
    EXPECT_EQ(p->inactivityCloseMs, 120000u);
    EXPECT_FALSE(hartip::decodeSessionParameters(hex("01 0000EA")));
}

TEST(HartIpMessage, NamesMessagesAndCodesTheDriverReports) {
    EXPECT_EQ(hartip::messageName(hartiptest::message("01 01 02 00 0000 0008").header),
              "Keep Alive response");
    EXPECT_EQ(hartip::messageName(hartiptest::message("01 0F 03 00 0000 0008").header),
              "token-passing PDU NAK");
    EXPECT_EQ(hartip::messageName(hartiptest::message("01 07 80 00 0000 0008").header),
              "message id 128 of message type 7");
    EXPECT_EQ(hartip::sessionStatusText(15), "all sessions in use");
    EXPECT_EQ(hartip::sessionStatusText(99), "status 99");
    EXPECT_EQ(hartip::errorCodeText(1), "primary master session unavailable");
}

}  // namespace
