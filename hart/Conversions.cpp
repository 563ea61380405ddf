#include "hart/Conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hart {

namespace {

void requireRoom(std::span<std::uint8_t> buffer, std::size_t pos, std::size_t count) {
    if (pos > buffer.size() || count > buffer.size() - pos) {
        throw ConversionError("request frame too long for the request buffer");
    }
}

void requireBytes(std::span<const std::uint8_t> bytes, std::size_t count) {
    if (count > bytes.size()) throw ConversionError("field reaches past the reply data");
}

}  // namespace

std::string_view TrimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && isControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControl(text.back()))
        text.remove_suffix(1);
    return text;
}

double HartToFloat(std::span<const std::uint8_t, 4> b) {
    const int e = (b[0] & 0x7F) * 2 + (b[1] >> 7);
    if (e == 0 || e > 245) return 0.0;
    const double m = ((b[1] | 0x80) + (b[2] + b[3] / 256.0) / 256.0) / 256.0;
    const double value = std::ldexp(m, e - 126);
    return (b[0] & 0x80) ? -value : value;
}

std::string FormatHartFloat(double value, int precision, char decimalSeparator) {
    const int p = precision < 2 ? 2 : (precision > 18 ? 18 : precision);
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";

    // Exact decimal rounding to p significant digits: "d.ddddde±x".
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", p - 1, std::fabs(value));
    std::string digits;
    const char* c = buf;
    for (; *c && *c != 'e'; ++c) {
        if (*c >= '0' && *c <= '9') digits.push_back(*c);
    }
    const int n = std::atoi(c + 1) + 1;  // value = 0.d1d2... * 10^n
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (n >= -3 && n <= p) {
        if (n <= 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<std::size_t>(-n), '0');
            out += digits;
        } else {
            out += digits.substr(0, static_cast<std::size_t>(std::min(n, count)));
            if (n > count) out.append(static_cast<std::size_t>(n - count), '0');
            if (count > n) {
                out += decimalSeparator;
                out += digits.substr(static_cast<std::size_t>(n));
            }
        }
    } else {
        out += digits[0];
        if (count > 1) {
            out += decimalSeparator;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(n - 1);
    }
    return out;
}

void FloatToHart(double value, std::span<std::uint8_t> buffer, std::size_t& pos) {
    requireRoom(buffer, pos, 4);
    std::array<std::uint8_t, 4> bytes = FloatToHart(value);
    for (std::uint8_t b : bytes)
        buffer[pos++] = b;
}

std::array<std::uint8_t, 4> FloatToHart(double value) {
    if (value == 0.0 || std::isnan(value)) return {0, 0, 0, 0};
    if (std::isinf(value)) throw ConversionError("number too large for a HART float");
    const bool negative = value < 0;
    double a = std::fabs(value);

    // Biased exponent: the base-2 logarithm truncated, plus 127. Only normal single-precision
    // numbers are written; tiny values would need the subnormal form and huge ones the
    // infinity pattern, neither of which a device takes as a range or damping value.
    int e2 = 0;
    std::frexp(a, &e2);  // a = f * 2^e2, f in [0.5, 1)
    int exponent = e2 - 1 + 127;
    if (exponent < 1) throw ConversionError("number too small for a HART float");
    if (exponent > 254) throw ConversionError("number too large for a HART float");

    a = std::ldexp(a, 126 - exponent);  // now in [0.5, 1)
    double scaled = a * 256;
    int m1 = static_cast<int>(scaled);
    scaled = (scaled - m1) * 256;
    int m2 = static_cast<int>(scaled);
    scaled = (scaled - m2) * 256;
    int m3 = static_cast<int>(std::nearbyint(scaled));  // to nearest, ties to even
    // Rounding the last byte up may carry through the significand into the exponent.
    if (m3 > 255) {
        m3 = 0;
        if (++m2 > 255) {
            m2 = 0;
            if (++m1 > 255) {
                m1 = 0x80;
                if (++exponent > 254) throw ConversionError("number too large for a HART float");
            }
        }
    }
    return {static_cast<std::uint8_t>((exponent >> 1) | (negative ? 0x80 : 0x00)),
            static_cast<std::uint8_t>((m1 & 0x7F) | ((exponent & 1) << 7)),
            static_cast<std::uint8_t>(m2), static_cast<std::uint8_t>(m3)};
}

std::string UnpackAscii(std::span<const std::uint8_t> bytes, std::size_t n) {
    if (n > 32) n = 32;
    std::string text;
    std::size_t read = 0;
    do {
        requireBytes(bytes, read + 3);
        const std::uint8_t b0 = bytes[read], b1 = bytes[read + 1], b2 = bytes[read + 2];
        const std::uint8_t chars[4] = {
            static_cast<std::uint8_t>(b0 >> 2),
            static_cast<std::uint8_t>(((b0 & 0x03) << 4) | (b1 >> 4)),
            static_cast<std::uint8_t>(((b1 & 0x0F) << 2) | (b2 >> 6)),
            static_cast<std::uint8_t>(b2 & 0x3F),
        };
        for (std::uint8_t c : chars)
            text.push_back(static_cast<char>(c < 0x20 ? c + 0x40 : c));
        read += 3;
    } while (read < n);
    return std::string(TrimControls(text));
}

void PackAscii(std::string_view text, std::size_t n, std::span<std::uint8_t> buffer,
               std::size_t& pos) {
    const std::size_t groups = n == 0 ? 1 : (n + 2) / 3;
    requireRoom(buffer, pos, groups * 3);
    auto sixBits = [&](std::size_t i) -> std::uint8_t {
        char c = i < text.size() ? text[i] : ' ';
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return static_cast<std::uint8_t>(c) & 0x3F;
    };
    for (std::size_t g = 0; g < groups; ++g) {
        const std::uint8_t c1 = sixBits(4 * g), c2 = sixBits(4 * g + 1), c3 = sixBits(4 * g + 2),
                           c4 = sixBits(4 * g + 3);
        buffer[pos++] = static_cast<std::uint8_t>((c1 << 2) | (c2 >> 4));
        buffer[pos++] = static_cast<std::uint8_t>(((c2 & 0x0F) << 4) | (c3 >> 2));
        buffer[pos++] = static_cast<std::uint8_t>(((c3 & 0x03) << 6) | c4);
    }
}

std::string BytesToText(std::span<const std::uint8_t> bytes, std::size_t n) {
    n = n < 1 ? 1 : (n > 32 ? 32 : n);
    requireBytes(bytes, n);
    std::string text(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    return std::string(TrimControls(text));
}

void TextToBytes(std::string_view text, std::size_t n, std::span<std::uint8_t> buffer,
                 std::size_t& pos) {
    if (n < 1) n = 1;
    requireRoom(buffer, pos, n);
    for (std::size_t i = 0; i < n; ++i) {
        buffer[pos++] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
    }
}

std::int32_t BytesToNumber(std::span<const std::uint8_t> bytes, std::size_t n) {
    if (n > 4) throw ConversionError("more than four bytes for a number");
    requireBytes(bytes, n);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < n; ++i)
        value = (value << 8) | bytes[i];
    if (value > 0x7FFFFFFFu) throw ConversionError("number does not fit 31 bits");
    return static_cast<std::int32_t>(value);
}

std::uint8_t ByteOfNumber(std::int32_t value, unsigned k) {
    if (k > 3) throw ConversionError("a 32-bit number has four bytes");
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * k));
}

std::string NormalizeFloatText(std::string_view text, char decimalSeparator) {
    if (text.empty()) return "0";
    std::string out(text);
    for (char& c : out) {
        if (c == '.' || c == ',') c = decimalSeparator;
    }
    return out;
}

std::optional<double> TextToFloat(std::string_view text, char decimalSeparator) {
    text = TrimControls(text);
    std::string ascii;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool mantissaDigit = false, separatorSeen = false, exponentSeen = false, exponentDigit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            (exponentSeen ? exponentDigit : mantissaDigit) = true;
            ascii.push_back(c);
        } else if (c == decimalSeparator && !separatorSeen && !exponentSeen) {
            separatorSeen = true;
            ascii.push_back('.');
        } else if ((c == 'e' || c == 'E') && mantissaDigit && !exponentSeen) {
            exponentSeen = true;
            ascii.push_back('e');
            if (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
                ascii.push_back(text[++i]);
            }
        } else {
            return std::nullopt;
        }
    }
    if (!mantissaDigit || (exponentSeen && !exponentDigit)) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string HartDateText(std::uint8_t day, std::uint8_t month, std::uint8_t yearByte,
                         const platform::UserLocale& locale) {
    platform::CalendarDate date{yearByte + 1900, month == 0 ? 1 : month, day == 0 ? 1 : day};
    if (!platform::isValidDate(date.year, date.month, date.day)) date = {1900, 1, 1};
    return locale.formatShortDate(date);
}

std::string HartDateDotted(std::uint8_t day, std::uint8_t month, std::uint8_t yearByte) {
    return std::to_string(day) + "." + std::to_string(month) + "." +
           std::to_string(yearByte + 1900);
}

}  // namespace hart
