// Identity and device management commands: 0, 11, 21, 6, 38, 39, 41, 42, 48, 59 and the
// device-specific simulation command.

#include "sim/Device.h"

namespace sim {

void Device::appendIdentity(Bytes& out) const {
    const DeviceConfig& c = m_settings;
    ByteWriter w(out);
    w.u8(254);
    if (c.revision >= 7) {
        w.u16(c.deviceType);  // expanded device type
    } else {
        w.u8(static_cast<std::uint8_t>(c.manufacturer));
        w.u8(static_cast<std::uint8_t>(c.deviceType));
    }
    w.u8(c.requestPreambles);
    w.u8(static_cast<std::uint8_t>(c.revision));
    w.u8(c.deviceRevision);
    w.u8(c.softwareRevision);
    w.u8(static_cast<std::uint8_t>((c.hardwareRevision & 0x1F) << 3 | (c.signalling & 0x07)));
    w.u8(c.flags);
    w.u24(c.deviceId);
    if (c.revision >= 6) {
        w.u8(c.responsePreambles);
        w.u8(static_cast<std::uint8_t>(c.variables.size()));
        w.u16(m_configCounter);
        w.u8(0);  // extended field device status
    }
    if (c.revision >= 7) {
        w.u16(c.manufacturer);
        w.u16(c.distributor);
        w.u8(c.profile);
    }
}

Response Device::readIdentity(const Request&) {
    Response response;
    appendIdentity(response.data);
    return response;
}

Response Device::writePollingAddress(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const std::uint8_t address = r.data[0];
    if (address > m_settings.maxPollingAddress()) return withCode(rc::kInvalidSelection);
    bool currentEnabled = address == 0;  // what a master that sends no mode byte expects
    if (m_settings.revision >= 6 && r.data.size() >= 2) {
        if (r.data[1] > 1) return withCode(rc::k12);  // invalid loop current mode
        currentEnabled = r.data[1] == 1;
    }
    m_settings.pollingAddress = address;
    m_loopCurrentEnabled = currentEnabled;
    if (multidrop()) m_fixedCurrent.reset();
    Response response;
    ByteWriter w(response.data);
    w.u8(address);
    if (m_settings.revision >= 6) w.u8(currentEnabled ? 1 : 0);
    return response;
}

Response Device::resetConfigChanged(const Request& r) {
    Response response;
    if (m_settings.revision >= 7) {
        // A master may name the change it has seen; a newer change keeps the mark.
        if (r.data.size() >= 2 && readU16(r.data, 0) != m_configCounter) return withCode(rc::k9);
        ByteWriter(response.data).u16(m_configCounter);
    }
    m_configChanged[r.master == Master::Primary ? 1 : 0] = false;
    return response;
}

Response Device::eepromControl(const Request& r) {
    // Writes are kept at once, so burning and restoring are acknowledged and change nothing.
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (r.data[0] > 1) return withCode(rc::kInvalidSelection);
    return {rc::kSuccess, 0, Bytes{r.data[0]}};
}

Response Device::selfTest(const Request&) {
    return {};
}

Response Device::deviceReset(const Request&) {
    m_resetPending = true;
    return {};
}

Response Device::additionalStatus(const Request& r) {
    Response response;
    ByteWriter w(response.data);
    for (int i = 0; i < 6; ++i)
        w.u8(0);  // device-specific status
    if (m_settings.revision < 6) return response;
    w.u8(0);                                 // extended device status
    w.u8(0);                                 // device operating mode
    w.u8(0);                                 // standardized status 0
    w.u8(0);                                 // standardized status 1
    w.u8(saturated(r.nowMs) ? 0x01 : 0x00);  // analog channel saturated
    w.u8(0);                                 // standardized status 2
    w.u8(0);                                 // standardized status 3
    w.u8(currentFixed() ? 0x01 : 0x00);      // analog channel fixed
    if (m_settings.revision >= 7)
        for (int i = 0; i < 11; ++i)
            w.u8(0);  // further device-specific status
    return response;
}

Response Device::writeResponsePreambles(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    if (r.data[0] < 5) return withCode(rc::kTooSmall);
    if (r.data[0] > 20) return withCode(rc::kTooLarge);
    m_settings.responsePreambles = r.data[0];
    return {rc::kSuccess, 0, Bytes{r.data[0]}};
}

// Reads or sets the applied process of the PV: mode 0 lets it follow the simulated process,
// mode 1 holds it at the value given (in the PV's unit). Request: nothing (read) or mode and
// value; reply: mode and the applied value.
Response Device::simulation(const Request& r) {
    VariableState& state = m_variables[pvCode()];
    const VariableConfig& v = pv();
    if (!r.data.empty()) {
        if (r.data.size() < 5) return withCode(rc::kTooFewBytes);
        if (r.data[0] > 1) return withCode(rc::kInvalidSelection);
        if (r.data[0] == 0) {
            state.heldValue.reset();
        } else {
            state.heldValue = convertUnit(readF32(r.data, 1), v.unit, v.baseUnit).value_or(0);
        }
    }
    Response response;
    ByteWriter w(response.data);
    w.u8(state.heldValue ? 1 : 0);
    const double applied = baseValue(pvCode(), r.nowMs) + state.zeroOffset;
    w.f32(static_cast<float>(convertUnit(applied, v.baseUnit, v.unit).value_or(0)));
    if (!r.data.empty()) response.data.assign(r.data.begin(), r.data.begin() + 5);
    return response;
}

}  // namespace sim
