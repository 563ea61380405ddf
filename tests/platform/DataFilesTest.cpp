#include "platform/folders/DataFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace platform {
namespace {

using testsupport::TempDir;

// A program in DIR/bin, as installed, with its data folder DIR/share/halvane.
TEST(DataFiles, BesideTheProgramFirstThenTheInstalledDataFolder) {
    struct Case {
        std::vector<std::string> present;  // files under DIR
        std::string name;
        std::string found;  // under DIR; empty when none
    };
    const Case cases[] = {
        {{}, "TABEN.DDF", ""},
        {{"share/halvane/TABEN.DDF"}, "TABEN.DDF", "share/halvane/TABEN.DDF"},
        {{"bin/TABEN.DDF"}, "TABEN.DDF", "bin/TABEN.DDF"},
        {{"bin/TABEN.DDF", "share/halvane/TABEN.DDF"}, "TABEN.DDF", "bin/TABEN.DDF"},
        {{"share/halvane/Halvane.DEU"}, "Halvane.DEU", "share/halvane/Halvane.DEU"},
        {{"share/halvane/Halvane.DEU"}, "Halvane.DE", ""},
        {{"share/halvane/TABEN.DDF"}, "taben.ddf", ""},
        {{"share/TABEN.DDF", "TABEN.DDF"}, "TABEN.DDF", ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::filesystem::create_directories(dir / "bin");
        std::filesystem::create_directories(dir / "share/halvane");
        for (const std::string& file : c.present)
            dir.write(file, "x");
        const std::string where = c.name + " with " + std::to_string(c.present.size()) + " files";

        const auto found = findDataFile(dir / "bin", c.name);
        if (c.found.empty()) {
            EXPECT_FALSE(found) << where;
            EXPECT_EQ(dataFilePath(dir / "bin", c.name), dir / "bin" / c.name) << where;
        } else {
            EXPECT_EQ(found, dir / c.found) << where;
            EXPECT_EQ(dataFilePath(dir / "bin", c.name), dir / c.found) << where;
        }
    }
}

TEST(DataFiles, AFolderOfThatNameIsNoFile) {
    TempDir dir;
    std::filesystem::create_directories(dir / "bin/TABEN.DDF");
    std::filesystem::create_directories(dir / "share/halvane");
    dir.write("share/halvane/TABEN.DDF", "");
    EXPECT_EQ(findDataFile(dir / "bin", "TABEN.DDF"), dir / "share/halvane/TABEN.DDF");
}

TEST(DataFiles, TheProgramFolderIsThatOfTheRunningFile) {
    const std::filesystem::path folder = programFolder();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "platform_core_tests")) << folder;
    EXPECT_EQ(dataFolders(folder)[0], folder);
    EXPECT_EQ(dataFolders(folder)[1], folder.parent_path() / "share/halvane");
}

}  // namespace
}  // namespace platform
