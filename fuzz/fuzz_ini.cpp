// Random settings and table files through the INI reader, and a key written into them: the text
// must parse without crashing, and after setIniValue the key must read back as written while
// every other key keeps its value.
//
// Input: the section, the key and the value, each ended by a LF, then the file's text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ini/IniDocument.h"

namespace {

std::string_view nextLine(std::string_view& rest) {
    const std::size_t lf = rest.find('\n');
    const std::string_view line = rest.substr(0, lf);
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view section = nextLine(rest);
    const std::string_view key = nextLine(rest);
    const std::string_view value = nextLine(rest);
    const std::string_view text = rest;

    const auto before = platform::IniDocument::parse(text);
    const auto written = platform::setIniValue(text, section, key, value);
    if (!written) return 0;  // names that could not be read back are refused
    const auto after = platform::IniDocument::parse(*written);

    // What a value reads as, written alone (the writer turns line breaks into blanks).
    std::string clean(value);
    for (char& c : clean) {
        if (c == '\r') c = ' ';
    }
    const auto alone = platform::IniDocument::parse("[S]\nK=" + clean + "\n");
    if (after.value(section, key) != alone.value("S", "K")) std::abort();

    for (const std::string& s : before.sections()) {
        for (const std::string& k : before.keys(s)) {
            const bool theKey = platform::equalsIgnoringCase(platform::trimIniBlanks(s),
                                                             platform::trimIniBlanks(section)) &&
                                platform::equalsIgnoringCase(k, platform::trimIniBlanks(key));
            if (!theKey && after.value(s, k) != before.value(s, k)) std::abort();
        }
    }
    return 0;
}
