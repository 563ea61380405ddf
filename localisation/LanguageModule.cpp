#include "localisation/LanguageModule.h"

#include <QCoreApplication>
#include <QFile>

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
}

LanguageModule* ResourceModule::Use(std::unique_ptr<LanguageModule> module) {
    if (module) QCoreApplication::installTranslator(&module->translator());
    if (m_current) QCoreApplication::removeTranslator(&m_current->translator());
    m_current = std::move(module);
    return m_current.get();
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

}  // namespace localisation
