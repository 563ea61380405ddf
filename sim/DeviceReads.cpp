// Read commands: process values, texts, sensor and output information.

#include "sim/Device.h"

namespace sim {

namespace {

// Where the dynamic variables end: trailing "not used" assignments are left out of a reply.
std::size_t dynamicCount(const std::array<std::uint8_t, 4>& dynamic) {
    std::size_t count = 4;
    while (count > 1 && dynamic[count - 1] == kNotUsedVariable)
        --count;
    return count;
}

std::uint8_t classificationOf(std::uint8_t unitCode) {
    switch (quantityOf(unitCode)) {
        case Quantity::Temperature:
            return 64;
        case Quantity::Pressure:
            return 65;
        case Quantity::Current:
            return 84;
        default:
            return 0;
    }
}

// Commands 13 and 57: packed tag (6 bytes), packed descriptor (12) and a date (3).
Response tagDescriptorDate(const std::string& tag, const std::string& descriptor,
                           const std::array<std::uint8_t, 3>& date) {
    Response response;
    ByteWriter w(response.data);
    w.packed(tag, 6);
    w.packed(descriptor, 12);
    for (std::uint8_t b : date)
        w.u8(b);
    return response;
}

}  // namespace

void Device::appendVariable(Bytes& out, std::uint8_t code, std::int64_t nowMs) const {
    ByteWriter w(out);
    w.u8(code);
    if (!variableExists(code)) {
        w.u8(unit::kNotUsed);
        w.notANumber();
        return;
    }
    w.u8(m_settings.variables[code].unit);
    w.f32(static_cast<float>(variableValue(code, nowMs)));
}

void Device::appendDynamicVariables(Bytes& out, std::int64_t nowMs) const {
    ByteWriter w(out);
    for (std::size_t i = 0; i < dynamicCount(m_settings.dynamic); ++i) {
        const std::uint8_t code = m_settings.dynamic[i];
        if (!variableExists(code)) {
            w.u8(unit::kNotUsed);
            w.notANumber();
            continue;
        }
        w.u8(m_settings.variables[code].unit);
        w.f32(static_cast<float>(variableValue(code, nowMs)));
    }
}

Response Device::readPrimaryVariable(const Request& r) {
    Response response;
    ByteWriter w(response.data);
    w.u8(pv().unit);
    w.f32(static_cast<float>(variableValue(pvCode(), r.nowMs)));
    return response;
}

Response Device::readCurrentAndPercent(const Request& r) {
    Response response;
    ByteWriter w(response.data);
    w.f32(static_cast<float>(loopCurrent(r.nowMs)));
    w.f32(static_cast<float>(percentOfRange(r.nowMs)));
    return response;
}

Response Device::readDynamicVariables(const Request& r) {
    Response response;
    ByteWriter(response.data).f32(static_cast<float>(loopCurrent(r.nowMs)));
    appendDynamicVariables(response.data, r.nowMs);
    return response;
}

Response Device::readAllDynamicVariables(const Request& r) {
    Response response;
    appendDynamicVariables(response.data, r.nowMs);
    return response;
}

Response Device::readMessage(const Request&) {
    Response response;
    ByteWriter(response.data).packed(m_settings.message, 24);
    return response;
}

Response Device::readTagDescriptorDate(const Request&) {
    return tagDescriptorDate(m_settings.tag, m_settings.descriptor, m_settings.date);
}

Response Device::readUnitTag(const Request&) {
    return tagDescriptorDate(m_settings.unitTag, m_settings.unitDescriptor, m_settings.unitDate);
}

Response Device::readTransducerInfo(const Request&) {
    const VariableConfig& v = pv();
    Response response;
    ByteWriter w(response.data);
    w.u24(v.sensorSerial);
    w.u8(v.unit);
    w.f32(inReportedUnit(v, v.upperLimit));
    w.f32(inReportedUnit(v, v.lowerLimit));
    w.f32(inReportedUnit(v, v.minSpan) -
          inReportedUnit(v, 0));  // a span, so without the units' offset
    return response;
}

Response Device::readDeviceInfo(const Request&) {
    const VariableConfig& v = pv();
    Response response;
    ByteWriter w(response.data);
    w.u8(m_settings.alarm);
    w.u8(m_settings.transferFunction);
    w.u8(v.unit);  // range values are in the PV's unit
    w.f32(inReportedUnit(v, m_settings.upperRange));
    w.f32(inReportedUnit(v, m_settings.lowerRange));
    w.f32(static_cast<float>(v.dampingS));
    w.u8(m_settings.writeProtect ? 1 : 0);
    w.u8(static_cast<std::uint8_t>(m_settings.distributor));  // private-label distributor
    if (m_settings.revision >= 6) w.u8(0x01);  // analog channel flags: channel 0 is an output
    return response;
}

Response Device::readFinalAssembly(const Request&) {
    Response response;
    ByteWriter(response.data).u24(m_settings.finalAssembly);
    return response;
}

Response Device::readDeviceVariables(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const auto codes = r.data.first(std::min<std::size_t>(r.data.size(), 4));
    for (std::uint8_t code : codes)
        if (!variableExists(code) && code != kNotUsedVariable)
            return withCode(rc::kInvalidSelection);
    Response response;
    for (std::uint8_t code : codes)
        appendVariable(response.data, code, r.nowMs);
    return response;
}

Response Device::readAssignments(const Request&) {
    Response response;
    for (std::uint8_t code : m_settings.dynamic)
        response.data.push_back(code);
    return response;
}

Response Device::readVariableInfo(const Request& r) {
    if (r.data.empty()) return withCode(rc::kTooFewBytes);
    const std::uint8_t code = r.data[0];
    if (!variableExists(code)) return withCode(rc::kInvalidSelection);
    const VariableConfig& v = m_settings.variables[code];
    Response response;
    ByteWriter w(response.data);
    w.u8(code);
    w.u24(v.sensorSerial);
    w.u8(v.unit);
    w.f32(inReportedUnit(v, v.upperLimit));
    w.f32(inReportedUnit(v, v.lowerLimit));
    w.f32(static_cast<float>(v.dampingS));
    w.f32(inReportedUnit(v, v.minSpan) - inReportedUnit(v, 0));
    if (m_settings.revision >= 6) {
        w.u8(classificationOf(v.unit));
        w.u8(250);        // device family: not used
        w.u32(32 * 100);  // acquisition period in 1/32 ms: 100 ms
        w.u8(0);          // properties
    }
    return response;
}

}  // namespace sim
