#pragma once

// Conversions between HART data fields and the texts the driver exchanges: single-precision
// floats (most significant byte first), packed ASCII (four 6-bit characters in three bytes),
// one-byte characters, unsigned integers of up to four bytes and dates. Texts are one-byte
// strings. Decoders read from a byte span; encoders write into a buffer at a position that they
// advance. A failing conversion throws ConversionError; none of them prints anything.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/locale/UserLocale.h"

namespace hart {

class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Bytes to a number; exponent fields 0 and above 245 (NaN and infinity included) give 0.
double HartToFloat(std::span<const std::uint8_t, 4> bytes);

// General format with `precision` significant digits (held within 2..18): fixed notation for
// decimal exponents -3..precision, scientific ("1.23457E6", "1E-5") otherwise.
std::string FormatHartFloat(double value, int precision, char decimalSeparator);

// Writes the 4-byte form at pos and advances it. Fails for magnitudes at most 2^-128 or at least
// 2^129, when the last significand byte rounds up to 256, and past the end of the buffer.
void FloatToHart(double value, std::span<std::uint8_t> buffer, std::size_t& pos);
std::array<std::uint8_t, 4> FloatToHart(double value);

// Unpacks groups of three bytes while fewer than n bytes have been read (at least one group, at
// most 32 bytes), then trims blanks and control characters. Fails when a group lies past the span.
std::string UnpackAscii(std::span<const std::uint8_t> bytes, std::size_t n);

// Packs the text, upper-cased and padded with blanks, into 3 * ceil(n / 3) bytes (3 for n = 0).
void PackAscii(std::string_view text, std::size_t n, std::span<std::uint8_t> buffer,
               std::size_t& pos);

// n bytes (1..32) as one-byte characters, blanks and control characters trimmed at both ends.
std::string BytesToText(std::span<const std::uint8_t> bytes, std::size_t n);

// The first n characters (at least one) as bytes, padded with 0 bytes.
void TextToBytes(std::string_view text, std::size_t n, std::span<std::uint8_t> buffer,
                 std::size_t& pos);

// Unsigned big-endian number of n bytes (0..4); fails for n > 4 and for 4-byte values >= 2^31.
std::int32_t BytesToNumber(std::span<const std::uint8_t> bytes, std::size_t n);

// Byte k (0 = least significant) of the value; fails for k > 3.
std::uint8_t ByteOfNumber(std::int32_t value, unsigned k);

// Every '.' and ',' becomes the user's decimal separator; an empty text gives "0".
std::string NormalizeFloatText(std::string_view text, char decimalSeparator);

// A number text written with the given decimal separator: optional blanks, sign, digits with at
// most one separator, optional exponent. Nothing when the text does not read.
std::optional<double> TextToFloat(std::string_view text, char decimalSeparator);

// A date read from a device in the user's short date format; day or month 0 reads as 1, an
// impossible date gives 1 January 1900.
std::string HartDateText(std::uint8_t day, std::uint8_t month, std::uint8_t yearByte,
                         const platform::UserLocale& locale);

// "day.month.year" with the year byte + 1900, no checks: 0, 0, 0 gives "0.0.1900".
std::string HartDateDotted(std::uint8_t day, std::uint8_t month, std::uint8_t yearByte);

// Blanks and control characters (codes up to 0x20) removed at both ends.
std::string_view TrimControls(std::string_view text);

}  // namespace hart
