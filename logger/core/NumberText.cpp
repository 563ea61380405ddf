#include "logger/core/NumberText.h"

#include <charconv>

namespace logger {

std::string NormalizeDecimalSeparator(std::string_view text, char separator) {
    std::string out(text);
    for (char& c : out)
        if (c == ',' || c == '.') c = separator;
    return out;
}

std::optional<double> TextToFloat(std::string_view text, char separator) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // Rewritten with a point for from_chars, which takes no leading '+' and reads INF and NAN:
    // the grammar is checked here.
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain.push_back('-');
        ++i;
    }
    int digits = 0;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            plain.push_back(c);
        } else if (c == separator && !separatorSeen) {
            separatorSeen = true;
            plain.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain.push_back(text[i++]);
        const std::size_t exponentStart = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            plain.push_back(text[i]);
        if (i == exponentStart) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

double TextToFloatDef(std::string_view text, double fallback, char separator) {
    return TextToFloat(NormalizeDecimalSeparator(text, separator), separator).value_or(fallback);
}

std::string formatRecordNumber(double value, int decimals, char separator) {
    char buffer[400];  // a fixed-notation double has at most 309 digits before the point
    const auto result =
        decimals >= 0 && decimals < kAutoDecimals
            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                            decimals)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    std::string out(buffer, result.ptr);
    for (char& c : out)
        if (c == '.') c = separator;
    return out;
}

}  // namespace logger
