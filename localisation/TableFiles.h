#pragma once

// The logger's HART table file by language: TABCZ.DDF for Czech and so on, each in the code page
// of its language. The driver always reads TABEN.DDF.

#include <string>
#include <string_view>

#include "localisation/CodePages.h"

namespace localisation {

inline constexpr const char* kEnglishTableFile = "TABEN.DDF";

// The table file name for a language code, chosen by its first two characters ("de", "de-AT"
// give "TABDE.DDF"); a shorter code, or one without a table file (Russian), leaves `current`.
std::string SetLanguageDdf(std::string_view code, const std::string& current);

// The code page of a table file by its name (compared without regard to case): 1250 for the
// Czech, Polish and Slovak files, 1252 for every other.
CodePage TableFileCodePage(std::string_view fileName);

}  // namespace localisation
