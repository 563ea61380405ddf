#include "hart/ReplyText.h"

#include <gtest/gtest.h>

namespace hart {
namespace {

using Lines = std::vector<std::string>;

TEST(ReplyText, EmptySlotsBetweenFilledOnesButNoneAfterTheLast) {
    HartMessage msg;
    msg.Command = 3;
    msg.sError = "";
    msg.sStatus = "Cold Start! ";
    EXPECT_EQ(ReplyLines(msg, 2), (Lines{"3", "2", "", "Cold Start! "}));

    msg.S[1] = "4";
    msg.S[4] = "kPa";
    EXPECT_EQ(ReplyLines(msg, 2), (Lines{"3", "2", "", "Cold Start! ", "4", "", "", "kPa"}));

    msg.S[25] = "last";
    EXPECT_EQ(ReplyLines(msg, 2).size(), 4u + 25u);
    EXPECT_EQ(ReplyLines(msg, 2).back(), "last");
}

TEST(ReplyText, InvalidSelectionAddsTheDeliveredCount) {
    HartMessage msg;
    msg.Command = 50;
    msg.sError = "Invalid Selection!";
    msg.S[1] = "7";
    EXPECT_EQ(DeliveredReplyLines(msg, 0, 12),
              (Lines{"50", "0", "Invalid Selection!", "", "7", "12"}));

    // Any other response text, even a near one, adds nothing.
    msg.sError = "Invalid Selection";
    EXPECT_EQ(DeliveredReplyLines(msg, 0, 12), ReplyLines(msg, 0));
}

TEST(ReplyText, ErrorRepliesAndJoining) {
    EXPECT_EQ(JoinLines(ErrorReplyLines(0, 15, kCommunicationError)),
              "0\r\n15\r\nCommunication Error!\r\n");
    EXPECT_EQ(JoinLines(ErrorReplyLines(129, 64, kCommandError)),
              "129\r\n64\r\nCommand Error!\r\n");
    EXPECT_EQ(JoinLines({}), "");
}

}  // namespace
}  // namespace hart
