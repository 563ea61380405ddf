#pragma once

// What each command the driver sends takes and gives, for people: the HART name of the command,
// its request arguments (in the order of a command line, from its third token on) and a name for
// every result slot of its reply, in the order the reply text lists them. The request builder and
// the reply decoder remain the authority on bytes; this table only names what they handle, and
// the tests hold the two together.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hart/HartMessage.h"

namespace hart {

enum class ArgumentKind : std::uint8_t {
    Byte,               // a whole number 0..255
    Float,              // a number; "." and "," both read as the decimal separator
    Int24,              // a whole number 0..16777215, sent in three bytes
    PackedText,         // packed ASCII (upper case); a longer text is cut
    LimitedPackedText,  // packed ASCII after trimming blanks; a longer text is refused
    Text,               // one-byte text; a longer text is cut
    Unit,               // a unit code 0..254 or its name in the table file
    TransferFunction,   // a transfer-function code 0..254 or its name in the table file
    ShortDate,          // a date in the user's short date format, or empty for none
    DottedDate,         // day.month.year
    FormatText,         // the generic command's format text
    FormatValues,       // one argument for each request item of the format text
};

struct RequestArgument {
    std::string_view name;
    ArgumentKind kind;
    std::uint8_t length = 0;  // characters, for the text kinds
    std::string_view example;
    std::string_view note = {};  // what the values mean, where that helps
};

struct ReplyField {
    std::string_view name;
    std::string_view unit = {};  // the fixed unit of the value, when the reply has none
    std::uint8_t unitSlot = 0;   // the slot (1-based) whose text is this value's unit
};

struct CommandEntry {
    std::uint8_t number = 0;
    std::string_view name;
    std::span<const RequestArgument> arguments = {};
    std::span<const ReplyField> reply = {};  // slot k of the reply is reply[k - 1]
    // The reply is laid out by the reply format of the command's format text (generic command).
    bool replyByFormat = false;
};

// Every command of the table, by number.
std::span<const CommandEntry> CatalogueCommands();

// The device-specific commands the driver sends without data (their layout is the device's).
bool IsDeviceSpecificCommand(std::uint8_t command);

// The entry of a command the driver sends: one of the table, or a device-specific one without
// arguments or named reply slots. Nothing for commands the driver refuses.
std::optional<CommandEntry> FindCommand(std::uint8_t command);

// The name of a reply field with its fixed unit: "Loop current (mA)".
std::string FieldTitle(const ReplyField& field);

// A name as a key for scripts: lower case, runs of other characters as one "_" ("PV unit" gives
// "pv_unit", "Loop current" "loop_current").
std::string FieldKey(std::string_view name);

// A result slot of one reply, named.
struct SlotName {
    std::string name;
    std::string unit;           // the fixed unit of the value
    std::uint8_t unitSlot = 0;  // the slot (1-based) whose text is this value's unit
};

// The names of the result slots S1, S2, ... of a reply to `command` as sent. For the generic
// command they follow its format text (as given on the command line: kind letter, three digits,
// request format, "|", reply format; without "R" or "W" the reply format follows the digits):
// one slot for each reply item, numbered by position ("Float 1", "Byte 2", "Unit 3",
// "Packed text 4", "Text 5", "Integer 6"), read up to where the decoder stops; the slots after
// those keep what the layout of the command number in the digits put there.
std::vector<SlotName> ReplySlots(std::uint8_t command, std::string_view formatText = {});

// The names of the result slots of the reply just decoded into msg: by the reply template the
// decoder applied (the generic command's, left in ControlStr), else by msg.Command.
std::vector<SlotName> DecodedReplySlots(const HartMessage& msg);

// A title for every line of a reply text (see ReplyText.h): "Command", "Polling address",
// "Response", "Device status", then the slots' titles with their fixed units
// ("Loop current (mA)"), "Replies delivered" for the count after "Invalid Selection!", and
// "Line 14" for a line no slot names.
std::vector<std::string> ReplyLineTitles(const std::vector<std::string>& lines,
                                         const std::vector<SlotName>& slots);

}  // namespace hart
