#pragma once

// The simulated loop of the end-to-end tests: three devices in multidrop, one of each HART
// revision the simulator models, and what the driver must report about each.

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

inline constexpr std::string_view kLoopConfig = R"(# three transmitters in multidrop
[device]
address = 1
revision = 5
manufacturer = 0x3A
device-type = 0xA2
device-id = 0x000102
tag = FT-201
variable = kPa centre=12 amplitude=3 period=120 lower=0 upper=25 span=1
variable = degC centre=40 amplitude=1 period=300
range = 0 25

[device]
address = 2
revision = 6
device-type = 0xA3
device-id = 0x000203
tag = TT-301
variable = bar centre=2.5 amplitude=0.5 period=90 lower=0 upper=10
variable = degC centre=21.5 amplitude=1.5 period=200
variable = degF centre=70 amplitude=2 period=400

[device]
address = 3
revision = 7
)";

struct Variable {
    std::string unit;  // as the driver names it
    double lowest;     // the band the simulated value stays in
    double highest;
};

struct SimulatedDevice {
    int address;
    // Lines 5 on of the command 0 reply: manufacturer, device type (as numbers where the table
    // file has no name), preambles, HART revision, device revision, software revision,
    // hardware revision with signalling, flags, device id.
    std::vector<std::string> identity;
    std::vector<Variable> variables;  // PV, SV, TV, QV as far as the device reports them
};

inline const std::vector<SimulatedDevice>& loopDevices() {
    // A HART 7 device is named by the manufacturer code of its identity (the table file knows
    // no expanded device types) and shows its expanded device type 0xE0A1 where older ones
    // show the device type; the hardware revision 1 shares its byte with the signalling code.
    static const std::vector<SimulatedDevice> devices{
        {1, {"58", "162", "5", "5", "1", "1", "8", "0", "258"}, {{"kPa", 9, 15}, {"degC", 39, 41}}},
        {2,
         {"58", "163", "5", "6", "1", "1", "8", "0", "515"},
         {{"bar", 2, 3}, {"degC", 20, 23}, {"degF", 68, 72}}},
        {3,
         {"Softing", "224,161", "5", "7", "1", "1", "8", "0", "658188"},
         {{"kPa", 80, 120}, {"degC", 20, 23}, {"degC", 27.5, 28.5}, {"bar", 1.15, 1.25}}},
    };
    return devices;
}

// Devices off address 0 are in multidrop: their loop current is fixed at 4 mA.
inline constexpr std::string_view kMultidropStatus = "Output Current Fixed! ";
inline constexpr std::string_view kFirstReplyStatus = "Cold Start! Output Current Fixed! ";
inline constexpr std::string_view kMultidropCurrent = "4";

// The driver's status text with the settings the rig writes.
inline const std::vector<std::string> kStatusLines{"COM1", "", "RQ-20", "Primary Master",
                                                   "6 digits"};

// An address where no device answers.
inline constexpr int kEmptyAddress = 9;

}  // namespace e2e
