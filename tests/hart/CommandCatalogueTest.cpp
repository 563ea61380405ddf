#include "hart/CommandCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "hart/ReplyDecoder.h"
#include "hart/RequestBuilder.h"
#include "support/TempDir.h"

namespace hart {
namespace {

std::vector<std::uint8_t> frameBytes(const RequestBuilder& builder) {
    return {builder.frame().begin(), builder.frame().end()};
}

// The catalogue is checked against the real builder and decoder: every command the builder sends
// has an entry, every argument the builder reads is named, and every slot the decoder fills.
class CommandCatalogueTest : public ::testing::Test {
  protected:
    // Builds `command` with the given argument texts (S1 on; for command 0, S1 is the address).
    bool builds(std::uint8_t command, const std::vector<std::string>& args) {
        m_msg = HartMessage{};
        m_msg.Command = command;
        for (std::size_t k = 0; k < args.size(); ++k)
            m_msg.S[k + 1] = args[k];
        m_builder = RequestBuilder{};
        m_builder.BuildRequest(m_msg, m_context);
        return !m_builder.RequestError;
    }

    static std::vector<std::string> examples(const CommandEntry& entry) {
        std::vector<std::string> args;
        for (const RequestArgument& a : entry.arguments)
            args.emplace_back(a.example);
        return args;
    }

    CodeTables m_shipped{HALVANE_TABLE_FILE};
    platform::UserLocale m_locale;
    CoreContext m_context{m_shipped, m_locale};
    RequestBuilder m_builder;
    HartMessage m_msg;
};

TEST_F(CommandCatalogueTest, NamesExactlyTheCommandsTheBuilderSends) {
    for (unsigned n = 0; n <= 255; ++n) {
        const auto command = static_cast<std::uint8_t>(n);
        const std::optional<CommandEntry> entry = FindCommand(command);
        // The examples are what the command reference shows: they must be accepted as they stand.
        const bool sent = builds(command, entry ? examples(*entry) : std::vector<std::string>{});
        EXPECT_EQ(sent, entry.has_value()) << "command " << n;
    }
    std::set<unsigned> numbers;
    for (const CommandEntry& e : CatalogueCommands()) {
        EXPECT_TRUE(numbers.insert(e.number).second) << "command " << int{e.number} << " twice";
        EXPECT_FALSE(IsDeviceSpecificCommand(e.number)) << int{e.number};
    }
}

TEST_F(CommandCatalogueTest, NamesEveryArgumentTheBuilderReads) {
    // Another value the builder accepts for each kind, to see that the argument reaches the frame.
    const auto other = [](ArgumentKind kind) -> std::string {
        switch (kind) {
            case ArgumentKind::Unit:
                return "7";
            case ArgumentKind::TransferFunction:
                return "1";
            case ArgumentKind::ShortDate:
                return "";
            case ArgumentKind::DottedDate:
                return "1.1.2000";
            case ArgumentKind::PackedText:
            case ArgumentKind::LimitedPackedText:
            case ArgumentKind::Text:
                return "ZZ";
            case ArgumentKind::FormatText:
                return "R129B|B";
            default:
                return "9";
        }
    };
    for (const CommandEntry& entry : CatalogueCommands()) {
        SCOPED_TRACE("command " + std::to_string(entry.number));
        const std::vector<std::string> args = examples(entry);
        ASSERT_TRUE(builds(entry.number, args));
        const std::vector<std::uint8_t> reference = frameBytes(m_builder);

        for (std::size_t k = 0; k < args.size(); ++k) {
            std::vector<std::string> changed = args;
            changed[k] = other(entry.arguments[k].kind);
            EXPECT_FALSE(builds(entry.number, changed) && frameBytes(m_builder) == reference)
                << "argument " << k + 1 << " (" << entry.arguments[k].name << ") is not used";
        }
        // Texts after the named arguments change nothing. (Command 0 takes its address as S1.)
        std::vector<std::string> extended = args;
        if (entry.number == 0) extended.emplace_back();
        extended.resize(16, "junk");
        EXPECT_TRUE(builds(entry.number, extended) && frameBytes(m_builder) == reference)
            << "the builder reads an argument the catalogue does not name";
    }
}

// Every reply byte 0x41 decodes to a text in every layout; in this table code 0x41 is the unit
// "UNIT" and means something else in every other section, so unit slots can be told apart.
class CatalogueReplyTest : public ::testing::Test {
  protected:
    HartMessage fullReply(std::uint8_t command) const {
        HartMessage msg;
        msg.Command = command;
        msg.Data.fill(0x41);
        msg.Data[0] = kMaxDataBytes;
        msg.Data[1] = 0;  // response code
        msg.Data[2] = 0;  // device status
        return msg;
    }

    testsupport::TempDir m_dir;
    CodeTables m_tables{m_dir.write("t.ddf",
                                    "[Units]\n65=UNIT\n[TransferFunction]\n65=TF\n"
                                    "[AlarmSelectionCode]\n65=ALARM\n[WriteProtectCode]\n65=WP\n")};
    platform::UserLocale m_locale;
    CoreContext m_context{m_tables, m_locale};
};

bool namesAUnit(std::string_view name) {
    return name == "Unit" || name.ends_with(" unit");
}

TEST_F(CatalogueReplyTest, NamesEverySlotTheDecoderFills) {
    for (unsigned n = 0; n <= 255; ++n) {
        const std::optional<CommandEntry> entry = FindCommand(static_cast<std::uint8_t>(n));
        if (!entry) continue;
        SCOPED_TRACE("command " + std::to_string(n));
        HartMessage msg = fullReply(entry->number);
        DecodeReply(msg, m_context);

        for (std::size_t k = 1; k < msg.S.size(); ++k) {
            if (k > entry->reply.size()) {
                EXPECT_EQ(msg.S[k], "") << "slot " << k << " is filled but not named";
                continue;
            }
            const ReplyField& field = entry->reply[k - 1];
            EXPECT_NE(msg.S[k], "") << "slot " << k << " (" << field.name << ") stays empty";
            EXPECT_EQ(msg.S[k] == "UNIT", namesAUnit(field.name))
                << "slot " << k << " (" << field.name << ") holds \"" << msg.S[k] << "\"";
            if (field.unitSlot != 0) {
                EXPECT_EQ(msg.S[field.unitSlot], "UNIT")
                    << field.name << " takes its unit from slot " << int{field.unitSlot};
                EXPECT_TRUE(field.unit.empty()) << field.name << " has two units";
            }
        }
    }
}

std::vector<std::string> slotNames(const std::vector<SlotName>& slots) {
    std::vector<std::string> names;
    for (const SlotName& s : slots)
        names.push_back(s.name);
    return names;
}

TEST_F(CatalogueReplyTest, NamesEveryItemOfAReplyFormat) {
    using Names = std::vector<std::string>;
    struct Case {
        std::string format;
        Names names;
    };
    const Case cases[] = {
        {"R128B|FBU", {"Float 1", "Byte 2", "Unit 3"}},
        {"W130BF|P06A03L2", {"Packed text 1", "Text 2", "Integer 3"}},
        {"R128|F5B", {"Float 1"}},  // a stray digit ends the reply format
        {"R128B|", {}},
        // The request keeps 32 characters: the tenth item is cut off.
        {"R128|P03P03P03P03P03P03P03P03P03P03", Names(9, "")},
        // The reply has 25 slots.
        {"R128|" + std::string(26, 'B'), Names(25, "")},
        // Without request data the reply format follows the digits; the items replace the first
        // slots of the sent command's own layout.
        {"Q003FB", {"Float 1", "Byte 2", "PV", "SV unit", "SV", "TV unit", "TV", "QV unit", "QV"}},
    };
    EXPECT_EQ(ReplySlots(255, "Q003FB")[2].unitSlot, 0) << "the PV's unit slot was replaced";
    EXPECT_EQ(ReplySlots(255, "Q003FB")[4].unitSlot, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const std::vector<SlotName> slots = ReplySlots(255, c.format);
        if (c.names.empty() || !c.names[0].empty()) {
            EXPECT_EQ(slotNames(slots), c.names);
        } else {
            EXPECT_EQ(slots.size(), c.names.size());
        }

        HartMessage msg;
        msg.Command = 255;
        msg.S[1] = c.format;
        for (std::size_t k = 2; k <= 20; ++k)
            msg.S[k] = "1";
        RequestBuilder builder;
        builder.BuildRequest(msg, m_context);
        ASSERT_FALSE(builder.RequestError);
        msg.Data.fill(0x41);
        msg.Data[0] = kMaxDataBytes;
        msg.Data[1] = msg.Data[2] = 0;
        DecodeReply(msg, m_context);
        std::size_t filled = 0;
        while (filled + 1 < msg.S.size() && !msg.S[filled + 1].empty())
            ++filled;
        EXPECT_EQ(slots.size(), filled);
        // The reply decoded into the record is named alike.
        EXPECT_EQ(slotNames(DecodedReplySlots(msg)), slotNames(slots));
    }
}

TEST(CommandCatalogue, TitlesEveryLineOfAReplyText) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(
        ReplyLineTitles({"3", "1", "", "", "4", "kPa", "1.5", "degC", "20", "x"}, ReplySlots(3)),
        (Lines{"Command", "Polling address", "Response", "Device status", "Loop current (mA)",
               "PV unit", "PV", "SV unit", "SV", "TV unit"}));
    EXPECT_EQ(
        ReplyLineTitles({"6", "1", "Invalid Selection!", "", "4"}, ReplySlots(6)),
        (Lines{"Command", "Polling address", "Response", "Device status", "Replies delivered"}));
    EXPECT_EQ(ReplyLineTitles({"4", "1", "Command Error!"}, {}),
              (Lines{"Command", "Polling address", "Response"}));
    EXPECT_EQ(ReplyLineTitles({"128", "1", "", "", "7"}, {}).back(), "Line 5");
    // Without a reply template the record's command names the slots.
    HartMessage msg;
    msg.Command = 1;
    EXPECT_EQ(DecodedReplySlots(msg)[1].name, "PV");
}

TEST(CommandCatalogue, KeysAndTitlesForPeopleAndScripts) {
    EXPECT_EQ(FieldKey("PV unit"), "pv_unit");
    EXPECT_EQ(FieldKey("Status bytes 0-1"), "status_bytes_0_1");
    EXPECT_EQ(FieldKey("Damping (s)"), "damping_s");
    EXPECT_EQ(FieldTitle({"Loop current", "mA"}), "Loop current (mA)");
    EXPECT_EQ(FieldTitle({"PV", {}, 2}), "PV");
    // Keys are unique within every reply, so that a script can address each field.
    for (const CommandEntry& entry : CatalogueCommands()) {
        std::set<std::string> keys;
        for (const ReplyField& field : entry.reply)
            EXPECT_TRUE(keys.insert(FieldKey(field.name)).second)
                << "command " << int{entry.number} << ": " << field.name;
    }
}

}  // namespace
}  // namespace hart
