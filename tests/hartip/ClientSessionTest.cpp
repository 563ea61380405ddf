// The client's session on literal messages in simulated time: opening, matching responses to
// requests by sequence number, keeping the session alive, and each way of losing it.

#include <gtest/gtest.h>

#include "HexBytes.h"
#include "hartip/ClientSession.h"

namespace {

using hartip::ClientSession;
using Kind = ClientSession::Event::Kind;
using hartiptest::hex;
using hartiptest::message;

constexpr const char* kCommand0 = "02 80 00 00 82";

ClientSession::Options options() {
    ClientSession::Options o;
    o.inactivityCloseMs = 30000;
    o.answerTimeoutMs = 1000;
    o.probeAfterMs = 500;
    return o;
}

// A session that the server has opened with the sequence number 0 used.
ClientSession openSession() {
    ClientSession session(options());
    session.initiate(0);
    const auto opened = session.receive(message("01 01 00 00 0000 000D 01 00007530"), 5);
    EXPECT_EQ(opened.kind, Kind::Opened);
    return session;
}

TEST(HartIpSession, OpensWithInitiateAndTakesTheGrantedInactivityTime) {
    ClientSession session(options());
    EXPECT_EQ(session.initiate(0), hex("01 00 00 00 0000 000D 01 00007530"));
    EXPECT_EQ(session.state(), ClientSession::State::Initiating);
    // Status 8: the server set the time to the nearest it allows, 10 s.
    EXPECT_EQ(session.receive(message("01 01 00 08 0000 000D 01 00002710"), 3).kind, Kind::Opened);
    EXPECT_EQ(session.state(), ClientSession::State::Open);
    EXPECT_EQ(session.inactivityCloseMs(), 10000u);
}

TEST(HartIpSession, EachRefusalOfTheInitiateLosesTheSessionWithItsReason) {
    struct Case {
        const char* response;
        const char* reason;
    };
    const Case cases[] = {
        {"01 01 00 0F 0000 000D 01 00007530", "refused the session: all sessions in use"},
        {"01 01 00 02 0000 0008", "refused the session: invalid master type"},
        {"02 01 00 0E 0000 000D 01 00007530", "speaks HART-IP version 2"},
        {"01 03 00 00 0000 0009 01",
         "answered the Session Initiate request with an error: "
         "primary master session unavailable"},
        {"01 0F 00 00 0000 0008", "answered the Session Initiate request with a NAK"},
        {"01 01 02 00 0000 0008", "answered the Session Initiate request with a Keep Alive"},
    };
    for (const Case& c : cases) {
        ClientSession session(options());
        session.initiate(0);
        const auto event = session.receive(message(c.response), 1);
        EXPECT_EQ(event.kind, Kind::Lost) << c.response;
        EXPECT_NE(event.text.find(c.reason), std::string::npos) << event.text;
        EXPECT_EQ(session.state(), ClientSession::State::Closed);
    }
}

TEST(HartIpSession, MatchesEachResponseToItsRequestBySequenceNumber) {
    ClientSession session = openSession();
    EXPECT_EQ(session.request(hex(kCommand0), 10), hex("01 00 03 00 0001 000D 02 80 00 00 82"));
    EXPECT_EQ(session.request(hex(kCommand0), 20), hex("01 00 03 00 0002 000D 02 80 00 00 82"));

    // An answer to a sequence number never sent, then the answers out of order, then a
    // duplicate of the first.
    const auto stray = session.receive(message("01 01 03 00 0009 000A 86 00"), 30);
    EXPECT_EQ(stray.kind, Kind::Ignored);
    EXPECT_NE(stray.text.find("sequence number 9 answers no request"), std::string::npos);
    const auto second = session.receive(message("01 01 03 00 0002 000B 06 80 02"), 31);
    EXPECT_EQ(second.kind, Kind::Frame);
    EXPECT_EQ(second.frame, hex("06 80 02"));
    EXPECT_EQ(session.receive(message("01 01 03 00 0001 000B 06 80 01"), 32).frame,
              hex("06 80 01"));
    EXPECT_EQ(session.receive(message("01 01 03 00 0001 000B 06 80 01"), 33).kind, Kind::Ignored);
    EXPECT_EQ(session.state(), ClientSession::State::Open);
}

TEST(HartIpSession, PassesPublishedBurstFramesAndIgnoresAnAnswerWithoutFrame) {
    ClientSession session = openSession();
    const auto burst = session.receive(message("01 02 03 00 0040 000B 01 81 03"), 10);
    EXPECT_EQ(burst.kind, Kind::Frame);
    EXPECT_EQ(burst.frame, hex("01 81 03"));
    session.request(hex(kCommand0), 10);
    const auto empty = session.receive(message("01 01 03 20 0001 0008"), 11);
    EXPECT_EQ(empty.kind, Kind::Ignored);
    EXPECT_NE(empty.text.find("without a frame (status 32)"), std::string::npos);
}

TEST(HartIpSession, TheServersCloseOrErrorLosesAnOpenSession) {
    ClientSession closed = openSession();
    EXPECT_EQ(closed.receive(message("01 00 01 00 0000 0008"), 10).kind, Kind::Lost);

    ClientSession error = openSession();
    error.request(hex(kCommand0), 10);
    const auto event = error.receive(message("01 03 03 00 0001 0009 00"), 11);
    EXPECT_EQ(event.kind, Kind::Lost);
    EXPECT_NE(event.text.find("token-passing PDU request with an error: session closed"),
              std::string::npos)
        << event.text;
}

TEST(HartIpSession, AnUnansweredInitiateLosesTheSessionAfterTheAnswerTime) {
    ClientSession session(options());
    session.initiate(100);
    EXPECT_EQ(session.nextDueMs(), 1100u);
    EXPECT_FALSE(session.due(1099).lost);
    const auto due = session.due(1100);
    ASSERT_TRUE(due.lost);
    EXPECT_NE(due.lost->text.find("did not answer the Session Initiate within 1000 ms"),
              std::string::npos);
    EXPECT_FALSE(session.nextDueMs());
}

TEST(HartIpSession, KeepsAnIdleSessionAliveAtAThirdOfTheInactivityTime) {
    ClientSession session = openSession();  // initiate sent at 0, 30 s granted
    EXPECT_EQ(session.nextDueMs(), 10000u);
    EXPECT_FALSE(session.due(9999).send);
    EXPECT_EQ(session.due(10000).send, hex("01 00 02 00 0001 0008"));
    EXPECT_EQ(session.receive(message("01 01 02 00 0001 0008"), 10010).kind, Kind::None);
    EXPECT_EQ(session.nextDueMs(), 20000u);
}

TEST(HartIpSession, ASilentRequestIsProbedOnceAndTheProbesSilenceLosesTheSession) {
    ClientSession alive = openSession();
    alive.request(hex(kCommand0), 100);
    EXPECT_EQ(alive.nextDueMs(), 600u);
    EXPECT_EQ(alive.due(600).send, hex("01 00 02 00 0002 0008"));
    EXPECT_EQ(alive.receive(message("01 01 02 00 0002 0008"), 610).kind, Kind::None);
    // The device is silent but the gateway is there: no second probe for the same request, and
    // its late reply still counts.
    EXPECT_EQ(alive.nextDueMs(), 10600u);
    EXPECT_EQ(alive.receive(message("01 01 03 00 0001 000B 06 80 01"), 700).kind, Kind::Frame);

    ClientSession gone = openSession();
    gone.request(hex(kCommand0), 100);
    ASSERT_TRUE(gone.due(600).send);
    EXPECT_FALSE(gone.due(1599).lost);
    const auto lost = gone.due(1600).lost;
    ASSERT_TRUE(lost);
    EXPECT_NE(lost->text.find("did not answer a Keep Alive"), std::string::npos);
}

TEST(HartIpSession, CloseAndANewInitiateStartOver) {
    ClientSession session = openSession();
    session.request(hex(kCommand0), 10);
    EXPECT_EQ(session.close(), hex("01 00 01 00 0002 0008"));
    EXPECT_EQ(session.state(), ClientSession::State::Closed);
    EXPECT_EQ(session.receive(message("01 01 03 00 0001 000B 06 80 01"), 11).kind, Kind::Ignored);
    EXPECT_EQ(session.initiate(20), hex("01 00 00 00 0000 000D 01 00007530"));
}

}  // namespace
