#include "localisation/ModuleFiles.h"

#include <QFileInfo>

#include "localisation/Languages.h"

namespace localisation {

namespace {

QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ModuleFileName(const QString& programFile, QStringView extension) {
    QString name = programFile;
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) name.chop(4);
    return name.append(extension);
}

QStringList AvailableLanguages(const QString& programFile) {
    QStringList names;
    for (const Language& language : Languages()) {
        const QFileInfo file(ModuleFileName(programFile, fromView(language.loggerExtension)));
        if (file.isFile()) names << fromView(language.name);
    }
    return names;
}

int LanguageListIndex(const QStringList& entries, const QString& value) {
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries[i].trimmed() == value) return static_cast<int>(i);
    return -1;
}

}  // namespace localisation
