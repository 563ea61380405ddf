#pragma once

// Everything that describes one simulated field device: identity, process variables, range and
// output settings, burst mode and the faults it shows. The device keeps its own copy and changes
// it as write commands arrive.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/Units.h"

namespace sim {

// A measured quantity of the device (a device variable). Its value follows a slow sine around
// `centre` and is reported in `unit`; `centre`, `amplitude` and the limits are in `baseUnit`.
struct VariableConfig {
    std::uint8_t baseUnit = unit::kKPa;
    std::uint8_t unit =
        unit::kKPa;  // the unit the variable is reported in (write commands change it)
    double centre = 0;
    double amplitude = 0;
    double periodS = 120;  // one full cycle of the sine
    double phaseDeg = 0;
    double lowerLimit = -100;  // sensor limits
    double upperLimit = 100;
    double minSpan = 1;
    double dampingS = 0;  // first-order filter time constant
    std::uint32_t sensorSerial = 0;
};

// A value given in the variable's base unit, as the variable reports it.
inline float inReportedUnit(const VariableConfig& v, double baseValue) {
    return static_cast<float>(convertUnit(baseValue, v.baseUnit, v.unit).value_or(0));
}

struct BurstSettings {
    bool enabled = false;
    std::uint8_t command = 3;  // the reply sent as the burst frame: 1, 2, 3, 33, 48 or 110
    std::array<std::uint8_t, 4> variables{0, 1, 2, 3};  // device variables of a command 33 burst
    int periodMs = 1000;
};

struct DeviceFaults {
    bool silent = false;    // the device does not answer at all
    int busyCount = 0;      // answer the next N requests with response code 32 (busy)
    int lateMs = 0;         // added to the turnaround of every reply
    int badCheckCount = 0;  // send the next N replies with a wrong check byte
};

inline constexpr std::uint8_t kNotUsedVariable = 250;

struct DeviceConfig {
    // Identity.
    int pollingAddress = 0;  // 0..63 (0..15 for revision 5)
    int revision = 7;        // HART universal command revision: 5, 6 or 7
    // Revision 7: 16-bit manufacturer and expanded device type. Revisions 5 and 6: 8-bit codes
    // (the high byte must be 0). The revision 7 default is a registered manufacturer code
    // (0x6041), so that a master shows a maker's name as it would for a real HART 7 device.
    std::uint16_t manufacturer = 0x6041;
    std::uint16_t deviceType = 0xE0A1;
    std::uint16_t distributor = 0x3A;
    std::uint32_t deviceId = 0x0A0B0C;  // 24 bits
    std::uint8_t deviceRevision = 1;
    std::uint8_t softwareRevision = 1;
    std::uint8_t hardwareRevision = 1;  // 5 bits
    std::uint8_t signalling = 0;        // 3 bits: physical signalling code
    std::uint8_t flags = 0;
    std::uint8_t profile = 1;            // revision 7: process automation device
    std::uint8_t requestPreambles = 5;   // what the device asks masters to send
    std::uint8_t responsePreambles = 5;  // what it sends itself

    // Texts (packed fields hold capitals only).
    std::string tag = "PT-101";
    std::string longTag = "PT-101 simulated pressure";
    std::string descriptor = "HARTSIM PT";
    std::string message = "SIMULATED PRESSURE TRANSMITTER";
    std::array<std::uint8_t, 3> date{1, 1, 124};  // day, month, year - 1900
    std::uint32_t finalAssembly = 1;
    std::string unitTag = "UNIT-1";  // commands 57 and 58
    std::string unitDescriptor = "FEED SECTION";
    std::array<std::uint8_t, 3> unitDate{1, 1, 124};

    // Process and output.
    std::vector<VariableConfig> variables;            // device variable code = index
    std::array<std::uint8_t, 4> dynamic{0, 1, 2, 3};  // PV, SV, TV, QV; 250 = not used
    double lowerRange = 0;                            // PV range, in the PV's base unit
    double upperRange = 200;
    std::uint8_t transferFunction = 0;  // 0 linear, 1 square root
    std::uint8_t alarm = 0;             // alarm selection code: 0 high, 1 low
    bool writeProtect = false;

    BurstSettings burst;
    DeviceFaults faults;

    // A pressure transmitter of the given revision: pressure (kPa), sensor temperature (degC),
    // electronics temperature (degC) and line pressure (bar), PV range 0..200 kPa.
    static DeviceConfig pressureTransmitter(int revision = 7);

    int maxPollingAddress() const { return revision >= 6 ? 63 : 15; }
};

// Commands whose reply a device can send as its burst frame.
bool isBurstCommand(std::uint8_t command);

// An empty text when the configuration can be used, else what is wrong with it.
std::string validate(const DeviceConfig& config);

}  // namespace sim
