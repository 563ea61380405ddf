// Write commands: texts, range, units, damping, transfer function, zero, fixed current and
// trims. A write that succeeds echoes the request data it was given.

#include <cmath>

#include "sim/Device.h"

namespace sim {

namespace {

constexpr double kMaxDampingS = 60;
constexpr double kMinFixedMa = 3.6;
constexpr double kMaxFixedMa = 21.0;

// Commands 18 and 58: packed tag (6 bytes), packed descriptor (12) and a date (3).
Response writeTagDescriptorDateFields(const Request& r, std::string& tag, std::string& descriptor,
                                      std::array<std::uint8_t, 3>& date) {
    if (r.data.size() < 21) return withCode(rc::kTooFewBytes);
    tag = unpackAscii(r.data.first(6));
    descriptor = unpackAscii(r.data.subspan(6, 12));
    date = {r.data[18], r.data[19], r.data[20]};
    return echo(rc::kSuccess, r.data, 21);
}

}  // namespace

Response Device::writeMessage(const Request& r) {
    if (r.data.size() < 24) return withCode(rc::kTooFewBytes);
    m_settings.message = unpackAscii(r.data.first(24));
    return echo(rc::kSuccess, r.data, 24);
}

Response Device::writeTagDescriptorDate(const Request& r) {
    return writeTagDescriptorDateFields(r, m_settings.tag, m_settings.descriptor, m_settings.date);
}

Response Device::writeUnitTag(const Request& r) {
    return writeTagDescriptorDateFields(r, m_settings.unitTag, m_settings.unitDescriptor,
                                        m_settings.unitDate);
}

Response Device::writeFinalAssembly(const Request& r) {
    if (r.data.size() < 3) return withCode(rc::kTooFewBytes);
    m_settings.finalAssembly = readU24(r.data, 0);
    return echo(rc::kSuccess, r.data, 3);
}

// Damping beyond what the device can do is limited, and the reply says so (warning 8) with the
// value actually set in place of the echo.
Response Device::applyDamping(double& target, float seconds) {
    if (std::isnan(seconds) || seconds < 0) return withCode(rc::kTooSmall);
    if (seconds > kMaxDampingS) {
        target = kMaxDampingS;
        return withCode(rc::kSetToNearest);
    }
    target = seconds;
    return {};
}

Response Device::writeDamping(const Request& r) {
    if (r.data.size() < 4) return withCode(rc::kTooFewBytes);
    VariableConfig& v = m_settings.variables[pvCode()];
    Response response = applyDamping(v.dampingS, readF32(r.data, 0));
    if (response.code == rc::kSuccess) return echo(rc::kSuccess, r.data, 4);
    if (response.code == rc::kSetToNearest)
        ByteWriter(response.data).f32(static_cast<float>(v.dampingS));
    return response;
}

Response Device::writeVariableDamping(const Request& r) {
    if (r.data.size() < 5) return withCode(rc::kTooFewBytes);
    if (!variableExists(r.data[0])) return withCode(rc::kInvalidSelection);
    VariableConfig& v = m_settings.variables[r.data[0]];
    Response response = applyDamping(v.dampingS, readF32(r.data, 1));
    if (response.code == rc::kSuccess) return echo(rc::kSuccess, r.data, 5);
    if (response.code == rc::kSetToNearest) {
        ByteWriter w(response.data);
        w.u8(r.data[0]);
        w.f32(static_cast<float>(v.dampingS));
    }
    return response;
}

// Sets the PV range from values in `unitCode`, which must measure the PV's quantity. The codes
// say which end lies outside the sensor limits (9/10 lower value too high/low, 11/12 upper
// value too high/low, 13 both); a span below the minimum is set with warning 14.
Response Device::applyRange(std::uint8_t unitCode, float upper, float lower) {
    const VariableConfig& v = pv();
    const auto upperBase = convertUnit(upper, unitCode, v.baseUnit);
    const auto lowerBase = convertUnit(lower, unitCode, v.baseUnit);
    if (!upperBase || !lowerBase) return withCode(rc::kInvalidUnits);
    if (std::isnan(*upperBase) || std::isnan(*lowerBase)) return withCode(rc::kInvalidSelection);
    const bool lowerOut = *lowerBase > v.upperLimit || *lowerBase < v.lowerLimit;
    const bool upperOut = *upperBase > v.upperLimit || *upperBase < v.lowerLimit;
    if (lowerOut && upperOut) return withCode(rc::k13);
    if (lowerOut) return withCode(*lowerBase > v.upperLimit ? rc::k9 : rc::k10);
    if (upperOut) return withCode(*upperBase > v.upperLimit ? rc::k11 : rc::k12);
    if (*upperBase == *lowerBase) return withCode(rc::kInvalidSpan);
    m_settings.upperRange = *upperBase;
    m_settings.lowerRange = *lowerBase;
    return withCode(std::fabs(*upperBase - *lowerBase) < v.minSpan ? rc::k14 : rc::kSuccess);
}

Response Device::writeRange(const Request& r) {
    if (r.data.size() < 9) return withCode(rc::kTooFewBytes);
    const Response response = applyRange(r.data[0], readF32(r.data, 1), readF32(r.data, 5));
    return response.code == rc::kSuccess || response.code == rc::k14
               ? echo(response.code, r.data, 9)
               : response;
}

// Commands 36 and 37 take the applied process as the new range end; 9 and 10 say it lies above
// or below the sensor limits.
Response Device::setUpperRange(const Request& r) {
    const VariableConfig& v = pv();
    const double value = baseValue(pvCode(), r.nowMs);
    if (value > v.upperLimit) return withCode(rc::k9);
    if (value < v.lowerLimit) return withCode(rc::k10);
    if (value == m_settings.lowerRange) return withCode(rc::kInvalidSpan);
    m_settings.upperRange = value;
    return withCode(std::fabs(value - m_settings.lowerRange) < v.minSpan ? rc::k14 : rc::kSuccess);
}

// Setting the lower value keeps the span; an upper value pushed past the sensor limit stops
// there, with warning 14.
Response Device::setLowerRange(const Request& r) {
    const VariableConfig& v = pv();
    const double value = baseValue(pvCode(), r.nowMs);
    if (value > v.upperLimit) return withCode(rc::k9);
    if (value < v.lowerLimit) return withCode(rc::k10);
    const double span = m_settings.upperRange - m_settings.lowerRange;
    double upper = value + span;
    std::uint8_t code = rc::kSuccess;
    if (upper > v.upperLimit || upper < v.lowerLimit) {
        upper = upper > v.upperLimit ? v.upperLimit : v.lowerLimit;
        code = rc::k14;
    }
    if (upper == value) return withCode(rc::kInvalidSpan);
    m_settings.lowerRange = value;
    m_settings.upperRange = upper;
    return withCode(code);
}

// A level of 0 (or not-a-number) leaves fixed current mode. A device in multidrop cannot fix
// its current (11).
Response Device::applyFixedCurrent(float level) {
    if (multidrop()) return withCode(rc::k11);
    if (level == 0 || std::isnan(level)) {
        m_fixedCurrent.reset();
        return {};
    }
    if (level < kMinFixedMa) return withCode(rc::kTooSmall);
    if (level > kMaxFixedMa) return withCode(rc::kTooLarge);
    m_fixedCurrent = level;
    return {};
}

Response Device::fixedCurrentMode(const Request& r) {
    if (r.data.size() < 4) return withCode(rc::kTooFewBytes);
    const Response response = applyFixedCurrent(readF32(r.data, 0));
    return response.code == rc::kSuccess ? echo(rc::kSuccess, r.data, 4) : response;
}

// Zeroing takes the present value as the new zero; a value more than a tenth of the sensor
// span away from zero is refused (9 too high, 10 too low).
Response Device::applyZero(std::size_t code, std::int64_t nowMs) {
    const VariableConfig& v = m_settings.variables[code];
    const double value = baseValue(code, nowMs);
    const double allowed = (v.upperLimit - v.lowerLimit) / 10;
    if (value > allowed) return withCode(rc::k9);
    if (value < -allowed) return withCode(rc::k10);
    m_variables[code].zeroOffset += value;
    return {};
}

Response Device::setPvZero(const Request& r) {
    return applyZero(pvCode(), r.nowMs);
}

Response Device::setVariableZero(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (!variableExists(r.data[0])) return withCode(rc::kInvalidSelection);
    const Response response = applyZero(r.data[0], r.nowMs);
    return response.code == rc::kSuccess ? echo(rc::kSuccess, r.data, 1) : response;
}

Response Device::writePvUnits(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    VariableConfig& v = m_settings.variables[pvCode()];
    if (!convertUnit(0, v.baseUnit, r.data[0])) return withCode(rc::kInvalidSelection);
    v.unit = r.data[0];
    return echo(rc::kSuccess, r.data, 1);
}

Response Device::writeVariableUnits(const Request& r) {
    if (r.data.size() < 2) return withCode(rc::kTooFewBytes);
    if (!variableExists(r.data[0])) return withCode(rc::kInvalidSelection);
    VariableConfig& v = m_settings.variables[r.data[0]];
    if (!convertUnit(0, v.baseUnit, r.data[1])) return withCode(rc::k12);  // invalid units code
    v.unit = r.data[1];
    return echo(rc::kSuccess, r.data, 2);
}

// Trimming needs the output fixed (9 otherwise) and a measured current within 1 mA of it.
Response Device::trimCurrent(const Request& r) {
    if (r.data.size() < 4) return withCode(rc::kTooFewBytes);
    if (!m_fixedCurrent) return withCode(rc::k9);
    const float measured = readF32(r.data, 0);
    if (std::isnan(measured) || measured < *m_fixedCurrent - 1) return withCode(rc::kTooSmall);
    if (measured > *m_fixedCurrent + 1) return withCode(rc::kTooLarge);
    return echo(rc::kSuccess, r.data, 4);
}

Response Device::writeTransferFunction(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (r.data[0] > 1) return withCode(rc::kInvalidSelection);
    m_settings.transferFunction = r.data[0];
    return echo(rc::kSuccess, r.data, 1);
}

// A new PV brings its own range: its sensor limits.
Response Device::writeAssignments(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const std::size_t count = std::min<std::size_t>(r.data.size(), 4);
    if (!variableExists(r.data[0])) return withCode(rc::kInvalidSelection);
    for (std::size_t i = 1; i < count; ++i)
        if (!variableExists(r.data[i]) && r.data[i] != kNotUsedVariable)
            return withCode(rc::kInvalidSelection);
    const std::uint8_t oldPv = m_settings.dynamic[0];
    for (std::size_t i = 0; i < count; ++i)
        m_settings.dynamic[i] = r.data[i];
    if (m_settings.dynamic[0] != oldPv) {
        m_settings.lowerRange = pv().lowerLimit;
        m_settings.upperRange = pv().upperLimit;
    }
    return echo(rc::kSuccess, r.data, count);
}

}  // namespace sim
