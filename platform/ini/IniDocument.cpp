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
    std::string section;
    bool inSection = false;
    std::vector<std::string>* sectionKeys = nullptr;
    for (std::string_view line : splitIniLines(text)) {
        line = trimIniBlanks(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view name = trimIniBlanks(
                line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            section = std::string(name);
            inSection = true;
            auto found = std::find_if(doc.m_order.begin(), doc.m_order.end(), [&](const auto& s) {
                return equalsIgnoringCase(s.first, name);
            });
            if (found == doc.m_order.end()) {
                doc.m_order.emplace_back(section, std::vector<std::string>{});
                found = doc.m_order.end() - 1;
            }
            sectionKeys = &found->second;
            continue;
        }
        std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        std::string_view key = trimIniBlanks(line.substr(0, eq));
        if (key.empty()) continue;
        std::string_view value = unquote(trimIniBlanks(line.substr(eq + 1)));
        auto [it, inserted] = doc.m_values.emplace(lookupKey(section, key), std::string(value));
        if (inserted) sectionKeys->emplace_back(key);
    }
    return doc;
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const {
    auto it = m_values.find(lookupKey(section, key));
    if (it == m_values.end()) return std::nullopt;
    return std::string_view(it->second);
}

std::vector<std::string> IniDocument::sections() const {
    std::vector<std::string> names;
    for (const auto& s : m_order)
        names.push_back(s.first);
    return names;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
    for (const auto& s : m_order) {
        if (equalsIgnoringCase(s.first, trimIniBlanks(section))) return s.second;
    }
    return {};
}

}  // namespace platform
