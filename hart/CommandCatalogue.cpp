#include "hart/CommandCatalogue.h"

#include "hart/ReplyText.h"

#include <algorithm>
#include <array>

namespace hart {

namespace {

using K = ArgumentKind;

constexpr std::uint8_t kGenericCommand = 255;
constexpr std::size_t kReplySlots = 25;
constexpr std::size_t kFormatKept = 32;       // characters of a format text the request keeps
constexpr std::size_t kReplyFormatStart = 4;  // 0-based: after the kind letter and 3 digits

// Request arguments, shared by the commands that take the same ones.
constexpr RequestArgument kArgs6[] = {
    {"New polling address", K::Byte, 0, "1", "HART uses 0 to 63"}};
constexpr RequestArgument kArgs11[] = {{"Tag", K::PackedText, 8, "PT-101"}};
constexpr RequestArgument kArgs17[] = {{"Message", K::PackedText, 32, "CALIBRATED 2024"}};
constexpr RequestArgument kArgs18[] = {
    {"Tag", K::PackedText, 8, "PT-101"},
    {"Descriptor", K::PackedText, 16, "FEED PRESSURE"},
    {"Date", K::ShortDate, 0, "12/24/2018", "empty sends no date (0, 0, 0)"}};
constexpr RequestArgument kArgs19[] = {{"Final assembly number", K::Int24, 0, "123456"}};
constexpr RequestArgument kArgs21[] = {{"Long tag", K::Text, 32, "Boiler feed pump 2"}};
constexpr RequestArgument kArgs33[] = {{"Variable 1", K::Byte, 0, "0", "device variable codes"},
                                       {"Variable 2", K::Byte, 0, "1"},
                                       {"Variable 3", K::Byte, 0, "2"},
                                       {"Variable 4", K::Byte, 0, "3"}};
constexpr RequestArgument kArgs34[] = {{"Damping (s)", K::Float, 0, "0.5"}};
constexpr RequestArgument kArgs35[] = {{"Range unit", K::Unit, 0, "kPa"},
                                       {"Upper range value", K::Float, 0, "100"},
                                       {"Lower range value", K::Float, 0, "0"}};
constexpr RequestArgument kArgs39[] = {
    {"EEPROM control code", K::Byte, 0, "0", "0 burns the EEPROM, 1 restores the shadow RAM"}};
constexpr RequestArgument kArgs40[] = {
    {"Current (mA)", K::Float, 0, "4", "0 leaves the fixed current mode"}};
constexpr RequestArgument kArgs44[] = {{"PV unit", K::Unit, 0, "kPa"}};
constexpr RequestArgument kArgs45[] = {{"Measured current (mA)", K::Float, 0, "4.002"}};
constexpr RequestArgument kArgs46[] = {{"Measured current (mA)", K::Float, 0, "19.998"}};
constexpr RequestArgument kArgs47[] = {{"Transfer function", K::TransferFunction, 0, "Linear"}};
constexpr RequestArgument kArgs51[] = {{"PV variable", K::Byte, 0, "0", "device variable codes"},
                                       {"SV variable", K::Byte, 0, "1"},
                                       {"TV variable", K::Byte, 0, "2"},
                                       {"QV variable", K::Byte, 0, "3"}};
constexpr RequestArgument kArgsDeviceVariable[] = {{"Device variable", K::Byte, 0, "0"}};
constexpr RequestArgument kArgs53[] = {{"Device variable", K::Byte, 0, "0"},
                                       {"Unit", K::Unit, 0, "degC"}};
constexpr RequestArgument kArgs55[] = {{"Device variable", K::Byte, 0, "0"},
                                       {"Damping (s)", K::Float, 0, "1.5"}};
constexpr RequestArgument kArgs58[] = {
    {"Unit tag", K::LimitedPackedText, 8, "UNIT-7"},
    {"Descriptor", K::LimitedPackedText, 16, "COOLING LOOP"},
    {"Date", K::DottedDate, 0, "24.12.2018", "a year before 1900 is sent as 1900"}};
constexpr RequestArgument kArgsChannel[] = {{"Analog channel", K::Byte, 0, "0"}};
constexpr RequestArgument kArgs62[] = {{"Channel 1", K::Byte, 0, "0", "analog channel numbers"},
                                       {"Channel 2", K::Byte, 0, "1"},
                                       {"Channel 3", K::Byte, 0, "2"},
                                       {"Channel 4", K::Byte, 0, "3"}};
constexpr RequestArgument kArgs64[] = {{"Analog channel", K::Byte, 0, "0"},
                                       {"Damping (s)", K::Float, 0, "2"}};
constexpr RequestArgument kArgs65[] = {{"Analog channel", K::Byte, 0, "0"},
                                       {"Range unit", K::Unit, 0, "mA"},
                                       {"Upper range value", K::Float, 0, "20"},
                                       {"Lower range value", K::Float, 0, "4"}};
constexpr RequestArgument kArgs66[] = {
    {"Analog channel", K::Byte, 0, "0"}, {"Unit", K::Unit, 0, "mA"}, {"Level", K::Float, 0, "12"}};
constexpr RequestArgument kArgs69[] = {{"Analog channel", K::Byte, 0, "0"},
                                       {"Transfer function code", K::Byte, 0, "0"}};
constexpr RequestArgument kArgs107[] = {
    {"Burst variable 1", K::Byte, 0, "0", "device variable codes"},
    {"Burst variable 2", K::Byte, 0, "1"},
    {"Burst variable 3", K::Byte, 0, "2"},
    {"Burst variable 4", K::Byte, 0, "3"}};
constexpr RequestArgument kArgs108[] = {{"Burst command", K::Byte, 0, "3"}};
constexpr RequestArgument kArgs109[] = {{"Burst mode", K::Byte, 0, "1", "0 off, 1 on"}};
constexpr RequestArgument kArgs255[] = {{"Format text", K::FormatText, 32, "R128B|B"},
                                        {"Values", K::FormatValues, 0, "7"}};

// Reply slots, shared by the commands whose replies the decoder lays out alike.
constexpr ReplyField kIdentity[] = {
    {"Manufacturer"},      {"Device type"},     {"Preambles"},
    {"HART revision"},     {"Device revision"}, {"Software revision"},
    {"Hardware revision"}, {"Flags"},           {"Device ID"}};
constexpr ReplyField kReply1[] = {{"PV unit"}, {"PV", {}, 1}};
constexpr ReplyField kReply2[] = {{"Loop current", "mA"}, {"Percent of range", "%"}};
constexpr ReplyField kReply3[] = {{"Loop current", "mA"}, {"PV unit"}, {"PV", {}, 2}, {"SV unit"},
                                  {"SV", {}, 4},          {"TV unit"}, {"TV", {}, 6}, {"QV unit"},
                                  {"QV", {}, 8}};
constexpr ReplyField kReply6[] = {{"Polling address"}};
constexpr ReplyField kMessage[] = {{"Message"}};
constexpr ReplyField kTagDescriptorDate[] = {{"Tag"}, {"Descriptor"}, {"Date"}};
constexpr ReplyField kUnitTagDescriptorDate[] = {{"Unit tag"}, {"Descriptor"}, {"Date"}};
constexpr ReplyField kReply14[] = {{"Transducer serial number"},
                                   {"Transducer limits unit"},
                                   {"Upper transducer limit", {}, 2},
                                   {"Lower transducer limit", {}, 2},
                                   {"Minimum span", {}, 2}};
constexpr ReplyField kReply15[] = {{"Alarm selection"},
                                   {"Transfer function"},
                                   {"Range unit"},
                                   {"Upper range value", {}, 3},
                                   {"Lower range value", {}, 3},
                                   {"Damping", "s"},
                                   {"Write protect"},
                                   {"Private label distributor"}};
constexpr ReplyField kFinalAssembly[] = {{"Final assembly number"}};
constexpr ReplyField kReply33[] = {
    {"Variable 1 code"},   {"Variable 1 unit"},   {"Variable 1", {}, 2}, {"Variable 2 code"},
    {"Variable 2 unit"},   {"Variable 2", {}, 5}, {"Variable 3 code"},   {"Variable 3 unit"},
    {"Variable 3", {}, 8}, {"Variable 4 code"},   {"Variable 4 unit"},   {"Variable 4", {}, 11}};
constexpr ReplyField kReply34[] = {{"PV damping", "s"}};
constexpr ReplyField kReply35[] = {
    {"Range unit"}, {"Upper range value", {}, 1}, {"Lower range value", {}, 1}};
constexpr ReplyField kReply39[] = {{"EEPROM control code"}};
constexpr ReplyField kReply40[] = {{"Fixed current", "mA"}};
constexpr ReplyField kReply44[] = {{"PV unit"}};
constexpr ReplyField kMeasuredCurrent[] = {{"Measured current", "mA"}};
constexpr ReplyField kReply47[] = {{"Transfer function"}};
constexpr ReplyField kReply48[] = {
    {"Status bytes 0-1"},   {"Status bytes 2-3"},   {"Status bytes 4-5"},   {"Status bytes 6-7"},
    {"Status bytes 8-9"},   {"Status bytes 10-11"}, {"Status bytes 12-13"}, {"Status bytes 14-15"},
    {"Status bytes 16-17"}, {"Status bytes 18-19"}, {"Status bytes 20-21"}, {"Status bytes 22-23"},
    {"Status byte 24"}};
constexpr ReplyField kAssignments[] = {
    {"PV variable"}, {"SV variable"}, {"TV variable"}, {"QV variable"}};
constexpr ReplyField kReply52[] = {{"Device variable"}};
constexpr ReplyField kReply53[] = {{"Device variable"}, {"Unit"}};
constexpr ReplyField kReply54[] = {{"Device variable"},           {"Sensor serial number"},
                                   {"Sensor limits unit"},        {"Upper sensor limit", {}, 3},
                                   {"Lower sensor limit", {}, 3}, {"Damping", "s"},
                                   {"Minimum span", {}, 3}};
constexpr ReplyField kReply55[] = {{"Device variable"}, {"Damping", "s"}};
constexpr ReplyField kReply60[] = {
    {"Analog channel"}, {"Channel unit"}, {"Channel level", {}, 2}, {"Percent of range", "%"}};
constexpr ReplyField kReply61[] = {{"Analog channel unit"},
                                   {"Analog channel level", {}, 1},
                                   {"PV unit"},
                                   {"PV", {}, 3},
                                   {"SV unit"},
                                   {"SV", {}, 5},
                                   {"TV unit"},
                                   {"TV", {}, 7},
                                   {"QV unit"},
                                   {"QV", {}, 9}};
constexpr ReplyField kReply62[] = {
    {"Channel 1 number"}, {"Channel 1 unit"}, {"Channel 1 level", {}, 2},
    {"Channel 2 number"}, {"Channel 2 unit"}, {"Channel 2 level", {}, 5},
    {"Channel 3 number"}, {"Channel 3 unit"}, {"Channel 3 level", {}, 8},
    {"Channel 4 number"}, {"Channel 4 unit"}, {"Channel 4 level", {}, 11}};
constexpr ReplyField kReply63[] = {
    {"Analog channel"}, {"Alarm selection code"},     {"Transfer function"},
    {"Range unit"},     {"Upper range value", {}, 4}, {"Lower range value", {}, 4},
    {"Damping", "s"}};
constexpr ReplyField kReply64[] = {{"Analog channel"}, {"Damping", "s"}};
constexpr ReplyField kReply65[] = {
    {"Analog channel"}, {"Range unit"}, {"Upper range value", {}, 2}, {"Lower range value", {}, 2}};
constexpr ReplyField kChannelLevel[] = {{"Analog channel"}, {"Unit"}, {"Level", {}, 2}};
constexpr ReplyField kReply69[] = {{"Analog channel"}, {"Transfer function"}};
constexpr ReplyField kReply70[] = {
    {"Analog channel"}, {"Endpoint unit"}, {"Upper endpoint", {}, 2}, {"Lower endpoint", {}, 2}};
constexpr ReplyField kReply107[] = {
    {"Burst variable 1"}, {"Burst variable 2"}, {"Burst variable 3"}, {"Burst variable 4"}};
constexpr ReplyField kReply108[] = {{"Burst command"}};
constexpr ReplyField kReply109[] = {{"Burst mode"}};
constexpr ReplyField kReply110[] = {{"PV unit"}, {"PV", {}, 1}, {"SV unit"}, {"SV", {}, 3},
                                    {"TV unit"}, {"TV", {}, 5}, {"QV unit"}, {"QV", {}, 7}};

// The commands, with the names of the published standard.
constexpr CommandEntry kCommands[] = {
    {0, "Read Unique Identifier", {}, kIdentity},
    {1, "Read Primary Variable", {}, kReply1},
    {2, "Read Loop Current and Percent of Range", {}, kReply2},
    {3, "Read Dynamic Variables and Loop Current", {}, kReply3},
    {6, "Write Polling Address", kArgs6, kReply6},
    {11, "Read Unique Identifier Associated with Tag", kArgs11, kIdentity},
    {12, "Read Message", {}, kMessage},
    {13, "Read Tag, Descriptor, Date", {}, kTagDescriptorDate},
    {14, "Read Primary Variable Transducer Information", {}, kReply14},
    {15, "Read Device Information", {}, kReply15},
    {16, "Read Final Assembly Number", {}, kFinalAssembly},
    {17, "Write Message", kArgs17, kMessage},
    {18, "Write Tag, Descriptor, Date", kArgs18, kTagDescriptorDate},
    {19, "Write Final Assembly Number", kArgs19, kFinalAssembly},
    {21, "Read Unique Identifier Associated with Long Tag", kArgs21, kIdentity},
    {33, "Read Device Variables", kArgs33, kReply33},
    {34, "Write Primary Variable Damping Value", kArgs34, kReply34},
    {35, "Write Primary Variable Range Values", kArgs35, kReply35},
    {36, "Set Primary Variable Upper Range Value", {}, {}},
    {37, "Set Primary Variable Lower Range Value", {}, {}},
    {38, "Reset Configuration Changed Flag", {}, {}},
    {39, "EEPROM Control", kArgs39, kReply39},
    {40, "Enter/Exit Fixed Current Mode", kArgs40, kReply40},
    {41, "Perform Self Test", {}, {}},
    {42, "Perform Device Reset", {}, {}},
    {43, "Set Primary Variable Zero", {}, {}},
    {44, "Write Primary Variable Units", kArgs44, kReply44},
    {45, "Trim Loop Current Zero", kArgs45, kMeasuredCurrent},
    {46, "Trim Loop Current Gain", kArgs46, kMeasuredCurrent},
    {47, "Write Primary Variable Transfer Function", kArgs47, kReply47},
    {48, "Read Additional Device Status", {}, kReply48},
    {50, "Read Dynamic Variable Assignments", {}, kAssignments},
    {51, "Write Dynamic Variable Assignments", kArgs51, kAssignments},
    {52, "Set Device Variable Zero", kArgsDeviceVariable, kReply52},
    {53, "Write Device Variable Units", kArgs53, kReply53},
    {54, "Read Device Variable Information", kArgsDeviceVariable, kReply54},
    {55, "Write Device Variable Damping Value", kArgs55, kReply55},
    {57, "Read Unit Tag, Descriptor, Date", {}, kUnitTagDescriptorDate},
    {58, "Write Unit Tag, Descriptor, Date", kArgs58, kUnitTagDescriptorDate},
    {60, "Read Analog Channel and Percent of Range", kArgsChannel, kReply60},
    {61, "Read Dynamic Variables and Primary Variable Analog Channel", {}, kReply61},
    {62, "Read Analog Channels", kArgs62, kReply62},
    {63, "Read Analog Channel Information", kArgsChannel, kReply63},
    {64, "Write Analog Channel Additional Damping Value", kArgs64, kReply64},
    {65, "Write Analog Channel Range Values", kArgs65, kReply65},
    {66, "Enter/Exit Fixed Analog Channel Mode", kArgs66, kChannelLevel},
    {67, "Trim Analog Channel Zero", kArgs66, kChannelLevel},
    {68, "Trim Analog Channel Gain", kArgs66, kChannelLevel},
    {69, "Write Analog Channel Transfer Function", kArgs69, kReply69},
    {70, "Read Analog Channel Endpoint Values", kArgsChannel, kReply70},
    {107, "Write Burst Device Variables", kArgs107, kReply107},
    {108, "Write Burst Mode Command Number", kArgs108, kReply108},
    {109, "Burst Mode Control", kArgs109, kReply109},
    {110, "Read All Dynamic Variables", {}, kReply110},
    {kGenericCommand, "Generic command", kArgs255, {}, true},
};

// Device-specific numbers the driver sends without data, as first and last of each run.
constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 6> kDeviceSpecific = {
    {{128, 134}, {136, 137}, {139, 139}, {141, 144}, {149, 151}, {194, 195}}};

std::string_view formatItemKind(char letter) {
    switch (letter) {
        case 'B':
            return "Byte";
        case 'U':
            return "Unit";
        case 'F':
            return "Float";
        case 'P':
            return "Packed text";
        case 'A':
            return "Text";
        case 'L':
            return "Integer";
        default:
            return {};
    }
}

// The command number in characters 2 to 4 of a generic format text.
std::optional<std::uint8_t> commandOfFormat(std::string_view format) {
    if (format.size() < kReplyFormatStart) return std::nullopt;
    unsigned number = 0;
    for (std::size_t i = 1; i < kReplyFormatStart; ++i) {
        if (format[i] < '0' || format[i] > '9') return std::nullopt;
        number = number * 10 + static_cast<unsigned>(format[i] - '0');
    }
    if (number > 255) return std::nullopt;
    return static_cast<std::uint8_t>(number);
}

// One slot for each item of a reply format, read up to where the decoder stops; then the slots
// of the sent command's own layout that the items did not replace (the decoder writes that
// layout first).
std::vector<SlotName> templateSlots(std::uint8_t sent, std::string_view replyFormat) {
    std::vector<SlotName> slots;
    for (std::size_t i = 0; i < replyFormat.size() && slots.size() < kReplySlots;) {
        const std::string_view kind = formatItemKind(replyFormat[i]);
        if (kind.empty()) break;
        slots.push_back({std::string(kind) + " " + std::to_string(slots.size() + 1), {}, 0});
        const char letter = replyFormat[i];
        i += (letter == 'P' || letter == 'A') ? 3 : (letter == 'L' ? 2 : 1);
    }
    const std::size_t items = slots.size();
    const std::vector<SlotName> layout =
        sent == kGenericCommand ? std::vector<SlotName>{} : ReplySlots(sent);
    for (std::size_t k = items; k < layout.size(); ++k) {
        SlotName slot = layout[k];
        if (slot.unitSlot <= items) slot.unitSlot = 0;
        slots.push_back(std::move(slot));
    }
    return slots;
}

}  // namespace

std::span<const CommandEntry> CatalogueCommands() {
    return kCommands;
}

bool IsDeviceSpecificCommand(std::uint8_t command) {
    return std::any_of(kDeviceSpecific.begin(), kDeviceSpecific.end(), [command](auto run) {
        return command >= run.first && command <= run.second;
    });
}

std::optional<CommandEntry> FindCommand(std::uint8_t command) {
    const auto* found =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [command](const CommandEntry& e) { return e.number == command; });
    if (found != std::end(kCommands)) return *found;
    if (IsDeviceSpecificCommand(command)) return CommandEntry{command, "Device-specific command"};
    return std::nullopt;
}

std::string FieldTitle(const ReplyField& field) {
    std::string title(field.name);
    if (!field.unit.empty()) title += " (" + std::string(field.unit) + ")";
    return title;
}

std::string FieldKey(std::string_view name) {
    std::string key;
    bool gap = false;
    for (char c : name) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        const bool upper = c >= 'A' && c <= 'Z';
        if (!letter && !upper) {
            gap = !key.empty();
            continue;
        }
        if (gap) key += '_';
        gap = false;
        key += upper ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

std::vector<SlotName> ReplySlots(std::uint8_t command, std::string_view formatText) {
    std::vector<SlotName> slots;
    if (command != kGenericCommand) {
        if (const std::optional<CommandEntry> entry = FindCommand(command)) {
            for (const ReplyField& f : entry->reply)
                slots.push_back({std::string(f.name), std::string(f.unit), f.unitSlot});
        }
        return slots;
    }
    // The request keeps 32 characters of the format text; characters 2 to 4 name the command
    // sent, and a request with data ("R" or "W") has its reply format after the first "|".
    const std::string_view format = formatText.substr(0, std::min(formatText.size(), kFormatKept));
    const std::optional<std::uint8_t> sent = commandOfFormat(format);
    if (!sent) return slots;
    std::size_t start = kReplyFormatStart;
    if (format[0] == 'R' || format[0] == 'W') {
        const std::size_t bar = format.find('|');
        if (bar == std::string_view::npos || bar < start) return slots;
        start = bar + 1;
    }
    return templateSlots(*sent, format.substr(start));
}

std::vector<SlotName> DecodedReplySlots(const HartMessage& msg) {
    // The decoder applies the reply template left in ControlStr by the request of a generic
    // command: its kind letter, command digits and reply format.
    const std::string& format = msg.ControlStr;
    if (format.size() > kReplyFormatStart && commandOfFormat(format) == msg.Command)
        return templateSlots(msg.Command, std::string_view(format).substr(kReplyFormatStart));
    return ReplySlots(msg.Command);
}

std::vector<std::string> ReplyLineTitles(const std::vector<std::string>& lines,
                                         const std::vector<SlotName>& slots) {
    static constexpr std::string_view kHeads[] = {"Command", "Polling address", "Response",
                                                  "Device status"};
    std::vector<std::string> titles;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < std::size(kHeads)) {
            titles.emplace_back(kHeads[i]);
        } else if (i == std::size(kHeads) && lines[2] == kInvalidSelection) {
            titles.emplace_back("Replies delivered");
        } else if (const std::size_t k = i - std::size(kHeads); k < slots.size()) {
            titles.push_back(FieldTitle({slots[k].name, slots[k].unit}));
        } else {
            titles.push_back("Line " + std::to_string(i + 1));
        }
    }
    return titles;
}

}  // namespace hart
