// Analog channel commands (channel 0 is the loop current output) and burst mode settings.

#include <cmath>

#include "sim/Device.h"

namespace sim {

namespace {

constexpr std::uint8_t kLoopChannel = 0;
constexpr std::uint8_t kNotUsedChannel = 250;

}  // namespace

Response Device::readChannel(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    Response response;
    ByteWriter w(response.data);
    w.u8(kLoopChannel);
    w.u8(unit::kMilliAmpere);
    w.f32(static_cast<float>(loopCurrent(r.nowMs)));
    w.f32(static_cast<float>(percentOfRange(r.nowMs)));
    return response;
}

Response Device::readDynamicAndChannel(const Request& r) {
    Response response;
    ByteWriter w(response.data);
    w.u8(unit::kMilliAmpere);
    w.f32(static_cast<float>(loopCurrent(r.nowMs)));
    appendDynamicVariables(response.data, r.nowMs);
    return response;
}

Response Device::readChannels(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const auto codes = r.data.first(std::min<std::size_t>(r.data.size(), 4));
    for (std::uint8_t code : codes)
        if (code != kLoopChannel && code != kNotUsedChannel) return withCode(rc::kInvalidSelection);
    Response response;
    ByteWriter w(response.data);
    for (std::uint8_t code : codes) {
        w.u8(code);
        if (code == kLoopChannel) {
            w.u8(unit::kMilliAmpere);
            w.f32(static_cast<float>(loopCurrent(r.nowMs)));
        } else {
            w.u8(unit::kNotUsed);
            w.notANumber();
        }
    }
    return response;
}

Response Device::readChannelInfo(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    const VariableConfig& v = pv();
    Response response;
    ByteWriter w(response.data);
    w.u8(kLoopChannel);
    w.u8(m_settings.alarm);
    w.u8(m_settings.transferFunction);
    w.u8(v.unit);
    w.f32(inReportedUnit(v, m_settings.upperRange));
    w.f32(inReportedUnit(v, m_settings.lowerRange));
    w.f32(static_cast<float>(m_channelDampingS));
    w.u8(0x01);  // analog channel flags: an output
    return response;
}

Response Device::writeChannelDamping(const Request& r) {
    if (r.data.size() < 5) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    Response response = applyDamping(m_channelDampingS, readF32(r.data, 1));
    if (response.code == rc::kSuccess) return echo(rc::kSuccess, r.data, 5);
    if (response.code == rc::kSetToNearest) {
        ByteWriter w(response.data);
        w.u8(kLoopChannel);
        w.f32(static_cast<float>(m_channelDampingS));
    }
    return response;
}

Response Device::writeChannelRange(const Request& r) {
    if (r.data.size() < 10) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    const Response response = applyRange(r.data[1], readF32(r.data, 2), readF32(r.data, 6));
    return response.code == rc::kSuccess || response.code == rc::k14
               ? echo(response.code, r.data, 10)
               : response;
}

Response Device::fixedChannelMode(const Request& r) {
    if (r.data.size() < 6) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    if (r.data[1] != unit::kMilliAmpere) return withCode(rc::k12);  // invalid units code
    const Response response = applyFixedCurrent(readF32(r.data, 2));
    return response.code == rc::kSuccess ? echo(rc::kSuccess, r.data, 6) : response;
}

Response Device::trimChannel(const Request& r) {
    if (r.data.size() < 6) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    if (r.data[1] != unit::kMilliAmpere) return withCode(rc::k12);
    if (!m_fixedCurrent) return withCode(rc::k9);  // the channel must be fixed first
    const float measured = readF32(r.data, 2);
    if (std::isnan(measured) || measured < *m_fixedCurrent - 1) return withCode(rc::kTooSmall);
    if (measured > *m_fixedCurrent + 1) return withCode(rc::kTooLarge);
    return echo(rc::kSuccess, r.data, 6);
}

Response Device::writeChannelTransferFunction(const Request& r) {
    if (r.data.size() < 2) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    if (r.data[1] > 1) return withCode(rc::kInvalidSelection);
    m_settings.transferFunction = r.data[1];
    return echo(rc::kSuccess, r.data, 2);
}

Response Device::readChannelEndpoints(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (r.data[0] != kLoopChannel) return withCode(rc::kInvalidSelection);
    Response response;
    ByteWriter w(response.data);
    w.u8(kLoopChannel);
    w.u8(unit::kMilliAmpere);
    w.f32(20.0f);  // upper and lower endpoint: 100 % and 0 % of range
    w.f32(4.0f);
    w.f32(20.5f);  // upper and lower limit: where the output saturates
    w.f32(3.8f);
    return response;
}

Response Device::writeBurstVariables(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const std::size_t count = std::min<std::size_t>(r.data.size(), 4);
    for (std::size_t i = 0; i < count; ++i)
        if (!variableExists(r.data[i]) && r.data[i] != kNotUsedVariable)
            return withCode(rc::kInvalidSelection);
    m_settings.burst.variables = {kNotUsedVariable, kNotUsedVariable, kNotUsedVariable,
                                  kNotUsedVariable};
    for (std::size_t i = 0; i < count; ++i)
        m_settings.burst.variables[i] = r.data[i];
    return echo(rc::kSuccess, r.data, count);
}

Response Device::writeBurstCommand(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (!isBurstCommand(r.data[0])) return withCode(rc::kInvalidSelection);
    m_settings.burst.command = r.data[0];
    return echo(rc::kSuccess, r.data, 1);
}

// 0 ends burst mode; 1 (and for revision 7 the further modes 2..4) starts it.
Response Device::burstModeControl(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const std::uint8_t highest = m_settings.revision >= 7 ? 4 : 1;
    if (r.data[0] > highest) return withCode(rc::kInvalidSelection);
    m_settings.burst.enabled = r.data[0] != 0;
    return echo(rc::kSuccess, r.data, 1);
}

}  // namespace sim
