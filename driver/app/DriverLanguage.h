#pragma once

// The driver's user-interface language, chosen once while its window is created (before the
// port check, so that its messages are translated): a Language value naming one of the eight
// languages loads the module of that language's identifier beside the program file, first by
// the identifier's three-letter abbreviation (Halvane.DEU), then by its first two letters
// (Halvane.DE), and the open windows re-read their texts from it. Any other value, or no module,
// leaves the built-in texts.

#include <QString>
#include <string>

#include "localisation/LanguageModule.h"

namespace driver {

// Returns whether a module was loaded.
bool SwitchDriverLanguage(localisation::ResourceModule& resources, const QString& programFile,
                          const std::string& language);

// UnknownCodePrefix in the current language, as the one-byte text of replies (Windows-1252): the
// text that comes before the number of a code the table file lacks. Empty with the built-in
// texts, and in every module the programs ship, as the logger and other clients take a bare
// number for "no name for this code".
std::string UnknownCodePrefix();

}  // namespace driver
