#pragma once

// The simulator's own encoders and decoders of HART data fields: big-endian integers, IEEE-754
// single-precision floats (most significant byte first), packed ASCII (four 6-bit characters in
// three bytes) and one-byte text. Written independently of the driver's conversions so that a
// mistake in one cannot hide behind the same mistake in the other.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

using Bytes = std::vector<std::uint8_t>;

// The float HART devices send for a value that does not exist (a "not used" variable).
inline constexpr std::uint32_t kNotANumberBits = 0x7FA00000u;

// Appends fields to a byte vector in HART order.
class ByteWriter {
  public:
    explicit ByteWriter(Bytes& out) : m_out(out) {}

    void u8(std::uint8_t value) { m_out.push_back(value); }
    void u16(std::uint16_t value);
    void u24(std::uint32_t value);  // the low 24 bits
    void u32(std::uint32_t value);
    void f32(float value);
    void notANumber();
    // Packed ASCII of `byteCount` bytes (a multiple of 3): the text in capitals, cut or padded
    // with blanks to 4 characters for every 3 bytes.
    void packed(std::string_view text, std::size_t byteCount);
    // One byte per character, cut or padded with 0 bytes to `byteCount`.
    void latin1(std::string_view text, std::size_t byteCount);
    void bytes(std::span<const std::uint8_t> data) {
        m_out.insert(m_out.end(), data.begin(), data.end());
    }

  private:
    Bytes& m_out;
};

std::uint32_t readU16(std::span<const std::uint8_t> data, std::size_t at);
std::uint32_t readU24(std::span<const std::uint8_t> data, std::size_t at);
float readF32(std::span<const std::uint8_t> data, std::size_t at);

// Packed ASCII to text, trailing blanks removed (the way tags are compared and shown).
std::string unpackAscii(std::span<const std::uint8_t> data);
// One-byte text with trailing 0 bytes and blanks removed.
std::string latin1Text(std::span<const std::uint8_t> data);

// Text as a device stores it in a packed field: capitals, only characters packed ASCII can hold
// (others become '?'), cut to `maxChars`, trailing blanks removed.
std::string packableText(std::string_view text, std::size_t maxChars);

}  // namespace sim
