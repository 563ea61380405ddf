// The Loopscribe program as a server runs it: "Loopscribe START" without a display against the
// real driver and hartsim with three transmitters in multidrop. The record goes to standard
// output and the log file; SIGTERM ends the run with the stop lines, writes the settings file
// and, with "Close driver when Loopscribe exits" on, ends the driver too. In the languages
// beyond Latin-1 the record, the log file and the message boxes carry the language's words.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>

#include "ChildProcess.h"
#include "LoopRig.h"
#include "support/TempDir.h"

namespace e2e {
namespace {

bool isReading(const std::string& line) {
    return std::regex_search(line, std::regex(R"(^\d\d:\d\d:\d\d Polling Adress \d\t)"));
}

std::vector<std::string> fileLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::string text = testsupport::TempDir::read(file);
    for (std::size_t from = 0, end; (end = text.find("\r\n", from)) != std::string::npos;
         from = end + 2)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

TEST(LoopscribeEndToEnd, LogsTheLoopUntilSigtermAndEndsTheDriverOnItsWayOut) {
    LoopRig rig;
    testsupport::TempDir dir;
    std::filesystem::create_directories(dir / "settings");
    std::filesystem::create_directories(dir / "profile");
    const std::filesystem::path logFile = dir / "monitor.log";
    // Without the key the logger's language is Czech.
    dir.write("settings/ZODUVIR.INI", "[ZodUvir]\nLanguage=English\n");
    dir.write("settings/Loopscribe.ini",
              "[Dump_Parameter]\nMonitor_Polling_Address=3\nInterval=2\nWrite_To_File=1\n"
              "Monitor_Filename=" +
                  logFile.string() + "\n");

    ChildProcess logger(
        LOOPSCRIBE_PROGRAM, {"--settings-dir", (dir / "settings").string(), "START"},
        dir / "loopscribe.log", true, {"USERPROFILE=" + (dir / "profile").string()});
    std::vector<std::string> printed;
    int readings = 0;
    while (readings < 3) {
        const std::optional<std::string> line = logger.readLine(60s);
        ASSERT_TRUE(line) << "printed so far: " << printed.size() << " lines\n"
                          << logger.log() << rig.logs();
        printed.push_back(*line);
        readings += isReading(*line);
    }
    const ExitStatus end = logger.stop();
    EXPECT_TRUE(end.cleanExit()) << end.describe() << logger.log();

    const std::vector<std::string> logged = fileLines(logFile);
    ASSERT_GE(logged.size(), printed.size() + 5);
    EXPECT_EQ(std::vector<std::string>(logged.begin(), logged.begin() + printed.size()), printed)
        << "standard output carries the record as the log file does";
    const std::string separator(50, '=');
    EXPECT_EQ(logged[0], separator);
    EXPECT_TRUE(logged[1].starts_with("Monitor started at  ")) << logged[1];
    int identified = 0;
    for (const std::string& line : logged) {
        identified += line.starts_with("Distributor: ");
        if (!isReading(line)) continue;
        // Units by name ("kPa", "degC"), not by code.
        EXPECT_TRUE(std::regex_search(line, std::regex(R"(\tPV:\t[-0-9.]+\t[A-Za-z%])"))) << line;
    }
    EXPECT_EQ(identified, 3);
    // The stop lines: separator, "Monitor stoped at ...", separator, two empty lines.
    const auto tail = logged.end() - 5;
    EXPECT_EQ(tail[0], separator);
    EXPECT_TRUE(tail[1].starts_with("Monitor stoped at  ")) << tail[1];
    EXPECT_EQ(tail[2], separator);
    EXPECT_EQ(tail[3], "");
    EXPECT_EQ(tail[4], "");

    const std::string settings = testsupport::TempDir::read(dir / "settings/Loopscribe.ini");
    EXPECT_NE(settings.find("Max_Point_1=20"), std::string::npos) << settings;
    EXPECT_NE(settings.find("DriverAutoOff=1"), std::string::npos) << settings;

    const std::optional<ExitStatus> driverEnd = rig.waitForDriverEnd(20s);
    ASSERT_TRUE(driverEnd) << "the driver is still running";
    EXPECT_TRUE(driverEnd->cleanExit()) << driverEnd->describe() << rig.logs();
}

TEST(LoopscribeEndToEnd, RecordLogFileAndMessagesInTheLanguageOfTheSettings) {
    struct Case {
        const char* language;
        const char* distributor;   // the identification's first word
        const char* readingStart;  // the polling address and the loop current's label
        const char* cannotCreate;  // the message box when the log file's folder cannot be made
    };
    const Case cases[] = {
        {"Czech", "Výrobce: ", " Polling adresa 1\tProud:\t",
         "Nelze vytvořit adresář! Monitorování bylo přerušeno!"},
        {"Polish", "Producent: ", " Adres odpytywania 1\tPrąd:\t",
         "Nie można utworzyć katalogu! Monitorowanie zostało przerwane!"},
        {"Slovak", "Výrobca: ", " Polling adresa 1\tPrúd:\t",
         "Nie je možné vytvoriť adresár! Monitorovanie bolo prerušené!"},
        {"Russian", "Производитель: ", " Адрес опроса 1\tТок:\t",
         "Невозможно создать папку! Мониторинг прерван!"},
    };
    LoopRig rig;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        testsupport::TempDir dir;
        std::filesystem::create_directories(dir / "settings");
        std::filesystem::create_directories(dir / "profile");
        dir.write("settings/ZODUVIR.INI", std::string("[ZodUvir]\nLanguage=") + c.language + "\n");
        const std::filesystem::path logFile = dir / "monitor.log";
        const auto run = [&](const std::filesystem::path& file) {
            dir.write("settings/Loopscribe.ini",
                      "[Dump_Parameter]\nMonitor_Polling_Address=1\nInterval=2\nWrite_To_File=1\n"
                      "Monitor_Filename=" +
                          file.string() + "\n[Options]\nDriverAutoOff=0\n");
            return std::make_unique<ChildProcess>(
                LOOPSCRIBE_PROGRAM,
                std::vector<std::string>{"--settings-dir", (dir / "settings").string(), "START"},
                dir / "loopscribe.log", true,
                std::vector<std::string>{"USERPROFILE=" + (dir / "profile").string()});
        };

        // The record on standard output and in the log file, in UTF-8.
        auto logger = run(logFile);
        std::vector<std::string> printed;
        while (printed.empty() || printed.back().find(c.readingStart) == std::string::npos) {
            const std::optional<std::string> line = logger->readLine(30s);
            ASSERT_TRUE(line) << logger->log() << rig.logs();
            printed.push_back(*line);
        }
        EXPECT_TRUE(logger->stop().cleanExit()) << logger->log();
        const auto identification = std::find_if(
            printed.begin(), printed.end(), [&](auto& l) { return l.starts_with(c.distributor); });
        EXPECT_NE(identification, printed.end());
        const std::vector<std::string> logged = fileLines(logFile);
        ASSERT_GE(logged.size(), printed.size());
        EXPECT_EQ(std::vector<std::string>(logged.begin(), logged.begin() + printed.size()),
                  printed);

        // A message box (without a display, on the standard error stream).
        dir.write("file", "");
        auto refused = run(dir / "file" / "sub" / "monitor.log");
        ASSERT_TRUE(refused->waitForExit(30s)) << refused->log();
        EXPECT_NE(refused->log().find(c.cannotCreate), std::string::npos) << refused->log();
    }
}

}  // namespace
}  // namespace e2e
