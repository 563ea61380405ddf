// Loading language modules by exactly their file names, the driver's three- then two-letter
// search, the current module replacing the previous one, and open windows re-reading their texts
// from it (one window's texts missing from a module leaves that window as it was).

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <filesystem>

#include "localisation/LanguageModule.h"
#include "localisation/Retranslate.h"
#include "support/TempDir.h"

namespace localisation {
namespace {

namespace fs = std::filesystem;

// Two windows in the usual pattern: texts set in retranslateUi, run again on a language change;
// the count is a text code sets at run time.
class FixtureMain : public QWidget {
  public:
    FixtureMain() : caption(this), count(this) {
        retranslateUi();
        count.setText(QStringLiteral("17"));
    }
    QLabel caption;
    QLabel count;

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslateUi();
        QWidget::changeEvent(event);
    }

  private:
    void retranslateUi() { caption.setText(QCoreApplication::translate("FixtureMain", "Start")); }
};

class FixtureOptions : public QWidget {
  public:
    FixtureOptions() { retranslateUi(); }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslateUi();
        QWidget::changeEvent(event);
    }

  private:
    void retranslateUi() {
        setWindowTitle(QCoreApplication::translate("FixtureOptions", "Settings"));
    }
};

QString qstr(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// A program folder with fixture modules under the names a test gives them.
class ModuleFolder {
  public:
    QString program() const { return qstr(m_dir / "Halvane"); }
    // A null fixture gives a file that is no module.
    void add(const char* fixture, const char* name) const {
        if (!fixture) {
            m_dir.write(name, "garbage");
            return;
        }
        fs::copy_file(fs::path(LOCALISATION_FIXTURES) / fixture, m_dir / name);
    }
    QString path(const char* name) const { return qstr(m_dir / name); }

  private:
    testsupport::TempDir m_dir;
};

// The text of the fixture window that each fixture module translates.
QString startText() {
    return QCoreApplication::translate("FixtureMain", "Start");
}

TEST(LanguageModule, LoadsExactlyTheFileNamed) {
    ModuleFolder folder;
    folder.add("windows_de.qm", "Halvane.DEU.qm");
    folder.add(nullptr, "Halvane");  // the program file itself
    folder.add(nullptr, "Halvane.ESP");
    folder.add("windows_de.qm", "Halvane.DE");

    EXPECT_EQ(LanguageModule::Load(folder.path("Halvane.DEU")), nullptr)
        << "neither Halvane.DEU.qm nor Halvane is taken for Halvane.DEU";
    EXPECT_EQ(LanguageModule::Load(folder.path("Halvane.ESP")), nullptr);
    EXPECT_EQ(LanguageModule::Load(folder.path("missing")), nullptr);
    const auto module = LanguageModule::Load(folder.path("Halvane.DE"));
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->translator().translate("FixtureMain", "Start"), "Starten");
}

TEST(LanguageModule, TheDriverTriesThreeLettersThenTwo) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> files;  // fixture (or null), file name
        int languageId;
        const char* loaded;  // nullptr: none
    };
    const Case cases[] = {
        {"French: only the two-letter name", {{"windows_fr.qm", "Halvane.FR"}}, 12, "Halvane.FR"},
        {"French: the three-letter name first",
         {{"windows_fr.qm", "Halvane.FRA"}, {"windows_de.qm", "Halvane.FR"}},
         12,
         "Halvane.FRA"},
        {"a three-letter file that is no module",
         {{nullptr, "Halvane.FRA"}, {"windows_fr.qm", "Halvane.FR"}},
         12,
         "Halvane.FR"},
        {"German", {{"windows_de.qm", "Halvane.DEU"}}, 7, "Halvane.DEU"},
        {"Czech's two letters", {{"windows_de.qm", "Halvane.CS"}}, 5, "Halvane.CS"},
        {"the logger's name is not the driver's", {{"windows_ru.qm", "Halvane.RU"}}, 12, nullptr},
        {"an identifier of no language", {{"windows_de.qm", "Halvane.DEU"}}, 99, nullptr},
        {"no modules", {}, 7, nullptr},
    };
    for (const Case& c : cases) {
        ModuleFolder folder;
        for (const auto& [fixture, name] : c.files)
            folder.add(fixture, name);
        ResourceModule resources;
        LanguageModule* module = LoadModuleForLanguage(resources, folder.program(), c.languageId);
        if (!c.loaded) {
            EXPECT_EQ(module, nullptr) << c.name;
            EXPECT_EQ(resources.current(), nullptr) << c.name;
            EXPECT_EQ(startText(), "Start") << c.name;
            continue;
        }
        ASSERT_NE(module, nullptr) << c.name;
        EXPECT_EQ(module->path(), folder.path(c.loaded)) << c.name;
        EXPECT_EQ(resources.current(), module) << c.name;
    }
    EXPECT_EQ(startText(), "Start") << "a module goes with its holder";
}

TEST(LanguageModule, ANewModuleReplacesTheCurrentOneAndAFailedLoadChangesNothing) {
    ModuleFolder folder;
    folder.add("windows_de.qm", "Loopscribe.DE");
    folder.add("windows_ru.qm", "Loopscribe.RUS");
    ResourceModule resources;

    ASSERT_NE(LoadModuleFile(resources, folder.path("Loopscribe.DE")), nullptr);
    EXPECT_EQ(startText(), "Starten");
    EXPECT_EQ(LoadModuleFile(resources, folder.path("Loopscribe.FR")), nullptr);
    EXPECT_EQ(startText(), "Starten") << "a missing module changes nothing";
    ASSERT_NE(LoadModuleFile(resources, folder.path("Loopscribe.RUS")), nullptr);
    EXPECT_EQ(startText(), "Пуск") << "the German module is no longer read";
    resources.Use(nullptr);
    EXPECT_EQ(startText(), "Start") << "back to the built-in texts";
}

TEST(LanguageModule, QtsOwnTranslationsLieBeneathTheModule) {
    ModuleFolder folder;
    folder.add("windows_de.qm", "Loopscribe.DE");
    ResourceModule resources;
    ASSERT_NE(LoadModuleFile(resources, folder.path("Loopscribe.DE")), nullptr);
    // Qt's German, from Qt's translations folder.
    ASSERT_NE(LoadQtTranslations(resources, "de"), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbruch")
        << "the module's own text comes first";
    EXPECT_EQ(startText(), "Starten");
    EXPECT_EQ(LoadQtTranslations(resources, "xx"), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
}

TEST(Retranslate, OpenWindowsReReadTheirTextsAndAWindowTheModuleLacksKeepsItsOwn) {
    FixtureMain main;
    FixtureOptions options;
    options.show();  // shown or hidden, every window is re-read
    ModuleFolder folder;
    folder.add("windows_de.qm", "Loopscribe.DE");
    folder.add("windows_fr.qm", "Loopscribe.FR");
    ResourceModule resources;

    ASSERT_NE(LoadModuleFile(resources, folder.path("Loopscribe.DE")), nullptr);
    RetranslateWindows();
    EXPECT_EQ(main.caption.text(), "Starten");
    EXPECT_EQ(options.windowTitle(), "Einstellungen");
    EXPECT_EQ(main.count.text(), "17") << "a text set at run time keeps its value";

    // The French module has no texts for the settings window.
    ASSERT_NE(LoadModuleFile(resources, folder.path("Loopscribe.FR")), nullptr);
    RetranslateWindows();
    EXPECT_EQ(main.caption.text(), QString::fromUtf8("Démarrer"));
    EXPECT_EQ(options.windowTitle(), "Settings");
}

}  // namespace
}  // namespace localisation
