// Commands of one device: write commands change its state and echo, error and warning codes,
// the status byte, and a process that moves with time.

#include <gtest/gtest.h>

#include <cmath>

#include "SimTestSupport.h"
#include "sim/Device.h"

using namespace sim;
using simtest::hex;
using simtest::hexOf;

namespace {

struct Exchange {
    int code;
    int status;
    std::string data;
};

Exchange run(Device& device, std::uint8_t command, std::string_view data = "",
             std::int64_t nowMs = 1000, Master master = Master::Primary) {
    const Bytes bytes = hex(data);
    const auto response = device.execute({command, bytes, master, nowMs, false});
    EXPECT_TRUE(response) << "command " << int(command) << " got no reply";
    if (!response) return {-1, -1, ""};
    return {response->code, response->status, hexOf(response->data)};
}

}  // namespace

TEST(DeviceCommandsTest, ReadsOfASteadyTransmitter) {
    Device device(simtest::steadyTransmitter(7));
    EXPECT_EQ(run(device, 1).data, "0C 42 C8 00 00");           // kPa, 100
    EXPECT_EQ(run(device, 2).data, "41 40 00 00 42 48 00 00");  // 12 mA, 50 %
    EXPECT_EQ(run(device, 110).data, "0C 42 C8 00 00 20 41 AC 00 00 20 41 E0 00 00 07 3F 99 99 9A");
    EXPECT_EQ(run(device, 14).data, "00 A7 B1 0C 43 C8 00 00 C2 C8 00 00 41 20 00 00");
    EXPECT_EQ(run(device, 15).data, "00 00 0C 43 48 00 00 00 00 00 00 3E CC CC CD 00 3A 01");
    EXPECT_EQ(run(device, 16).data, "00 00 01");
    EXPECT_EQ(run(device, 33, "03 00 FA").data,
              "03 07 3F 99 99 9A 00 0C 42 C8 00 00 FA FA 7F A0 00 00");
    EXPECT_EQ(run(device, 60, "00").data, "00 27 41 40 00 00 42 48 00 00");
    EXPECT_EQ(run(device, 61).data.substr(0, 29), "27 41 40 00 00 0C 42 C8 00 00");
    EXPECT_EQ(run(device, 62, "00 FA").data, "00 27 41 40 00 00 FA FA 7F A0 00 00");
    EXPECT_EQ(run(device, 70, "00").data, "00 27 41 A0 00 00 40 80 00 00 41 A4 00 00 40 73 33 33");
    EXPECT_EQ(run(device, 48).data.size(), 25u * 3 - 1);
}

TEST(DeviceCommandsTest, ShorterDynamicVariableListsGiveShorterReplies) {
    DeviceConfig config = simtest::steadyTransmitter(7);
    config.dynamic = {0, 1, kNotUsedVariable, kNotUsedVariable};
    Device device(config);
    EXPECT_EQ(run(device, 3).data, "41 40 00 00 0C 42 C8 00 00 20 41 AC 00 00");
    config.dynamic = {0, kNotUsedVariable, 2, kNotUsedVariable};  // a gap stays in place
    Device gap(config);
    EXPECT_EQ(run(gap, 3).data, "41 40 00 00 0C 42 C8 00 00 FA 7F A0 00 00 20 41 E0 00 00");
}

struct WriteCase {
    const char* name;
    int write;
    const char* data;
    const char* echo;  // nullptr: the request data
    int read;
    const char* readData;
    const char* readReply;
};

class WriteCommands : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteCommands, EchoAndChangeTheState) {
    const WriteCase& c = GetParam();
    Device device(simtest::steadyTransmitter(7));
    const Exchange written = run(device, static_cast<std::uint8_t>(c.write), c.data);
    EXPECT_EQ(written.code, 0);
    EXPECT_EQ(written.data, hexOf(hex(c.echo ? c.echo : c.data)));
    EXPECT_TRUE(written.status & status::kConfigChanged);
    EXPECT_EQ(run(device, static_cast<std::uint8_t>(c.read), c.readData).data, c.readReply);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteCommands,
    testing::Values(
        WriteCase{"Message", 17,
                  "38 55 E0 34 54 D3 04 71 60 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20",
                  nullptr, 12, "",
                  "38 55 E0 34 54 D3 04 71 60 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20"},
        WriteCase{"TagDescriptorDate", 18,
                  "19 4B 77 82 08 20 38 55 E0 10 54 C3 48 94 14 3D 28 20 18 0C 76", nullptr, 13, "",
                  "19 4B 77 82 08 20 38 55 E0 10 54 C3 48 94 14 3D 28 20 18 0C 76"},
        WriteCase{"FinalAssembly", 19, "00 01 02", nullptr, 16, "", "00 01 02"},
        WriteCase{"UnitTag", 58, "56 DC A0 82 08 20 08 F2 4C 15 28 08 3D 54 C5 82 08 20 01 02 7B",
                  nullptr, 57, "",
                  "56 DC A0 82 08 20 08 F2 4C 15 28 08 3D 54 C5 82 08 20 01 02 7B"},
        WriteCase{"Damping", 34, "40 00 00 00", nullptr, 15, "",
                  "00 00 0C 43 48 00 00 00 00 00 00 40 00 00 00 00 3A 01"},
        WriteCase{"PvUnitsConvert", 44, "07", nullptr, 1, "", "07 3F 80 00 00"},
        WriteCase{"SquareRoot", 47, "01", nullptr, 2, "", "41 75 04 F3 42 8D 6B DE"},
        WriteCase{"Range", 35, "0C 42 C8 00 00 00 00 00 00", nullptr, 2, "",
                  "41 A0 00 00 42 C8 00 00"},
        WriteCase{"RangeInOtherUnit", 35, "07 40 00 00 00 00 00 00 00", nullptr, 15, "",
                  "00 00 0C 43 48 00 00 00 00 00 00 3E CC CC CD 00 3A 01"},
        WriteCase{"Assignments", 51, "01 00 02 03", nullptr, 1, "", "20 41 AC 00 00"},
        WriteCase{"VariableUnits", 53, "01 21", nullptr, 33, "01", "01 21 42 8D 66 66"},
        WriteCase{
            "VariableDamping", 55, "01 41 20 00 00", nullptr, 54, "01",
            "01 00 00 00 20 42 AA 00 00 C2 20 00 00 41 20 00 00 3F 80 00 00 40 FA 00 00 0C 80 00"},
        WriteCase{"PollingAddressMultidrop", 6, "05", "05 00", 2, "", "40 80 00 00 42 48 00 00"},
        WriteCase{"ResponsePreambles", 59, "07", nullptr, 0, "",
                  "FE E0 A1 05 07 01 01 08 00 0A 0B 0C 07 04 00 01 00 60 41 00 3A 01"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CodeCase {
    const char* name;
    int command;
    const char* data;
    int code;
};

class ResponseCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(ResponseCodes, RefuseWithoutDataOrChange) {
    Device device(simtest::steadyTransmitter(7));
    const Exchange refused =
        run(device, static_cast<std::uint8_t>(GetParam().command), GetParam().data);
    EXPECT_EQ(refused.code, GetParam().code);
    EXPECT_EQ(refused.data, "");
    EXPECT_FALSE(refused.status & status::kConfigChanged);
    EXPECT_EQ(run(device, 15).data, "00 00 0C 43 48 00 00 00 00 00 00 3E CC CC CD 00 3A 01");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResponseCodes,
    testing::Values(
        CodeCase{"NotImplemented4", 4, "", 64}, CodeCase{"NotImplemented129", 129, "", 64},
        CodeCase{"NotImplemented255", 255, "01 02", 64},
        CodeCase{"TooFewMessageBytes", 17, "41 4B 71", 5}, CodeCase{"TooFewVariables", 33, "", 5},
        CodeCase{"TooFewRangeBytes", 35, "0C 42 C8", 5}, CodeCase{"NoSuchVariable", 33, "09", 2},
        CodeCase{"TemperatureUnitForPressure", 44, "20", 2},
        CodeCase{"UnknownTransferFunction", 47, "02", 2}, CodeCase{"NoSuchChannel", 60, "01", 2},
        CodeCase{"UnknownBurstMode", 109, "05", 2}, CodeCase{"NoBurstForCommand11", 108, "0B", 2},
        CodeCase{"PollingAddressTooHigh", 6, "40", 2},
        CodeCase{"NegativeDamping", 34, "BF 80 00 00", 4},
        CodeCase{"FixedCurrentTooHigh", 40, "41 C8 00 00", 3},
        CodeCase{"FixedCurrentTooLow", 40, "40 40 00 00", 4},
        CodeCase{"TooFewPreambles", 59, "03", 4}, CodeCase{"TooManyPreambles", 59, "15", 3},
        CodeCase{"UpperRangeAboveSensor", 35, "0C 43 FA 00 00 00 00 00 00", 11},
        CodeCase{"LowerRangeBelowSensor", 35, "0C 43 48 00 00 C3 48 00 00", 10},
        CodeCase{"BothRangeValuesOutside", 35, "0C 43 FA 00 00 C3 48 00 00", 13},
        CodeCase{"ZeroSpan", 35, "0C 42 C8 00 00 42 C8 00 00", 29},
        CodeCase{"RangeInTemperatureUnit", 35, "20 42 C8 00 00 00 00 00 00", 28},
        CodeCase{"TrimWithoutFixedCurrent", 45, "40 80 00 00", 9},
        CodeCase{"ZeroFarFromZero", 43, "", 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceCommandsTest, WarningsCarryTheValueActuallySet) {
    Device device(simtest::steadyTransmitter(7));
    const Exchange damping = run(device, 34, "42 C8 00 00");  // 100 s asked, 60 s possible
    EXPECT_EQ(damping.code, 8);
    EXPECT_EQ(damping.data, "42 70 00 00");
    const Exchange span = run(device, 35, "0C 41 20 00 00 40 A0 00 00");  // 5 kPa < minimum 10
    EXPECT_EQ(span.code, 14);
    EXPECT_EQ(span.data, "0C 41 20 00 00 40 A0 00 00");
    EXPECT_EQ(run(device, 15).data.substr(9, 23), "41 20 00 00 40 A0 00 00");
}

TEST(DeviceCommandsTest, WriteProtectionRefusesOnlyChanges) {
    DeviceConfig config = simtest::steadyTransmitter(7);
    config.writeProtect = true;
    Device device(config);
    EXPECT_EQ(run(device, 17, std::string(72, '0')).code, 7);
    EXPECT_EQ(run(device, 12).code, 0);
    EXPECT_EQ(run(device, 38).code, 0);
    EXPECT_EQ(run(device, 40, "41 00 00 00").code, 0);  // fixing the current is no change
}

TEST(DeviceCommandsTest, StatusMarksPerMaster) {
    Device device(simtest::steadyTransmitter(7));
    EXPECT_EQ(run(device, 1).status, status::kColdStart);
    EXPECT_EQ(run(device, 1).status, 0);
    EXPECT_EQ(run(device, 1, "", 1000, Master::Secondary).status, status::kColdStart);

    EXPECT_EQ(run(device, 19, "00 00 07").status, status::kConfigChanged);
    EXPECT_EQ(run(device, 38, "00 05").code, 9);  // names an older change
    const Exchange reset = run(device, 38, "00 01");
    EXPECT_EQ(reset.code, 0);
    EXPECT_EQ(reset.data, "00 01");
    EXPECT_EQ(run(device, 1).status, 0);
    EXPECT_EQ(run(device, 1, "", 1000, Master::Secondary).status, status::kConfigChanged);

    run(device, 42);  // device reset: a cold start for both masters
    EXPECT_EQ(run(device, 1).status, status::kColdStart);
}

TEST(DeviceCommandsTest, OutputFollowsHeldProcessAndFixedCurrent) {
    Device device(simtest::steadyTransmitter(7));
    run(device, 1);  // past the cold start
    // Hold the applied pressure at 500 kPa: above the sensor limit (PV out of limits) and at
    // 250 % of range, so the output saturates at 20.5 mA.
    EXPECT_EQ(run(device, kSimulationCommand, "01 43 FA 00 00").data, "01 43 FA 00 00");
    const Exchange saturated = run(device, 2);
    EXPECT_EQ(saturated.data, "41 A4 00 00 43 7A 00 00");
    EXPECT_EQ(saturated.status, status::kPvOutOfLimits | status::kCurrentSaturated);

    EXPECT_EQ(run(device, 40, "41 00 00 00").data, "41 00 00 00");  // fixed at 8 mA
    const Exchange fixed = run(device, 3);
    EXPECT_EQ(fixed.data.substr(0, 11), "41 00 00 00");
    EXPECT_EQ(fixed.status, status::kPvOutOfLimits | status::kCurrentFixed);
    EXPECT_EQ(run(device, 45, "41 00 CC CD").code, 0);  // 8.05 mA measured: trims
    EXPECT_EQ(run(device, 45, "41 20 00 00").code, 3);  // 10 mA is too far off
    EXPECT_EQ(run(device, 40, "00 00 00 00").code, 0);  // leaves fixed mode
    EXPECT_EQ(run(device, 2).data.substr(0, 11), "41 A4 00 00");

    // Hold near zero, zero the PV, and the PV reads 0 while the applied value stays.
    run(device, kSimulationCommand, "01 40 40 00 00");
    EXPECT_EQ(run(device, 43).code, 0);
    EXPECT_EQ(run(device, 1).data, "0C 00 00 00 00");
    EXPECT_EQ(run(device, kSimulationCommand).data, "01 40 40 00 00");
    run(device, kSimulationCommand, "00 00 00 00 00");  // follow the process again
    EXPECT_EQ(run(device, 1).data, "0C 42 C2 00 00");   // 100 kPa less the zero of 3
}

TEST(DeviceCommandsTest, MultidropFixesTheCurrentAtFourMilliamperes) {
    DeviceConfig config = simtest::steadyTransmitter(5);
    config.pollingAddress = 3;
    Device device(config);
    const Exchange current = run(device, 2);
    EXPECT_EQ(current.data, "40 80 00 00 42 48 00 00");
    EXPECT_TRUE(current.status & status::kCurrentFixed);
    EXPECT_EQ(run(device, 40, "41 00 00 00").code, 11);
    EXPECT_EQ(run(device, 6, "00").data, "00");  // HART 5 echoes one byte; back to 4-20 mA
    EXPECT_EQ(run(device, 2).data, "41 40 00 00 42 48 00 00");
}

TEST(DeviceCommandsTest, ProcessMovesSlowlyAndTheCurrentFollowsIt) {
    Device device(DeviceConfig::pressureTransmitter(7));
    auto pvAt = [&](std::int64_t ms) { return readF32(hex(run(device, 1, "", ms).data), 1); };
    auto currentAt = [&](std::int64_t ms) { return readF32(hex(run(device, 2, "", ms).data), 0); };
    const float atStart = pvAt(0);
    const float later = pvAt(75'000);  // a quarter of the 300 s period
    EXPECT_GT(std::fabs(later - atStart), 10.0f);
    EXPECT_LT(std::fabs(pvAt(1'000) - atStart), 1.0f);  // slowly
    for (std::int64_t ms : {0, 75'000, 150'000, 200'000})
        EXPECT_NEAR(currentAt(ms), 4 + 16 * pvAt(ms) / 200, 1e-3) << ms;
}
