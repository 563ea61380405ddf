#pragma once

// The eight user-interface languages: the value of the Language key of ZODUVIR.INI that names
// each, the extension of the logger's module file, the driver's language identifier (the
// platform's primary language identifier) with its abbreviated language name, and the language
// code. Linux has no call for the abbreviated names, so they are kept here.

#include <optional>
#include <span>
#include <string_view>

namespace localisation {

struct Language {
    std::string_view name;             // "German"
    std::string_view loggerExtension;  // ".DE"
    int languageId;                    // 7
    std::string_view abbreviation;     // "DEU": the driver's module extension, or its first two
                                       // letters
    std::string_view code;             // "de"
};

// In the order the logger lists them.
std::span<const Language> Languages();

// The language a Language value names, compared exactly (case-sensitive); nothing for any other
// text.
const Language* FindLanguage(std::string_view name);

// The three-letter abbreviated name of a language identifier ("CSY" for 5); nothing for an
// identifier without one.
std::optional<std::string_view> AbbreviatedLanguageName(int languageId);

}  // namespace localisation
