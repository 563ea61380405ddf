#include "hart/CodeTables.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace hart {
namespace {

using testsupport::TempDir;

TEST(CodeTables, EmptyTableGivesTheKeys) {
    TempDir dir;
    CodeTables tables(dir / "missing.ddf");
    EXPECT_EQ(tables.DistributorName(38, 6, 5), "38");
    EXPECT_EQ(tables.DistributorName(38, 6, 7), "38,6");
    EXPECT_EQ(tables.InstrumentName(38, 6, 5), "6");
    EXPECT_EQ(tables.InstrumentName(38, 6, 7), "38,6");
    EXPECT_EQ(tables.UnitName(32), "32");
    EXPECT_EQ(tables.WriteProtectName(251), "251");
    tables.setUnknownCodePrefix("?");
    EXPECT_EQ(tables.UnitName(250), "?250");
    EXPECT_EQ(tables.DistributorName(38, 6, 7), "?38,6");
}

TEST(CodeTables, LookupsAndExpandedDeviceTypes) {
    TempDir dir;
    CodeTables tables(
        dir.write("t.ddf",
                  "[Distributors]\n38=Maker A\n17=\n24641=Maker C\n"
                  "[ExpDevTypeMfr]\n38,6=never read\n224,99=Maker B\n17,1=also never\n"
                  "[Instruments]\n38,6=Model X\n"
                  "[Units]\n12=kPa\n"
                  "[TransferFunction]\n0=Linear\n"
                  "[AlarmSelectionCode]\n0=High\n"
                  "[WriteProtectCode]\n0=No\xE0\n"));
    EXPECT_EQ(tables.DistributorName(38, 6, 7), "Maker A");
    EXPECT_EQ(tables.DistributorName(224, 99, 7), "Maker B");
    EXPECT_EQ(tables.DistributorName(224, 99, 6), "224");
    EXPECT_EQ(tables.DistributorName(17, 1, 7), "");  // present but empty: not the default
    // HART 7: the device's own manufacturer code, when the expanded device type names nobody.
    EXPECT_EQ(tables.DistributorName(224, 1, 7, 24641), "Maker C");
    EXPECT_EQ(tables.DistributorName(224, 1, 7, 38), "Maker A");
    EXPECT_EQ(tables.DistributorName(224, 99, 7, 24641), "Maker B");
    EXPECT_EQ(tables.DistributorName(224, 1, 7, 9999), "224,1");
    EXPECT_EQ(tables.DistributorName(224, 1, 6, 24641), "224");
    EXPECT_EQ(tables.InstrumentName(38, 6, 5), "Model X");
    EXPECT_EQ(tables.UnitName(12), "kPa");
    EXPECT_EQ(tables.TransferFunctionName(0), "Linear");
    EXPECT_EQ(tables.AlarmSelectionName(0), "High");
    EXPECT_EQ(tables.WriteProtectName(0), "Noa");  // through code page 1250
}

TEST(CodeTables, ResponseCodes) {
    TempDir dir;
    CodeTables builtIn(dir / "none.ddf");
    const struct {
        std::uint8_t code;
        const char* text;
        bool accepted;
    } cases[] = {
        {0, "", true},
        {1, "Undefined Error!", true},
        {2, "Invalid Selection!", true},
        {8, "Warning #8: Set to Nearest Possible Value!", true},
        {16, "Access Restricted", true},
        {17, "Undefined Error!", false},
        {28, "Invalid Range Units Code", true},
        {32, "Device is busy!", false},
        {64, "Command Not Supported", true},
        {129, "Undefined Error!", false},
        {255, "Undefined Error!", false},
    };
    for (const auto& c : cases) {
        ResponseText r = builtIn.ResponseCodeText(c.code);
        EXPECT_EQ(r.text, c.text) << int(c.code);
        EXPECT_EQ(r.accepted, c.accepted) << int(c.code);
    }
    CodeTables file(dir.write("m.ddf", "[Messages]\n26=Zaneprazdneno\n1=Chyba\n"));
    EXPECT_EQ(file.ResponseCodeText(32).text, "Zaneprazdneno");
    EXPECT_FALSE(file.ResponseCodeText(32).accepted);
    EXPECT_EQ(file.ResponseCodeText(200).text, "Chyba");
}

TEST(CodeTables, DeviceStatusBitsInOrder) {
    TempDir dir;
    CodeTables tables(dir / "none.ddf");
    EXPECT_EQ(tables.DeviceStatusText(0), "");
    EXPECT_EQ(tables.DeviceStatusText(0x10), "");
    EXPECT_EQ(tables.DeviceStatusText(0x41),
              "Configuration Changed! Primary Variable Out of Limits! ");
    EXPECT_EQ(tables.DeviceStatusText(0xFF),
              "Device Malfunction! Configuration Changed! Cold Start! Output Current Fixed! "
              "Analog Output Saturated! Variable (not Primary) Out of Limits! "
              "Primary Variable Out of Limits! ");
}

TEST(CodeTables, EditsTakeEffectAtTheNextLookup) {
    TempDir dir;
    const auto path = dir.write("t.ddf", "[Units]\n12=kPa\n");
    CodeTables tables(path);
    EXPECT_EQ(tables.UnitName(12), "kPa");
    dir.write("t.ddf", "[Units]\n12=KPA\n");
    EXPECT_EQ(tables.UnitName(12), "KPA");
}

TEST(CodeTables, ShippedTableNamesCommonCodes) {
    CodeTables tables(HALVANE_TABLE_FILE);
    EXPECT_EQ(tables.UnitName(12), "kPa");
    EXPECT_EQ(tables.UnitName(32), "degC");
    EXPECT_EQ(tables.UnitName(39), "mA");
    EXPECT_EQ(tables.UnitName(57), "%");
    EXPECT_EQ(tables.TransferFunctionName(0), "Linear");
    EXPECT_EQ(tables.ResponseCodeText(32).text, "Device is busy!");
    // The common tables' generic codes, and codes they do not name, which show as numbers.
    EXPECT_EQ(tables.UnitName(250), "Not Used");
    EXPECT_EQ(tables.UnitName(251), "None");
    EXPECT_EQ(tables.UnitName(252), "Unknown");
    EXPECT_EQ(tables.UnitName(253), "Special");
    for (std::uint8_t unnamed : {220, 254, 255})
        EXPECT_EQ(tables.UnitName(unnamed), std::to_string(unnamed));
    EXPECT_EQ(tables.TransferFunctionName(10), "Equal Percentage 1:25");
    EXPECT_EQ(tables.TransferFunctionName(17), "Quick Open 1:50");
    EXPECT_EQ(tables.WriteProtectName(250), "Not Used");
}

TEST(CodeTables, NoShippedEntryIsEmpty) {
    // An empty name would give a blank reply line where a client expects a name or a number.
    platform::IniFile file(HALVANE_TABLE_FILE);
    const platform::IniDocument& table = file.document();
    ASSERT_FALSE(table.sections().empty());
    for (const std::string& section : table.sections()) {
        for (const std::string& key : table.keys(section)) {
            EXPECT_FALSE(table.value(section, key).value_or("").empty()) << section << " " << key;
        }
    }
}

}  // namespace
}  // namespace hart
