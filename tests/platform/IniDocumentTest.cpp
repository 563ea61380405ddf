#include "platform/ini/IniDocument.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(IniDocument, ReadsWithProfileFileRules) {
    const auto doc = IniDocument::parse(
        "ignored=before any section\r\n"
        "[Units]\r\n"
        "  12 =  kPa  \r\n"
        "32=degC\r\n"
        "Quoted = \"  padded  \"\r\n"
        "Single='x'\r\n"
        "Unbalanced=\"half\r\n"
        "; comment=not a key\r\n"
        "no equals sign\r\n"
        "=no key\r\n"
        "Empty=\r\n"
        "  [ SerialPort ] trailing text\n"
        "COM=3\n");
    EXPECT_EQ(doc.value("units", "12"), "kPa");
    EXPECT_EQ(doc.value("UNITS", "32"), "degC");
    EXPECT_EQ(doc.value("Units", "quoted"), "  padded  ");
    EXPECT_EQ(doc.value("Units", "Single"), "x");
    EXPECT_EQ(doc.value("Units", "Unbalanced"), "\"half");
    EXPECT_EQ(doc.value("Units", "Empty"), "");
    EXPECT_FALSE(doc.value("Units", "; comment"));
    EXPECT_FALSE(doc.value("Units", "no equals sign"));
    EXPECT_FALSE(doc.value("Units", "ignored"));
    EXPECT_EQ(doc.value("serialport", "com"), "3");
    EXPECT_FALSE(doc.value("Missing", "COM"));
    EXPECT_EQ(doc.keys("units"),
              (std::vector<std::string>{"12", "32", "Quoted", "Single", "Unbalanced", "Empty"}));
}

TEST(IniDocument, FirstDuplicateKeyWinsAcrossRepeatedSections) {
    const auto doc = IniDocument::parse("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nother=5\n");
    EXPECT_EQ(doc.value("A", "k"), "1");
    EXPECT_EQ(doc.value("A", "other"), "5");
    EXPECT_EQ(doc.sections(), (std::vector<std::string>{"A", "B"}));
}

TEST(IniDocument, LineEndingsOfEveryKind) {
    for (const char* text : {"[S]\r\nk=v\r\n", "[S]\nk=v\n", "[S]\rk=v\r", "[S]\nk=v"}) {
        EXPECT_EQ(IniDocument::parse(text).value("S", "k"), "v") << text;
    }
}

TEST(IniDocument, BadInputReadsWithoutCrashing) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk.push_back(static_cast<char>((i * 131) & 0xFF));
    (void)IniDocument::parse(junk);

    EXPECT_TRUE(IniDocument::parse("no sections at all\nk=v\n").sections().empty());
    EXPECT_FALSE(IniDocument::parse("[unterminated\nk=v").value("S", "k"));
    EXPECT_EQ(IniDocument::parse("[unterminated\nk=v").value("unterminated", "k"), "v");

    const std::string longValue(200000, 'x');
    EXPECT_EQ(IniDocument::parse("[S]\nk=" + longValue + "\n").value("S", "k"), longValue);

    // One-byte text and NUL bytes pass through unchanged.
    const std::string oneByte = std::string(
                                    "\xB0"
                                    "C \xE9t\xE9",
                                    7) +
                                std::string(1, '\0') + "z";
    EXPECT_EQ(IniDocument::parse("[S]\nk=" + oneByte + "\n").value("S", "k"), oneByte);
}

TEST(IniDocument, AByteOrderMarkBeforeTheFirstSectionIsSkipped) {
    const auto doc = IniDocument::parse("\xEF\xBB\xBF[SerialPort]\r\nCOM=3\r\n");
    EXPECT_EQ(doc.value("SerialPort", "COM"), "3");
    EXPECT_EQ(doc.sections(), std::vector<std::string>{"SerialPort"});
    // Only at the very start: elsewhere the bytes are text.
    EXPECT_FALSE(IniDocument::parse("\n\xEF\xBB\xBF[S]\nk=v\n").value("S", "k"));
}

TEST(IniDocument, SetValueWritesWhatReadsBack) {
    const struct {
        const char* what;
        const char* text;
        const char* written;
    } cases[] = {
        {"replaces the first line of the key", "[S]\nk=1\nk=2\n", "[S]\nk=9\nk=2\n"},
        {"adds to the first section of the name", "[S]\na=1\n[T]\n[s]\nb=2\n",
         "[S]\na=1\nk=9\n[T]\n[s]\nb=2\n"},
        {"finds the key in a repeated section", "[S]\na=1\n[s]\nK=2\n", "[S]\na=1\n[s]\nK=9\n"},
        {"appends a missing section", "[T]\r\nx=1\r\n", "[T]\r\nx=1\r\n\r\n[S]\r\nk=9\r\n"},
        {"keeps a byte-order mark and writes into the section after it", "\xEF\xBB\xBF[S]\nk=1\n",
         "\xEF\xBB\xBF[S]\nk=9\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto written = setIniValue(c.text, "S", "k", "9");
        ASSERT_TRUE(written);
        EXPECT_EQ(*written, c.written);
        EXPECT_EQ(IniDocument::parse(*written).value("S", "k"), "9");
    }
    // Names that could not be read back are refused.
    for (auto [section, key] :
         std::initializer_list<std::pair<const char*, const char*>>{{"", "k"},
                                                                    {"S", " "},
                                                                    {"a]b", "k"},
                                                                    {"S", "a=b"},
                                                                    {"S", ";k"},
                                                                    {"S", "[k"},
                                                                    {"S\nT", "k"},
                                                                    {"S", "k\rx"}}) {
        EXPECT_FALSE(setIniValue("[S]\n", section, key, "v")) << section << " " << key;
    }
}

}  // namespace
}  // namespace platform
