#include "hart/RequestBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hart/CodeTables.h"
#include "support/TempDir.h"

namespace hart {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes hex(std::string_view text) {
    Bytes out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), 0, 16)));
        i += 2;
    }
    return out;
}

Bytes repeat(std::string_view hexText, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i) {
        const Bytes part = hex(hexText);
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A whole frame: the preambles, the body (delimiter through the last data byte) and the check
// byte, the exclusive OR of the body.
Bytes frameOf(std::size_t preambles, const Bytes& body) {
    Bytes frame(preambles, 0xFF);
    std::uint8_t check = 0;
    for (std::uint8_t b : body)
        check ^= b;
    frame = frame + body;
    frame.push_back(check);
    return frame;
}

// Units 250 and 7 show that a number wins over a name; 200 and 201 share a name.
constexpr std::string_view kTable =
    "[Units]\n7=bar\n12=kPa\n32=degC\n200=twin\n201=twin\n250=7\n"
    "[TransferFunction]\n0=Linear\n1=Square Root\n";

// The device of every long-frame request: manufacturer 0x26, type 0x05, number 01 02 03.
const std::string kAddress = "82 A6 05 01 02 03 ";

HartMessage request(std::uint8_t command, const std::vector<std::string>& args,
                    MasterType mt = mtPrimary) {
    HartMessage msg;
    msg.Command = command;
    msg.mt = mt;
    msg.Id.MfrId = 0x26;
    msg.Id.MfrDeviceType = 0x05;
    msg.Id.DeviceIdNumberHi = 0x01;
    msg.Id.DeviceIdNumberMid = 0x02;
    msg.Id.DeviceIdNumberLo = 0x03;
    msg.Id.NmbrPreamb = 5;
    for (std::size_t i = 0; i < args.size(); ++i)
        msg.S[i + 1] = args[i];
    return msg;
}

class BuilderFixture {
  protected:
    BuildOutcome build(HartMessage& msg) {
        return m_builder.BuildRequest(msg, CoreContext{m_tables, m_locale});
    }
    Bytes frame() const { return Bytes(m_builder.frame().begin(), m_builder.frame().end()); }

    testsupport::TempDir m_dir;
    CodeTables m_tables{m_dir.write("TABLE.DDF", kTable)};
    platform::UserLocale m_locale;
    RequestBuilder m_builder;
};

class RequestBuilderTest : public BuilderFixture, public ::testing::Test {};

// --- Frames of the fixed commands -----------------------------------------------------------

struct FrameCase {
    std::string name;
    std::uint8_t command;
    std::vector<std::string> args;  // S1, S2, ...
    std::size_t preambles;
    Bytes body;  // delimiter through the last data byte
};

class CommandFrames : public BuilderFixture, public ::testing::TestWithParam<FrameCase> {};

TEST_P(CommandFrames, BuildsTheExpectedFrame) {
    const FrameCase& c = GetParam();
    HartMessage msg = request(c.command, c.args);
    msg.Data.fill(0xEE);
    const BuildOutcome outcome = build(msg);

    EXPECT_FALSE(m_builder.RequestError);
    EXPECT_EQ(frame(), frameOf(c.preambles, c.body));
    EXPECT_EQ(m_builder.RequestLength, c.preambles + c.body.size() + 1);
    EXPECT_TRUE(msg.DataToSend);
    EXPECT_FALSE(outcome.genericCommand);
    // Data mirrors the byte count and data of a long frame and is all 0 after a short one.
    Bytes data(kDataSize, 0);
    if (c.body[0] == 0x82) std::copy(c.body.begin() + 7, c.body.end(), data.begin());
    EXPECT_EQ(Bytes(msg.Data.begin(), msg.Data.end()), data);
}

INSTANTIATE_TEST_SUITE_P(
    RequestBuilder, CommandFrames,
    ::testing::Values(
        FrameCase{"Cmd0Address5", 0, {"5"}, 20, hex("02 85 00 00")},
        FrameCase{"Cmd0EmptyAddress", 0, {""}, 20, hex("02 80 00 00")},
        FrameCase{"Cmd0TextAddress", 0, {"abc"}, 20, hex("02 80 00 00")},
        FrameCase{"Cmd0AddressKeepsLow6Bits", 0, {"70"}, 20, hex("02 86 00 00")},
        FrameCase{"Cmd0AddressAbove255", 0, {"300"}, 20, hex("02 80 00 00")},
        FrameCase{"Cmd3", 3, {}, 5, hex(kAddress + "03 00")},
        FrameCase{"Cmd128DeviceSpecific", 128, {"1"}, 5, hex(kAddress + "80 00")},
        FrameCase{"Cmd6", 6, {"3"}, 5, hex(kAddress + "06 01 03")},
        FrameCase{"Cmd11BroadcastPackedTag",
                  11,
                  {"tag"},
                  20,
                  hex("82 80 00 00 00 00 0B 06 50 11 E0 82 08 20")},
        FrameCase{"Cmd21BroadcastLatin1Tag",
                  21,
                  {"Long tag"},
                  5,
                  hex("82 80 00 00 00 00 15 20 4C 6F 6E 67 20 74 61 67") + repeat("00", 24)},
        FrameCase{"Cmd17Message",
                  17,
                  {"HELLO"},
                  5,
                  hex(kAddress + "11 18 20 53 0C 3E 08 20") + repeat("82 08 20", 6)},
        FrameCase{"Cmd18",
                  18,
                  {"tag", "desc", "12/24/2018"},
                  5,
                  hex(kAddress + "12 15 50 11 E0 82 08 20 10 54 C3") + repeat("82 08 20", 3) +
                      hex("18 0C 76")},
        FrameCase{"Cmd18EmptyDate",
                  18,
                  {"tag", "desc", ""},
                  5,
                  hex(kAddress + "12 15 50 11 E0 82 08 20 10 54 C3") + repeat("82 08 20", 3) +
                      hex("00 00 00")},
        FrameCase{"Cmd19", 19, {"66051"}, 5, hex(kAddress + "13 03 01 02 03")},
        FrameCase{"Cmd33", 33, {"1", "2", "3", "255"}, 5, hex(kAddress + "21 04 01 02 03 FF")},
        FrameCase{"Cmd34CommaAsSeparator", 34, {"0,1"}, 5, hex(kAddress + "22 04 3D CC CC CD")},
        FrameCase{"Cmd35UnitNumberBeforeName",
                  35,
                  {"7", "100", "0"},
                  5,
                  hex(kAddress + "23 09 07 42 C8 00 00 00 00 00 00")},
        FrameCase{"Cmd35UnitName",
                  35,
                  {"kPa", "100", "-4"},
                  5,
                  hex(kAddress + "23 09 0C 42 C8 00 00 C0 80 00 00")},
        FrameCase{"Cmd35LastUnitOfANameWins",
                  35,
                  {"twin", "1", "0"},
                  5,
                  hex(kAddress + "23 09 C9 3F 80 00 00 00 00 00 00")},
        FrameCase{"Cmd47TransferFunctionName", 47, {"Square Root"}, 5, hex(kAddress + "2F 01 01")},
        FrameCase{"Cmd65",
                  65,
                  {"1", "degC", "150", "-50"},
                  5,
                  hex(kAddress + "41 0A 01 20 43 16 00 00 C2 48 00 00")},
        FrameCase{"Cmd58TrimsAndWritesTheDate",
                  58,
                  {"  Tag1 \t", "Descriptor", "24.12.2018"},
                  5,
                  hex(kAddress + "3A 15 50 11 F1 82 08 20 10 54 C3 48 94 14 3D 28 20 82 08 20 "
                                 "18 0C 76")},
        FrameCase{
            "Cmd58YearBefore1900",
            58,
            {"TAG1", "", "24.12.18"},
            5,
            hex(kAddress + "3A 15 50 11 F1 82 08 20") + repeat("82 08 20", 4) + hex("18 0C 00")}),
    [](const auto& info) { return info.param.name; });

// --- Arguments that refuse the request ------------------------------------------------------

struct RefusedCase {
    std::string name;
    std::uint8_t command;
    std::vector<std::string> args;
};

class RefusedArguments : public BuilderFixture, public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedArguments, SetRequestError) {
    const RefusedCase& c = GetParam();
    HartMessage msg = request(c.command, c.args);
    build(msg);
    EXPECT_TRUE(m_builder.RequestError);
    EXPECT_TRUE(msg.DataToSend);
}

INSTANTIATE_TEST_SUITE_P(
    RequestBuilder, RefusedArguments,
    ::testing::Values(
        RefusedCase{"ByteEmpty", 33, {"1", "2", "", "4"}},
        RefusedCase{"ByteAbove255", 33, {"1", "2", "256", "4"}},
        RefusedCase{"ByteNegative", 33, {"1", "-1", "3", "4"}},
        RefusedCase{"ByteNoInteger", 54, {"1.5"}},
        RefusedCase{"PollingAddressToWriteEmpty", 6, {""}},
        RefusedCase{"PollingAddressToWriteNoInteger", 6, {"three"}},
        RefusedCase{"Int24Empty", 19, {""}}, RefusedCase{"Int24TooLarge", 19, {"16777216"}},
        RefusedCase{"FloatEmpty", 34, {""}}, RefusedCase{"FloatNoNumber", 34, {"abc"}},
        RefusedCase{"FloatTwoSeparators", 40, {"1.2.3"}},
        RefusedCase{"FloatBeyondFourBytes", 45, {"1e39"}},
        RefusedCase{"FloatTooSmallForFourBytes", 46, {"1e-39"}},
        RefusedCase{"Unit255", 35, {"255", "1", "0"}},
        RefusedCase{"UnitUnknownName", 35, {"furlong", "1", "0"}},
        RefusedCase{"UnitEmpty", 44, {""}},
        RefusedCase{"UnitNameIsCaseSensitive", 53, {"0", "KPA"}},
        RefusedCase{"TransferFunctionUnknown", 47, {"Cubic"}},
        RefusedCase{"Cmd18NoDate", 18, {"tag", "desc", "13/24/2018"}},
        RefusedCase{"Cmd18YearBefore1900", 18, {"tag", "desc", "1/1/1850"}},
        RefusedCase{"Cmd18YearAfter2155", 18, {"tag", "desc", "1/1/2156"}},
        RefusedCase{"Cmd58TagOf9Characters", 58, {"ABCDEFGHI", "", "1.1.2000"}},
        RefusedCase{"Cmd58DescriptorOf17Characters", 58, {"TAG", "ABCDEFGHIJKLMNOPQ", "1.1.2000"}},
        RefusedCase{"Cmd58EmptyDate", 58, {"TAG", "", ""}},
        RefusedCase{"Cmd58DateWithoutYear", 58, {"TAG", "", "24.12"}},
        RefusedCase{"Cmd58DayNoInteger", 58, {"TAG", "", "x.12.2018"}},
        RefusedCase{"Cmd58DayAbove255", 58, {"TAG", "", "300.12.2018"}},
        RefusedCase{"Cmd58YearAfter2155", 58, {"TAG", "", "24.12.2156"}}),
    [](const auto& info) { return info.param.name; });

// --- Generic command 255 --------------------------------------------------------------------

struct GenericCase {
    std::string name;
    std::vector<std::string> args;  // S1 is the format text
    bool refused;
    std::string controlStr;  // afterwards
    Bytes body;              // checked when the request is not refused
};

class GenericRequests : public BuilderFixture, public ::testing::TestWithParam<GenericCase> {};

TEST_P(GenericRequests, FollowTheFormatText) {
    const GenericCase& c = GetParam();
    HartMessage msg = request(255, c.args);
    const BuildOutcome outcome = build(msg);

    EXPECT_TRUE(outcome.genericCommand);
    EXPECT_EQ(m_builder.RequestError, c.refused);
    EXPECT_EQ(msg.ControlStr, c.controlStr);
    EXPECT_TRUE(msg.DataToSend);
    if (!c.refused) {
        EXPECT_EQ(frame(), frameOf(5, c.body));
        EXPECT_EQ(msg.Command, c.body[6]);
        EXPECT_EQ(msg.Data[0], c.body[7]);
        if (c.controlStr[0] == 'R' || c.controlStr[0] == 'W') {
            EXPECT_EQ(msg.B[1], c.body[7]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    RequestBuilder, GenericRequests,
    ::testing::Values(
        GenericCase{"OneByte", {"R128B|B", "7"}, false, "R128B", hex(kAddress + "80 01 07")},
        GenericCase{"EveryItemKind",
                    {"W200A04P06L2FUB|BF", "ab", "tag1", "258", "4", "kPa", "9"},
                    false,
                    "W200BF",
                    hex(kAddress + "C8 12 61 62 00 00 50 11 F1 82 08 20 01 02 40 80 00 00 0C 09")},
        GenericCase{
            "NegativeInteger", {"R129L2|", "-2"}, false, "R129", hex(kAddress + "81 02 FF FE")},
        GenericCase{"UnitByNumberAndByName",
                    {"R130UU|", "6", "twin"},
                    false,
                    "R130",
                    hex(kAddress + "82 02 06 C9")},
        GenericCase{"EmptyRequestFormat", {"R128|B"}, false, "R128B", hex(kAddress + "80 00")},
        GenericCase{"KindWithoutData", {"Q003"}, false, "Q003", hex(kAddress + "03 00")},
        GenericCase{"KindWithoutDataIsNotChecked",
                    {"Q003|Z", "7"},
                    false,
                    "Q003|Z",
                    hex(kAddress + "03 00")},
        GenericCase{"PackedCountNotMultipleOf3", {"R128P10|B"}, true, "X128P10|B", {}},
        GenericCase{"TextCountAbove32", {"R128A33|"}, true, "X128A33|", {}},
        GenericCase{"TextCountZero", {"R128A00|"}, true, "X128A00|", {}},
        GenericCase{"IntegerOf5Bytes", {"R128L5|"}, true, "X128L5|", {}},
        GenericCase{"UnknownLetterInReply", {"R128|Z"}, true, "X128|Z", {}},
        GenericCase{"NoSeparator", {"R128B", "1"}, true, "X128B", {}},
        GenericCase{"SeparatorInsideCommandDigits", {"R12|B"}, true, "X12|B", {}},
        GenericCase{"CommandNoNumber", {"Rabc|B"}, true, "Xabc|B", {}},
        GenericCase{"CommandAbove255", {"R300B|B", "1"}, true, "X300B|B", {}},
        GenericCase{"EmptyFormat", {""}, true, "", {}},
        GenericCase{"MoreThan40Bytes", {"R128A32A32|", "a", "b"}, true, "X128A32A32|", {}},
        // Arguments are checked after the format: the format stays accepted.
        GenericCase{"ByteArgumentNoInteger", {"R128B|", "x"}, true, "R128", {}},
        GenericCase{"FloatArgumentNoNumber", {"R128F|", "abc"}, true, "R128", {}},
        GenericCase{"UnitZero", {"R128U|", "0"}, true, "R128", {}},
        GenericCase{"IntegerBeyondItsBytes", {"R128L1|", "300"}, true, "R128", {}},
        // A stray digit stops encoding, and only S2..S20 take arguments: either would send
        // fewer bytes than the byte count announces.
        GenericCase{"ItemAfterStrayDigit", {"R128B2B|", "1", "2"}, true, "R128", {}},
        GenericCase{"TwentyItems",
                    {"R128" + std::string(20, 'B') + "|",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1",
                     "1"},
                    true,
                    "R128",
                    {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(RequestBuilderTest, GenericRequestAfterACommandLineErrorIsNotEncoded) {
    HartMessage msg = request(255, {"R128B|B", "7"});
    m_builder.RequestError = true;
    build(msg);
    EXPECT_TRUE(m_builder.RequestError);
    EXPECT_EQ(msg.ControlStr, "X128B|B");
    EXPECT_EQ(frame(), frameOf(5, hex(kAddress + "80 00")));
}

TEST_F(RequestBuilderTest, FormatTextIsCutTo32Characters) {
    // The reply format's last item loses its count digit at the cut.
    const std::string replyItems(24, 'B');
    HartMessage msg = request(255, {"R128B|" + replyItems + "A01", "7"});
    build(msg);
    EXPECT_TRUE(m_builder.RequestError);
    EXPECT_EQ(msg.ControlStr, "X128B|" + replyItems + "A0");
}

// --- Addresses, preambles and what the record keeps -----------------------------------------

TEST_F(RequestBuilderTest, IdentifiesPollingAddress5WithALiteralFrame) {
    HartMessage msg = request(0, {"5"});
    build(msg);
    EXPECT_EQ(frame(), repeat("FF", 20) + hex("02 85 00 00 87"));
    EXPECT_EQ(m_builder.RequestLength, 25u);
    EXPECT_EQ(msg.B[1], 5);
    EXPECT_EQ(msg.Id.NmbrPreamb, 20);
}

TEST_F(RequestBuilderTest, LongAddressCarriesTheMasterBit) {
    HartMessage primary = request(3, {});
    build(primary);
    EXPECT_EQ(frame(), repeat("FF", 5) + hex("82 A6 05 01 02 03 03 00 22"));

    HartMessage secondary = request(3, {}, mtSecondary);
    build(secondary);
    EXPECT_EQ(frame(), repeat("FF", 5) + hex("82 26 05 01 02 03 03 00 A2"));

    HartMessage broadcast = request(11, {"TAG"}, mtSecondary);
    build(broadcast);
    EXPECT_EQ(frame()[20], 0x82);
    EXPECT_EQ(frame()[21], 0x00);  // master bit alone, no manufacturer bits
}

TEST_F(RequestBuilderTest, PreambleCountFollowsTheCommand) {
    const struct {
        std::uint8_t command;
        std::uint8_t asked;
        std::uint8_t sent;
    } cases[] = {
        {3, 0, 5},  {3, 4, 5},   {3, 5, 5},  {3, 20, 20}, {3, 21, 5},
        {0, 3, 20}, {11, 5, 20}, {21, 7, 7}, {21, 21, 5}, {4, 30, 5},
    };
    for (const auto& c : cases) {
        HartMessage msg = request(c.command, {"0"});
        msg.Id.NmbrPreamb = c.asked;
        build(msg);
        EXPECT_EQ(msg.Id.NmbrPreamb, c.sent) << int(c.command) << " asked " << int(c.asked);
        const Bytes f = frame();
        EXPECT_EQ(std::count(f.begin(), f.begin() + c.sent, 0xFF), c.sent);
        EXPECT_NE(f[c.sent], 0xFF) << int(c.command) << " asked " << int(c.asked);
    }
}

TEST_F(RequestBuilderTest, RefusedCommandWritesOnlyPreamblesAndACheckByte) {
    HartMessage msg = request(4, {});
    msg.Data.fill(0xEE);
    build(msg);
    EXPECT_TRUE(m_builder.RequestError);
    EXPECT_EQ(frame(), repeat("FF", 5) + hex("00"));
    EXPECT_EQ(Bytes(msg.Data.begin(), msg.Data.end()), Bytes(kDataSize, 0));
    EXPECT_TRUE(msg.DataToSend);
}

TEST(RefusedCommands, AreExactlyTheListedNumbers) {
    const std::vector<std::pair<unsigned, unsigned>> refused = {
        {4, 5},     {7, 10},    {20, 20},   {22, 32},   {49, 49},
        {56, 56},   {59, 59},   {71, 106},  {111, 127}, {135, 135},
        {138, 138}, {140, 140}, {145, 148}, {152, 193}, {196, 254},
    };
    for (unsigned c = 0; c <= 255; ++c) {
        const bool listed = std::any_of(refused.begin(), refused.end(),
                                        [c](auto r) { return c >= r.first && c <= r.second; });
        EXPECT_EQ(IsRefusedCommand(static_cast<std::uint8_t>(c)), listed) << c;
    }
}

TEST_F(RequestBuilderTest, NeverClearsRequestError) {
    HartMessage msg = request(3, {});
    m_builder.RequestError = true;
    build(msg);
    EXPECT_TRUE(m_builder.RequestError);
}

TEST_F(RequestBuilderTest, KeepsParsedArgumentsInTheRecord) {
    HartMessage range = request(65, {"3", "kPa", "12.5", "-2"});
    build(range);
    EXPECT_EQ(range.B[1], 3);
    EXPECT_EQ(range.B[2], 12);
    EXPECT_EQ(range.F[1], 12.5);
    EXPECT_EQ(range.F[2], -2.0);

    HartMessage variables = request(51, {"4", "3", "2", "1"});
    build(variables);
    EXPECT_EQ((std::array<std::uint8_t, 4>{variables.B[1], variables.B[2], variables.B[3],
                                           variables.B[4]}),
              (std::array<std::uint8_t, 4>{4, 3, 2, 1}));

    HartMessage identify = request(0, {"70"});
    build(identify);
    EXPECT_EQ(identify.B[1], 70);

    HartMessage unitTag = request(58, {" Tag1\r\n", "\tDescriptor  ", "1.1.2000"});
    build(unitTag);
    EXPECT_EQ(unitTag.S[1], "Tag1");
    EXPECT_EQ(unitTag.S[2], "Descriptor");

    HartMessage generic = request(255, {"W200A04P06L2FUB|BF", "ab", "tag1", "258", "4", "6", "9"});
    build(generic);
    EXPECT_EQ(generic.B[1], 18);
    EXPECT_EQ(generic.Command, 200);
}

TEST_F(RequestBuilderTest, BuildClearsTheFormatTextOfTheLastGenericRequest) {
    HartMessage msg = request(255, {"R128B|B", "7"});
    build(msg);
    ASSERT_EQ(msg.ControlStr, "R128B");
    msg.Command = 3;
    EXPECT_FALSE(build(msg).genericCommand);
    EXPECT_EQ(msg.ControlStr, "");
}

TEST_F(RequestBuilderTest, NumbersAndDatesFollowTheUserLocale) {
    m_locale.decimalSeparator = ',';
    m_locale.shortDateFormat = "dd.MM.yyyy";

    for (const std::string text : {"0.5", "0,5"}) {
        HartMessage msg = request(34, {text});
        build(msg);
        EXPECT_EQ(frame(), frameOf(5, hex(kAddress + "22 04 3F 00 00 00"))) << text;
        EXPECT_EQ(msg.F[1], 0.5);
    }

    HartMessage msg = request(18, {"", "", "24. 12. 2018"});
    build(msg);
    const Bytes f = frame();
    EXPECT_EQ(Bytes(f.end() - 4, f.end() - 1), hex("18 0C 76"));
    EXPECT_FALSE(m_builder.RequestError);
}

}  // namespace
}  // namespace hart
