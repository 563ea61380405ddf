#include "platform/channel/ChannelProtocol.h"

#include <algorithm>
#include <cstdio>

namespace platform::channel {

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start) fields.emplace_back(line.substr(start, i - start));
    }
    return fields;
}

// A payload length: decimal digits only, at most kMaxPayload. Returns -1 when it does not read
// and -2 when it is too large.
long readLength(std::string_view text) {
    if (text.empty() || text.size() > 12) return text.empty() ? -1 : -2;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value > static_cast<long>(kMaxPayload) ? -2 : value;
}

}  // namespace

MessageReader::Result MessageReader::invalid(std::string error) {
    m_error = std::move(error);
    m_buffer.clear();
    m_offset = 0;
    return {Status::Invalid, {}, m_error};
}

MessageReader::Result MessageReader::next() {
    if (!m_error.empty()) return {Status::Invalid, {}, m_error};

    // Keep the buffer from growing with what was already read.
    if (m_offset > 0 && m_offset >= m_buffer.size() / 2) {
        m_buffer.erase(0, m_offset);
        m_offset = 0;
    }

    std::string_view rest(m_buffer.data() + m_offset, m_buffer.size() - m_offset);
    std::size_t lf;
    std::vector<std::string> fields;
    std::string_view line;
    for (;;) {
        lf = rest.find('\n');
        if (lf == std::string_view::npos) {
            if (rest.size() > kMaxHeaderLength)
                return invalid("header line longer than " + std::to_string(kMaxHeaderLength) +
                               " bytes");
            return {};
        }
        if (lf > kMaxHeaderLength)
            return invalid("header line longer than " + std::to_string(kMaxHeaderLength) +
                           " bytes");
        line = rest.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        fields = splitFields(line);
        if (!fields.empty()) break;
        // A blank line between messages (the Enter after a typed text) means nothing.
        m_offset += lf + 1;
        rest.remove_prefix(lf + 1);
    }
    for (char c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return invalid("control character in header line");

    Message message;
    message.verb = std::move(fields.front());
    std::transform(message.verb.begin(), message.verb.end(), message.verb.begin(), upper);
    fields.erase(fields.begin());

    std::size_t consumed = lf + 1;
    if (verbHasPayload(message.verb)) {
        if (fields.empty()) return invalid(message.verb + " without a payload length");
        long length = readLength(fields.back());
        if (length == -1)
            return invalid(message.verb + " payload length \"" + fields.back() +
                           "\" is not a decimal number");
        if (length == -2)
            return invalid(message.verb + " payload longer than the limit of " +
                           std::to_string(kMaxPayload) + " bytes");
        fields.pop_back();
        auto size = static_cast<std::size_t>(length);
        if (rest.size() - consumed < size) return {};  // the payload has not all arrived yet
        message.payload.assign(rest.substr(consumed, size));
        message.hasPayload = true;
        consumed += size;
    }
    message.fields = std::move(fields);
    m_offset += consumed;
    return {Status::Complete, std::move(message), {}};
}

bool verbHasPayload(std::string_view verb) {
    return verb == "EXECUTE" || verb == "DATA" || verb == "CHANGED";
}

std::string encodeHeader(std::string_view verb, const std::vector<std::string_view>& fields) {
    std::string line(verb);
    for (std::string_view field : fields) {
        line += ' ';
        line += field;
    }
    line += '\n';
    return line;
}

std::string encodeWithPayload(std::string_view verb, const std::vector<std::string_view>& fields,
                              std::string_view payload) {
    std::string length = std::to_string(payload.size());
    std::vector<std::string_view> all = fields;
    all.push_back(length);
    std::string message = encodeHeader(verb, all);
    message += payload;
    return message;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool isValidName(std::string_view name) {
    if (name.empty() || name.size() > 64) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        auto u = static_cast<unsigned char>(c);
        return u > 0x20 && u < 0x7F && c != '/';
    });
}

std::vector<std::string> splitExecuteText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string servedText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string socketFileName(std::string_view service, std::string_view topic) {
    auto escaped = [](std::string_view name) {
        std::string out;
        for (char c : name) {
            char l = lower(c);
            if ((l >= 'a' && l <= 'z') || (l >= '0' && l <= '9') || l == '-' || l == '_') {
                out += l;
            } else {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
                out += hex;
            }
        }
        return out;
    };
    return escaped(service) + "." + escaped(topic);
}

}  // namespace platform::channel
