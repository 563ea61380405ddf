#include "sim/ConfigText.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <vector>

namespace sim {

namespace {

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    while (true) {
        text = trim(text);
        if (text.empty()) return out;
        const std::size_t end = text.find_first_of(" \t");
        out.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return out;
        text.remove_prefix(end);
    }
}

[[noreturn]] void fail(std::string_view key, std::string_view value, std::string_view expected) {
    throw ConfigError(std::string(key) + " = " + std::string(value) + ": expected " +
                      std::string(expected));
}

// An integer in decimal or with a 0x prefix in hexadecimal, within [low, high].
long long integer(std::string_view key, std::string_view value, long long low, long long high) {
    std::string_view digits = trim(value);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    long long result = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), result, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        result < low || result > high)
        fail(key, value, "an integer " + std::to_string(low) + ".." + std::to_string(high));
    return result;
}

double number(std::string_view key, std::string_view value) {
    const std::string_view text = trim(value);
    double result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        fail(key, value, "a number");
    return result;
}

bool yesNo(std::string_view key, std::string_view value) {
    const std::string_view v = trim(value);
    if (v == "yes" || v == "on" || v == "true" || v == "1") return true;
    if (v == "no" || v == "off" || v == "false" || v == "0") return false;
    fail(key, value, "yes or no");
}

std::uint8_t unitCode(std::string_view key, std::string_view value) {
    const auto code = unitCodeOf(trim(value));
    if (!code) fail(key, value, "a unit code or name such as kPa, bar, psi, degC");
    return *code;
}

// A date as day.month.year with a four-digit year from 1900 to 2155.
std::array<std::uint8_t, 3> date(std::string_view key, std::string_view value) {
    const std::string_view text = trim(value);
    const auto part = [&](std::size_t from, std::size_t to, long long low, long long high) {
        long long n = -1;
        const std::string_view digits = text.substr(from, to - from);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        const bool ok = !digits.empty() && error == std::errc() &&
                        end == digits.data() + digits.size() && n >= low && n <= high;
        if (!ok) fail(key, value, "a date day.month.year, e.g. 24.12.2018 (years 1900..2155)");
        return n;
    };
    const std::size_t first = text.find('.');
    const std::size_t second = first == std::string_view::npos ? first : text.find('.', first + 1);
    if (second == std::string_view::npos)
        fail(key, value, "a date day.month.year, e.g. 24.12.2018 (years 1900..2155)");
    const auto day = part(0, first, 1, 31);
    const auto month = part(first + 1, second, 1, 12);
    const auto year = part(second + 1, text.size(), 1900, 2155);
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month),
            static_cast<std::uint8_t>(year - 1900)};
}

std::array<std::uint8_t, 4> variableList(std::string_view key, std::string_view value) {
    const auto list = words(value);
    if (list.empty() || list.size() > 4) fail(key, value, "one to four device variable codes");
    std::array<std::uint8_t, 4> codes{250, 250, 250, 250};
    for (std::size_t i = 0; i < list.size(); ++i)
        codes[i] = list[i] == "-" ? 250 : static_cast<std::uint8_t>(integer(key, list[i], 0, 250));
    return codes;
}

std::string text(std::string_view value) {
    std::string_view t = trim(value);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
    return std::string(t);
}

// "variable = UNIT name=value ...", e.g. "variable = kPa centre=100 amplitude=20 period=300".
VariableConfig variable(std::string_view key, std::string_view value) {
    const auto list = words(value);
    if (list.empty()) fail(key, value, "a unit and then name=value settings");
    VariableConfig v;
    v.baseUnit = v.unit = unitCode(key, list[0]);
    for (std::size_t i = 1; i < list.size(); ++i) {
        const std::size_t eq = list[i].find('=');
        if (eq == std::string_view::npos) fail(key, value, "name=value after the unit");
        const std::string_view name = list[i].substr(0, eq);
        const double n = number(key, list[i].substr(eq + 1));
        if (name == "centre" || name == "center")
            v.centre = n;
        else if (name == "amplitude")
            v.amplitude = n;
        else if (name == "period")
            v.periodS = n;
        else if (name == "phase")
            v.phaseDeg = n;
        else if (name == "lower")
            v.lowerLimit = n;
        else if (name == "upper")
            v.upperLimit = n;
        else if (name == "span")
            v.minSpan = n;
        else if (name == "damping")
            v.dampingS = n;
        else if (name == "serial")
            v.sensorSerial =
                static_cast<std::uint32_t>(integer(key, list[i].substr(eq + 1), 0, 0xFFFFFF));
        else
            fail(key, value,
                 "centre, amplitude, period, phase, lower, upper, span, damping or serial");
    }
    return v;
}

}  // namespace

void applyDeviceSetting(DeviceConfig& c, std::string_view key, std::string_view value) {
    auto byte = [&](long long high = 255) {
        return static_cast<std::uint8_t>(integer(key, value, 0, high));
    };
    if (key == "address") {
        c.pollingAddress = static_cast<int>(integer(key, value, 0, 63));
    } else if (key == "revision") {
        const int revision = static_cast<int>(integer(key, value, 5, 7));
        // Identity codes still at the defaults follow the revision (one byte before 7).
        const DeviceConfig before = DeviceConfig::pressureTransmitter(c.revision);
        const DeviceConfig after = DeviceConfig::pressureTransmitter(revision);
        if (c.manufacturer == before.manufacturer) c.manufacturer = after.manufacturer;
        if (c.deviceType == before.deviceType) c.deviceType = after.deviceType;
        if (c.distributor == before.distributor) c.distributor = after.distributor;
        c.revision = revision;
    } else if (key == "manufacturer") {
        c.manufacturer = static_cast<std::uint16_t>(integer(key, value, 0, 0xFFFF));
    } else if (key == "device-type") {
        c.deviceType = static_cast<std::uint16_t>(integer(key, value, 0, 0xFFFF));
    } else if (key == "distributor") {
        c.distributor = static_cast<std::uint16_t>(integer(key, value, 0, 0xFFFF));
    } else if (key == "device-id") {
        c.deviceId = static_cast<std::uint32_t>(integer(key, value, 0, 0xFFFFFF));
    } else if (key == "device-revision") {
        c.deviceRevision = byte();
    } else if (key == "software-revision") {
        c.softwareRevision = byte();
    } else if (key == "hardware-revision") {
        c.hardwareRevision = byte(31);
    } else if (key == "signalling") {
        c.signalling = byte(7);
    } else if (key == "flags") {
        c.flags = byte();
    } else if (key == "profile") {
        c.profile = byte();
    } else if (key == "preambles") {
        c.requestPreambles = static_cast<std::uint8_t>(integer(key, value, 2, 20));
    } else if (key == "response-preambles") {
        c.responsePreambles = static_cast<std::uint8_t>(integer(key, value, 2, 20));
    } else if (key == "tag") {
        c.tag = text(value);
    } else if (key == "long-tag") {
        c.longTag = text(value);
    } else if (key == "descriptor") {
        c.descriptor = text(value);
    } else if (key == "message") {
        c.message = text(value);
    } else if (key == "date") {
        c.date = date(key, value);
    } else if (key == "final-assembly") {
        c.finalAssembly = static_cast<std::uint32_t>(integer(key, value, 0, 0xFFFFFF));
    } else if (key == "unit-tag") {
        c.unitTag = text(value);
    } else if (key == "unit-descriptor") {
        c.unitDescriptor = text(value);
    } else if (key == "unit-date") {
        c.unitDate = date(key, value);
    } else if (key == "variable") {
        c.variables.push_back(variable(key, value));
    } else if (key == "dynamic") {
        c.dynamic = variableList(key, value);
    } else if (key == "range") {
        const auto list = words(value);
        if (list.size() != 2) fail(key, value, "lower and upper range value");
        c.lowerRange = number(key, list[0]);
        c.upperRange = number(key, list[1]);
    } else if (key == "transfer-function") {
        const std::string_view v = trim(value);
        c.transferFunction = v == "linear" ? 0 : v == "sqrt" ? 1 : byte(1);
    } else if (key == "damping") {
        if (c.variables.empty()) fail(key, value, "a device variable first");
        c.variables[c.dynamic[0] < c.variables.size() ? c.dynamic[0] : 0].dampingS =
            number(key, value);
    } else if (key == "alarm") {
        const std::string_view v = trim(value);
        c.alarm = v == "high" ? 0 : v == "low" ? 1 : byte();
    } else if (key == "write-protect") {
        c.writeProtect = yesNo(key, value);
    } else if (key == "burst") {
        c.burst.enabled = yesNo(key, value);
    } else if (key == "burst-command") {
        c.burst.command = byte();
    } else if (key == "burst-variables") {
        c.burst.variables = variableList(key, value);
    } else if (key == "burst-period") {
        c.burst.periodMs = static_cast<int>(integer(key, value, 1, 3'600'000));
    } else if (key == "silent") {
        c.faults.silent = yesNo(key, value);
    } else if (key == "busy") {
        c.faults.busyCount = static_cast<int>(integer(key, value, 0, 1'000'000));
    } else if (key == "late") {
        c.faults.lateMs = static_cast<int>(integer(key, value, 0, 60'000));
    } else if (key == "bad-check") {
        c.faults.badCheckCount = static_cast<int>(integer(key, value, 0, 1'000'000));
    } else {
        throw ConfigError("unknown device setting '" + std::string(key) + "'");
    }
}

void applyLoopSetting(LoopSettings& s, std::string_view key, std::string_view value) {
    if (key == "turnaround") {
        s.turnaroundMs = static_cast<int>(integer(key, value, 0, 10'000));
    } else if (key == "bit-error-rate") {
        const double rate = number(key, value);
        if (!(rate >= 0 && rate <= 1)) fail(key, value, "a rate 0..1");
        s.faults.bitErrorRate = rate;
    } else if (key == "seed") {
        s.faults.seed = static_cast<std::uint64_t>(integer(key, value, 0, INT64_MAX));
    } else if (key == "garbage") {
        s.faults.garbageBytes = static_cast<int>(integer(key, value, 0, 255));
    } else if (key == "silent-address") {
        for (std::string_view address : words(value))
            s.faults.silentAddresses.push_back(static_cast<int>(integer(key, address, 0, 63)));
    } else if (key == "other-master") {
        s.otherMaster.periodMs = static_cast<int>(integer(key, value, 0, 3'600'000));
    } else if (key == "other-master-role") {
        const std::string_view v = trim(value);
        if (v != "primary" && v != "secondary") fail(key, value, "primary or secondary");
        s.otherMaster.role = v == "primary" ? Master::Primary : Master::Secondary;
    } else if (key == "other-master-command") {
        s.otherMaster.command = static_cast<std::uint8_t>(integer(key, value, 0, 255));
    } else if (key == "other-master-address") {
        s.otherMaster.pollingAddress = static_cast<int>(integer(key, value, 0, 63));
    } else {
        throw ConfigError("unknown loop setting '" + std::string(key) + "'");
    }
}

LoopConfig parseLoopConfig(std::string_view textIn) {
    LoopConfig config;
    enum class Section { None, Loop, Device } section = Section::None;
    bool anyDevice = false;
    bool variablesGiven = false;
    // Per device: whether its dynamic and burst variable lists were given, or are defaults
    // that must follow a shorter list of device variables.
    std::vector<std::pair<bool, bool>> listsGiven;
    std::vector<int> deviceLines;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= textIn.size()) {
        const std::size_t end = std::min(textIn.find('\n', pos), textIn.size());
        std::string_view line = textIn.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const std::size_t comment = line.find_first_of("#;");
        line = trim(comment == std::string_view::npos ? line : line.substr(0, comment));
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line == "[loop]") {
                section = Section::Loop;
            } else if (line == "[device]") {
                section = Section::Device;
                if (!anyDevice) config.devices.clear();
                anyDevice = true;
                variablesGiven = false;
                config.devices.push_back(DeviceConfig::pressureTransmitter(7));
                deviceLines.push_back(lineNumber);
                listsGiven.emplace_back(false, false);
            } else {
                throw ConfigError(where + "unknown section " + std::string(line) +
                                  " (expected [loop] or [device])");
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) throw ConfigError(where + "expected key = value");
        const std::string_view key = trim(line.substr(0, eq));
        const std::string_view value = trim(line.substr(eq + 1));
        try {
            if (section == Section::Loop) {
                applyLoopSetting(config.settings, key, value);
            } else if (section == Section::Device) {
                DeviceConfig& device = config.devices.back();
                if (key == "variable" && !variablesGiven) {
                    device.variables.clear();
                    variablesGiven = true;
                }
                applyDeviceSetting(device, key, value);
                if (key == "dynamic") listsGiven.back().first = true;
                if (key == "burst-variables") listsGiven.back().second = true;
            } else {
                throw ConfigError("setting outside a [loop] or [device] section");
            }
        } catch (const ConfigError& e) {
            throw ConfigError(where + e.what());
        }
    }
    if (!anyDevice) config.devices = LoopConfig::defaults().devices;
    if (std::string problem = validate(config.settings); !problem.empty())
        throw ConfigError("[loop]: " + problem);
    for (std::size_t i = 0; i < deviceLines.size(); ++i) {
        DeviceConfig& device = config.devices[i];
        const auto keepExisting = [&](std::array<std::uint8_t, 4>& codes) {
            for (std::uint8_t& code : codes)
                if (code >= device.variables.size()) code = kNotUsedVariable;
        };
        if (!listsGiven[i].first) keepExisting(device.dynamic);
        if (!listsGiven[i].second) keepExisting(device.burst.variables);
    }
    for (std::size_t i = 0; i < deviceLines.size(); ++i)
        if (std::string problem = validate(config.devices[i]); !problem.empty())
            throw ConfigError("device at line " + std::to_string(deviceLines[i]) + ": " + problem);
    return config;
}

LoopConfig readLoopConfig(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ConfigError("cannot read configuration file " + path);
    std::ostringstream content;
    content << in.rdbuf();
    try {
        return parseLoopConfig(content.str());
    } catch (const ConfigError& e) {
        throw ConfigError(path + ": " + e.what());
    }
}

}  // namespace sim
