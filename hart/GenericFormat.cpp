#include "hart/GenericFormat.h"

namespace hart {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::size_t> FormatItemCount(std::string_view format, std::size_t letterIndex) {
    if (letterIndex >= format.size()) return std::nullopt;
    const char letter = format[letterIndex];
    const std::size_t digits = (letter == 'A' || letter == 'P') ? 2 : (letter == 'L' ? 1 : 0);
    if (digits == 0 || format.size() - letterIndex - 1 < digits) return std::nullopt;
    std::size_t count = 0;
    for (std::size_t i = letterIndex + 1; i <= letterIndex + digits; ++i) {
        if (!isDigit(format[i])) return std::nullopt;
        count = count * 10 + static_cast<std::size_t>(format[i] - '0');
    }
    const bool fits = (letter == 'A' && count >= 1 && count <= 32) ||
                      (letter == 'P' && count >= 3 && count <= 24 && count % 3 == 0) ||
                      (letter == 'L' && count >= 1 && count <= 4);
    if (!fits) return std::nullopt;
    return count;
}

bool IsValidFormatSection(std::string_view section) {
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (isDigit(c) || c == 'B' || c == 'F' || c == 'U') continue;
        if (!FormatItemCount(section, i)) return false;
    }
    return true;
}

std::size_t RequestByteCount(std::string_view requestFormat) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < requestFormat.size(); ++i) {
        switch (requestFormat[i]) {
            case 'A':
            case 'P':
            case 'L':
                count += FormatItemCount(requestFormat, i).value_or(0);
                break;
            case 'B':
            case 'U':
                count += 1;
                break;
            case 'F':
                count += 4;
                break;
            default:
                break;
        }
    }
    return count;
}

}  // namespace hart
