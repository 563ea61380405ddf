#pragma once

// A parsed INI text, read with the profile-file rules that settings and table files follow:
// section and key names compare without regard to case, blanks around keys and values are
// trimmed, a value in matching quotes comes back without them, the first of duplicate keys wins.
// Texts are one-byte strings and pass through unchanged.
//
// Lines end at CR LF, LF or a lone CR. A UTF-8 byte-order mark at the start of the text is not
// part of the first line. A line starting with ';' is a comment. Lines before the first section,
// lines without '=' and lines with an empty key belong to nothing and are skipped. A section name
// that appears twice is one section; its keys are looked up in file order.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class IniDocument {
  public:
    static IniDocument parse(std::string_view text);

    // The value of key in section, or nothing when the section or key is missing.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;

    // Section names in file order (first spelling of each), and the keys of one section.
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

  private:
    struct Section {
        std::string name;               // first spelling
        std::vector<std::string> keys;  // first spelling of each, in file order
    };

    static std::string lookupKey(std::string_view section, std::string_view key);
    const Section* findSection(std::string_view name) const;

    // Reading costs time in proportion to the text, however many sections it has: sections and
    // values are found through indexes by lower-cased name.
    std::unordered_map<std::string, std::string> m_values;  // "section\0key" in lower case
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex;  // lower-cased name
};

// The text with key in section set to value, every other line kept as it is: the first line of
// that key in a section of that name gets the new value; else the key is added after the last
// entry of the first section of that name; else the section is appended with it. Line breaks in
// the value become blanks. Lines are ended as the text ends them (CR LF if it has any, else LF),
// and a byte-order mark stays. Nothing when the names cannot be written so that they read back:
// an empty name or one with a line break, a section name with ']', a key with '=' or one that
// starts with ';' or '['.
std::optional<std::string> setIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

// Helpers shared by the reader and the writer.
std::string_view trimIniBlanks(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::vector<std::string_view> splitIniLines(std::string_view text);
// The text without a leading UTF-8 byte-order mark.
std::string_view skipByteOrderMark(std::string_view text);

}  // namespace platform
