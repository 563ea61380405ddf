#include "platform/ini/IniDocument.h"

#include <algorithm>

namespace platform {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return lowerAscii(c); });
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isSectionLine(std::string_view trimmed) {
    return !trimmed.empty() && trimmed.front() == '[';
}

std::string_view sectionName(std::string_view trimmed) {
    std::size_t close = trimmed.find(']');
    return trimIniBlanks(
        trimmed.substr(1, close == std::string_view::npos ? trimmed.npos : close - 1));
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::string_view skipByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::string_view trimIniBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::vector<std::string_view> splitIniLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string IniDocument::lookupKey(std::string_view section, std::string_view key) {
    std::string k = lowerAscii(trimIniBlanks(section));
    k.push_back('\0');
    k += lowerAscii(trimIniBlanks(key));
    return k;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    Section* section = nullptr;
    std::string keyPrefix;  // the current section's lower-cased name and '\0'
    const std::vector<std::string_view> lines = splitIniLines(skipByteOrderMark(text));
    doc.m_values.reserve(lines.size());
    for (std::string_view line : lines) {
        line = trimIniBlanks(line);
        if (line.empty() || line.front() == ';') continue;
        if (isSectionLine(line)) {
            std::string_view name = sectionName(line);
            std::string lowered = lowerAscii(name);
            auto [it, added] = doc.m_sectionIndex.emplace(lowered, doc.m_sections.size());
            if (added) doc.m_sections.push_back({std::string(name), {}});
            section = &doc.m_sections[it->second];
            keyPrefix = std::move(lowered);
            keyPrefix.push_back('\0');
            continue;
        }
        std::size_t eq = line.find('=');
        if (!section || eq == std::string_view::npos) continue;
        std::string_view key = trimIniBlanks(line.substr(0, eq));
        if (key.empty()) continue;
        std::string_view value = unquote(trimIniBlanks(line.substr(eq + 1)));
        auto [it, inserted] = doc.m_values.emplace(keyPrefix + lowerAscii(key), std::string(value));
        if (inserted) section->keys.emplace_back(key);
    }
    return doc;
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const {
    auto it = m_values.find(lookupKey(section, key));
    if (it == m_values.end()) return std::nullopt;
    return std::string_view(it->second);
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    auto it = m_sectionIndex.find(lowerAscii(trimIniBlanks(name)));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

std::vector<std::string> IniDocument::sections() const {
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const Section& s : m_sections)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
    const Section* found = findSection(section);
    return found ? found->keys : std::vector<std::string>{};
}

std::optional<std::string> setIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
    const std::string_view wantedSection = trimIniBlanks(section);
    const std::string_view wantedKey = trimIniBlanks(key);
    if (wantedSection.empty() || hasLineBreak(wantedSection) ||
        wantedSection.find(']') != std::string_view::npos || wantedKey.empty() ||
        hasLineBreak(wantedKey) || wantedKey.find('=') != std::string_view::npos ||
        wantedKey.front() == ';' || wantedKey.front() == '[') {
        return std::nullopt;
    }
    // A value cannot span lines: line breaks in it would start new entries.
    std::string cleanValue(value);
    for (char& c : cleanValue) {
        if (c == '\r' || c == '\n') c = ' ';
    }

    const std::string_view body = skipByteOrderMark(text);
    const std::string eol = body.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::vector<std::string> lines;
    for (std::string_view line : splitIniLines(body))
        lines.emplace_back(line);

    bool inWanted = false;
    bool inFirstWanted = false;              // inside the first section of that name
    std::optional<std::size_t> insertAfter;  // header or last entry of that first section
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        std::string_view trimmed = trimIniBlanks(lines[i]);
        if (isSectionLine(trimmed)) {
            inWanted = equalsIgnoringCase(sectionName(trimmed), wantedSection);
            inFirstWanted = inWanted && !insertAfter;
            if (inFirstWanted) insertAfter = i;
            continue;
        }
        if (!inWanted || trimmed.empty() || trimmed.front() == ';') continue;
        std::size_t eq = trimmed.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view lineKey = trimIniBlanks(trimmed.substr(0, eq));
        if (equalsIgnoringCase(lineKey, wantedKey)) {
            lines[i] = std::string(lineKey) + "=" + cleanValue;
            done = true;
        } else if (inFirstWanted) {
            insertAfter = i;
        }
    }
    if (!done) {
        std::string entry = std::string(wantedKey) + "=" + cleanValue;
        if (insertAfter) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAfter + 1), entry);
        } else {
            if (!lines.empty() && !trimIniBlanks(lines.back()).empty()) lines.emplace_back();
            lines.push_back("[" + std::string(wantedSection) + "]");
            lines.push_back(entry);
        }
    }
    std::string out(text.substr(0, text.size() - body.size()));  // the byte-order mark, if any
    for (const std::string& line : lines)
        out += line + eol;
    return out;
}

}  // namespace platform
