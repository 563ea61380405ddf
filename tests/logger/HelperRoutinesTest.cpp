// Number texts with either decimal separator, recorded numbers, unit and code names from the
// table file, the table file's name and place, the version text and one-byte texts.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "ProjectVersion.h"
#include "logger/core/NumberText.h"
#include "logger/core/OneByteText.h"
#include "logger/core/ReplyText.h"
#include "logger/core/TableFile.h"
#include "logger/core/VersionText.h"
#include "support/TempDir.h"

namespace logger {
namespace {

TEST(NumberText, EitherSeparatorReadsAsTheUsersAndAnythingElseGivesTheDefault) {
    EXPECT_EQ(NormalizeDecimalSeparator("1.234,5", ','), "1,234,5");
    EXPECT_EQ(NormalizeDecimalSeparator("", ','), "");
    const struct {
        const char* text;
        char separator;
        double value;
    } cases[] = {
        {"12.5", '.', 12.5},  {"12,5", '.', 12.5}, {"12.5", ',', 12.5},      {"12,5", ',', 12.5},
        {"1.234,5", ',', -1}, {"", '.', -1},       {" -1.5E3 ", '.', -1500}, {"+2", '.', 2},
        {".5", '.', 0.5},     {"5.", '.', 5},      {"1e", '.', -1},          {"INF", '.', -1},
        {"nan", '.', -1},     {"0x10", '.', -1},   {"1 000", '.', -1},       {"-", '.', -1},
        {"1e999", '.', -1},   {"4mA", '.', -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToFloatDef(c.text, -1, c.separator), c.value)
            << '"' << c.text << "\" with " << c.separator;
    EXPECT_FALSE(TextToFloat("1.5", ',')) << "a point is no decimal separator here";
}

TEST(NumberText, RecordedNumbersInFixedOrGeneralNotation) {
    const struct {
        double value;
        int decimals;
        char separator;
        const char* text;
    } cases[] = {
        {12, 3, '.', "12.000"},
        {12, 0, '.', "12"},
        {-0.5, 2, ',', "-0,50"},
        {2.5, 6, '.', "2.500000"},
        {1.25, kAutoDecimals, '.', "1.25"},
        {123456789, kAutoDecimals, '.', "1.23457e+08"},
        {1e-7, kAutoDecimals, ',', "1e-07"},
        {1234567.0, 1, '.', "1234567.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatRecordNumber(c.value, c.decimals, c.separator), c.text) << c.value;
}

TEST(TableFile, UnitAndCodeNamesComeFromTheTableOrAreTheTextItself) {
    testsupport::TempDir dir;
    const auto table = dir.write("TABEN.DDF",
                                 "[Units]\n7=bar\n5=\n33=\xB0"
                                 "C\n[Distributors]\n38=Maker 38\n39=\n256=not a code\n"
                                 "[Instruments]\n6=Model 6\n");
    const CodeNames names(table);
    const UnitNames& units = names.units();
    for (const auto& [text, name] : {std::pair{"7", "bar"},
                                     {"kPa", "kPa"},
                                     {"256", "256"},
                                     {"1000", "1000"},
                                     {"-1", "-1"},
                                     {"5", "5"},
                                     {"32", "32"},
                                     {"0x7", "bar"}})
        EXPECT_EQ(units.UnitText(text).toStdString(), name) << text;
    EXPECT_EQ(units.UnitText("33"), QStringLiteral("\u00B0C")) << "one-byte text of the table";
    for (const auto& [line, name] : {std::pair{"38", "Maker 38"},
                                     {"99", "99"},
                                     {"39", "39"},
                                     {"224,161", "224,161"},
                                     {"256", "256"}})
        EXPECT_EQ(names.distributorName(line).toStdString(), name) << line;
    EXPECT_EQ(names.instrumentName("6").toStdString(), "Model 6");
    EXPECT_EQ(names.instrumentName("38").toStdString(), "38");

    const CodeNames missing(dir / "none.ddf");
    EXPECT_EQ(missing.units().UnitText("32").toStdString(), "32");
    EXPECT_EQ(missing.distributorName("38").toStdString(), "38");
}

TEST(TableFile, TheLanguagesTableBesideTheProgramElseTheEnglishOne) {
    for (const auto& [code, name] : {std::pair{"de", "TABDE.DDF"},
                                     {"de_AT", "TABDE.DDF"},
                                     {"cs", "TABCZ.DDF"},
                                     {"ru", "OLD"},
                                     {"x", "OLD"},
                                     {"", "OLD"}})
        EXPECT_EQ(SetLanguageDdf(code, "OLD"), name) << code;

    testsupport::TempDir dir;
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::create_directories(dir / "share" / "halvane");
    const std::filesystem::path bin = dir / "bin";
    EXPECT_EQ(loggerTableFile(bin, "de"), bin / "TABEN.DDF") << "nothing there at all";
    dir.write("share/halvane/TABEN.DDF", "");
    EXPECT_EQ(loggerTableFile(bin, "de"), dir / "share" / "halvane" / "TABEN.DDF");
    dir.write("bin/TABEN.DDF", "");
    EXPECT_EQ(loggerTableFile(bin, "de"), bin / "TABEN.DDF");
    dir.write("share/halvane/TABDE.DDF", "");
    EXPECT_EQ(loggerTableFile(bin, "de"), dir / "share" / "halvane" / "TABDE.DDF");
    dir.write("bin/TABDE.DDF", "");
    EXPECT_EQ(loggerTableFile(bin, "de"), bin / "TABDE.DDF");
    EXPECT_EQ(loggerTableFile(bin, "ru"), bin / "TABEN.DDF");
}

TEST(TableFile, EachTableIsReadInTheCodePageOfItsLanguage) {
    testsupport::TempDir dir;
    // "Přesnost" and "ą" in Windows-1250.
    const char* table =
        "[Distributors]\r\n38=P\xf8"
        "esnost\r\n[Units]\r\n7=\xb9\r\n";
    dir.write("TABCZ.DDF", table);
    dir.write("TABDE.DDF", table);
    const CodeNames czech(dir / "TABCZ.DDF");
    EXPECT_EQ(czech.distributorName("38"), QString::fromUtf8("Přesnost"));
    EXPECT_EQ(czech.units().UnitText("7"), QString::fromUtf8("ą"));
    const CodeNames german(dir / "TABDE.DDF");
    EXPECT_EQ(german.distributorName("38"), QString::fromUtf8("Pøesnost"));
    EXPECT_EQ(german.units().UnitText("7"), QString::fromUtf8("¹"));
}

TEST(ReplyText, CommandLinesAndTheLinesOfAReply) {
    EXPECT_EQ(commandLine(0, 5), "0   \r\n5\r\n");
    EXPECT_EQ(commandLine(3, 63), "3   \r\n63\r\n");
    const struct {
        std::string_view text;
        std::vector<std::string> lines;
    } cases[] = {
        {"3\r\n2\r\nCommunication Error!\r\n", {"3", "2", "Communication Error!", ""}},
        {"Busy!\r\n", {"Busy!", ""}},
        {"", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\r\r\n", {"a\nb\r", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitReply(c.text), c.lines);
    for (const auto& [address, highest, next] :
         {std::tuple{3, 3, 2}, {1, 3, 3}, {0, 0, 0}, {63, 63, 62}, {2, 2, 1}})
        EXPECT_EQ(nextPollingAddress(address, highest), next) << address << " of " << highest;
}

TEST(VersionText, MajorAndMinorOfTheVersion) {
    EXPECT_EQ(versionText("2.3.0.17"), "2.3");
    EXPECT_EQ(versionText("10"), "10.0");
    EXPECT_EQ(versionText(""), "0.0");
    EXPECT_EQ(VersionText(),
              std::to_string(HALVANE_VERSION_MAJOR) + "." + std::to_string(HALVANE_VERSION_MINOR));
}

TEST(OneByteText, IsWindows1252) {
    EXPECT_EQ(fromOneByteText("\x80\xB0\x9F\x81 A"), QStringLiteral("\u20AC\u00B0\u0178\u0081 A"));
    EXPECT_EQ(fromOneByteText(std::string_view("a\0b", 3)).size(), 3);
}

}  // namespace
}  // namespace logger
