#include "driver/command/CommandLine.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

TEST(NextToken, SplitsAtDoubleSemicolonFirstThenAtCrLf) {
    const struct {
        const char* text;
        std::vector<std::string> tokens;
    } cases[] = {
        {"3;;5", {"3", "5"}},
        {"0\r\n5\r\n", {"0", "5"}},
        // ";;" is looked for first, across the whole remaining text.
        {"3\r\n0\r\nkPa;;100\r\n", {"3\r\n0\r\nkPa", "100"}},
        {"", {""}},
        {"single", {"single"}},
        {";;;;", {"", ""}},
    };
    for (const auto& c : cases) {
        std::string rest = c.text;
        std::vector<std::string> tokens;
        do {
            tokens.push_back(NextToken(rest));
        } while (!rest.empty());
        EXPECT_EQ(tokens, c.tokens) << c.text;
    }
}

TEST(ParseCommandLine, CommandAddressAndArguments) {
    const struct {
        const char* line;
        bool usable;
        int command;
        int address;
        std::vector<std::string> slots;  // S1, S2, ...
    } cases[] = {
        {"0\r\n5\r\n", true, 0, 5, {"5", ""}},
        {"0   \r\n5\r\n", true, 0, 5, {"5", ""}},
        {"3;;5", true, 3, 5, {"", ""}},
        {"35;;0;;kPa;;100;;0", true, 35, 0, {"kPa", "100", "0", ""}},
        {";;", true, 0, 0, {"", ""}},
        {"3\r\n65\r\n", false, 3, 65, {"", ""}},
        {"3;;256", false, 3, 7, {"", ""}},  // unreadable address: unchanged
        {"256;;1", false, 9, 1, {"", ""}},  // unreadable command: unchanged
        {"abc;;1", false, 9, 1, {"", ""}},
        {"SET COM21", false, 9, 0, {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        hart::HartMessage msg;
        msg.Command = 9;
        msg.S[17] = "kept";
        int address = 7;
        EXPECT_EQ(ParseCommandLine(c.line, msg, address), c.usable);
        EXPECT_EQ(msg.Command, c.command);
        EXPECT_EQ(address, c.address);
        for (std::size_t k = 0; k < c.slots.size(); ++k)
            EXPECT_EQ(msg.S[k + 1], c.slots[k]) << k + 1;
        EXPECT_EQ(msg.S[17], "kept");
    }
}

}  // namespace
}  // namespace driver
