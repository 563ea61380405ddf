// The pieces of the driver's start-up: its settings keys, the modem check, the message for a
// port that cannot be used, the program options and where the table file is looked for.

#include <gtest/gtest.h>

#include <cerrno>

#include "ProjectVersion.h"
#include "app/AppTestSupport.h"
#include "driver/app/DriverProgram.h"
#include "driver/app/DriverSettings.h"
#include "driver/app/FileProblems.h"
#include "driver/app/ModemDetection.h"
#include "driver/app/PortProblem.h"
#include "support/TempDir.h"

namespace driver {
namespace {

using apptest::FakeDriverPort;
using apptest::InstantPump;
using testsupport::TempDir;

TEST(DriverSettings, ReadsKeysWithDefaultsAndThePortRange) {
    struct Case {
        const char* file;
        DriverSettings expected;
    };
    const Case cases[] = {
        {"", {"English", true, 1, 0}},
        {"[SerialPort]\nCOM=10\nMaster=0\nModemDetection=0\n[ZodUvir]\nLanguage=Deutsch\n",
         {"Deutsch", false, 0, 10}},
        {"[SerialPort]\nCOM=15\n", {"English", true, 1, 15}},
        {"[SerialPort]\nCOM=20\n", {"English", true, 1, 20}},
        {"[SerialPort]\nCOM=21\n", {"English", true, 1, 0}},
        {"[SerialPort]\nCOM=-1\n", {"English", true, 1, 0}},
        {"[SerialPort]\nCOM=x\n", {"English", true, 1, 0}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        platform::IniFile file(dir.write("ZODUVIR.INI", c.file));
        const DriverSettings s = readDriverSettings(file);
        EXPECT_EQ(s.language, c.expected.language) << c.file;
        EXPECT_EQ(s.modemDetection, c.expected.modemDetection) << c.file;
        EXPECT_EQ(s.master, c.expected.master) << c.file;
        EXPECT_EQ(s.com, c.expected.com) << c.file;
    }
}

TEST(DetectModem, NeedsDsrToFollowDtrOnOffOn) {
    struct Case {
        const char* name;
        std::function<bool(bool dtr)> dsr;
        bool expected;
    };
    const Case cases[] = {
        {"a modem", [](bool dtr) { return dtr; }, true},
        {"DSR tied high", [](bool) { return true; }, false},
        {"no modem lines", [](bool) { return false; }, false},
        {"DSR inverted", [](bool dtr) { return !dtr; }, false},
    };
    for (const Case& c : cases) {
        struct Port : FakeDriverPort {
            std::function<bool(bool)> line;
            bool dtrState = false;
            mutable int readings = 0;
            void SetStateDTR(bool on) override {
                FakeDriverPort::SetStateDTR(on);
                dtrState = on;
            }
            bool dsr() const override {
                ++readings;
                return line(dtrState);
            }
        } port;
        port.line = c.dsr;
        InstantPump pump;
        EXPECT_EQ(DetectModem(port, pump), c.expected) << c.name;
        EXPECT_EQ(port.readings, 3) << c.name << ": all three readings are taken";
        EXPECT_EQ(port.dtr, (std::vector<bool>{true, false, true})) << c.name;
        EXPECT_EQ(pump.waits, 3) << c.name;
    }
}

TEST(DetectModem, StopsWhenTheProgramEnds) {
    FakeDriverPort port;
    port.devices[1] = {0, true};
    port.open(1);
    InstantPump pump;
    pump.requestQuit(0);
    EXPECT_FALSE(DetectModem(port, pump));
    EXPECT_EQ(port.dtr.size(), 1u);
}

TEST(PortProblem, SaysWhyAndWhatToDo) {
    struct Case {
        int error;
        std::string device;
        std::vector<std::string> expected;  // parts the text must hold
    };
    const Case cases[] = {
        {EACCES,
         "/dev/ttyUSB0",
         {"COM3 (/dev/ttyUSB0): Permission denied.", "dialout", "log out and log in again"}},
        {EBUSY, "/dev/ttyUSB0", {"Device or resource busy", "Another program"}},
        {ENOENT, "", {"COM3: no serial device goes by this name.", "[Ports]", "ZODUVIR.INI"}},
        {ENOTTY, "/tmp/x", {"COM3 (/tmp/x): Inappropriate ioctl for device.", "not a serial port"}},
        {EIO, "/dev/ttyS0", {"COM3 (/dev/ttyS0): Input/output error."}},
    };
    for (const Case& c : cases) {
        const serial::PortError error("Device open error", 1, 0, c.error);
        const std::string text = portProblemText({3, c.device, "/home/u/ZODUVIR.INI"}, error);
        EXPECT_TRUE(text.starts_with("This port cannot be used!\r\n")) << text;
        for (const std::string& part : c.expected)
            EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    }
    // Any other failure still gives its text.
    const std::string other = portProblemText({4, "", "x"}, std::runtime_error("gone"));
    EXPECT_EQ(other, "This port cannot be used!\r\nCOM4: gone.");
}

TEST(ProgramOptions, ParsesTheOptionsAndRefusesOthers) {
    auto parse = [](QStringList args) {
        args.prepend(QStringLiteral("Halvane"));
        return parseProgramOptions(args);
    };
    const ParsedOptions plain = parse({});
    EXPECT_FALSE(plain.exitCode);
    EXPECT_FALSE(plain.options.settingsDir);
    EXPECT_FALSE(plain.options.show);

    const ParsedOptions set = parse({"--settings-dir", "/tmp/cfg", "--show"});
    ASSERT_FALSE(set.exitCode);
    EXPECT_EQ(set.options.settingsDir, std::filesystem::path("/tmp/cfg"));
    EXPECT_TRUE(set.options.show);

    const ParsedOptions version = parse({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "Halvane " HALVANE_VERSION "\n");
    const ParsedOptions help = parse({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--settings-dir"), std::string::npos);
    EXPECT_TRUE(help.output.starts_with("Usage: Halvane [options]\n")) << help.output;
    EXPECT_TRUE(parseProgramOptions({"/opt/bin/Halvane.exe", "--help"})
                    .output.starts_with("Usage: Halvane [options]\n"));

    for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"--settings-dir"},
                                     QStringList{"START"}, QStringList{"--settings-dir", ""}}) {
        const ParsedOptions p = parse(wrong);
        EXPECT_EQ(p.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_FALSE(p.errorText.empty());
    }
}

TEST(TableFile, BesideTheProgramElseInTheInstalledDataFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::create_directories(dir / "share/halvane");
    EXPECT_EQ(tableFilePath(dir / "bin"), dir / "bin/TABEN.DDF") << "neither: the usual place";
    dir.write("share/halvane/TABEN.DDF", "");
    EXPECT_EQ(tableFilePath(dir / "bin"), dir / "share/halvane/TABEN.DDF");
    dir.write("bin/TABEN.DDF", "");
    EXPECT_EQ(tableFilePath(dir / "bin"), dir / "bin/TABEN.DDF");
}

TEST(FileProblems, NameTheFileWhatIsWrongAndWhatItMeans) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    dir.write("empty", "");
    dir.write("junk", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    dir.write("good", "\xEF\xBB\xBF[SerialPort]\nCOM=3\n");
    const std::string folder = (dir / "folder").string();
    const std::string empty = (dir / "empty").string();
    const std::string junk = (dir / "junk").string();
    const std::string missing = (dir / "missing").string();

    auto settings = [&](const char* name) {
        return settingsFileMessage(platform::IniFile(dir / name));
    };
    EXPECT_EQ(settings("folder"), "The settings file " + folder +
                                      " is a folder, not a file: the driver uses its default "
                                      "settings and cannot store changes; remove or replace it.");
    EXPECT_EQ(settings("empty"),
              "The settings file " + empty + " is empty: the driver uses its default settings.");
    EXPECT_EQ(settings("junk"), "The settings file " + junk +
                                    " holds no sections (lines such as [SerialPort]): the driver "
                                    "uses its default settings.");
    EXPECT_FALSE(settings("good"));
    EXPECT_FALSE(settings("missing")) << "made at the first change";

    auto table = [&](const char* name) { return tableFileMessage(platform::IniFile(dir / name)); };
    const char* numbers = ": code names show as numbers. Reinstall the program.";
    EXPECT_EQ(table("missing"), "The table file " + missing + " is missing" + numbers);
    EXPECT_EQ(table("empty"), "The table file " + empty + " is empty" + numbers);
    EXPECT_EQ(table("junk"), "The table file " + junk +
                                 " holds no sections (lines such as [SerialPort])" + numbers);
    EXPECT_FALSE(table("good"));
}

}  // namespace
}  // namespace driver
