#include "sim/Units.h"

#include <array>
#include <charconv>

namespace sim {

namespace {

// Scale to the quantity's reference unit (kPa, degC by affine offset, mA, V, %).
struct UnitInfo {
    std::uint8_t code;
    std::string_view symbol;
    Quantity quantity;
    double scale;  // reference = value * scale + offset
    double offset;
};

constexpr std::array kUnits{
    UnitInfo{1, "inH2O", Quantity::Pressure, 0.2486418, 0},
    UnitInfo{2, "inHg", Quantity::Pressure, 3.38638, 0},
    UnitInfo{3, "ftH2O", Quantity::Pressure, 2.983701, 0},
    UnitInfo{4, "mmH2O", Quantity::Pressure, 0.00978638, 0},
    UnitInfo{5, "mmHg", Quantity::Pressure, 0.133322, 0},
    UnitInfo{6, "psi", Quantity::Pressure, 6.894757, 0},
    UnitInfo{7, "bar", Quantity::Pressure, 100, 0},
    UnitInfo{8, "mbar", Quantity::Pressure, 0.1, 0},
    UnitInfo{9, "g/cm2", Quantity::Pressure, 0.0980665, 0},
    UnitInfo{10, "kg/cm2", Quantity::Pressure, 98.0665, 0},
    UnitInfo{11, "Pa", Quantity::Pressure, 0.001, 0},
    UnitInfo{12, "kPa", Quantity::Pressure, 1, 0},
    UnitInfo{13, "torr", Quantity::Pressure, 0.133322, 0},
    UnitInfo{14, "atm", Quantity::Pressure, 101.325, 0},
    UnitInfo{237, "MPa", Quantity::Pressure, 1000, 0},
    UnitInfo{32, "degC", Quantity::Temperature, 1, 0},
    UnitInfo{33, "degF", Quantity::Temperature, 5.0 / 9.0, -32.0 * 5.0 / 9.0},
    UnitInfo{34, "degR", Quantity::Temperature, 5.0 / 9.0, -273.15},
    UnitInfo{35, "K", Quantity::Temperature, 1, -273.15},
    UnitInfo{39, "mA", Quantity::Current, 1, 0},
    UnitInfo{36, "mV", Quantity::Voltage, 0.001, 0},
    UnitInfo{58, "V", Quantity::Voltage, 1, 0},
    UnitInfo{57, "%", Quantity::Percent, 1, 0},
};

const UnitInfo* find(std::uint8_t code) {
    for (const UnitInfo& info : kUnits)
        if (info.code == code) return &info;
    return nullptr;
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

Quantity quantityOf(std::uint8_t unitCode) {
    const UnitInfo* info = find(unitCode);
    return info ? info->quantity : Quantity::Other;
}

bool knownUnit(std::uint8_t unitCode) {
    return find(unitCode) != nullptr;
}

std::optional<double> convertUnit(double value, std::uint8_t from, std::uint8_t to) {
    if (from == to) return value;
    const UnitInfo* a = find(from);
    const UnitInfo* b = find(to);
    if (!a || !b || a->quantity != b->quantity) return std::nullopt;
    const double reference = value * a->scale + a->offset;
    return (reference - b->offset) / b->scale;
}

std::optional<std::uint8_t> unitCodeOf(std::string_view text) {
    unsigned code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (error == std::errc() && end == text.data() + text.size() && code <= 255)
        return static_cast<std::uint8_t>(code);
    for (const UnitInfo& info : kUnits)
        if (sameText(info.symbol, text)) return info.code;
    return std::nullopt;
}

std::string_view unitSymbol(std::uint8_t unitCode) {
    const UnitInfo* info = find(unitCode);
    return info ? info->symbol : std::string_view();
}

}  // namespace sim
