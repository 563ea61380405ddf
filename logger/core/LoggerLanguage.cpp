#include "logger/core/LoggerLanguage.h"

#include "localisation/LanguageSetting.h"
#include "localisation/Languages.h"
#include "localisation/ModuleFiles.h"

namespace logger {

LanguageChoice SwitchLanguage(localisation::ResourceModule& resources, const QString& programFile,
                              const platform::IniFile& shared) {
    LanguageChoice choice;
    choice.available = localisation::AvailableLanguages(programFile);
    const std::string value = localisation::LoggerLanguageValue(shared);
    if (const localisation::Language* language = localisation::FindLanguage(value)) {
        const QString extension =
            QString::fromLatin1(language->loggerExtension.data(),
                                static_cast<qsizetype>(language->loggerExtension.size()));
        const QString file = localisation::ModuleFileName(programFile, extension);
        if (localisation::LoadModuleFile(resources, file)) {
            localisation::LoadQtTranslations(resources, language->code);
            choice.code = language->code;
        }
    }
    choice.index = localisation::LanguageListIndex(choice.available, QString::fromStdString(value));
    return choice;
}

}  // namespace logger
