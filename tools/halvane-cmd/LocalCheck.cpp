#include "tools/halvane-cmd/LocalCheck.h"

#include "driver/command/CommandLine.h"
#include "hart/CommandCatalogue.h"
#include "hart/Conversions.h"
#include "hart/GenericFormat.h"
#include "hart/RequestBuilder.h"
#include "platform/text/IntegerText.h"
#include "tools/halvane-cmd/ClosestNames.h"

namespace halvanecmd {

namespace {

using hart::ArgumentKind;

constexpr std::uint8_t kGenericCommand = 255;
constexpr std::size_t kFormatTextKept = 32;     // characters of the format text the request keeps
constexpr std::size_t kRequestFormatStart = 4;  // 0-based, after the kind letter and 3 digits
constexpr std::size_t kLastValueSlot = 20;      // the generic command's values are S2..S20
constexpr int kLastYear = 2155;

std::optional<int> readByte(std::string_view text) {
    const std::optional<std::int32_t> value = platform::parseInteger(text);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return *value;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// One argument of a command line: the slot it fills, what it is called and what it takes. For a
// request item of the generic command, `item` is its letter and `length` its count.
struct Argument {
    std::size_t slot = 0;
    std::string name;
    ArgumentKind kind = ArgumentKind::Byte;
    std::size_t length = 0;
    char item = 0;
};

// Builds the request as the driver would; msg then shows the command sent (the generic command
// takes it from its format text).
bool refused(hart::HartMessage& msg, const hart::CoreContext& context) {
    hart::RequestBuilder builder;
    builder.BuildRequest(msg, context);
    return builder.RequestError;
}

// A value the builder takes for an argument, to test the other arguments alone.
std::string acceptedValue(const Argument& a) {
    if (a.item == 'U') return "1";  // the generic command's unit code 0 means none
    switch (a.kind) {
        case ArgumentKind::PackedText:
        case ArgumentKind::LimitedPackedText:
        case ArgumentKind::Text:
        case ArgumentKind::ShortDate:
            return "";
        case ArgumentKind::DottedDate:
            return "1.1.2000";
        default:
            return "0";
    }
}

// The request items of a generic format text (kind letter, 3 digits, items, "|"), up to where
// the builder stops encoding; `strayDigit` tells that a digit stopped it.
std::vector<Argument> requestItems(std::string_view format, bool& strayDigit) {
    std::vector<Argument> items;
    strayDigit = false;
    const std::size_t bar = format.find('|');
    if (bar == std::string_view::npos) return items;
    for (std::size_t i = kRequestFormatStart; i < bar;) {
        const char letter = format[i];
        const std::optional<std::size_t> count = hart::FormatItemCount(format, i);
        Argument a;
        a.item = letter;
        a.slot = items.size() + 2;
        if (letter == 'B' || letter == 'U' || letter == 'F') {
            a.kind = letter == 'F' ? ArgumentKind::Float
                                   : (letter == 'U' ? ArgumentKind::Unit : ArgumentKind::Byte);
            a.length = letter == 'F' ? 4 : 1;
            i += 1;
        } else if (count) {
            a.kind = letter == 'L' ? ArgumentKind::Int24 : ArgumentKind::Text;
            a.length = *count;
            i += letter == 'L' ? 2 : 3;
        } else {
            strayDigit = letter >= '0' && letter <= '9';
            break;
        }
        static constexpr std::string_view kItemNames[] = {"byte",    "unit", "float",
                                                          "integer", "text", "packed text"};
        const std::size_t which = std::string_view("BUFLAP").find(letter);
        a.name = "value " + std::to_string(items.size() + 1) + ", " +
                 std::string(kItemNames[which]) + " item";
        items.push_back(std::move(a));
    }
    return items;
}

// What is wrong with a generic format text that the builder refuses on its own.
std::string formatProblem(std::string_view given) {
    const std::string_view format = given.substr(0, std::min(given.size(), kFormatTextKept));
    const std::string cut = given.size() > kFormatTextKept
                                ? " (the driver keeps only the first " +
                                      std::to_string(kFormatTextKept) + " characters of it)"
                                : std::string();
    if (format.size() < 4 || !readByte(format.substr(1, 3)) ||
        format.substr(1, 3).find_first_not_of("0123456789") != std::string_view::npos)
        return "characters 2 to 4 of the format text must be the command number, 000 to 255";
    if (format[0] != 'R' && format[0] != 'W') return "the driver would refuse the format text";
    const std::size_t bar = format.find('|');
    if (bar == std::string_view::npos || bar < kRequestFormatStart)
        return "a format text with request data (\"R\" or \"W\" first) needs a \"|\" after the "
               "command number, between the request format and the reply format" +
               cut;
    for (std::size_t i = kRequestFormatStart; i < format.size(); ++i) {
        if (i == bar) continue;
        const std::string_view section =
            i < bar ? format.substr(kRequestFormatStart, bar - kRequestFormatStart)
                    : format.substr(bar + 1);
        const std::size_t at = i < bar ? i - kRequestFormatStart : i - bar - 1;
        const char c = section[at];
        if ((c >= '0' && c <= '9') || c == 'B' || c == 'F' || c == 'U') continue;
        if (hart::FormatItemCount(section, at)) continue;
        return inQuotes(format.substr(i, 1)) + " at character " + std::to_string(i + 1) +
               " of the format text is no item: the items are A01 to A32, B, F, L1 to L4, "
               "P03 to P24 (in steps of 3) and U" +
               cut;
    }
    const std::size_t bytes =
        hart::RequestByteCount(format.substr(kRequestFormatStart, bar - kRequestFormatStart));
    if (bytes > hart::kMaxDataBytes)
        return "the request items make " + std::to_string(bytes) +
               " bytes; a request holds at most " + std::to_string(hart::kMaxDataBytes);
    bool strayDigit = false;
    const std::vector<Argument> items = requestItems(format, strayDigit);
    if (strayDigit) return "a digit in the request format belongs to no item";
    if (items.size() + 1 > kLastValueSlot)
        return "the request format has " + std::to_string(items.size()) + " items; at most " +
               std::to_string(kLastValueSlot - 1) + " can be given";
    return "the driver would refuse the format text";
}

// What is wrong with a code given by number or name (units, transfer functions).
std::string codeProblem(std::string_view text, const std::string& what, int none, unsigned lastCode,
                        const std::vector<std::string>& names, const std::string& listing) {
    if (const std::optional<std::int32_t> value = platform::parseInteger(text)) {
        if (*value == none) return "code " + std::to_string(none) + " means no " + what;
        return inQuotes(text) + " is no " + what + " code (0 to " + std::to_string(lastCode) + ")";
    }
    std::string problem = "there is no " + what + " " + inQuotes(text);
    const std::vector<std::string> close = closestNames(text, names);
    if (!close.empty()) return problem + "; did you mean " + orList(close) + "?";
    return problem + listing;
}

std::vector<std::string> namesOf(unsigned lastCode, const hart::CodeTables& tables,
                                 const auto& nameOf) {
    std::vector<std::string> names;
    for (unsigned code = 0; code <= lastCode; ++code) {
        std::string name = nameOf(static_cast<std::uint8_t>(code));
        // Codes the table lacks are named by their number: those are no names to suggest.
        if (!name.empty() && name != tables.unknownCodePrefix() + std::to_string(code))
            names.push_back(std::move(name));
    }
    return names;
}

// What is wrong with an argument the builder refuses.
std::string argumentProblem(const Argument& a, std::string_view text,
                            const hart::CoreContext& context) {
    const hart::CodeTables& tables = context.tables;
    if (text.empty() && a.kind != ArgumentKind::FormatText) return "missing";
    switch (a.kind) {
        case ArgumentKind::Byte:
            return inQuotes(text) + " is no whole number from 0 to 255";
        case ArgumentKind::Float: {
            const char separator = context.locale.decimalSeparator;
            if (hart::TextToFloat(hart::NormalizeFloatText(text, separator), separator))
                return inQuotes(text) + " is too large or too small for a HART float";
            return inQuotes(text) + " is no number";
        }
        case ArgumentKind::Int24: {
            const std::size_t bytes = a.item == 'L' ? a.length : 3;
            const std::string range =
                bytes >= 4 ? "" : " (0 to " + std::to_string((1L << (8 * bytes)) - 1) + ")";
            if (platform::parseInteger(text))
                return inQuotes(text) + " does not fit " + std::to_string(bytes) + " bytes" + range;
            return inQuotes(text) + " is no whole number";
        }
        case ArgumentKind::Unit: {
            // The fixed commands take codes up to 254 (255 is none), the generic command's unit
            // items all codes but 0.
            const bool generic = a.item == 'U';
            const unsigned last = generic ? 255 : 254;
            return codeProblem(
                text, "unit", generic ? 0 : 255, last,
                namesOf(last, tables, [&](std::uint8_t c) { return tables.UnitName(c); }),
                " (halvane-cmd --list-units lists them)");
        }
        case ArgumentKind::TransferFunction:
            return codeProblem(
                text, "transfer function", 255, 254,
                namesOf(254, tables,
                        [&](std::uint8_t c) { return tables.TransferFunctionName(c); }),
                "");
        case ArgumentKind::LimitedPackedText: {
            const std::string_view trimmed = hart::TrimControls(text);
            return inQuotes(trimmed) + " has " + std::to_string(trimmed.size()) +
                   " characters; at most " + std::to_string(a.length) + " fit";
        }
        case ArgumentKind::ShortDate:
            return inQuotes(text) + " is no date in this computer's short date format (" +
                   context.locale.shortDateFormat + ") from 1900 to " + std::to_string(kLastYear);
        case ArgumentKind::DottedDate:
            return inQuotes(text) + " is no date of the form day.month.year (year at most " +
                   std::to_string(kLastYear) + ")";
        case ArgumentKind::FormatText:
            return formatProblem(text);
        default:
            return "the driver would refuse it";
    }
}

// The arguments of the command line, for the command of `entry`.
std::vector<Argument> argumentsOf(const hart::CommandEntry& entry, const hart::HartMessage& msg) {
    std::vector<Argument> arguments;
    bool strayDigit = false;
    for (std::size_t k = 0; k < entry.arguments.size(); ++k) {
        const hart::RequestArgument& spec = entry.arguments[k];
        if (spec.kind == ArgumentKind::FormatValues) {
            const std::string& format = msg.S[1];
            if (!format.empty() && (format[0] == 'R' || format[0] == 'W')) {
                for (Argument& item : requestItems(std::string_view(format).substr(
                                                       0, std::min(format.size(), kFormatTextKept)),
                                                   strayDigit))
                    arguments.push_back(std::move(item));
            }
            continue;
        }
        arguments.push_back({k + 1, std::string(spec.name), spec.kind, spec.length, 0});
    }
    return arguments;
}

std::string ordinalArgument(std::size_t k) {
    return "argument " + std::to_string(k);
}

}  // namespace

CheckResult checkCommandLine(std::string_view commandLine, const hart::CoreContext& context) {
    CheckResult result;
    std::string rest(commandLine);
    const std::string commandText = driver::NextToken(rest);
    const std::string addressText = driver::NextToken(rest);
    // The command is read up to its first blank ("0   " is command 0); empty texts are 0.
    const std::optional<int> command =
        commandText.empty()
            ? 0
            : readByte(std::string_view(commandText).substr(0, commandText.find(' ')));
    const std::optional<int> address = addressText.empty() ? 0 : readByte(addressText);
    Refusal refusal{command ? std::to_string(*command) : commandText,
                    address ? std::to_string(*address) : addressText, ""};
    const auto refuse = [&](std::string reason) {
        refusal.reason = std::move(reason);
        result.refusal = refusal;
        return result;
    };

    if (!command) {
        // A mistyped control command ("SET COM21") is read as a command line too.
        if (commandText.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") !=
            std::string::npos)
            return refuse(inQuotes(commandText) +
                          " is neither a control command (STATUS, SET PRIMARY, SET COM1, ...) "
                          "nor a command number from 0 to 255");
        return refuse("the command number " + inQuotes(commandText) +
                      " is no whole number from 0 to 255");
    }
    if (!address)
        return refuse("the polling address " + inQuotes(addressText) + " is no number from 0 to " +
                      std::to_string(driver::kRegistrySize - 1));
    if (*address >= driver::kRegistrySize)
        return refuse("polling address " + std::to_string(*address) +
                      " is out of range: the driver polls addresses 0 to " +
                      std::to_string(driver::kRegistrySize - 1));
    const std::optional<hart::CommandEntry> entry =
        hart::FindCommand(static_cast<std::uint8_t>(*command));
    if (!entry)
        return refuse("command " + std::to_string(*command) +
                      " is not one the driver sends (halvane-cmd --list-commands lists those)");

    hart::HartMessage msg;
    int parsedAddress = 0;
    driver::ParseCommandLine(commandLine, msg, parsedAddress);
    const std::vector<Argument> arguments = argumentsOf(*entry, msg);
    const std::string where =
        "command " + std::to_string(*command) + " (" + std::string(entry->name) + ")";

    // Command 0 takes its address as S1: its arguments would start at S2.
    const std::size_t firstSlot = *command == 0 ? 2 : 1;
    hart::HartMessage built = msg;
    if (!refused(built, context)) {
        // Extra texts are no refusal, but they may be a slip (an argument too many or in the
        // wrong place), so they are pointed out.
        const std::size_t used = arguments.size();
        for (std::size_t slot = firstSlot + used; slot <= 16; ++slot) {
            if (msg.S[slot].empty()) continue;
            const std::string takes = used == 0   ? "no arguments"
                                      : used == 1 ? "1 argument"
                                                  : std::to_string(used) + " arguments";
            result.notes.push_back("the driver ignores " + ordinalArgument(slot - firstSlot + 1) +
                                   " (" + inQuotes(msg.S[slot]) + "): " + where + " takes " +
                                   takes);
        }
        return result;
    }

    // Each argument alone, the others replaced by values the builder takes: those still refused
    // are the ones at fault.
    std::vector<std::string> problems;
    for (const Argument& a : arguments) {
        hart::HartMessage probe = msg;
        for (const Argument& other : arguments) {
            if (other.slot != a.slot) probe.S[other.slot] = acceptedValue(other);
        }
        if (!refused(probe, context)) continue;
        problems.push_back(ordinalArgument(a.slot) + " (" + a.name +
                           "): " + argumentProblem(a, msg.S[a.slot], context));
        // A format text at fault says nothing about the values laid out by it.
        if (a.kind == ArgumentKind::FormatText) break;
    }
    if (problems.empty() && *command == kGenericCommand)
        problems.push_back(ordinalArgument(1) + " (Format text): " + formatProblem(msg.S[1]));
    if (problems.empty()) problems.push_back("the driver would refuse it");
    // The driver's "Command Error!" names the command it built, the generic command's real one.
    refusal.command = std::to_string(built.Command);
    std::string reason = where + ", ";
    for (std::size_t i = 0; i < problems.size(); ++i)
        reason += (i ? "; " : "") + problems[i];
    return refuse(reason);
}

}  // namespace halvanecmd
