#include "tools/halvane-cmd/ReplyTracker.h"

#include <gtest/gtest.h>

namespace halvanecmd {
namespace {

using Verdict = ReplyTracker::Verdict;
using Mode = ReplyTracker::Mode;

TEST(HalvaneCmdExpectation, ReadsTheTextAsTheDriverDoes) {
    Expectation e = expectationFor("0   \r\n5\r\n");
    EXPECT_EQ(e.kind, Expectation::Kind::CommandLine);
    EXPECT_EQ(e.command, 0);
    EXPECT_EQ(e.address, 5);

    e = expectationFor("3;;0x10\r\n");  // ";;" before line ends; numbers as the driver reads them
    EXPECT_EQ(e.command, 3);
    EXPECT_EQ(e.address, 16);

    e = expectationFor("abc\r\n300\r\n");  // the driver keeps its previous numbers: unknown
    EXPECT_EQ(e.kind, Expectation::Kind::CommandLine);
    EXPECT_FALSE(e.command);
    EXPECT_FALSE(e.address);

    // Control texts are the lines joined and upper-cased, as the driver compares them.
    EXPECT_EQ(expectationFor("sta\r\ntus").kind, Expectation::Kind::Control);
    EXPECT_EQ(expectationFor("set precision 9").precision, 9);
    EXPECT_EQ(expectationFor("SET COM7").port, "COM7");
    EXPECT_EQ(expectationFor("Terminate").kind, Expectation::Kind::Terminate);
    // Not control commands: parsed as command lines (and refused by the driver).
    EXPECT_EQ(expectationFor("SET COM21").kind, Expectation::Kind::CommandLine);
    EXPECT_EQ(expectationFor("SET COM07").kind, Expectation::Kind::CommandLine);
    EXPECT_EQ(expectationFor("SET LONGADR:001 002 003 004 005").kind,
              Expectation::Kind::CommandLine);
}

TEST(HalvaneCmdExpectation, SplitsTheItemIntoLines) {
    EXPECT_EQ(itemLines(""), Lines{});
    EXPECT_EQ(itemLines("Busy!\r\n"), Lines{"Busy!"});
    EXPECT_EQ(itemLines("3\r\n\r\na\nb\r\n"), (Lines{"3", "", "a\nb"}));  // a lone LF is data
    EXPECT_TRUE(isStatusText({"none", "", "", "Secondary Master", "9 digits"}));
    EXPECT_FALSE(isStatusText({"3", "0", "", "", "digits"}));
}

// Item texts as served.
const std::string kBusy = "Busy!\r\n";
const std::string kOurs = "3\r\n0\r\n\r\n\r\n12.5\r\n";             // command 3, address 0
const std::string kEarlier = "1\r\n4\r\n\r\n\r\n7.5\r\n";           // command 1, address 4
const std::string kCommandError = "3\r\n65\r\nCommand Error!\r\n";  // for command 3 to 65
const std::string kSilentReident = "0\r\n0\r\nCommunication Error!\r\n";
const std::string kStatus6 = "COM3\r\n\r\nRQ-20\r\nPrimary Master\r\n6 digits\r\n";
const std::string kStatus9 = "COM3\r\n\r\nRQ-20\r\nPrimary Master\r\n9 digits\r\n";

TEST(HalvaneCmdReplyTracker, TellsThisExecutesResultFromOthers) {
    struct Case {
        const char* name;
        std::string executed;
        Mode mode;
        std::string before;
        std::vector<std::string> seen;
        bool timeIsUp;
        Verdict verdict;
        std::string firstLine;
    };
    const Case cases[] = {
        {"marker then result",
         "3\r\n0\r\n",
         Mode::Advise,
         kEarlier,
         {kBusy, kOurs},
         false,
         Verdict::Delivered,
         "3"},
        {"an earlier transaction ends first",
         "3\r\n0\r\n",
         Mode::Advise,
         kBusy,
         {kEarlier, kBusy, kOurs},
         false,
         Verdict::Delivered,
         "3"},
        {"another client's command was taken",
         "3\r\n0\r\n",
         Mode::Advise,
         kEarlier,
         {kBusy, kEarlier},
         false,
         Verdict::ForeignReply,
         "1"},
        {"dropped while busy",
         "3\r\n0\r\n",
         Mode::Advise,
         kBusy,
         {kEarlier},
         true,
         Verdict::NotTaken,
         ""},
        {"taken, never answered",
         "3\r\n0\r\n",
         Mode::Advise,
         kOurs,
         {kBusy},
         true,
         Verdict::NoResult,
         ""},
        {"refused",
         "3\r\n65\r\n",
         Mode::Advise,
         kOurs,
         {kBusy, kCommandError},
         false,
         Verdict::CommandError,
         "3"},
        {"silent through re-identification",
         "3\r\n0\r\n",
         Mode::Advise,
         kOurs,
         {kBusy, kSilentReident},
         false,
         Verdict::CommunicationError,
         "0"},
        {"unreadable numbers are not checked",
         "x\r\n0\r\n",
         Mode::Advise,
         kOurs,
         {kBusy, "5\r\n0\r\nCommand Error!\r\n"},
         false,
         Verdict::CommandError,
         "5"},
        {"generic command shows the command sent",
         "255\r\n4\r\nR 3\r\n",
         Mode::Advise,
         kOurs,
         {kBusy, kEarlier},
         false,
         Verdict::Delivered,
         "1"},
        {"status of another client's control command",
         "SET PRECISION 9",
         Mode::Advise,
         kOurs,
         {kStatus6, kStatus9},
         false,
         Verdict::Delivered,
         "COM3"},
        {"control command dropped",
         "STATUS",
         Mode::Advise,
         kBusy,
         {kOurs},
         true,
         Verdict::NotTaken,
         ""},
        {"port change failed",
         "SET COM4",
         Mode::Advise,
         kOurs,
         {"none\r\n\r\n\r\nPrimary Master\r\n6 digits\r\n"},
         false,
         Verdict::NoPort,
         "none"},
        {"terminate: a marker, then refused",
         "terminate",
         Mode::Advise,
         kOurs,
         {kBusy, "3\r\n0\r\nCommand Error!\r\n"},
         false,
         Verdict::CommandError,
         "3"},

        // Polling sees snapshots: the same marker again says nothing new.
        {"poll: earlier transaction, then ours",
         "3\r\n0\r\n",
         Mode::Poll,
         kBusy,
         {kBusy, kEarlier, kBusy, kOurs},
         false,
         Verdict::Delivered,
         "3"},
        {"poll: dropped while busy",
         "3\r\n0\r\n",
         Mode::Poll,
         kBusy,
         {kBusy, kEarlier},
         true,
         Verdict::NotTaken,
         ""},
        {"poll: a short transaction between two requests",
         "3\r\n0\r\n",
         Mode::Poll,
         kEarlier,
         {kEarlier, kOurs},
         false,
         Verdict::Delivered,
         "3"},
        {"poll: an unchanged result is the previous one",
         "3\r\n0\r\n",
         Mode::Poll,
         kOurs,
         {kOurs, kOurs},
         true,
         Verdict::NotTaken,
         ""},
        {"poll: status unchanged by STATUS",
         "status",
         Mode::Poll,
         kStatus6,
         {kStatus6},
         false,
         Verdict::Delivered,
         "COM3"},
    };
    for (const Case& c : cases) {
        ReplyTracker tracker(expectationFor(c.executed), c.mode, c.before);
        for (const std::string& text : c.seen)
            tracker.observe(text);
        if (c.timeIsUp) tracker.timeIsUp();
        EXPECT_EQ(tracker.verdict(), c.verdict) << c.name;
        EXPECT_EQ(tracker.lines().empty() ? "" : tracker.lines()[0], c.firstLine) << c.name;
    }
}

TEST(HalvaneCmdReplyTracker, AClosedConversationEndsTheWait) {
    ReplyTracker command(expectationFor("3;;0"), Mode::Advise, kOurs);
    command.observe(kBusy);
    command.conversationClosed();
    EXPECT_EQ(command.verdict(), Verdict::ConversationLost);

    ReplyTracker terminate(expectationFor("terminate"), Mode::Advise, kOurs);
    terminate.conversationClosed();
    EXPECT_EQ(terminate.verdict(), Verdict::DriverEnded);
}

}  // namespace
}  // namespace halvanecmd
