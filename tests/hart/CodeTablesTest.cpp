#include "hart/CodeTables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

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

// The MBTABLE and WCTABLE rows of the published best-fit table kept in data/.
struct BestFitTable {
    std::map<unsigned, unsigned> toUnicode;  // byte -> character
    std::map<unsigned, unsigned> fromUnicode;
    unsigned defaultByte = 0;
};

BestFitTable readBestFitTable(const char* path) {
    BestFitTable table;
    std::ifstream in(path);
    std::string line;
    std::map<unsigned, unsigned>* rows = nullptr;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find(';'));
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first)) continue;
        if (first == "MBTABLE") {
            rows = &table.toUnicode;
        } else if (first == "WCTABLE") {
            rows = &table.fromUnicode;
        } else if (first == "CPINFO") {
            std::string size, byte;
            fields >> size >> byte;
            table.defaultByte = static_cast<unsigned>(std::stoul(byte, nullptr, 16));
        } else if (rows && first.starts_with("0x")) {
            std::string second;
            fields >> second;
            (*rows)[static_cast<unsigned>(std::stoul(first, nullptr, 16))] =
                static_cast<unsigned>(std::stoul(second, nullptr, 16));
        }
    }
    return table;
}

TEST(CodeTables, WriteProtectTextsTakeCodePage1250sPublishedBestFit) {
    // Windows-1252 bytes 0x80..0x9F as characters; 0xA0..0xFF are Latin-1, and the five bytes
    // code page 1252 leaves undefined stand for the C1 controls of the same value.
    const unsigned high1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    auto from1252 = [&](unsigned b) { return b >= 0x80 && b < 0xA0 ? high1252[b - 0x80] : b; };
    std::map<unsigned, unsigned> to1252;
    for (unsigned b = 0; b < 256; ++b)
        to1252[from1252(b)] = b;

    const BestFitTable cp1250 = readBestFitTable(HALVANE_BEST_FIT_1250_FILE);
    ASSERT_EQ(cp1250.toUnicode.size(), 128u);
    ASSERT_EQ(cp1250.defaultByte, 0x3Fu);
    int changed = 0;
    for (unsigned b = 1; b < 256; ++b) {
        const unsigned character = from1252(b);
        unsigned byte = character;
        if (character >= 0x80) {
            auto fit = cp1250.fromUnicode.find(character);
            byte = fit == cp1250.fromUnicode.end() ? cp1250.defaultByte : fit->second;
        }
        const unsigned back = byte >= 0x80 ? cp1250.toUnicode.at(byte) : byte;
        ASSERT_TRUE(to1252.count(back)) << std::hex << b;
        const std::string expected(1, static_cast<char>(to1252[back]));
        EXPECT_EQ(RoundTripCodePage1250(std::string(1, static_cast<char>(b))), expected)
            << "byte 0x" << std::hex << b;
        changed += expected[0] != static_cast<char>(b);
    }
    EXPECT_EQ(changed, 56);

    // Through the lookup, with the default text of a missing code too.
    TempDir dir;
    CodeTables tables(dir.write("w.ddf", "[WriteProtectCode]\n1=Ja \xB9 \xC6\xF8\xBF\n"));
    EXPECT_EQ(tables.WriteProtectName(1), "Ja 1 Ao?");
    EXPECT_EQ(tables.WriteProtectName(7), "7");
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
