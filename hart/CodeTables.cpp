#include "hart/CodeTables.h"

#include <array>
#include <utility>

namespace hart {

namespace {

// Built-in texts of the section Messages, keys 1..26.
constexpr std::array<std::string_view, 27> kBuiltInMessages = {
    "",
    "Undefined Error!",
    "Invalid Selection!",
    "Passed Parameter too Large!",
    "Passed Parameter too Small!",
    "Too Few Bytes Received!",
    "Transmitter-Specific Command Error",
    "In Write Protect Mode",
    "Warning #8: Set to Nearest Possible Value!",
    "Error #9, See Help File!",
    "Error #10, See Help File!",
    "Error #11, See Help File!",
    "Error #12, See Help File!",
    "Error #13, See Help File!",
    "Error #14, See Help File!",
    "Error #15, See Help File!",
    "Access Restricted",
    "Invalid Range Units Code",
    "Command Not Supported",
    "Primary Variable Out of Limits!",
    "Variable (not Primary) Out of Limits!",
    "Analog Output Saturated!",
    "Output Current Fixed!",
    "Cold Start!",
    "Configuration Changed!",
    "Device Malfunction!",
    "Device is busy!",
};

// Device status bits in reporting order with their Messages keys; bit 0x10 has no text.
constexpr std::array<std::pair<std::uint8_t, int>, 7> kStatusBits = {
    {{0x80, 25}, {0x40, 24}, {0x20, 23}, {0x08, 22}, {0x04, 21}, {0x02, 20}, {0x01, 19}}};

// Windows-1252 characters that change on the way through code page 1250 and back: the best fit
// that the platform's published table for code page 1250 gives them, read back as Windows-1252
// (data/codepage-1250-best-fit.txt, from which the tests derive this table). Characters it has
// no fit for, and the bytes Windows-1252 leaves undefined, come back as '?'.
constexpr std::pair<std::uint8_t, std::uint8_t> kCodePage1250Changes[] = {
    {0x83, 0x66}, {0x88, 0x5E}, {0x8C, 0x4F}, {0x8D, 0x3F}, {0x8F, 0x3F}, {0x98, 0x7E},
    {0x9C, 0x6F}, {0x9D, 0x3F}, {0x9F, 0x59}, {0xA1, 0x21}, {0xA2, 0x63}, {0xA3, 0x4C},
    {0xA5, 0x59}, {0xAA, 0x61}, {0xAF, 0x97}, {0xB2, 0x32}, {0xB3, 0x33}, {0xB9, 0x31},
    {0xBA, 0x6F}, {0xBC, 0x31}, {0xBD, 0x31}, {0xBE, 0x33}, {0xBF, 0x3F}, {0xC0, 0x41},
    {0xC3, 0x41}, {0xC5, 0x41}, {0xC6, 0x41}, {0xC8, 0x45}, {0xCA, 0x45}, {0xCC, 0x49},
    {0xCF, 0x49}, {0xD0, 0x3F}, {0xD1, 0x4E}, {0xD2, 0x4F}, {0xD5, 0x4F}, {0xD8, 0x4F},
    {0xD9, 0x55}, {0xDB, 0x55}, {0xDE, 0x3F}, {0xE0, 0x61}, {0xE3, 0x61}, {0xE5, 0x61},
    {0xE6, 0x61}, {0xE8, 0x65}, {0xEA, 0x65}, {0xEC, 0x69}, {0xEF, 0x69}, {0xF0, 0x3F},
    {0xF1, 0x6E}, {0xF2, 0x6F}, {0xF5, 0x6F}, {0xF8, 0x6F}, {0xF9, 0x75}, {0xFB, 0x75},
    {0xFE, 0x3F}, {0xFF, 0x79},
};

std::string pairKey(std::uint8_t first, std::uint8_t second) {
    return std::to_string(first) + "," + std::to_string(second);
}

}  // namespace

std::string RoundTripCodePage1250(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        for (auto [from, to] : kCodePage1250Changes) {
            if (static_cast<std::uint8_t>(c) == from) {
                c = static_cast<char>(to);
                break;
            }
        }
    }
    return out;
}

CodeTables::CodeTables(std::filesystem::path tableFile) : m_file(std::move(tableFile)) {}

std::string CodeTables::lookup(std::string_view section, const std::string& key) const {
    auto value = m_file.document().value(section, key);
    return value ? std::string(*value) : m_unknownPrefix + key;
}

std::string CodeTables::message(int key) const {
    auto value = m_file.document().value("Messages", std::to_string(key));
    return std::string(value ? *value : kBuiltInMessages[static_cast<std::size_t>(key)]);
}

std::string CodeTables::DistributorName(std::uint8_t manufacturer, std::uint8_t deviceType,
                                        std::uint8_t hartRevision,
                                        std::optional<std::uint16_t> manufacturerCode) const {
    const std::string k1 = std::to_string(manufacturer);
    std::string name = lookup("Distributors", k1);
    if (name != m_unknownPrefix + k1 || hartRevision <= 6) return name;
    // From HART 7 on the first two identity bytes are an expanded device type, which the
    // ExpDevTypeMfr section maps to its manufacturer. No public table of expanded device types
    // exists, so the device's own manufacturer code usually names it.
    const std::string k2 = pairKey(manufacturer, deviceType);
    if (auto value = m_file.document().value("ExpDevTypeMfr", k2)) return std::string(*value);
    if (manufacturerCode) {
        if (auto value = m_file.document().value("Distributors", std::to_string(*manufacturerCode)))
            return std::string(*value);
    }
    return m_unknownPrefix + k2;
}

std::string CodeTables::InstrumentName(std::uint8_t manufacturer, std::uint8_t deviceType,
                                       std::uint8_t hartRevision) const {
    const std::string key = pairKey(manufacturer, deviceType);
    auto value = m_file.document().value("Instruments", key);
    if (value) return std::string(*value);
    return m_unknownPrefix + (hartRevision >= 7 ? key : std::to_string(deviceType));
}

std::string CodeTables::UnitName(std::uint8_t code) const {
    return lookup("Units", std::to_string(code));
}

std::string CodeTables::AlarmSelectionName(std::uint8_t code) const {
    return lookup("AlarmSelectionCode", std::to_string(code));
}

std::string CodeTables::TransferFunctionName(std::uint8_t code) const {
    return lookup("TransferFunction", std::to_string(code));
}

std::string CodeTables::WriteProtectName(std::uint8_t code) const {
    return RoundTripCodePage1250(lookup("WriteProtectCode", std::to_string(code)));
}

ResponseText CodeTables::ResponseCodeText(std::uint8_t code) const {
    if (code == 0) return {"", true};
    if (code <= 16) return {message(code), true};
    if (code == 28) return {message(17), true};
    if (code == 64) return {message(18), true};
    if (code == 32) return {message(26), false};
    return {message(1), false};
}

std::string CodeTables::DeviceStatusText(std::uint8_t status) const {
    std::string text;
    for (auto [bit, key] : kStatusBits) {
        if (status & bit) text += message(key) + " ";
    }
    return text;
}

}  // namespace hart
