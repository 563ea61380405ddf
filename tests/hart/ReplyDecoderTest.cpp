#include "hart/ReplyDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "hart/ReplyText.h"
#include "support/TempDir.h"

namespace hart {
namespace {

using Slots = std::vector<std::string>;

// Data[1..] from hex bytes (response code, device status, reply data); Data[0] is their count.
HartMessage reply(std::uint8_t command, std::string_view hex) {
    HartMessage msg;
    msg.Command = command;
    std::istringstream in{std::string(hex)};
    unsigned byte = 0;
    std::size_t n = 0;
    while (in >> std::hex >> byte)
        msg.Data.at(++n) = static_cast<std::uint8_t>(byte);
    msg.Data[0] = static_cast<std::uint8_t>(n);
    return msg;
}

// S1.. up to the last filled slot.
Slots filledSlots(const HartMessage& msg) {
    Slots slots(msg.S.begin() + 1, msg.S.end());
    while (!slots.empty() && slots.back().empty())
        slots.pop_back();
    return slots;
}

class ReplyDecoderTest : public testing::Test {
  protected:
    testsupport::TempDir m_dir;
    CodeTables m_tables{m_dir.write("t.ddf",
                                    "[Units]\n12=kPa\n32=degC\n39=mA\n57=%\n"
                                    "[Distributors]\n38=Maker A\n24641=Maker C\n"
                                    "[ExpDevTypeMfr]\n224,99=Maker B\n"
                                    "[Instruments]\n38,6=Model X\n"
                                    "[TransferFunction]\n0=Linear\n1=Square root\n"
                                    "[AlarmSelectionCode]\n0=High\n1=Low\n"
                                    "[WriteProtectCode]\n0=No\n1=Yes\n")};
    platform::UserLocale m_locale;
    CoreContext m_context{m_tables, m_locale};

    Slots decode(HartMessage& msg) {
        DecodeReply(msg, m_context);
        return filledSlots(msg);
    }
};

// Floats used below: 40 80 00 00 = 4, 42 C8 00 00 = 100, 41 A0 00 00 = 20, C0 80 00 00 = -4,
// 3F 80 00 00 = 1, 3F 00 00 00 = 0.5, 40 00 00 00 = 2, 41 45 70 A4 = 12.34.
TEST_F(ReplyDecoderTest, FixedLayouts) {
    const struct {
        std::uint8_t command;
        std::string_view hex;
        Slots slots;
    } cases[] = {
        {1, "00 00 0C 40 80 00 00", {"kPa", "4"}},
        {2, "00 00 41 A0 00 00 42 C8 00 00", {"20", "100"}},
        {6, "00 00 05", {"5"}},
        {14,
         "00 00 01 02 03 0C 42 C8 00 00 C0 80 00 00 3F 00 00 00",
         {"66051", "kPa", "100", "-4", "0.5"}},
        {15,
         "00 00 01 00 0C 42 C8 00 00 00 00 00 00 3F 80 00 00 01 26",
         {"Low", "Linear", "kPa", "100", "0", "1", "Yes", "Maker A"}},
        {16, "00 00 00 01 00", {"256"}},
        {33,
         "00 00 00 0C 42 C8 00 00 01 20 41 45 70 A4 02 27 40 80 00 00 03 39 3F 00 00 00",
         {"0", "kPa", "100", "1", "degC", "12.34", "2", "mA", "4", "3", "%", "0.5"}},
        {35, "00 00 0C 42 C8 00 00 00 00 00 00", {"kPa", "100", "0"}},
        {40, "00 00 41 A0 00 00", {"20"}},
        {44, "00 00 20", {"degC"}},
        {47, "00 00 01", {"Square root"}},
        {50, "00 00 00 01 02 03", {"0", "1", "2", "3"}},
        {53, "00 00 01 27", {"1", "mA"}},
        {54,
         "00 00 01 00 01 00 0C 42 C8 00 00 00 00 00 00 3F 80 00 00 40 00 00 00",
         {"1", "256", "kPa", "100", "0", "1", "2"}},
        {55, "00 00 02 40 80 00 00", {"2", "4"}},
        {60, "00 00 01 27 41 A0 00 00 40 80 00 00", {"1", "mA", "20", "4"}},
        {63,
         "00 00 00 05 01 0C 42 C8 00 00 00 00 00 00 3F 80 00 00",
         {"0", "5", "Square root", "kPa", "100", "0", "1"}},
        {66, "00 00 01 27 40 80 00 00", {"1", "mA", "4"}},
        {69, "00 00 02 00", {"2", "Linear"}},
        {107, "00 00 04 03 02 01", {"4", "3", "2", "1"}},
        {38, "00 00 01 02", {}},  // no layout: nothing decoded
        {200, "00 00 01 02", {}},
    };
    for (const auto& c : cases) {
        HartMessage msg = reply(c.command, c.hex);
        msg.S[20] = "left from before";
        EXPECT_EQ(decode(msg), c.slots) << "command " << int(c.command);
        EXPECT_EQ(msg.sError, "");
        EXPECT_TRUE(msg.ReceivedDataValid);
    }
}

TEST_F(ReplyDecoderTest, FloatsAreKeptAndWrittenWithPrecisionAndSeparator) {
    HartMessage msg = reply(14, "00 00 00 00 07 0C 41 45 70 A4 C0 80 00 00 3F 00 00 00");
    m_locale.decimalSeparator = ',';
    m_context.floatPrecision = 9;
    EXPECT_EQ(decode(msg), (Slots{"7", "kPa", "12,3400002", "-4", "0,5"}));
    EXPECT_FLOAT_EQ(msg.F[1], 12.34f);
    EXPECT_EQ(msg.F[2], -4.0);
    EXPECT_EQ(msg.F[3], 0.5);
    EXPECT_EQ(msg.LI[1], 7);
}

// Commands 3, 61 and 110 carry only the variables the byte count covers; the others stay empty
// even though Data still holds bytes there from a longer frame.
TEST_F(ReplyDecoderTest, VariableCountsFollowTheByteCount) {
    const std::string_view vars =
        "41 A0 00 00 0C 42 C8 00 00 20 41 45 70 A4 27 40 80 00 00 39 3F 00 00 00";
    const Slots command3 = {"20", "kPa", "100", "degC", "12.34", "mA", "4", "%", "0.5"};
    const Slots command61 = {"mA", "20", "kPa", "100", "degC", "12.34", "mA", "4", "%", "0.5"};
    const struct {
        std::uint8_t command;
        std::string_view prefix;
        const Slots& full;
        std::uint8_t count;
        std::size_t filled;
    } cases[] = {
        {3, "00 00", command3, 11, 3},       {3, "00 00", command3, 15, 3},
        {3, "00 00", command3, 16, 5},       {3, "00 00", command3, 21, 7},
        {3, "00 00", command3, 25, 7},       {3, "00 00", command3, 26, 9},
        {61, "00 00 27", command61, 16, 4},  {61, "00 00 27", command61, 17, 6},
        {61, "00 00 27", command61, 26, 8},  {61, "00 00 27", command61, 27, 10},
        {110, "00 00 27", command61, 11, 2}, {110, "00 00 27", command61, 12, 4},
        {110, "00 00 27", command61, 22, 8}, {110, "00 00 27", command61, 40, 8},
    };
    for (const auto& c : cases) {
        HartMessage msg = reply(c.command, std::string(c.prefix) + " " + std::string(vars));
        msg.Data[0] = c.count;
        const Slots expected(c.full.begin(),
                             c.full.begin() + static_cast<std::ptrdiff_t>(c.filled));
        EXPECT_EQ(decode(msg), expected)
            << "command " << int(c.command) << " count " << int(c.count);
    }

    // The reply lines of a short command 3 reply end after the PV value.
    HartMessage msg = reply(3, "00 00 " + std::string(vars));
    msg.Data[0] = 11;
    DecodeReply(msg, m_context);
    EXPECT_EQ(ReplyLines(msg, 0).size(), 4u + 3u);
    EXPECT_EQ(msg.F[2], 100.0);
    EXPECT_EQ(msg.F[3], 0.0);
}

TEST_F(ReplyDecoderTest, NonZeroResponseCodeStopsBeforeTheData) {
    const struct {
        std::uint8_t code;
        std::string_view text;
        bool accepted;
    } cases[] = {
        {8, "Warning #8: Set to Nearest Possible Value!", true},
        {32, "Device is busy!", false},
        {64, "Command Not Supported", true},
        {0x82, "Undefined Error!", false},
    };
    for (const auto& c : cases) {
        HartMessage msg = reply(1, "00 41 0C 40 80 00 00");
        msg.Data[1] = c.code;
        msg.S[1] = "old";
        msg.F[1] = 9;
        msg.ControlStr = "R001B";  // not even a template is applied
        EXPECT_FALSE(DecodeReply(msg, m_context).templateApplied);
        EXPECT_EQ(msg.Error, c.code);
        EXPECT_EQ(msg.sError, c.text);
        EXPECT_EQ(msg.ReceivedDataValid, c.accepted);
        EXPECT_EQ(msg.Status, 0x41);
        EXPECT_EQ(msg.sStatus, "Configuration Changed! Primary Variable Out of Limits! ");
        EXPECT_EQ(filledSlots(msg), Slots{});
        EXPECT_EQ(msg.F[1], 0.0);
    }
}

TEST_F(ReplyDecoderTest, IdentityRepliesFillTheIdentityButNotTheAddress) {
    // 254, manufacturer 38, device type 6, 5 preambles, HART 5, device rev 3, software 2,
    // hardware 0x0A, flags 1, device number 01 02 03.
    for (std::uint8_t command : {0, 11, 21}) {
        HartMessage msg = reply(command, "00 00 FE 26 06 05 05 03 02 0A 01 01 02 03");
        msg.Id.Address = {1, 2, 3, 4, 5};
        EXPECT_EQ(decode(msg),
                  (Slots{"Maker A", "Model X", "5", "5", "3", "2", "10", "1", "66051"}));
        UniqueIdentifier expected{0x26, 6, 5, 5, 3, 2, 0x0A, 1, 1, 2, 3, {1, 2, 3, 4, 5}};
        EXPECT_EQ(msg.Id, expected) << int(command);
    }

    // HART 7: the first two bytes are an expanded device type that names the manufacturer.
    HartMessage msg = reply(0, "00 00 FE E0 63 05 07 01 01 08 00 00 00 2A");
    EXPECT_EQ(decode(msg), (Slots{"Maker B", "224,99", "5", "7", "1", "1", "8", "0", "42"}));
    EXPECT_EQ(msg.Id.MfrId, 0xE0);
    EXPECT_EQ(msg.Id.DeviceIdNumberLo, 0x2A);

    // A full HART 7 identity carries the manufacturer code 0x6041 in bytes 17-18: it names the
    // maker when ExpDevTypeMfr knows the expanded device type not; else the two bytes show.
    const std::string tail = " 05 04 00 01 00 60 41 00 3A 01";
    const std::string identity7 = "00 00 FE E0 A1 05 07 01 01 08 00 00 00 2A";
    msg = reply(0, identity7 + tail);
    EXPECT_EQ(decode(msg).at(0), "Maker C");
    msg = reply(0, "00 00 FE E0 63 05 07 01 01 08 00 00 00 2A" + tail);
    EXPECT_EQ(decode(msg).at(0), "Maker B") << "the expanded device type's entry comes first";
    msg = reply(0, identity7 + " 05 04 00 01 00 12 34 00 3A 01");
    EXPECT_EQ(decode(msg).at(0), "224,161") << "a code the table lacks";
    msg = reply(0, identity7 + " 05 04 00 01 00 60");  // cut before the code's second byte
    EXPECT_EQ(decode(msg).at(0), "224,161");
}

TEST_F(ReplyDecoderTest, TagsMessagesAndDates) {
    // "PT-101" and "FEED PUMP" in packed ASCII, then day, month, year byte.
    const std::string tagAndDescriptor =
        "00 00 41 4B 71 C3 18 20 18 51 44 81 05 4D 42 08 20 82 08 20 ";
    m_locale.shortDateFormat = "dd.MM.yyyy";

    HartMessage msg = reply(13, tagAndDescriptor + "00 00 00");
    EXPECT_EQ(decode(msg), (Slots{"PT-101", "FEED PUMP", "01.01.1900"}));
    msg = reply(13, tagAndDescriptor + "1F 0C 7C");
    EXPECT_EQ(decode(msg)[2], "31.12.2024");
    msg = reply(18, tagAndDescriptor + "00 00 00");
    EXPECT_EQ(decode(msg), (Slots{"PT-101", "FEED PUMP", "0.0.1900"}));

    // A 24-byte message: "FEED PUMP" and blanks, trimmed.
    msg =
        reply(12, "00 00 18 51 44 81 05 4D 42 08 20 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20");
    EXPECT_EQ(decode(msg), Slots{"FEED PUMP"});
}

TEST_F(ReplyDecoderTest, Command48PairsAreLowByteFirst) {
    HartMessage msg = reply(48,
                            "00 00 01 02 FF FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                            "00 34 12 07");
    const Slots slots = decode(msg);
    ASSERT_EQ(slots.size(), 13u);
    EXPECT_EQ(slots[0], "513");
    EXPECT_EQ(slots[1], "65535");
    EXPECT_EQ(slots[2], "0");
    EXPECT_EQ(slots[11], "4660");
    EXPECT_EQ(slots[12], "7");
}

// The reply template of a generic command: "R" and the command number, then the items.
TEST_F(ReplyDecoderTest, TemplateReplaysTheFormatOverTheReply) {
    const struct {
        std::string_view control;
        std::uint8_t command;
        std::string_view hex;
        Slots slots;
        bool applied = true;
    } cases[] = {
        {"R255FB", 255, "00 00 40 80 00 00 07", {"4", "7"}},
        {"R255FB", 255, "00 00 40 80 00 00", {"4"}},  // B lies past the reply
        {"R255PxxB", 255, "00 00 2A", {"Error \"P\"", "42"}},
        {"R255P06A04L2U",
         255,
         "00 00 41 4B 71 C3 18 20 41 42 43 20 01 02 27",
         {"PT-101", "ABC", "258", "mA"}},
        {"R255L5L4B", 255, "00 00 80 00 00 00 09", {"Error \"L\"", "Error \"L\"", "128"}},
        {"R255A0xB", 255, "00 00 05", {"Error \"A\"", "5"}},
        {"R255BxB", 255, "00 00 01 02", {"1"}},  // an unknown letter ends the format
        // The template replaces the fixed layout slot by slot; slots it never reaches keep theirs.
        {"R001B", 1, "00 00 0C 40 80 00 00", {"12", "4"}},
        // Only a format that names the reply's command applies.
        {"R003B", 1, "00 00 0C 40 80 00 00", {"kPa", "4"}, false},
        {"Rx01B", 1, "00 00 0C 40 80 00 00", {"kPa", "4"}, false},
        {"R255", 255, "00 00 07", {}, false},
    };
    for (const auto& c : cases) {
        HartMessage msg = reply(c.command, c.hex);
        msg.ControlStr = c.control;
        const DecodeOutcome outcome = DecodeReply(msg, m_context);
        EXPECT_EQ(filledSlots(msg), c.slots) << c.control << " / " << c.hex;
        EXPECT_EQ(outcome.templateApplied, c.applied) << c.control;
    }
}

TEST_F(ReplyDecoderTest, TemplateItemsNeverReadPastData) {
    // Data[1..32] = 0x31.., then 4 as a float and "WXYZ" in Data[33..40].
    HartMessage msg = reply(0, "");
    for (std::size_t i = 1; i <= 32; ++i)
        msg.Data[i] = static_cast<std::uint8_t>(0x30 + i);
    const std::uint8_t tail[] = {0x40, 0x80, 0x00, 0x00, 'W', 'X', 'Y', 'Z'};
    std::copy(std::begin(tail), std::end(tail), msg.Data.begin() + 33);
    msg.Data[0] = 40;

    const struct {
        std::string_view item;
        std::size_t dataPos;
        std::string result;
        std::size_t nextData;
    } cases[] = {
        {"B", 40, "90", 41},
        {"B", 41, "", 42},
        {"U", 41, "", 42},
        {"F", 33, "4", 37},
        {"F", 38, "", 42},
        {"A02", 39, "YZ", 41},
        {"A02", 40, "Error \"A\"", 40},
        {"P03", 39, "Error \"P\"", 39},
        {"L1", 41, "Error \"L\"", 41},
        {"L2", 39, "22874", 41},
        {"P03", 60, "Error \"P\"", 60},
    };
    for (const auto& c : cases) {
        std::size_t templatePos = 1, dataPos = c.dataPos;
        EXPECT_EQ(DecodeTemplateItem(c.item, templatePos, dataPos, msg, m_context), c.result)
            << c.item << " at " << c.dataPos;
        EXPECT_EQ(templatePos, c.item.size() + 1) << c.item;
        EXPECT_EQ(dataPos, c.nextData) << c.item << " at " << c.dataPos;
    }

    // A reply of 40 bytes: the second A20 would need Data[23..42] and fails with its text.
    msg.Command = 255;
    msg.Data[1] = msg.Data[2] = 0;
    msg.ControlStr = "R255A20A20";
    DecodeReply(msg, m_context);
    EXPECT_EQ(msg.S[2], "Error \"A\"");
}

}  // namespace
}  // namespace hart
