#pragma once

// Where a program's language modules lie: beside the program file, named after it with a
// language extension ("Loopscribe.DE", "Halvane.DEU").

#include <QString>
#include <QStringList>
#include <QStringView>

namespace localisation {

// The program file's path with its extension replaced by `extension` (".DE"): a final ".exe"
// (any case) is replaced; a program file without one (as on Linux) gets the extension added.
QString ModuleFileName(const QString& programFile, QStringView extension);

// The names of the languages whose logger module file exists beside the program file, in the
// order of the language table.
QStringList AvailableLanguages(const QString& programFile);

// The index of the first entry that, without its leading and trailing blanks, equals `value`
// exactly; -1 when none does.
int LanguageListIndex(const QStringList& entries, const QString& value);

}  // namespace localisation
