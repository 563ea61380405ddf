#include "hart/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace hart {
namespace {

using Bytes = std::vector<std::uint8_t>;

double toFloat(std::array<std::uint8_t, 4> b) {
    return HartToFloat(b);
}

TEST(HartFloat, DecodesBigEndianSinglePrecision) {
    EXPECT_EQ(toFloat({0x40, 0x80, 0x00, 0x00}), 4.0);
    EXPECT_EQ(toFloat({0xC0, 0x80, 0x00, 0x00}), -4.0);
    EXPECT_EQ(toFloat({0x3F, 0x80, 0x00, 0x00}), 1.0);
    EXPECT_EQ(toFloat({0x41, 0x45, 0x70, 0xA4}), 12.340000152587890625);
    // Zero, subnormals, and exponent fields of 246 and up (NaN and infinity among them) read 0.
    for (auto b : std::vector<std::array<std::uint8_t, 4>>{{0x00, 0x00, 0x00, 0x00},
                                                           {0x80, 0x00, 0x00, 0x00},
                                                           {0x00, 0x7F, 0xFF, 0xFF},
                                                           {0x7F, 0xA0, 0x00, 0x00},
                                                           {0x7F, 0x80, 0x00, 0x00},
                                                           {0x7B, 0x00, 0x00, 0x00}}) {
        EXPECT_EQ(toFloat(b), 0.0);
    }
    EXPECT_GT(toFloat({0x7A, 0xFF, 0xFF, 0xFF}), 6e35);  // exponent field 245 still reads
}

TEST(HartFloat, EncodesAndRoundsTheLastBit) {
    const struct {
        double value;
        std::array<std::uint8_t, 4> bytes;
    } cases[] = {
        {4, {0x40, 0x80, 0x00, 0x00}},
        {-1, {0xBF, 0x80, 0x00, 0x00}},
        {0, {0x00, 0x00, 0x00, 0x00}},
        {0.1, {0x3D, 0xCC, 0xCC, 0xCD}},
        {12.34, {0x41, 0x45, 0x70, 0xA4}},
        {100, {0x42, 0xC8, 0x00, 0x00}},
        {-273.15, {0xC3, 0x88, 0x93, 0x33}},
        {1.1754943508222875e-38, {0x00, 0x80, 0x00, 0x00}},
        {3.4028234e38, {0x7F, 0x7F, 0xFF, 0xFF}},
        // 2^24 - 0.5 rounds up through every significand byte into the exponent.
        {16777215.5, {0x4B, 0x80, 0x00, 0x00}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToHart(c.value), c.bytes) << c.value;
}

TEST(HartFloat, RefusesWhatFourBytesCannotHold) {
    for (double v : {1e39, -1e39, 3.5e38, 1e-39, 1e-45, double(INFINITY)}) {
        EXPECT_THROW(FloatToHart(v), ConversionError) << v;
    }
}

TEST(HartFloat, WritesAtThePositionAndStopsAtTheBufferEnd) {
    std::array<std::uint8_t, 6> buffer{};
    std::size_t pos = 1;
    FloatToHart(4.0, buffer, pos);
    EXPECT_EQ(pos, 5u);
    EXPECT_EQ(buffer[1], 0x40);
    EXPECT_THROW(FloatToHart(4.0, buffer, pos), ConversionError);
}

TEST(FormatHartFloat, GeneralFormat) {
    const struct {
        double value;
        int precision;
        char separator;
        const char* text;
    } cases[] = {
        {4, 6, '.', "4"},
        {12.3456789, 6, '.', "12.3457"},
        {654321, 6, '.', "654321"},
        {1234567, 6, '.', "1.23457E6"},
        {1234567, 9, '.', "1234567"},
        {0.0001, 6, '.', "0.0001"},
        {0.00001, 6, '.', "1E-5"},
        {-0.5, 6, '.', "-0.5"},
        {12.3456789, 6, ',', "12,3457"},
        {0, 6, '.', "0"},
        {1e7, 6, '.', "1E7"},
        {999999.7, 6, '.', "1E6"},  // rounding adds a digit before the point
        {100, 6, '.', "100"},
        {-1.5e-10, 6, '.', "-1.5E-10"},
        {0.000123456789, 6, '.', "0.000123457"},
        {12.340000152587890625, 9, '.', "12.3400002"},
        {12.340000152587890625, 6, '.', "12.34"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatHartFloat(c.value, c.precision, c.separator), c.text)
            << c.value << " P=" << c.precision;
    }
}

TEST(PackedAscii, RoundTripsAndUpperCases) {
    std::array<std::uint8_t, 12> packed{};
    std::size_t pos = 0;
    PackAscii("pt-101 a", 6, packed, pos);
    EXPECT_EQ(pos, 6u);
    std::array<std::uint8_t, 6> upper{};
    pos = 0;
    PackAscii("PT-101 A", 6, upper, pos);
    EXPECT_TRUE(std::equal(upper.begin(), upper.end(), packed.begin()));
    EXPECT_EQ(UnpackAscii(packed, 6), "PT-101 A");

    // A text of blanks packs to 0x82 0x08 0x20 per group and unpacks to nothing.
    std::array<std::uint8_t, 3> blanks{};
    pos = 0;
    PackAscii("", 0, blanks, pos);
    EXPECT_EQ(pos, 3u);
    EXPECT_EQ(blanks, (std::array<std::uint8_t, 3>{0x82, 0x08, 0x20}));
    EXPECT_EQ(UnpackAscii(blanks, 3), "");
}

TEST(PackedAscii, LengthsAndLimits) {
    std::array<std::uint8_t, 30> buffer{};
    const struct {
        std::size_t n, written;
    } lengths[] = {{0, 3}, {1, 3}, {3, 3}, {4, 6}, {5, 6}, {6, 6}, {12, 12}, {24, 24}};
    for (auto [n, written] : lengths) {
        std::size_t pos = 0;
        PackAscii("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", n, buffer, pos);
        EXPECT_EQ(pos, written) << n;
    }
    std::size_t pos = 28;
    EXPECT_THROW(PackAscii("AB", 6, buffer, pos), ConversionError);
    EXPECT_THROW(UnpackAscii(std::span(buffer).first(5), 6), ConversionError);
    // A group may start below n and read past it.
    EXPECT_EQ(UnpackAscii(std::span(buffer).first(6), 4).size(), 8u);
}

TEST(PlainText, BytesToTextAndBack) {
    const Bytes bytes = {' ', 'T', 'a', 'g', 0xE9, ' ', 0, 0};
    EXPECT_EQ(BytesToText(bytes, 8), "Tag\xE9");
    EXPECT_EQ(BytesToText(bytes, 0), "");  // one byte at least: the blank
    EXPECT_THROW(BytesToText(bytes, 9), ConversionError);

    std::array<std::uint8_t, 8> out{};
    out.fill(0xAA);
    std::size_t pos = 1;
    TextToBytes("Hi\xB0", 5, out, pos);
    EXPECT_EQ(pos, 6u);
    EXPECT_EQ(out, (std::array<std::uint8_t, 8>{0xAA, 'H', 'i', 0xB0, 0, 0, 0xAA, 0xAA}));
    pos = 0;
    TextToBytes("toolong", 2, out, pos);
    EXPECT_EQ(pos, 2u);
    EXPECT_THROW(TextToBytes("x", 3, out, pos = 6), ConversionError);
}

TEST(Numbers, BytesToNumberAndByteOfNumber) {
    const Bytes b = {0x01, 0x02, 0x03, 0x04, 0x05};
    EXPECT_EQ(BytesToNumber(b, 3), 66051);
    EXPECT_EQ(BytesToNumber(b, 0), 0);
    EXPECT_EQ(BytesToNumber(b, 4), 0x01020304);
    EXPECT_THROW(BytesToNumber(b, 5), ConversionError);
    EXPECT_THROW(BytesToNumber(Bytes{0x80, 0, 0, 0}, 4), ConversionError);
    EXPECT_EQ(BytesToNumber(Bytes{0x7F, 0xFF, 0xFF, 0xFF}, 4), INT32_MAX);
    EXPECT_THROW(BytesToNumber(Bytes{1, 2}, 3), ConversionError);

    EXPECT_EQ(ByteOfNumber(0x01020304, 0), 0x04);
    EXPECT_EQ(ByteOfNumber(0x01020304, 3), 0x01);
    EXPECT_EQ(ByteOfNumber(-1, 2), 0xFF);
    EXPECT_THROW(ByteOfNumber(1, 4), ConversionError);
}

TEST(NumberText, NormalizeAndRead) {
    EXPECT_EQ(NormalizeFloatText("", ','), "0");
    EXPECT_EQ(NormalizeFloatText("1.5", ','), "1,5");
    EXPECT_EQ(NormalizeFloatText("1,5", '.'), "1.5");

    const struct {
        const char* text;
        char separator;
        std::optional<double> value;
    } cases[] = {
        {"12.5", '.', 12.5}, {" -1,5 ", ',', -1.5}, {"1e3", '.', 1000.0}, {"2.5E-2", '.', 0.025},
        {".5", '.', 0.5},    {"5.", '.', 5.0},      {"+3", '.', 3.0},     {"1,5", '.', {}},
        {"", '.', {}},       {"abc", '.', {}},      {"1e", '.', {}},      {"1.2.3", '.', {}},
        {"nan", '.', {}},    {"inf", '.', {}},      {"1e999", '.', {}},   {"0x10", '.', {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToFloat(c.text, c.separator), c.value) << c.text;
}

TEST(Dates, DeviceDatesAsText) {
    platform::UserLocale czech{',', "d.M.yyyy"};
    EXPECT_EQ(HartDateText(0, 0, 100, czech), "1.1.2000");
    EXPECT_EQ(HartDateText(31, 2, 100, czech), "1.1.1900");
    EXPECT_EQ(HartDateText(24, 12, 118, czech), "24.12.2018");
    EXPECT_EQ(HartDateText(0, 0, 0, platform::UserLocale{}), "1/1/1900");
    EXPECT_EQ(HartDateDotted(5, 12, 99), "5.12.1999");
    EXPECT_EQ(HartDateDotted(0, 0, 0), "0.0.1900");
}

}  // namespace
}  // namespace hart
