#include "sim/FieldCodec.h"

#include <bit>

namespace sim {

void ByteWriter::u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value >> 8));
    u8(static_cast<std::uint8_t>(value));
}

void ByteWriter::u24(std::uint32_t value) {
    u8(static_cast<std::uint8_t>(value >> 16));
    u8(static_cast<std::uint8_t>(value >> 8));
    u8(static_cast<std::uint8_t>(value));
}

void ByteWriter::u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value >> 16));
    u16(static_cast<std::uint16_t>(value));
}

void ByteWriter::f32(float value) {
    u32(std::bit_cast<std::uint32_t>(value));
}

void ByteWriter::notANumber() {
    u32(kNotANumberBits);
}

namespace {

// The 6-bit code of a character in packed ASCII: '@'..'_' map to 0..31, ' '..'?' to 32..63.
std::uint8_t sixBitCode(char c) {
    auto code = static_cast<unsigned char>(c);
    if (code >= 'a' && code <= 'z') code = static_cast<unsigned char>(code - 'a' + 'A');
    return static_cast<std::uint8_t>(code & 0x3F);
}

bool packable(unsigned char code) {
    return code >= 0x20 && code <= 0x5F;
}

}  // namespace

void ByteWriter::packed(std::string_view text, std::size_t byteCount) {
    const std::size_t chars = byteCount / 3 * 4;
    for (std::size_t i = 0; i < chars; i += 4) {
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = i + k < text.size() ? text[i + k] : ' ';
            group = (group << 6) | sixBitCode(c);
        }
        u24(group);
    }
}

void ByteWriter::latin1(std::string_view text, std::size_t byteCount) {
    for (std::size_t i = 0; i < byteCount; ++i)
        u8(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

std::uint32_t readU16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) << 8 | data[at + 1];
}

std::uint32_t readU24(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) << 16 | readU16(data, at + 1);
}

float readF32(std::span<const std::uint8_t> data, std::size_t at) {
    return std::bit_cast<float>(readU16(data, at) << 16 | readU16(data, at + 2));
}

namespace {

std::string trimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.pop_back();
    return text;
}

}  // namespace

std::string unpackAscii(std::span<const std::uint8_t> data) {
    std::string text;
    for (std::size_t i = 0; i + 3 <= data.size(); i += 3) {
        const std::uint32_t group = readU24(data, i);
        for (int shift = 18; shift >= 0; shift -= 6) {
            const auto code = static_cast<std::uint8_t>((group >> shift) & 0x3F);
            text.push_back(static_cast<char>(code < 0x20 ? code + 0x40 : code));
        }
    }
    return trimRight(std::move(text));
}

std::string latin1Text(std::span<const std::uint8_t> data) {
    return trimRight(std::string(data.begin(), data.end()));
}

std::string packableText(std::string_view text, std::size_t maxChars) {
    std::string result;
    for (char c : text.substr(0, maxChars)) {
        auto code = static_cast<unsigned char>(c);
        if (code >= 'a' && code <= 'z') code = static_cast<unsigned char>(code - 'a' + 'A');
        result.push_back(packable(code) ? static_cast<char>(code) : '?');
    }
    return trimRight(std::move(result));
}

}  // namespace sim
