// The configuration text and the command-line options that build a loop.

#include <gtest/gtest.h>

#include "sim/ConfigText.h"
#include "sim/program/Options.h"
#include "support/TempDir.h"

using namespace sim;

TEST(ConfigTextTest, BuildsALoopOfDevices) {
    const LoopConfig config = parseLoopConfig(R"(
# two devices and a noisy line
[loop]
turnaround = 35
bit-error-rate = 0.001   ; one bit in a thousand
seed = 0x2A
silent-address = 4 5
other-master = 2000
other-master-role = primary

[device]
address = 2
revision = 5
tag = ft-7
date = 24.12.2018
variable = bar centre=1.5 amplitude=0.2 period=60 lower=0 upper=16 span=0.5
variable = degC centre=20
range = 0 10
transfer-function = sqrt
burst = on
burst-command = 1
busy = 2

[device]
manufacturer = 0x0026
device-type = 0xE1F0
device-id = 0x123456
write-protect = yes
)");
    EXPECT_EQ(config.settings.turnaroundMs, 35);
    EXPECT_DOUBLE_EQ(config.settings.faults.bitErrorRate, 0.001);
    EXPECT_EQ(config.settings.faults.seed, 42u);
    EXPECT_EQ(config.settings.faults.silentAddresses, (std::vector<int>{4, 5}));
    EXPECT_EQ(config.settings.otherMaster.periodMs, 2000);
    EXPECT_EQ(config.settings.otherMaster.role, Master::Primary);
    ASSERT_EQ(config.devices.size(), 2u);

    const DeviceConfig& first = config.devices[0];
    EXPECT_EQ(first.pollingAddress, 2);
    EXPECT_EQ(first.revision, 5);
    EXPECT_EQ(first.deviceType, 0xA1);  // the one-byte default of revision 5
    EXPECT_EQ(first.tag, "ft-7");
    EXPECT_EQ(first.date, (std::array<std::uint8_t, 3>{24, 12, 118}));
    ASSERT_EQ(first.variables.size(), 2u);  // replaces the default variables
    EXPECT_EQ(first.variables[0].baseUnit, unit::kBar);
    EXPECT_DOUBLE_EQ(first.variables[0].upperLimit, 16);
    EXPECT_EQ(first.variables[1].unit, unit::kDegC);
    // The default lists follow the shorter list of device variables.
    EXPECT_EQ(first.dynamic, (std::array<std::uint8_t, 4>{0, 1, 250, 250}));
    EXPECT_EQ(first.burst.variables, (std::array<std::uint8_t, 4>{0, 1, 250, 250}));
    EXPECT_EQ(first.transferFunction, 1);
    EXPECT_TRUE(first.burst.enabled);
    EXPECT_EQ(first.faults.busyCount, 2);

    const DeviceConfig& second = config.devices[1];
    EXPECT_EQ(second.pollingAddress, 0);
    EXPECT_EQ(second.manufacturer, 0x26);
    EXPECT_EQ(second.deviceType, 0xE1F0);
    EXPECT_TRUE(second.writeProtect);
    EXPECT_EQ(second.variables.size(), 4u);
    EXPECT_NO_THROW(Loop{config});
}

TEST(ConfigTextTest, WithoutDeviceSectionsKeepsTheDefaultDevice) {
    const LoopConfig config = parseLoopConfig("[loop]\nturnaround = 10\n");
    ASSERT_EQ(config.devices.size(), 1u);
    EXPECT_EQ(config.devices[0].revision, 7);
    EXPECT_EQ(config.devices[0].pollingAddress, 0);
}

struct BadConfig {
    const char* text;
    const char* message;
};

class ConfigErrors : public testing::TestWithParam<BadConfig> {};

TEST_P(ConfigErrors, SayWhatAndWhere) {
    try {
        parseLoopConfig(GetParam().text);
        FAIL() << "accepted: " << GetParam().text;
    } catch (const ConfigError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigErrors,
    testing::Values(
        BadConfig{"turnaround = 5", "line 1: setting outside a [loop] or [device] section"},
        BadConfig{"[loop]\n[lop]", "line 2: unknown section [lop] (expected [loop] or [device])"},
        BadConfig{"[device]\naddres = 1", "line 2: unknown device setting 'addres'"},
        BadConfig{"[device]\n\naddress = 64", "line 3: address = 64: expected an integer 0..63"},
        BadConfig{"[device]\nrevision = 7x", "line 2: revision = 7x: expected an integer 5..7"},
        BadConfig{"[loop]\nbit-error-rate = 2", "line 2: bit-error-rate = 2: expected a rate 0..1"},
        BadConfig{"[device]\ndate = 31.13.2020",
                  "line 2: date = 31.13.2020: expected a date day.month.year, e.g. 24.12.2018 "
                  "(years 1900..2155)"},
        BadConfig{"[device]\nvariable = furlong",
                  "line 2: variable = furlong: expected a unit "
                  "code or name such as kPa, bar, psi, degC"},
        BadConfig{"[device]\ntag", "line 2: expected key = value"},
        BadConfig{"\n[device]\nrevision = 5\naddress = 20",
                  "device at line 2: polling address must be 0..15 for HART revision 5"},
        BadConfig{"[device]\ntag = TOO-LONG-TAG",
                  "device at line 1: tag is longer than 8 characters"},
        BadConfig{"[device]\nvariable = kPa lower=5 upper=1",
                  "device at line 1: device variable 0: lower limit must be below upper limit"},
        BadConfig{"[device]\ndynamic = 0 9",
                  "device at line 1: dynamic variables must be device "
                  "variables or 250 (not used)"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ConfigTextTest, ReadsAFileAndNamesItInErrors) {
    testsupport::TempDir dir;
    const auto good = dir.write("good.cfg", "[device]\naddress = 3\n");
    EXPECT_EQ(readLoopConfig(good.string()).devices.at(0).pollingAddress, 3);
    const auto bad = dir.write("bad.cfg", "[device]\nbusy = -1\n");
    EXPECT_THROW(
        {
            try {
                readLoopConfig(bad.string());
            } catch (const ConfigError& e) {
                EXPECT_EQ(std::string(e.what()),
                          bad.string() + ": line 2: busy = -1: expected an integer 0..1000000");
                throw;
            }
        },
        ConfigError);
    EXPECT_THROW(readLoopConfig((dir / "missing.cfg").string()), ConfigError);
}

TEST(OptionsTest, OptionsApplyAfterTheFileInOrder) {
    testsupport::TempDir dir;
    const auto file = dir.write("loop.cfg", "[loop]\nturnaround = 40\n[device]\nrevision = 6\n");
    const std::vector<std::string> args{"--config",   file.string(), "--turnaround=25",
                                        "--revision", "5",           "--address",
                                        "9",          "--busy",      "3",
                                        "--silent",   "9",           "--burst",
                                        "2",          "--set",       "loop.garbage=4",
                                        "--set",      "tag=FT-100",  "--link",
                                        "/tmp/hart0", "--trace"};
    const program::Options options = program::parseOptions(args);
    EXPECT_EQ(options.linkPath, "/tmp/hart0");
    EXPECT_TRUE(options.trace);
    const LoopConfig config = program::buildLoopConfig(options);
    EXPECT_EQ(config.settings.turnaroundMs, 25);
    EXPECT_EQ(config.settings.faults.garbageBytes, 4);
    EXPECT_EQ(config.settings.faults.silentAddresses, std::vector<int>{9});
    ASSERT_EQ(config.devices.size(), 1u);
    const DeviceConfig& device = config.devices[0];
    EXPECT_EQ(device.revision, 5);
    EXPECT_EQ(device.pollingAddress, 9);
    EXPECT_EQ(device.faults.busyCount, 3);
    EXPECT_TRUE(device.burst.enabled);
    EXPECT_EQ(device.burst.command, 2);
    EXPECT_EQ(device.tag, "FT-100");
}

TEST(OptionsTest, RefusesWhatCannotWork) {
    using program::UsageError;
    auto build = [](std::vector<std::string> args) {
        return program::buildLoopConfig(program::parseOptions(args));
    };
    EXPECT_THROW(build({"--frobnicate"}), UsageError);
    EXPECT_THROW(build({"--config"}), UsageError);
    EXPECT_THROW(build({"--rts"}), UsageError);  // a pseudo-terminal has no RTS
    EXPECT_THROW(build({"--busy", "many"}), UsageError);
    EXPECT_THROW(build({"--revision", "5", "--address", "20"}), UsageError);
    EXPECT_THROW(build({"--set", "colour=blue"}), UsageError);
    testsupport::TempDir dir;
    const auto two = dir.write("two.cfg", "[device]\n[device]\naddress = 1\ndevice-id = 5\n");
    EXPECT_THROW(build({"--config", two.string(), "--address", "3"}), UsageError);
    EXPECT_NO_THROW(build({"--config", two.string(), "--busy", "1"}));
}
