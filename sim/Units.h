#pragma once

// The engineering units the simulated devices know, by HART unit code, with the conversions
// between units of one quantity (pressure, temperature, ...).

#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

namespace unit {
inline constexpr std::uint8_t kInH2O = 1;
inline constexpr std::uint8_t kPsi = 6;
inline constexpr std::uint8_t kBar = 7;
inline constexpr std::uint8_t kMbar = 8;
inline constexpr std::uint8_t kPa = 11;
inline constexpr std::uint8_t kKPa = 12;
inline constexpr std::uint8_t kDegC = 32;
inline constexpr std::uint8_t kDegF = 33;
inline constexpr std::uint8_t kKelvin = 35;
inline constexpr std::uint8_t kMilliVolt = 36;
inline constexpr std::uint8_t kMilliAmpere = 39;
inline constexpr std::uint8_t kPercent = 57;
inline constexpr std::uint8_t kVolt = 58;
inline constexpr std::uint8_t kMPa = 237;
inline constexpr std::uint8_t kNotUsed = 250;
}  // namespace unit

enum class Quantity : std::uint8_t { Pressure, Temperature, Current, Voltage, Percent, Other };

// The quantity a unit code measures; unknown codes are `Other`.
Quantity quantityOf(std::uint8_t unitCode);
// Whether the simulator can report values in this unit.
bool knownUnit(std::uint8_t unitCode);
// Converts between two units of the same quantity; nothing when they differ in quantity or a
// unit is unknown. Converting a unit to itself always succeeds.
std::optional<double> convertUnit(double value, std::uint8_t from, std::uint8_t to);

// The unit code of a short name ("kPa", "degC", "%"), compared without regard to case, or of a
// decimal code; nothing when neither.
std::optional<std::uint8_t> unitCodeOf(std::string_view text);
std::string_view unitSymbol(std::uint8_t unitCode);  // empty for unknown codes

}  // namespace sim
