#include "localisation/Languages.h"

#include <algorithm>

namespace localisation {

namespace {

constexpr Language kLanguages[] = {
    {"Czech", ".CSY", 5, "CSY", "cs"},   {"German", ".DE", 7, "DEU", "de"},
    {"English", ".EN", 9, "ENU", "en"},  {"Spanish", ".ESP", 10, "ESP", "es"},
    {"French", ".FR", 12, "FRA", "fr"},  {"Polish", ".PLK", 21, "PLK", "pl"},
    {"Slovak", ".SKY", 27, "SKY", "sk"}, {"Russian", ".RUS", 25, "RUS", "ru"},
};

}  // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

const Language* FindLanguage(std::string_view name) {
    const auto* found = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                     [name](const Language& l) { return l.name == name; });
    return found == std::end(kLanguages) ? nullptr : found;
}

std::optional<std::string_view> AbbreviatedLanguageName(int languageId) {
    for (const Language& l : kLanguages)
        if (l.languageId == languageId) return l.abbreviation;
    return std::nullopt;
}

}  // namespace localisation
