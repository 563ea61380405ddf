#include "platform/channel/ChannelProtocol.h"

#include <gtest/gtest.h>

namespace platform::channel {
namespace {

using Status = MessageReader::Status;

std::vector<Message> readAll(MessageReader& reader) {
    std::vector<Message> messages;
    for (;;) {
        auto result = reader.next();
        if (result.status != Status::Complete) return messages;
        messages.push_back(std::move(result.message));
    }
}

TEST(MessageReader, CutsMessagesOutOfAStreamArrivingInAnyPieces) {
    const std::string payload("0   \r\n5\r\n\0\xB0\n", 12);
    const std::string stream = "connect  Halvane\tDdeHartServer\r\n" +
                               encodeWithPayload("EXECUTE", {}, payload) +
                               "REQUEST DdeHartCommand\n" + "\n \r\n" + "EXECUTE 0\n";
    for (std::size_t piece : {stream.size(), std::size_t{1}, std::size_t{7}}) {
        SCOPED_TRACE(piece);
        MessageReader reader;
        std::vector<Message> messages;
        for (std::size_t i = 0; i < stream.size(); i += piece) {
            reader.append(std::string_view(stream).substr(i, piece));
            auto more = readAll(reader);
            messages.insert(messages.end(), more.begin(), more.end());
        }
        ASSERT_EQ(messages.size(), 4u);
        EXPECT_EQ(messages[0].verb, "CONNECT");
        EXPECT_EQ(messages[0].fields, (std::vector<std::string>{"Halvane", "DdeHartServer"}));
        EXPECT_EQ(messages[1].verb, "EXECUTE");
        EXPECT_TRUE(messages[1].fields.empty());
        EXPECT_EQ(messages[1].payload, payload);  // CR, LF, NUL and high bytes unchanged
        EXPECT_EQ(messages[2].fields, std::vector<std::string>{"DdeHartCommand"});
        EXPECT_FALSE(messages[2].hasPayload);
        EXPECT_TRUE(messages[3].hasPayload);
        EXPECT_EQ(messages[3].payload, "");  // blank lines before it skipped
        EXPECT_EQ(reader.pendingBytes(), 0u);
    }
}

TEST(MessageReader, AcceptsAPayloadOfExactlyTheLimit) {
    MessageReader reader;
    reader.append("EXECUTE " + std::to_string(kMaxPayload) + "\n");
    reader.append(std::string(kMaxPayload - 1, 'x'));
    EXPECT_EQ(reader.next().status, Status::NeedMore);
    reader.append("y");
    auto result = reader.next();
    ASSERT_EQ(result.status, Status::Complete);
    EXPECT_EQ(result.message.payload.size(), kMaxPayload);
}

TEST(MessageReader, RefusesMalformedOrOversizedInputAndStaysRefused) {
    struct Case {
        std::string input;
        std::string error;
    };
    const std::vector<Case> cases = {
        {std::string(kMaxHeaderLength + 1, 'A'), "header line longer than 256 bytes"},
        {std::string(kMaxHeaderLength + 1, 'A') + "\n", "header line longer than 256 bytes"},
        {"REQUEST a\x01\n", "control character in header line"},
        {std::string("REQUEST \0\n", 10), "control character in header line"},
        {"EXECUTE\n", "EXECUTE without a payload length"},
        {"EXECUTE 12a\nxx", "EXECUTE payload length \"12a\" is not a decimal number"},
        {"EXECUTE -1\n", "EXECUTE payload length \"-1\" is not a decimal number"},
        {"EXECUTE 65537\n", "EXECUTE payload longer than the limit of 65536 bytes"},
        {"DATA x 99999999999999999999\n", "DATA payload longer than the limit of 65536 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 20));
        MessageReader reader;
        reader.append(c.input);
        auto result = reader.next();
        EXPECT_EQ(result.status, Status::Invalid);
        EXPECT_EQ(result.error, c.error);
        reader.append("REQUEST DdeHartCommand\n");
        EXPECT_EQ(reader.next().status, Status::Invalid);
    }
}

TEST(ChannelProtocol, SplitsExecutedTextAtCrLfCrOrLf) {
    using Lines = std::vector<std::string>;
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"", {}},
        {"\r\n", {""}},
        {"STATUS", {"STATUS"}},
        {"0   \r\n5\r\n", {"0   ", "5"}},
        {"3;;5", {"3;;5"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\r", {"a", ""}},  // LF then a lone CR: two line ends
        {"a\r\r\nb\n\n", {"a", "", "b", ""}},
        {"\xC4\xB0 \t", {"\xC4\xB0 \t"}},
    };
    for (const auto& [text, lines] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(splitExecuteText(text), lines);
    }
}

TEST(ChannelProtocol, ServedTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(servedText({}), "");
    EXPECT_EQ(servedText({""}), "\r\n");
    EXPECT_EQ(servedText({"3", "0", "", "x"}), "3\r\n0\r\n\r\nx\r\n");
    EXPECT_EQ(servedText({"a\r\nb"}), "a\r\nb\r\n");
}

TEST(ChannelProtocol, SocketNameIgnoresCaseAndEscapesOddCharacters) {
    EXPECT_EQ(socketFileName("Halvane", "DdeHartServer"), "halvane.ddehartserver");
    EXPECT_EQ(socketFileName("HALVANE", "ddehartserver"), "halvane.ddehartserver");
    EXPECT_EQ(socketFileName("Halvane", "HART$"), "halvane.hart%24");
    EXPECT_EQ(socketFileName("a.b", "c"), "a%2Eb.c");  // no two names give one file
    EXPECT_TRUE(sameName("DdeHartCommand", "ddehartcommand"));
    EXPECT_FALSE(sameName("DdeHartCommand", "DdeHartCommand2"));
    EXPECT_FALSE(isValidName(""));
    EXPECT_FALSE(isValidName("a b"));
    EXPECT_FALSE(isValidName("../x"));
}

}  // namespace
}  // namespace platform::channel
