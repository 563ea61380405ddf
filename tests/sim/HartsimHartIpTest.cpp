// hartsim as a HART-IP gateway on the loopback, spoken to with the driver's codec: sessions
// over TCP and UDP, replies to token-passing requests, a silent device, the session limit
// fault and the command line.

#include <gtest/gtest.h>

#include "HartIpClient.h"
#include "HartsimProcess.h"
#include "SimTestSupport.h"
#include "hartip/ClientSession.h"

namespace {

using hartip::MessageId;
using hartip::MessageType;
using simtest::HartIpClient;
using simtest::Program;

constexpr const char* kCommand0 = "02 80 00 00 82";
// The default device's reply to command 0 as the primary master's, without preambles.
constexpr const char* kIdentity =
    "06 80 00 18 00 20 FE E0 A1 05 07 01 01 08 00 0A 0B 0C 05 04 00 00 00 60 41 00 3A 01 1D";

// A hartsim serving HART-IP on a free port, and the port it took.
struct Gateway {
    explicit Gateway(std::vector<std::string> args)
        : program([&] {
              args.insert(args.begin(), {"--hart-ip", "0"});
              return Program(args);
          }()) {
        const std::string url = program.firstLine();
        const std::string prefix = "hart-ip://127.0.0.1:";
        if (!url.starts_with(prefix)) throw std::runtime_error("no URL: " + url);
        port = std::stoi(url.substr(prefix.size()));
    }
    Program program;
    int port = 0;
};

hartip::Bytes pdu(std::uint16_t sequence, const char* frame) {
    return hartip::encode(MessageType::Request, MessageId::TokenPassingPdu, 0, sequence,
                          simtest::hex(frame));
}

TEST(HartsimHartIp, AnswersASessionOverTcpAndUdpWithTheLoopsReplies) {
    Gateway gateway({});
    for (const bool udp : {false, true}) {
        SCOPED_TRACE(udp ? "UDP" : "TCP");
        HartIpClient client(gateway.port, udp);
        hartip::ClientSession session({});
        client.send(session.initiate(0));
        auto answer = client.receive();
        ASSERT_TRUE(answer);
        EXPECT_EQ(session.receive(*answer, 0).kind, hartip::ClientSession::Event::Kind::Opened);

        client.send(session.request(simtest::hex(kCommand0), 1));
        answer = client.receive();
        ASSERT_TRUE(answer);
        const auto reply = session.receive(*answer, 1);
        ASSERT_EQ(reply.kind, hartip::ClientSession::Event::Kind::Frame) << reply.text;
        // Cold start is reported to the first master that asks, once.
        EXPECT_EQ(simtest::hexOf(reply.frame).substr(0, 12), "06 80 00 18 ");
        EXPECT_EQ(reply.frame.size(), simtest::hex(kIdentity).size());

        client.send(hartip::encode(MessageType::Request, MessageId::KeepAlive, 0, 7));
        answer = client.receive();
        ASSERT_TRUE(answer);
        EXPECT_TRUE(answer->header.is(MessageType::Response));
        EXPECT_EQ(answer->header.sequence, 7);

        client.send(session.close());
        answer = client.receive();
        ASSERT_TRUE(answer);
        EXPECT_TRUE(answer->header.is(MessageId::SessionClose));
        if (!udp) {
            EXPECT_FALSE(client.receive());
            EXPECT_TRUE(client.closed);
        }
    }
    EXPECT_EQ(gateway.program.stop(), 0);
}

TEST(HartsimHartIp, RefusesWhatNoSessionAllows) {
    Gateway gateway({});
    HartIpClient client(gateway.port, true);
    // A request before any session: the error says the session is closed.
    client.send(pdu(1, kCommand0));
    auto answer = client.receive();
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->header.is(MessageType::Error));
    EXPECT_EQ(answer->body, simtest::hex("00"));

    struct Case {
        const char* initiate;
        std::uint8_t status;
        const char* body;
    };
    const Case cases[] = {
        {"01 00 00 00 0001 0009 01", hartip::status::kTooFewDataBytes, "01"},
        {"01 00 00 00 0002 000D 07 00007530", hartip::status::kInvalidMasterType, "07 00007530"},
        {"02 00 00 00 0003 000D 01 00007530", hartip::status::kVersionNotSupported, "01 00007530"},
        // 100 ms is too short: the server grants its shortest, 1 s.
        {"01 00 00 00 0004 000D 00 00000064", hartip::status::kSetToNearest, "00 000003E8"},
        {"01 00 00 00 0005 000D 01 00007530", hartip::status::kSessionExists, "01 00007530"},
    };
    for (const Case& c : cases) {
        client.send(simtest::hex(c.initiate));
        answer = client.receive();
        ASSERT_TRUE(answer) << c.initiate;
        EXPECT_EQ(answer->header.status, c.status) << c.initiate;
        EXPECT_EQ(answer->body, simtest::hex(c.body)) << c.initiate;
    }
    // An unknown message id is not acknowledged.
    client.send(simtest::hex("01 00 80 00 0006 0008"));
    answer = client.receive();
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->header.is(MessageType::Nak));
}

TEST(HartsimHartIp, ASilentDeviceGetsNoResponseAndASessionEndsAfterItsLimit) {
    Gateway gateway({"--silent", "1", "--close-session-after", "2"});
    HartIpClient client(gateway.port, false);
    hartip::ClientSession session({});
    client.send(session.initiate(0));
    ASSERT_TRUE(client.receive());

    client.send(pdu(1, "02 81 00 00 83"));  // polling address 1: nobody answers
    EXPECT_FALSE(client.receive(300));
    EXPECT_FALSE(client.closed);
    for (std::uint16_t sequence : {2, 3}) {
        client.send(pdu(sequence, kCommand0));
        const auto answer = client.receive();
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->header.sequence, sequence);
    }
    EXPECT_FALSE(client.receive());
    EXPECT_TRUE(client.closed);
}

TEST(HartsimHartIp, CommandLineErrors) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--hart-ip", "65536"}, "--hart-ip needs a port 0..65535, not \"65536\""},
        {{"--hart-ip", "localhost:x"}, "--hart-ip needs a port 0..65535, not \"x\""},
        {{"--hart-ip", "0", "--link", "/tmp/x"}, "it takes no --port or --link"},
        {{"--close-session-after", "2"}, "--close-session-after needs --hart-ip"},
    };
    for (const Case& c : cases) {
        Program program(c.args);
        EXPECT_EQ(program.wait(), 2) << c.message;
        EXPECT_NE(program.standardError().find(c.message), std::string::npos)
            << program.standardError();
    }
    Program name({"--hart-ip", "localhost:5094"});
    EXPECT_EQ(name.wait(), 1);
    EXPECT_NE(name.standardError().find("no numeric IPv4 or IPv6 address"), std::string::npos);
}

}  // namespace
