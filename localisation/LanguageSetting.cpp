#include "localisation/LanguageSetting.h"

namespace localisation {

std::string DriverLanguageValue(const platform::IniFile& shared) {
    return shared.readString(kLanguageSection, kLanguageKey, "English");
}

std::string LoggerLanguageValue(const platform::IniFile& shared) {
    const std::string value = shared.readString(kLanguageSection, kLanguageKey, "Czech");
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = value.size();
    while (begin < end && blank(value[begin]))
        ++begin;
    while (end > begin && blank(value[end - 1]))
        --end;
    return value.substr(begin, end - begin);
}

}  // namespace localisation
