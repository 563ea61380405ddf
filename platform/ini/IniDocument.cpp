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

}  // namespace

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
    const std::vector<std::string_view> lines = splitIniLines(text);
    doc.m_values.reserve(lines.size());
    for (std::string_view line : lines) {
        line = trimIniBlanks(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view name = trimIniBlanks(
                line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
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

}  // namespace platform
