#pragma once

// Where a program's language modules lie: named after the program file with a language extension
// ("Loopscribe.DE", "Halvane.DEU"), beside it or in the installed data folder.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace localisation {

// The program file's path with its extension replaced by `extension` (".DE"): a final ".exe"
// (any case) is replaced; a program file without one (as on Linux) gets the extension added.
QString ModuleFileName(const QString& programFile, QStringView extension);

// The module of that extension as the program finds it: beside the program file, else in the
// installed data folder (platform::findDataFile); the path beside the program when neither has it.
QString ModuleFile(const QString& programFile, QStringView extension);

// The names of the languages whose logger module file the program finds (ModuleFile), in the
// order of the language table.
QStringList AvailableLanguages(const QString& programFile);

// The index of the first entry that, without its leading and trailing blanks, equals `value`
// exactly; -1 when none does.
int LanguageListIndex(const QStringList& entries, const QString& value);

}  // namespace localisation
