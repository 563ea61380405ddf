// The translated table files as shipped: the codes of TABEN.DDF with their words translated,
// units and manufacturers as they are, each file readable in its code page.

#include <gtest/gtest.h>

#include <filesystem>

#include "localisation/CodePages.h"
#include "localisation/TableFiles.h"
#include "platform/ini/IniFile.h"

namespace localisation {
namespace {

const std::filesystem::path kData = HALVANE_DATA_DIR;

TEST(ShippedTables, EachLanguageHasTheEnglishCodesWithItsOwnWords) {
    struct Case {
        const char* code;
        const char* squareRoot;  // TransferFunction 1
        const char* busy;        // Messages 26
    };
    const Case cases[] = {
        {"cs", "Odmocnina", "Přístroj je zaneprázdněn!"},
        {"de", "Radizierend", "Gerät ist beschäftigt!"},
        {"es", "Raíz cuadrada", "¡El dispositivo está ocupado!"},
        {"fr", "Racine carrée", "L'appareil est occupé !"},
        {"pl", "Pierwiastkowa", "Urządzenie zajęte!"},
        {"sk", "Odmocnina", "Prístroj je zaneprázdnený!"},
    };
    const platform::IniFile english(kData / kEnglishTableFile);
    const platform::IniDocument& en = english.document();
    for (const Case& c : cases) {
        const std::string name = SetLanguageDdf(c.code, "");
        const platform::IniFile file(kData / name);
        const platform::IniDocument& doc = file.document();
        const CodePage page = TableFileCodePage(name);
        const auto text = [&](const char* section, const char* key) {
            return FromCodePage(doc.value(section, key).value_or(""), page);
        };
        ASSERT_EQ(doc.sections(), en.sections()) << name;
        for (const std::string& section : en.sections()) {
            ASSERT_EQ(doc.keys(section), en.keys(section)) << name << " [" << section << "]";
            const bool words = section != "Units" && section != "Distributors";
            for (const std::string& key : en.keys(section)) {
                const auto where = [&] { return name + " [" + section + "] " + key; };
                if (!words)
                    EXPECT_EQ(doc.value(section, key), en.value(section, key)) << where();
                else  // a character the code page lacked would have become '?'
                    EXPECT_FALSE(text(section.c_str(), key.c_str()).contains(u'?')) << where();
            }
        }
        EXPECT_EQ(text("TransferFunction", "1"), QString::fromUtf8(c.squareRoot)) << name;
        EXPECT_EQ(text("Messages", "26"), QString::fromUtf8(c.busy)) << name;
    }
}

}  // namespace
}  // namespace localisation
