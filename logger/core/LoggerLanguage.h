#pragma once

// The logger's language start-up (TfMain.SwitchLanguage): the languages whose module files lie
// beside the program (Loopscribe.CSY, .DE, .EN, .ESP, .FR, .PLK, .SKY, .RUS) for the hidden list
// CBJazykProgramu, the Language value of ZODUVIR.INI without its blanks (default Czech), and
// that language's module made current when the value names one of the eight. A module that is
// missing or does not load changes nothing: the built-in (English) texts stay.

#include <QString>
#include <QStringList>
#include <string>

#include "localisation/LanguageModule.h"
#include "platform/ini/IniFile.h"

namespace logger {

struct LanguageChoice {
    QStringList available;    // the languages whose module files exist, in the table's order
    int index = -1;           // the current language in `available`; -1 when it is not there
    std::string code = "en";  // the language of the texts shown, for the table file's name
};

LanguageChoice SwitchLanguage(localisation::ResourceModule& resources, const QString& programFile,
                              const platform::IniFile& shared);

}  // namespace logger
