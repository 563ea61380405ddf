#include "tools/halvane-cmd/CommandReference.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

namespace halvanecmd {
namespace {

// docs/commands.md is made from the command table; this keeps the two equal.
TEST(CommandReference, TheDocumentIsTheCommandTable) {
    const std::string expected = commandReference();
    const std::string document = testsupport::TempDir::read(HALVANE_COMMAND_REFERENCE);
    if (document != expected) {
        const std::string fresh = HALVANE_COMMAND_REFERENCE_NEW;
        std::ofstream(fresh, std::ios::binary | std::ios::trunc) << expected;
        FAIL() << HALVANE_COMMAND_REFERENCE << " is not what the command table gives. If the "
               << "table is right, take the new text: cp " << fresh << " "
               << HALVANE_COMMAND_REFERENCE;
    }
}

TEST(CommandReference, ListsEveryCommandWithAnExampleThatRuns) {
    const std::string list = commandList();
    for (const hart::CommandEntry& e : hart::CatalogueCommands()) {
        const std::string number = std::to_string(e.number);
        EXPECT_NE(
            list.find(std::string(3 - number.size(), ' ') + number + "  " + std::string(e.name)),
            std::string::npos)
            << number;
    }
    EXPECT_NE(list.find("halvane-cmd 35 0 kPa 100 0"), std::string::npos);
    // Arguments with blanks or shell characters are quoted.
    EXPECT_NE(list.find("halvane-cmd 255 0 \"R128B|B\" 7"), std::string::npos);
    EXPECT_NE(list.find("128–134, 136, 137, 139"), std::string::npos);
}

TEST(CommandReference, ListsTheUnitsTheTableNames) {
    testsupport::TempDir dir;
    const hart::CodeTables tables(dir.write("t.ddf", "[Units]\n7=bar\n12=kPa\n220=\n250=NaN\n"));
    EXPECT_EQ(unitList(tables), "  7  bar\n 12  kPa\n250  NaN\n");
}

}  // namespace
}  // namespace halvanecmd
