#include "platform/ini/IniFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace platform {
namespace {

using testsupport::TempDir;

TEST(IniFile, MissingFileSectionOrKeyReadsAsMissing) {
    TempDir dir;
    IniFile missing(dir / "nothing.ini");
    EXPECT_FALSE(missing.readString("S", "k"));
    EXPECT_EQ(missing.readString("S", "k", "default"), "default");
    EXPECT_EQ(missing.readInteger("S", "k", 7), 7);

    IniFile file(dir.write("a.ini", "[S]\nk=v\n"));
    EXPECT_FALSE(file.readString("Other", "k"));
    EXPECT_FALSE(file.readString("S", "other"));
}

TEST(IniFile, IntegersAndBooleans) {
    TempDir dir;
    IniFile file(dir.write("a.ini",
                           "[S]\ndec=42\nneg=-3\nhex=0x1F\ndollar=$10\nbad=12abc\nblank=\n"
                           "on=1\noff=0\ntwo=2\nword=true\n"));
    EXPECT_EQ(file.readInteger("S", "dec", 0), 42);
    EXPECT_EQ(file.readInteger("S", "neg", 0), -3);
    EXPECT_EQ(file.readInteger("S", "hex", 0), 31);
    EXPECT_EQ(file.readInteger("S", "dollar", 0), 16);
    EXPECT_EQ(file.readInteger("S", "bad", -1), -1);
    EXPECT_EQ(file.readInteger("S", "blank", -1), -1);
    EXPECT_TRUE(file.readBool("S", "on", false));
    EXPECT_FALSE(file.readBool("S", "off", true));
    EXPECT_TRUE(file.readBool("S", "two", false));
    EXPECT_FALSE(file.readBool("S", "word", false));  // not a number: the default
}

TEST(IniFile, WritesKeepTheRestOfTheFile) {
    TempDir dir;
    const auto path = dir.write("s.ini",
                                "; settings\r\n[ZodUvir]\r\nLanguage=English\r\n\r\n"
                                "[SerialPort]\r\nCOM=3\r\nMaster=1\r\n");
    IniFile file(path);
    ASSERT_TRUE(file.writeInteger("serialport", "com", 5));              // replace, keep spelling
    ASSERT_TRUE(file.writeBool("SerialPort", "ModemDetection", false));  // add to the section
    ASSERT_TRUE(file.writeString("New", "Key", "two\r\nlines"));  // new section; no injection
    EXPECT_EQ(TempDir::read(path),
              "; settings\r\n[ZodUvir]\r\nLanguage=English\r\n\r\n"
              "[SerialPort]\r\nCOM=5\r\nMaster=1\r\nModemDetection=0\r\n\r\n"
              "[New]\r\nKey=two  lines\r\n");
    EXPECT_EQ(file.readInteger("SerialPort", "COM", 0), 5);
    EXPECT_FALSE(file.readString("New", "lines"));
}

TEST(IniFile, WriteCreatesAMissingFile) {
    TempDir dir;
    IniFile file(dir / "new.ini");
    ASSERT_TRUE(file.writeInteger("SerialPort", "COM", 2));
    EXPECT_EQ(TempDir::read(dir / "new.ini"), "[SerialPort]\nCOM=2\n");
}

TEST(IniFile, WriteIntoAMissingFolderFailsAndSaysSo) {
    TempDir dir;
    IniFile file(dir / "no" / "such" / "folder.ini");
    EXPECT_FALSE(file.writeInteger("S", "k", 1));
}

TEST(IniFile, EveryEditIsSeenAtTheNextRead) {
    TempDir dir;
    const auto path = dir.write("t.ini", "[Units]\n12=kPa\n");
    IniFile file(path);
    EXPECT_EQ(file.readString("Units", "12", ""), "kPa");
    // Same size, same second: only the content differs.
    dir.write("t.ini", "[Units]\n12=bar\n");
    EXPECT_EQ(file.readString("Units", "12", ""), "bar");
    std::filesystem::remove(path);
    EXPECT_EQ(file.readString("Units", "12", "gone"), "gone");
    dir.write("t.ini", "[Units]\n12=Pa\n");
    EXPECT_EQ(file.readString("Units", "12", ""), "Pa");
}

TEST(IniFile, OldFileIsParsedOnceAndStillSeesEdits) {
    TempDir dir;
    const auto path = dir.write("t.ini", "[Units]\n12=kPa\n");
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    IniFile file(path);
    const IniDocument* first = &file.document();
    EXPECT_EQ(&file.document(), first);
    EXPECT_EQ(file.readString("Units", "12", ""), "kPa");
    dir.write("t.ini", "[Units]\n12=bar\n");
    EXPECT_EQ(file.readString("Units", "12", ""), "bar");
}

TEST(IniFile, AFileOverTheSizeBoundIsNeitherReadNorWritten) {
    TempDir dir;
    std::string text = "[SerialPort]\nCOM=3\n";
    text += "; " + std::string(IniFile::kMaxFileSize, 'x') + "\n";
    const auto path = dir.write("big.ini", text);
    IniFile file(path);
    EXPECT_EQ(file.readInteger("SerialPort", "COM", 0), 0) << "reads as empty";
    ASSERT_TRUE(file.problem());
    EXPECT_EQ(file.problem()->text, "is larger than 2 MiB (" + std::to_string(text.size()) +
                                        " bytes), so it is not read");
    EXPECT_FALSE(file.writeInteger("SerialPort", "COM", 4));
    EXPECT_EQ(TempDir::read(path), text) << "left as it is";

    // Cut down to size, it is read again at the next lookup.
    dir.write("big.ini", "[SerialPort]\nCOM=3\n");
    EXPECT_EQ(file.readInteger("SerialPort", "COM", 0), 3);
    EXPECT_FALSE(file.problem());
    EXPECT_TRUE(file.writeInteger("SerialPort", "COM", 4));
}

TEST(IniFile, SaysWhyAFileCannotBeUsed) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.ini");
    const std::string junk(
        "\x7F"
        "ELF\x02\x01\x01\0\0\0\x03\0>\0\x01\0",
        16);
    using Kind = IniFile::Problem::Kind;
    const struct {
        const char* file;
        std::optional<std::string> content;  // none: the file is missing or a folder
        std::optional<Kind> kind;
        const char* text;
    } cases[] = {
        {"missing.ini", std::nullopt, std::nullopt, ""},
        {"good.ini", "[S]\nk=v\n", std::nullopt, ""},
        {"bom.ini", "\xEF\xBB\xBF[S]\nk=v\n", std::nullopt, ""},
        {"folder.ini", std::nullopt, Kind::Folder, "is a folder, not a file"},
        {"empty.ini", "", Kind::Empty, "is empty"},
        {"blank.ini", "\xEF\xBB\xBF\r\n  \r\n", Kind::Empty, "is empty"},
        {"junk.ini", junk, Kind::NoSections, "holds no sections (lines such as [SerialPort])"},
        {"keys.ini", "; no section\nCOM=3\n", Kind::NoSections,
         "holds no sections (lines such as [SerialPort])"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.content) dir.write(c.file, *c.content);
        IniFile file(dir / c.file);
        const auto problem = file.problem();
        ASSERT_EQ(problem.has_value(), c.kind.has_value());
        if (!problem) continue;
        EXPECT_EQ(problem->kind, *c.kind);
        EXPECT_EQ(problem->text, c.text);
        EXPECT_EQ(problem->blocksWrites(), *c.kind == Kind::Folder);
    }
    // A folder is not written over.
    IniFile folder(dir / "folder.ini");
    EXPECT_FALSE(folder.writeInteger("S", "k", 1));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.ini"));
}

}  // namespace
}  // namespace platform
