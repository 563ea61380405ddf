// The language table, the Language key as each program reads it, module file names, the logger's
// table file names and the code pages of one-byte text.

#include <gtest/gtest.h>

#include "localisation/CodePages.h"
#include "localisation/LanguageSetting.h"
#include "localisation/Languages.h"
#include "localisation/ModuleFiles.h"
#include "localisation/TableFiles.h"
#include "support/TempDir.h"

namespace localisation {
namespace {

TEST(Languages, EightNamesComparedExactly) {
    struct Case {
        const char* value;
        const char* extension;  // the logger's, or nullptr when the value names no language
        const char* abbreviation;
    };
    const Case cases[] = {
        {"Czech", ".CSY", "CSY"},     {"German", ".DE", "DEU"},      {"English", ".EN", "ENU"},
        {"Spanish", ".ESP", "ESP"},   {"French", ".FR", "FRA"},      {"Polish", ".PLK", "PLK"},
        {"Slovak", ".SKY", "SKY"},    {"Russian", ".RUS", "RUS"},    {"german", nullptr, nullptr},
        {"GERMAN", nullptr, nullptr}, {" German", nullptr, nullptr}, {"Deutsch", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const Language* language = FindLanguage(c.value);
        if (!c.extension) {
            EXPECT_EQ(language, nullptr) << c.value;
            continue;
        }
        ASSERT_NE(language, nullptr) << c.value;
        EXPECT_EQ(language->loggerExtension, c.extension);
        EXPECT_EQ(AbbreviatedLanguageName(language->languageId), c.abbreviation);
    }
    EXPECT_EQ(AbbreviatedLanguageName(7), "DEU");
    EXPECT_EQ(AbbreviatedLanguageName(0), std::nullopt);
    EXPECT_EQ(AbbreviatedLanguageName(8), std::nullopt);  // Greek: no module name of ours
}

TEST(LanguageSetting, EachProgramHasItsDefaultAndItsComparison) {
    struct Case {
        const char* name;
        const char* ini;  // nullptr: no ZODUVIR.INI at all
        const char* driver;
        const char* logger;
    };
    const Case cases[] = {
        {"no file", nullptr, "English", "Czech"},
        {"no key", "[ZodUvir]\r\nOther=1\r\n", "English", "Czech"},
        {"a name", "[ZodUvir]\r\nLanguage=German\r\n", "German", "German"},
        {"blanks in quotes: only the logger trims them", "[zoduvir]\r\nlanguage=\" German \"\r\n",
         " German ", "German"},
        {"a tab in quotes", "[ZodUvir]\r\nLanguage=\"\tRussian\"\r\n", "\tRussian", "Russian"},
        {"empty", "[ZodUvir]\r\nLanguage=\r\n", "", ""},
    };
    for (const Case& c : cases) {
        testsupport::TempDir dir;
        if (c.ini) dir.write("ZODUVIR.INI", c.ini);
        const platform::IniFile shared(dir / "ZODUVIR.INI");
        EXPECT_EQ(DriverLanguageValue(shared), c.driver) << c.name;
        EXPECT_EQ(LoggerLanguageValue(shared), c.logger) << c.name;
    }
}

TEST(ModuleFiles, NamedAfterTheProgramFile) {
    EXPECT_EQ(ModuleFileName("/opt/halvane/bin/Halvane", u".DEU"), "/opt/halvane/bin/Halvane.DEU");
    EXPECT_EQ(ModuleFileName("C:/Programs/Halvane.EXE", u".DEU"), "C:/Programs/Halvane.DEU");
    EXPECT_EQ(ModuleFileName("C:/Programs/Loopscribe.exe", u".DE"), "C:/Programs/Loopscribe.DE");
    // Only the program file's own extension is replaced, never a folder's ".exe".
    EXPECT_EQ(ModuleFileName("/home/x/my.exercises/Halvane", u".FRA"),
              "/home/x/my.exercises/Halvane.FRA");
}

TEST(ModuleFiles, TheLoggersListHoldsTheLanguagesWhoseFilesExistInTableOrder) {
    testsupport::TempDir dir;
    const QString program = QString::fromStdString((dir / "Loopscribe").string());
    EXPECT_TRUE(AvailableLanguages(program).isEmpty());

    for (const char* name : {"Loopscribe.RUS", "Loopscribe.DE", "Loopscribe.CSY", "Loopscribe.de",
                             "Loopscribe.DEU", "Loopscribe.EN.qm"})
        dir.write(name, "x");
    std::filesystem::create_directory(dir / "Loopscribe.FR");  // a folder is no module file
    const QStringList list = AvailableLanguages(program);
    EXPECT_EQ(list, QStringList({"Czech", "German", "Russian"}));

    EXPECT_EQ(LanguageListIndex(list, "German"), 1);
    EXPECT_EQ(LanguageListIndex({"Czech", " German "}, "German"), 1);
    EXPECT_EQ(LanguageListIndex(list, "French"), -1);
    EXPECT_EQ(LanguageListIndex(list, "german"), -1);
    EXPECT_EQ(LanguageListIndex({}, "Czech"), -1);
}

TEST(TableFiles, SetLanguageDdfByTheFirstTwoCharactersOfTheCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"cs", "TABCZ.DDF"}, {"de", "TABDE.DDF"},   {"en", "TABEN.DDF"}, {"es", "TABES.DDF"},
        {"fr", "TABFR.DDF"}, {"pl", "TABPL.DDF"},   {"sk", "TABSK.DDF"}, {"de-AT", "TABDE.DDF"},
        {"ru", "OLD.DDF"},   {"x", "OLD.DDF"},      {"", "OLD.DDF"},     {"DE", "OLD.DDF"},
        {"d", "OLD.DDF"},    {"german", "OLD.DDF"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(SetLanguageDdf(code, "OLD.DDF"), name) << code;
}

TEST(TableFiles, CodePageOfEachFile) {
    for (const char* name : {"TABCZ.DDF", "TABPL.DDF", "TABSK.DDF", "tabcz.ddf"})
        EXPECT_EQ(TableFileCodePage(name), CodePage::Windows1250) << name;
    for (const char* name : {"TABEN.DDF", "TABDE.DDF", "TABES.DDF", "TABFR.DDF", "OTHER.DDF", ""})
        EXPECT_EQ(TableFileCodePage(name), CodePage::Windows1252) << name;
}

TEST(CodePages, TextOfEachLanguageBothWays) {
    struct Case {
        CodePage page;
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {CodePage::Windows1250, "Příliš žluťoučký kůň",
         "P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2"},
        {CodePage::Windows1250, "Zażółć gęślą jaźń",
         "Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1"},
        {CodePage::Windows1250, "Ľubovoľná ťava",
         "\xbcubovo\xbe"
         "n\xe1 \x9d"
         "ava"},
        {CodePage::Windows1252, "Größe €5 – Ñandú",
         "Gr\xf6\xdf"
         "e \x80"
         "5 \x96 \xd1"
         "and\xfa"},
        {CodePage::Windows1252, "Débit côté œuvre",
         "D\xe9"
         "bit c\xf4t\xe9 \x9cuvre"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FromCodePage(c.bytes, c.page), QString::fromUtf8(c.utf8)) << c.utf8;
        EXPECT_EQ(ToCodePage(QString::fromUtf8(c.utf8), c.page), c.bytes) << c.utf8;
    }
}

TEST(CodePages, CharactersACodePageLacksAndUnassignedBytes) {
    EXPECT_EQ(ToCodePage(u"Ток 4 мА", CodePage::Windows1252), "??? 4 ??");
    EXPECT_EQ(ToCodePage(u"ř", CodePage::Windows1252), "?");
    EXPECT_EQ(ToCodePage(u"ß½", CodePage::Windows1250), "\xdf?");
    // Bytes without a character come back as the control character of their value.
    EXPECT_EQ(FromCodePage("\x81\x8d", CodePage::Windows1252),
              QStringView(u"\u0081\u008d").toString());
    EXPECT_EQ(FromCodePage("\x98", CodePage::Windows1250), QStringView(u"\u0098").toString());
    EXPECT_EQ(ToCodePage(u"\u0081", CodePage::Windows1252), "\x81");
    EXPECT_EQ(FromCodePage("", CodePage::Windows1250), QString());
}

}  // namespace
}  // namespace localisation
