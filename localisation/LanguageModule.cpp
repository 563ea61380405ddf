#include "localisation/LanguageModule.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

#include "localisation/Languages.h"
#include "localisation/ModuleFiles.h"

namespace localisation {

std::unique_ptr<LanguageModule> LanguageModule::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    std::unique_ptr<LanguageModule> module(new LanguageModule);
    module->m_path = path;
    module->m_data = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(module->m_data.constData());
    if (module->m_data.isEmpty() ||
        !module->m_translator.load(data, static_cast<int>(module->m_data.size())))
        return nullptr;
    return module;
}

ResourceModule::~ResourceModule() {
    Use(nullptr);
    UseQtTranslations(nullptr);
}

LanguageModule* ResourceModule::Use(std::unique_ptr<LanguageModule> module) {
    if (module) QCoreApplication::installTranslator(&module->translator());
    if (m_current) QCoreApplication::removeTranslator(&m_current->translator());
    m_current = std::move(module);
    return m_current.get();
}

void ResourceModule::UseQtTranslations(std::unique_ptr<LanguageModule> translations) {
    // The application searches the translator installed last first: the module goes on top
    // again.
    if (m_qt) QCoreApplication::removeTranslator(&m_qt->translator());
    m_qt = std::move(translations);
    if (!m_qt) return;
    if (m_current) QCoreApplication::removeTranslator(&m_current->translator());
    QCoreApplication::installTranslator(&m_qt->translator());
    if (m_current) QCoreApplication::installTranslator(&m_current->translator());
}

LanguageModule* LoadModuleFile(ResourceModule& resources, const QString& path) {
    std::unique_ptr<LanguageModule> module = LanguageModule::Load(path);
    return module ? resources.Use(std::move(module)) : nullptr;
}

LanguageModule* LoadModuleForLanguage(ResourceModule& resources, const QString& programFile,
                                      int languageId) {
    const std::optional<std::string_view> abbreviation = AbbreviatedLanguageName(languageId);
    if (!abbreviation) return nullptr;
    const QString threeLetters =
        QLatin1Char('.') +
        QString::fromLatin1(abbreviation->data(), static_cast<qsizetype>(abbreviation->size()));
    std::unique_ptr<LanguageModule> module =
        LanguageModule::Load(ModuleFileName(programFile, threeLetters));
    if (!module) module = LanguageModule::Load(ModuleFileName(programFile, threeLetters.left(3)));
    return module ? resources.Use(std::move(module)) : nullptr;
}

LanguageModule* LoadQtTranslations(ResourceModule& resources, std::string_view code) {
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QLatin1String("/qtbase_") +
                         QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())) +
                         QLatin1String(".qm");
    std::unique_ptr<LanguageModule> translations = LanguageModule::Load(file);
    if (!translations) return nullptr;
    resources.UseQtTranslations(std::move(translations));
    return resources.qtTranslations();
}

}  // namespace localisation
