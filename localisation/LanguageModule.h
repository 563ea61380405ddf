#pragma once

// Language modules: compiled Qt translation files, loaded from exactly the file named (never a
// neighbour with another suffix, as QTranslator's own search would try), and the program's
// current module, which every translated text of the program is read from.
//
// Main thread only, during start-up.

#include <QByteArray>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string_view>

namespace localisation {

class LanguageModule {
  public:
    // The module in the file at exactly `path`; nothing when the file is missing, unreadable or
    // not a translation module.
    static std::unique_ptr<LanguageModule> Load(const QString& path);

    const QString& path() const { return m_path; }
    QTranslator& translator() { return m_translator; }
    const QTranslator& translator() const { return m_translator; }

  private:
    LanguageModule() = default;

    QString m_path;
    QByteArray m_data;  // the translator reads its texts from here while it lives
    QTranslator m_translator;
};

// The program's current module. At start there is none: the program shows its built-in texts.
// Beneath it may lie Qt's own translations of its dialogs (the file dialog, the context menus of
// edit boxes), which the module's texts take precedence over.
class ResourceModule {
  public:
    ResourceModule() = default;
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    // Makes `module` the current one (installed in the application, which tells every window)
    // and frees the previous one; nothing goes back to the built-in texts. Returns the new one.
    LanguageModule* Use(std::unique_ptr<LanguageModule> module);
    LanguageModule* current() const { return m_current.get(); }

    // The same for Qt's translations.
    void UseQtTranslations(std::unique_ptr<LanguageModule> translations);
    LanguageModule* qtTranslations() const { return m_qt.get(); }

  private:
    std::unique_ptr<LanguageModule> m_current;
    std::unique_ptr<LanguageModule> m_qt;
};

// Logger: loads the module at `path` and makes it current; a failed load changes nothing.
LanguageModule* LoadModuleFile(ResourceModule& resources, const QString& path);

// Driver: the module of a language identifier beside the program file, named with the
// identifier's three-letter abbreviation ("Halvane.FRA") or, when that does not load, with its
// first two letters ("Halvane.FR"); made current when one loads. Nothing for an identifier
// without an abbreviation.
LanguageModule* LoadModuleForLanguage(ResourceModule& resources, const QString& programFile,
                                      int languageId);

// Qt's translations for a language code ("de"): qtbase_de.qm in Qt's translations folder, when
// Qt ships it there; nothing changes otherwise. The programs load them with their own module.
LanguageModule* LoadQtTranslations(ResourceModule& resources, std::string_view code);

}  // namespace localisation
