#include "tools/halvane-cmd/CommandReference.h"

#include <vector>

namespace halvanecmd {

namespace {

using hart::ArgumentKind;
using hart::CommandEntry;

// Runs of numbers for which `member` holds, as "128–134, 136, 137, 139".
template <typename Member>
std::string numberRuns(Member member) {
    std::string text;
    for (unsigned n = 0; n <= 255;) {
        if (!member(n)) {
            ++n;
            continue;
        }
        unsigned last = n;
        while (last < 255 && member(last + 1))
            ++last;
        text += (text.empty() ? "" : ", ") + std::to_string(n);
        if (last == n + 1) text += ", " + std::to_string(last);
        if (last > n + 1) text += "–" + std::to_string(last);
        n = last + 1;
    }
    return text;
}

std::string shellWord(std::string_view text) {
    if (!text.empty() && text.find_first_of(" |;&<>()$`\"'*?") == std::string_view::npos)
        return std::string(text);
    return "\"" + std::string(text) + "\"";
}

std::string tableCell(std::string text) {
    std::string cell;
    for (char c : text)
        cell += c == '|' ? std::string("\\|") : std::string(1, c);
    return cell;
}

std::string argumentNames(const CommandEntry& entry) {
    std::string names;
    for (const hart::RequestArgument& a : entry.arguments)
        names += (names.empty() ? "" : ", ") + std::string(a.name);
    return names;
}

// The unit of a reply field: fixed, or the line that holds it.
std::string fieldUnit(const CommandEntry& entry, const hart::ReplyField& field) {
    if (!field.unit.empty()) return std::string(field.unit);
    if (field.unitSlot == 0) return {};
    return "line " + std::to_string(4 + field.unitSlot) + " (" +
           std::string(entry.reply[field.unitSlot - 1u].name) + ")";
}

constexpr std::string_view kIntroduction =
    R"(# Command reference

<!-- Made from the driver's command table (hart/CommandCatalogue.cpp). A test compares this file
     with the table and says how to bring it up to date; do not edit it by hand. -->

The HART commands the driver sends, with their arguments and the lines of their replies.

A command line is the command number, the polling address (0 to 64) and the command's arguments
in the order below. With `halvane-cmd` each one is an argument of its own
(`halvane-cmd 35 0 kPa 100 0`); clients of the conversation channel put each on a line of its own,
and the driver's window separates them with `;;` (`35;;0;;kPa;;100;;0`). Arguments left out are
empty; an empty number is refused.

Every delivered reply starts with four lines: 1 the command number, 2 the polling address, 3 the
response text (empty for success), 4 the device status text. The command's own lines follow from
line 5: an empty field between filled ones is an empty line, and no line follows the last filled
field. A reply whose response code is not 0 has no further lines, except that after the response
text "Invalid Selection!" one line gives the number of replies delivered so far. A refused command
line gives three lines ending in "Command Error!", a silent device three lines ending in
"Communication Error!".

`halvane-cmd --labels` prints each line with the name below, a value together with its unit;
`halvane-cmd --json` puts the lines into `fields` under the key below. `halvane-cmd --list-commands`
lists the commands and `halvane-cmd --list-units` the unit names of the table file.

)";

constexpr std::string_view kGenericFormat =
    R"(The format text has a kind letter (`R` or `W` for a request with data, any other letter for
a request without data), the command number in three digits, the request format, `|` and the reply
format; without data the reply format follows the digits directly. A format is a run of items:
`A`nn text of nn bytes (01 to 32), `B` one byte, `F` a float, `L`d an integer of d bytes (1 to 4),
`P`nn packed text of nn bytes (03 to 24, in steps of 3) and `U` a unit code (by number or name; 0
is refused). The request items take one argument each, in order, after the format text; at most
40 request bytes. The driver keeps 32 characters of the format text.

Reply lines: one for each reply item, named by its position and kind: `Float 1`, `Byte 2`,
`Unit 3`, `Packed text 4`, `Text 5`, `Integer 6` (keys `float_1`, `byte_2`, …). A reply item
past the bytes the device sent gives an empty line.
)";

}  // namespace

std::string argumentDescription(const hart::RequestArgument& a) {
    std::string text;
    switch (a.kind) {
        case ArgumentKind::Byte:
            text = "whole number 0 to 255";
            break;
        case ArgumentKind::Float:
            text = "number (\".\" or \",\" as decimal separator)";
            break;
        case ArgumentKind::Int24:
            text = "whole number 0 to 16777215";
            break;
        case ArgumentKind::PackedText:
            text = "packed text of up to " + std::to_string(a.length) +
                   " characters (upper case; a longer text is cut)";
            break;
        case ArgumentKind::LimitedPackedText:
            text = "packed text of up to " + std::to_string(a.length) +
                   " characters (upper case; a longer text is refused)";
            break;
        case ArgumentKind::Text:
            text =
                "text of up to " + std::to_string(a.length) + " characters (a longer text is cut)";
            break;
        case ArgumentKind::Unit:
            text = "unit name (as the table file spells it) or code 0 to 254";
            break;
        case ArgumentKind::TransferFunction:
            text = "transfer function name (as the table file spells it) or code 0 to 254";
            break;
        case ArgumentKind::ShortDate:
            text = "date in the short date format of the driver's computer";
            break;
        case ArgumentKind::DottedDate:
            text = "date as day.month.year";
            break;
        case ArgumentKind::FormatText:
            text = "format text of up to " + std::to_string(a.length) + " characters (below)";
            break;
        case ArgumentKind::FormatValues:
            text = "the request items' values, one argument each";
            break;
    }
    if (!a.note.empty()) text += "; " + std::string(a.note);
    return text;
}

std::string exampleCommandLine(const CommandEntry& entry) {
    std::string line = "halvane-cmd " + std::to_string(entry.number) + " 0";
    for (const hart::RequestArgument& a : entry.arguments)
        line += " " + shellWord(a.example);
    return line;
}

std::string commandReference() {
    std::string doc(kIntroduction);
    doc += "## Overview\n\n| Command | Name | Arguments |\n|---:|---|---|\n";
    for (const CommandEntry& e : hart::CatalogueCommands())
        doc += "| " + std::to_string(e.number) + " | " + std::string(e.name) + " | " +
               argumentNames(e) + " |\n";
    doc += "| " + numberRuns([](unsigned n) {
               return hart::IsDeviceSpecificCommand(static_cast<std::uint8_t>(n));
           }) +
           " | Device-specific commands (below) | |\n\n";
    doc += "Every other number is refused (\"Command Error!\"): " +
           numberRuns([](unsigned n) { return !hart::FindCommand(static_cast<std::uint8_t>(n)); }) +
           ".\n";

    for (const CommandEntry& e : hart::CatalogueCommands()) {
        doc += "\n## " + std::to_string(e.number) + ": " + std::string(e.name) + "\n\n";
        doc += "```sh\n" + exampleCommandLine(e) + "\n```\n\n";
        if (e.number == 0) doc += "The polling address is what command 0 sends.\n\n";
        if (!e.arguments.empty()) {
            doc += "| Argument | Name | Takes | Example |\n|---:|---|---|---|\n";
            for (std::size_t k = 0; k < e.arguments.size(); ++k) {
                const hart::RequestArgument& a = e.arguments[k];
                doc += "| " + std::to_string(k + 1) + " | " + std::string(a.name) + " | " +
                       tableCell(argumentDescription(a)) + " | `" +
                       tableCell(std::string(a.example)) + "` |\n";
            }
            doc += "\n";
        }
        if (e.replyByFormat) {
            doc += kGenericFormat;
            continue;
        }
        if (e.reply.empty()) {
            doc += "The reply has no lines after the four that every reply has.\n";
            continue;
        }
        doc += "| Line | Name | Key | Unit |\n|---:|---|---|---|\n";
        for (std::size_t k = 0; k < e.reply.size(); ++k) {
            const hart::ReplyField& f = e.reply[k];
            doc += "| " + std::to_string(5 + k) + " | " + std::string(f.name) + " | `" +
                   hart::FieldKey(f.name) + "` | " + fieldUnit(e, f) + " |\n";
        }
    }
    doc += "\n## Device-specific commands\n\n";
    doc += "The driver sends " + numberRuns([](unsigned n) {
               return hart::IsDeviceSpecificCommand(static_cast<std::uint8_t>(n));
           }) +
           " without data\nand names none of their reply lines: their layout is the device's. To "
           "send data with\none of them, or to have its reply decoded, use command 255 with a "
           "format text.\n";
    return doc;
}

std::string commandList() {
    std::string text;
    for (const CommandEntry& e : hart::CatalogueCommands()) {
        std::string number = std::to_string(e.number);
        text += std::string(3 - number.size(), ' ') + number + "  " + std::string(e.name) + "\n";
        if (!e.arguments.empty()) text += "       arguments: " + argumentNames(e) + "\n";
        if (!e.arguments.empty() || e.number == 0)
            text += "       example:   " + exampleCommandLine(e) + "\n";
    }
    text += "     " + numberRuns([](unsigned n) {
                return hart::IsDeviceSpecificCommand(static_cast<std::uint8_t>(n));
            }) +
            ": device-specific commands, sent without data\n";
    return text;
}

std::string unitList(const hart::CodeTables& tables) {
    std::string text;
    for (unsigned code = 0; code <= 254; ++code) {
        const std::string number = std::to_string(code);
        const std::string name = tables.UnitName(static_cast<std::uint8_t>(code));
        // A code the table lacks is named by its number.
        if (name.empty() || name == tables.unknownCodePrefix() + number) continue;
        text += std::string(3 - number.size(), ' ') + number + "  " + name + "\n";
    }
    return text;
}

}  // namespace halvanecmd
