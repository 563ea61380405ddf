#include "sim/Device.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace sim {

namespace {

constexpr double kLowSaturationMa = 3.8;
constexpr double kHighSaturationMa = 20.5;

// Commands refused while the device is write-protected, and the ones whose success changes the
// configuration (and so sets the configuration-changed mark for both masters).
bool changesConfiguration(std::uint8_t command) {
    static constexpr std::uint8_t kCommands[] = {6,  17, 18, 19, 34, 35, 36,  37,  43,
                                                 44, 45, 46, 47, 51, 52, 53,  55,  58,
                                                 59, 64, 65, 67, 68, 69, 107, 108, 109};
    return std::find(std::begin(kCommands), std::end(kCommands), command) != std::end(kCommands);
}

std::size_t masterIndex(Master master) {
    return master == Master::Primary ? 1 : 0;
}

bool sameLongTag(std::span<const std::uint8_t> received, const std::string& tag) {
    Bytes own;
    ByteWriter(own).latin1(tag, 32);
    return latin1Text(received.first(32)) == latin1Text(own);
}

}  // namespace

Device::Device(DeviceConfig config) : m_settings(std::move(config)) {
    if (std::string problem = validate(m_settings); !problem.empty())
        throw std::invalid_argument(problem);
    m_variables.resize(m_settings.variables.size());
    m_loopCurrentEnabled = m_settings.pollingAddress == 0;
}

std::array<std::uint8_t, 5> Device::longAddress() const {
    const std::uint32_t id = m_settings.deviceId;
    const auto first =
        m_settings.revision >= 7 ? m_settings.deviceType >> 8 : m_settings.manufacturer;
    return {static_cast<std::uint8_t>(first & 0x3F),
            static_cast<std::uint8_t>(m_settings.deviceType), static_cast<std::uint8_t>(id >> 16),
            static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id)};
}

Addressing Device::addressing(const Frame& request) const {
    if (request.kind != FrameKind::Request) return Addressing::None;
    if (!request.longAddress)
        return request.command == 0 && (request.address[0] & 0x3F) == pollingAddress()
                   ? Addressing::Direct
                   : Addressing::None;
    const auto plain = request.plainAddress();
    if (plain == longAddress()) return Addressing::Direct;
    const bool broadcast = plain == std::array<std::uint8_t, 5>{};
    if (broadcast && (request.command == 11 || request.command == 21)) return Addressing::Broadcast;
    return Addressing::None;
}

// ---- process -------------------------------------------------------------------------------

double Device::baseValue(std::size_t code, std::int64_t nowMs) const {
    const VariableConfig& v = m_settings.variables[code];
    const VariableState& state = m_variables[code];
    double raw = v.centre;
    if (state.heldValue) {
        raw = *state.heldValue;
    } else if (v.amplitude != 0) {
        // The steady-state answer of a first-order filter (the damping) to the sine.
        const double omega = 2 * std::numbers::pi / v.periodS;
        const double wt = omega * v.dampingS;
        const double amplitude = v.amplitude / std::sqrt(1 + wt * wt);
        const double seconds = static_cast<double>(nowMs) / 1000.0;
        raw += amplitude *
               std::sin(omega * seconds + v.phaseDeg * std::numbers::pi / 180 - std::atan(wt));
    }
    return raw - state.zeroOffset;
}

double Device::variableValue(std::size_t code, std::int64_t nowMs) const {
    const VariableConfig& v = m_settings.variables[code];
    return convertUnit(baseValue(code, nowMs), v.baseUnit, v.unit).value_or(0);
}

double Device::percentOfRange(std::int64_t nowMs) const {
    const double pvValue = baseValue(pvCode(), nowMs);
    double percent =
        (pvValue - m_settings.lowerRange) / (m_settings.upperRange - m_settings.lowerRange) * 100;
    if (m_settings.transferFunction == 1)
        percent = percent <= 0 ? 0 : 100 * std::sqrt(percent / 100);
    return percent;
}

double Device::unclampedCurrent(std::int64_t nowMs) const {
    return 4 + 0.16 * percentOfRange(nowMs);
}

bool Device::saturated(std::int64_t nowMs) const {
    if (currentFixed()) return false;
    const double current = unclampedCurrent(nowMs);
    return current < kLowSaturationMa || current > kHighSaturationMa;
}

bool Device::multidrop() const {
    return m_settings.revision >= 6 ? !m_loopCurrentEnabled : m_settings.pollingAddress != 0;
}

bool Device::currentFixed() const {
    return m_fixedCurrent.has_value() || multidrop();
}

double Device::loopCurrent(std::int64_t nowMs) const {
    if (m_fixedCurrent) return *m_fixedCurrent;
    if (multidrop()) return 4.0;
    return std::clamp(unclampedCurrent(nowMs), kLowSaturationMa, kHighSaturationMa);
}

// ---- status and dispatch -------------------------------------------------------------------

std::uint8_t Device::takeStatus(Master master, std::int64_t nowMs) {
    const std::size_t m = masterIndex(master);
    std::uint8_t s = 0;
    if (m_configChanged[m]) s |= status::kConfigChanged;
    if (m_coldStart[m]) s |= status::kColdStart;
    m_coldStart[m] = false;
    if (currentFixed()) s |= status::kCurrentFixed;
    if (saturated(nowMs)) s |= status::kCurrentSaturated;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t code = m_settings.dynamic[i];
        if (!variableExists(code)) continue;
        const VariableConfig& v = m_settings.variables[code];
        const double value = baseValue(code, nowMs);
        if (value < v.lowerLimit || value > v.upperLimit)
            s |= i == 0 ? status::kPvOutOfLimits : status::kOtherOutOfLimits;
    }
    return s;
}

void Device::configChanged() {
    m_configChanged = {true, true};
    ++m_configCounter;
}

std::optional<Response> Device::execute(const Request& r) {
    const Handler handler = handlerFor(r.command, m_settings.revision);
    // The identity-by-tag commands are answered only by the device whose tag they carry.
    if (r.command == 11 || r.command == 21) {
        if (!handler) {
            if (r.broadcast) return std::nullopt;
        } else {
            const std::size_t need = r.command == 11 ? 6 : 32;
            if (r.data.size() < need) {
                if (r.broadcast) return std::nullopt;
                Response tooFew{rc::kTooFewBytes, takeStatus(r.master, r.nowMs), {}};
                return tooFew;
            }
            const bool match = r.command == 11
                                   ? unpackAscii(r.data.first(6)) == packableText(m_settings.tag, 8)
                                   : sameLongTag(r.data, m_settings.longTag);
            if (!match) return std::nullopt;
        }
    }

    Response response;
    if (m_settings.faults.busyCount > 0) {
        --m_settings.faults.busyCount;
        response.code = rc::kBusy;
    } else if (!handler) {
        response.code = rc::kNotImplemented;
    } else if (m_settings.writeProtect && changesConfiguration(r.command)) {
        response.code = rc::kWriteProtected;
    } else {
        response = (this->*handler)(r);
        const bool accepted = response.code == rc::kSuccess || rc::isWarning(response.code);
        if (accepted && changesConfiguration(r.command)) configChanged();
    }
    if (response.code != rc::kSuccess && !rc::isWarning(response.code)) response.data.clear();
    response.status = takeStatus(r.master, r.nowMs);
    if (m_resetPending) {
        // The reset takes effect once its reply has been sent.
        m_resetPending = false;
        m_coldStart = {true, true};
        m_fixedCurrent.reset();
    }
    return response;
}

Response Device::burstResponse(Master master, std::int64_t nowMs) {
    Request request;
    request.command = m_settings.burst.command;
    request.master = master;
    request.nowMs = nowMs;
    Response response;
    if (request.command == 33) {
        for (std::uint8_t code : m_settings.burst.variables)
            appendVariable(response.data, code, nowMs);
    } else {
        response = (this->*handlerFor(request.command, m_settings.revision))(request);
    }
    response.status = takeStatus(master, nowMs);
    return response;
}

Device::Handler Device::handlerFor(std::uint8_t command, int revision) {
    switch (command) {
        case 0:
            return &Device::readIdentity;
        case 1:
            return &Device::readPrimaryVariable;
        case 2:
            return &Device::readCurrentAndPercent;
        case 3:
            return &Device::readDynamicVariables;
        case 6:
            return &Device::writePollingAddress;
        case 11:
            return &Device::readIdentity;
        case 12:
            return &Device::readMessage;
        case 13:
            return &Device::readTagDescriptorDate;
        case 14:
            return &Device::readTransducerInfo;
        case 15:
            return &Device::readDeviceInfo;
        case 16:
            return &Device::readFinalAssembly;
        case 17:
            return &Device::writeMessage;
        case 18:
            return &Device::writeTagDescriptorDate;
        case 19:
            return &Device::writeFinalAssembly;
        case 21:
            return revision >= 6 ? &Device::readIdentity : nullptr;
        case 33:
            return &Device::readDeviceVariables;
        case 34:
            return &Device::writeDamping;
        case 35:
            return &Device::writeRange;
        case 36:
            return &Device::setUpperRange;
        case 37:
            return &Device::setLowerRange;
        case 38:
            return &Device::resetConfigChanged;
        case 39:
            return &Device::eepromControl;
        case 40:
            return &Device::fixedCurrentMode;
        case 41:
            return &Device::selfTest;
        case 42:
            return &Device::deviceReset;
        case 43:
            return &Device::setPvZero;
        case 44:
            return &Device::writePvUnits;
        case 45:
            return &Device::trimCurrent;
        case 46:
            return &Device::trimCurrent;
        case 47:
            return &Device::writeTransferFunction;
        case 48:
            return &Device::additionalStatus;
        case 50:
            return &Device::readAssignments;
        case 51:
            return &Device::writeAssignments;
        case 52:
            return &Device::setVariableZero;
        case 53:
            return &Device::writeVariableUnits;
        case 54:
            return &Device::readVariableInfo;
        case 55:
            return &Device::writeVariableDamping;
        case 57:
            return &Device::readUnitTag;
        case 58:
            return &Device::writeUnitTag;
        case 59:
            return &Device::writeResponsePreambles;
        case 60:
            return &Device::readChannel;
        case 61:
            return &Device::readDynamicAndChannel;
        case 62:
            return &Device::readChannels;
        case 63:
            return &Device::readChannelInfo;
        case 64:
            return &Device::writeChannelDamping;
        case 65:
            return &Device::writeChannelRange;
        case 66:
            return &Device::fixedChannelMode;
        case 67:
            return &Device::trimChannel;
        case 68:
            return &Device::trimChannel;
        case 69:
            return &Device::writeChannelTransferFunction;
        case 70:
            return &Device::readChannelEndpoints;
        case 107:
            return &Device::writeBurstVariables;
        case 108:
            return &Device::writeBurstCommand;
        case 109:
            return &Device::burstModeControl;
        case 110:
            return &Device::readAllDynamicVariables;
        case kSimulationCommand:
            return &Device::simulation;
        default:
            return nullptr;
    }
}

}  // namespace sim
