#include "sim/DeviceConfig.h"

namespace sim {

DeviceConfig DeviceConfig::pressureTransmitter(int revision) {
    DeviceConfig config;
    config.revision = revision;
    if (revision < 7) {
        config.manufacturer = 0x3A;
        config.deviceType = 0xA1;
        config.distributor = 0x3A;
    }
    VariableConfig pressure;
    pressure.baseUnit = pressure.unit = unit::kKPa;
    pressure.centre = 100;
    pressure.amplitude = 20;
    pressure.periodS = 300;
    pressure.lowerLimit = -100;
    pressure.upperLimit = 400;
    pressure.minSpan = 10;
    pressure.dampingS = 0.4;
    pressure.sensorSerial = 0x00A7B1;

    VariableConfig sensorTemperature;
    sensorTemperature.baseUnit = sensorTemperature.unit = unit::kDegC;
    sensorTemperature.centre = 21.5;
    sensorTemperature.amplitude = 1.5;
    sensorTemperature.periodS = 900;
    sensorTemperature.phaseDeg = 90;
    sensorTemperature.lowerLimit = -40;
    sensorTemperature.upperLimit = 85;

    VariableConfig electronicsTemperature = sensorTemperature;
    electronicsTemperature.centre = 28;
    electronicsTemperature.amplitude = 0.5;
    electronicsTemperature.periodS = 1200;

    VariableConfig linePressure;
    linePressure.baseUnit = linePressure.unit = unit::kBar;
    linePressure.centre = 1.2;
    linePressure.amplitude = 0.05;
    linePressure.periodS = 600;
    linePressure.lowerLimit = 0;
    linePressure.upperLimit = 10;
    linePressure.minSpan = 0.1;

    config.variables = {pressure, sensorTemperature, electronicsTemperature, linePressure};
    return config;
}

namespace {

bool usableVariable(const DeviceConfig& config, std::uint8_t code, bool mayBeUnused) {
    return code < config.variables.size() || (mayBeUnused && code == kNotUsedVariable);
}

bool validDate(const std::array<std::uint8_t, 3>& date) {
    return date[0] >= 1 && date[0] <= 31 && date[1] >= 1 && date[1] <= 12;
}

}  // namespace

bool isBurstCommand(std::uint8_t command) {
    return command == 1 || command == 2 || command == 3 || command == 33 || command == 48 ||
           command == 110;
}

std::string validate(const DeviceConfig& c) {
    if (c.revision < 5 || c.revision > 7) return "HART revision must be 5, 6 or 7";
    if (c.pollingAddress < 0 || c.pollingAddress > c.maxPollingAddress())
        return "polling address must be 0.." + std::to_string(c.maxPollingAddress()) +
               " for HART revision " + std::to_string(c.revision);
    if (c.revision < 7 && (c.manufacturer > 0xFF || c.deviceType > 0xFF || c.distributor > 0xFF))
        return "manufacturer, device type and distributor are one byte before HART revision 7";
    if (c.deviceId > 0xFFFFFF) return "device id must fit in 24 bits";
    if (c.hardwareRevision > 31) return "hardware revision must be 0..31";
    if (c.signalling > 7) return "physical signalling code must be 0..7";
    if (c.requestPreambles < 2 || c.requestPreambles > 20 || c.responsePreambles < 2 ||
        c.responsePreambles > 20)
        return "preamble counts must be 2..20";
    if (c.tag.size() > 8) return "tag is longer than 8 characters";
    if (c.descriptor.size() > 16) return "descriptor is longer than 16 characters";
    if (c.message.size() > 32) return "message is longer than 32 characters";
    if (c.longTag.size() > 32) return "long tag is longer than 32 characters";
    if (c.unitTag.size() > 8) return "unit tag is longer than 8 characters";
    if (c.unitDescriptor.size() > 16) return "unit descriptor is longer than 16 characters";
    if (!validDate(c.date) || !validDate(c.unitDate))
        return "dates need a day 1..31 and month 1..12";
    if (c.finalAssembly > 0xFFFFFF) return "final assembly number must fit in 24 bits";
    if (c.variables.empty()) return "a device needs at least one device variable";
    if (c.variables.size() > 32) return "a device has at most 32 device variables";
    for (std::size_t i = 0; i < c.variables.size(); ++i) {
        const VariableConfig& v = c.variables[i];
        const std::string which = "device variable " + std::to_string(i) + ": ";
        if (!(v.lowerLimit < v.upperLimit)) return which + "lower limit must be below upper limit";
        if (!(v.periodS > 0)) return which + "period must be above 0 s";
        if (!(v.dampingS >= 0) || !(v.minSpan >= 0)) return which + "damping and span must be >= 0";
        if (v.sensorSerial > 0xFFFFFF) return which + "sensor serial number must fit in 24 bits";
        if (!convertUnit(0, v.baseUnit, v.unit)) return which + "unit does not match its base unit";
    }
    if (!usableVariable(c, c.dynamic[0], false)) return "the PV must be a device variable";
    for (std::size_t i = 1; i < 4; ++i)
        if (!usableVariable(c, c.dynamic[i], true))
            return "dynamic variables must be device variables or 250 (not used)";
    if (c.lowerRange == c.upperRange) return "PV range needs different lower and upper values";
    if (c.transferFunction > 1) return "transfer function must be 0 (linear) or 1 (square root)";
    if (!isBurstCommand(c.burst.command)) return "burst command must be 1, 2, 3, 33, 48 or 110";
    if (c.burst.periodMs < 1) return "burst period must be at least 1 ms";
    for (std::uint8_t code : c.burst.variables)
        if (!usableVariable(c, code, true))
            return "burst variables must be device variables or 250 (not used)";
    if (c.faults.busyCount < 0 || c.faults.lateMs < 0 || c.faults.badCheckCount < 0)
        return "fault counts and delays must not be negative";
    return {};
}

}  // namespace sim
