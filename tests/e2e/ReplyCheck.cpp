#include "ReplyCheck.h"

#include <algorithm>
#include <charconv>

namespace e2e {

namespace {

std::string quoted(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "\"" : " | \"") + line + "\"";
    return "[" + text + "]";
}

std::optional<double> number(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

const SimulatedDevice* deviceAt(const std::string& address) {
    for (const SimulatedDevice& device : loopDevices())
        if (std::to_string(device.address) == address) return &device;
    return nullptr;
}

}  // namespace

std::optional<std::vector<std::string>> splitLines(std::string_view text,
                                                   std::string_view lineEnd) {
    if (text.empty() || !text.ends_with(lineEnd)) return std::nullopt;
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find(lineEnd, from);
        std::string line(text.substr(from, end - from));
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            return std::nullopt;
        lines.push_back(std::move(line));
        from = end + lineEnd.size();
    }
    return lines;
}

std::string replyMismatch(const std::vector<std::string>& lines, int command,
                          const SimulatedDevice& device) {
    const std::size_t expectedSize =
        command == 0 ? 4 + device.identity.size() : 5 + 2 * device.variables.size();
    const auto fault = [&](const std::string& what) { return what + " in " + quoted(lines); };
    if (lines.size() != expectedSize)
        return fault(std::to_string(lines.size()) + " lines instead of " +
                     std::to_string(expectedSize));
    if (lines[0] != std::to_string(command) || lines[1] != std::to_string(device.address))
        return fault("another command or address");
    if (!lines[2].empty()) return fault("a response text");
    if (lines[3] != kMultidropStatus && lines[3] != kFirstReplyStatus)
        return fault("an unexpected device status");
    if (command == 0) {
        if (!std::equal(device.identity.begin(), device.identity.end(), lines.begin() + 4))
            return fault("another identity");
        return {};
    }
    if (lines[4] != kMultidropCurrent) return fault("a loop current other than 4 mA");
    for (std::size_t i = 0; i < device.variables.size(); ++i) {
        const Variable& variable = device.variables[i];
        const std::string& unit = lines[5 + 2 * i];
        const std::optional<double> value = number(lines[6 + 2 * i]);
        if (unit != variable.unit) return fault("unit " + unit + " instead of " + variable.unit);
        if (!value || *value < variable.lowest || *value > variable.highest)
            return fault("a " + variable.unit + " value outside " +
                         std::to_string(variable.lowest) + ".." + std::to_string(variable.highest));
    }
    return {};
}

Verdict judgeLines(const std::vector<std::string>& lines) {
    if (lines == std::vector<std::string>{"Busy!"}) return {ItemKind::Busy, {}};
    if (lines == kStatusLines) return {ItemKind::Status, {}};
    const auto invalid = [&](const std::string& why) {
        return Verdict{std::nullopt, why + ": " + quoted(lines)};
    };
    if (lines.size() < 3) return invalid("too short for a reply");
    const SimulatedDevice* device = deviceAt(lines[1]);
    if (lines[2] == "Command Error!") {
        if (lines == std::vector<std::string>{"3", "65", "Command Error!"})
            return {ItemKind::CommandError, {}};
        return invalid("a refusal of a command nobody sent");
    }
    if (lines[2] == "Communication Error!") {
        // A present device that missed every try under load is a complete reply all the same;
        // the command is 0 when its re-identification failed too.
        if (lines.size() == 3 && device && (lines[0] == "0" || lines[0] == "3"))
            return {ItemKind::CommunicationError, {}};
        return invalid("a communication error for a command nobody sent");
    }
    if (!device || (lines[0] != "0" && lines[0] != "3"))
        return invalid("a reply to a command nobody sent");
    if (std::string mismatch = replyMismatch(lines, lines[0] == "0" ? 0 : 3, *device);
        !mismatch.empty())
        return {std::nullopt, mismatch};
    return {ItemKind::Delivered, {}};
}

Verdict judgeItemText(std::string_view served) {
    const std::optional<std::vector<std::string>> lines = splitLines(served, "\r\n");
    if (!lines) return {std::nullopt, "not a list of CR LF lines: \"" + std::string(served) + "\""};
    return judgeLines(*lines);
}

}  // namespace e2e
