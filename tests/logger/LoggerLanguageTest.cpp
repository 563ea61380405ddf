// The logger's language start-up: which modules lie beside the program, the Language value as
// the logger reads it, the module loaded and its language selected in the list, and the code
// that names the table file (TABDE.DDF for "de", TableFile's tests).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "logger/core/LoggerLanguage.h"
#include "support/TempDir.h"

namespace logger {
namespace {

namespace fs = std::filesystem;

// The fixture module of each language translates this text.
QString startText() {
    return QCoreApplication::translate("FixtureMain", "Start");
}

TEST(LoggerLanguage, TheModuleOfTheLanguageTheListAndTheTableFile) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> modules;  // fixture, file name
        const char* ini;                                           // nullptr: no ZODUVIR.INI
        QStringList list;
        int index;
        const char* code;
        const char* start;  // "Start" shown after it
    };
    const Case cases[] = {
        {"German with .DE present",
         {{"windows_de.qm", "Loopscribe.DE"}, {"windows_ru.qm", "Loopscribe.RUS"}},
         "[ZodUvir]\nLanguage=German\n",
         {"German", "Russian"},
         0,
         "de",
         "Starten"},
        {"blanks around the value",
         {{"windows_ru.qm", "Loopscribe.RUS"}},
         "[ZodUvir]\nLanguage=\" Russian \"\n",
         {"Russian"},
         0,
         "ru",
         "Пуск"},
        {"no modules at all", {}, "[ZodUvir]\nLanguage=German\n", {}, -1, "en", "Start"},
        {"the default is Czech, whose module is missing",
         {{"windows_de.qm", "Loopscribe.DE"}},
         nullptr,
         {"German"},
         -1,
         "en",
         "Start"},
        {"not one of the eight",
         {{"windows_de.qm", "Loopscribe.DE"}},
         "[ZodUvir]\nLanguage=german\n",
         {"German"},
         -1,
         "en",
         "Start"},
        {"the driver's name is not the logger's",
         {{"windows_de.qm", "Loopscribe.DEU"}},
         "[ZodUvir]\nLanguage=German\n",
         {},
         -1,
         "en",
         "Start"},
        {"a module file that does not load",
         {{nullptr, "Loopscribe.FR"}},
         "[ZodUvir]\nLanguage=French\n",
         {"French"},
         0,
         "en",
         "Start"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir;
        for (const auto& [fixture, name] : c.modules) {
            if (fixture)
                fs::copy_file(fs::path(LOCALISATION_FIXTURES) / fixture, dir / name);
            else
                dir.write(name, "garbage");
        }
        if (c.ini) dir.write("ZODUVIR.INI", c.ini);
        localisation::ResourceModule resources;
        const LanguageChoice choice =
            SwitchLanguage(resources, QString::fromStdString((dir / "Loopscribe").string()),
                           platform::IniFile(dir / "ZODUVIR.INI"));
        EXPECT_EQ(choice.available, c.list);
        EXPECT_EQ(choice.index, c.index);
        EXPECT_EQ(choice.code, c.code);
        EXPECT_EQ(startText(), QString::fromUtf8(c.start));
    }
}

}  // namespace
}  // namespace logger
