#include "tools/halvane-cmd/ReplyOutput.h"

#include <QDateTime>

#include "driver/command/CommandLine.h"
#include "hart/CommandCatalogue.h"
#include "hart/ReplyText.h"
#include "platform/text/IntegerText.h"
#include "tools/halvane-cmd/JsonText.h"
#include "tools/halvane-cmd/ReplyTracker.h"

namespace halvanecmd {

namespace {

constexpr std::uint8_t kGenericCommand = 255;
constexpr std::size_t kFirstSlotLine = 4;  // 0-based: command, address, response, status first
// The response codes whose texts the driver delivers, and those of them that are warnings.
constexpr int kDeliveredCodes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 28, 64};
constexpr int kWarningCodes[] = {8, 14};

enum class Shape { Delivered, CommandError, CommunicationError, Status };

Shape shapeOf(const Lines& lines) {
    if (isStatusText(lines)) return Shape::Status;
    if (lines.size() == 3 && lines[2] == hart::kCommandError) return Shape::CommandError;
    if (lines.size() == 3 && lines[2] == hart::kCommunicationError)
        return Shape::CommunicationError;
    return Shape::Delivered;
}

std::string line(const Lines& lines, std::size_t k) {
    return k < lines.size() ? lines[k] : std::string();
}

std::string trimmedEnd(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::optional<int> number(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return {};
    return platform::parseInteger(text);
}

// The names of the result lines: by the command sent, whose format text lays out a generic
// command's reply, else by the command the reply names.
std::vector<hart::SlotName> slotNames(const Lines& lines, std::string_view executed) {
    if (expectationFor(executed).command == kGenericCommand) {
        hart::HartMessage msg;
        int address = 0;
        driver::ParseCommandLine(executed, msg, address);
        return hart::ReplySlots(kGenericCommand, msg.S[1]);
    }
    const std::optional<int> command = number(line(lines, 0));
    if (!command || *command > 255) return {};
    return hart::ReplySlots(static_cast<std::uint8_t>(*command));
}

std::string commandName(const std::string& commandLine) {
    const std::optional<int> command = number(commandLine);
    if (!command || *command > 255) return {};
    const std::optional<hart::CommandEntry> entry =
        hart::FindCommand(static_cast<std::uint8_t>(*command));
    return entry ? std::string(entry->name) : std::string();
}

// The result lines of a delivered reply, each with its name (a value's unit folded into it for
// people), and the count the driver adds after "Invalid Selection!".
struct NamedLine {
    std::string title;
    std::string key;
    std::string value;
    std::string unit;              // the value's unit, fixed or from its unit line
    bool isUnitOfAnother = false;  // the unit line of a value that is present
};

std::vector<NamedLine> namedLines(const Lines& lines, std::string_view executed,
                                  std::optional<std::string>& delivered) {
    std::size_t end = lines.size();
    if (line(lines, 2) == hart::kInvalidSelection && end > kFirstSlotLine) delivered = lines[--end];
    const std::vector<hart::SlotName> layout = slotNames(lines, executed);
    std::vector<NamedLine> named;
    for (std::size_t i = kFirstSlotLine; i < end; ++i) {
        const std::size_t k = i - kFirstSlotLine;  // slot index, 0-based
        NamedLine n;
        n.value = lines[i];
        if (k < layout.size()) {
            n.title = layout[k].name;
            n.unit = layout[k].unit;
            if (layout[k].unitSlot != 0)
                n.unit = line(lines, kFirstSlotLine + layout[k].unitSlot - 1);
        } else {
            n.title = "Line " + std::to_string(i + 1);
        }
        n.key = hart::FieldKey(n.title);
        named.push_back(std::move(n));
    }
    for (std::size_t k = 0; k < named.size() && k < layout.size(); ++k) {
        const std::size_t unitSlot = layout[k].unitSlot;
        if (unitSlot != 0 && unitSlot <= named.size()) named[unitSlot - 1].isUnitOfAnother = true;
    }
    return named;
}

std::string labelLine(const std::string& title, const std::string& value) {
    return value.empty() ? title + ":" : title + ": " + value;
}

std::string jsonNumberOrString(const std::string& text) {
    const std::optional<int> n = number(text);
    return n ? std::to_string(*n) : jsonString(text);
}

std::string jsonLines(const Lines& lines) {
    std::string json = "[";
    for (std::size_t i = 0; i < lines.size(); ++i)
        json += (i ? "," : "") + jsonString(lines[i]);
    return json + "]";
}

std::string_view kindName(ResponseClass::Kind kind) {
    switch (kind) {
        case ResponseClass::Kind::Success:
            return "success";
        case ResponseClass::Kind::Warning:
            return "warning";
        case ResponseClass::Kind::Error:
            break;
    }
    return "error";
}

}  // namespace

ResponseClass classifyResponse(std::string_view responseText, const hart::CodeTables& tables) {
    if (responseText.empty()) return {ResponseClass::Kind::Success, 0};
    for (int code : kDeliveredCodes) {
        if (tables.ResponseCodeText(static_cast<std::uint8_t>(code)).text != responseText) continue;
        const bool warning = std::find(std::begin(kWarningCodes), std::end(kWarningCodes), code) !=
                             std::end(kWarningCodes);
        return {warning ? ResponseClass::Kind::Warning : ResponseClass::Kind::Error, code};
    }
    return {ResponseClass::Kind::Error, std::nullopt};
}

ReplyPrinter::ReplyPrinter(std::ostream& out, OutputStyle style, bool timeStamps,
                           const hart::CodeTables& tables)
    : m_out(out), m_style(style), m_timeStamps(timeStamps), m_tables(tables) {}

void ReplyPrinter::print(const PrintedReply& reply) {
    const Lines& lines = reply.lines;
    const Shape shape = shapeOf(lines);
    Lines text;  // the text styles' output lines
    if (m_style != OutputStyle::Json && m_timeStamps) {
        if (m_printed > 0) text.emplace_back();
        text.push_back("[" + reply.time + "]");
    }

    if (m_style == OutputStyle::Lines) {
        text.insert(text.end(), lines.begin(), lines.end());
    } else if (m_style == OutputStyle::Labels) {
        if (shape == Shape::Status) {
            text.push_back(labelLine("Port", line(lines, 0)));
            text.push_back(labelLine("Modem", line(lines, 2).empty() ? "RQ-10" : line(lines, 2)));
            text.push_back(labelLine("Master", line(lines, 3)));
            text.push_back(labelLine("Float digits", line(lines, 4)));
        } else {
            const std::string name = commandName(line(lines, 0));
            text.push_back(
                labelLine("Command", line(lines, 0) + (name.empty() ? "" : " (" + name + ")")));
            text.push_back(labelLine("Polling address", line(lines, 1)));
            const std::string response = line(lines, 2);
            text.push_back(labelLine("Response", response.empty() ? "OK" : response));
        }
        if (shape == Shape::Delivered) {
            const std::string status = trimmedEnd(line(lines, 3));
            text.push_back(labelLine("Device status", status.empty() ? "none" : status));
            std::optional<std::string> delivered;
            for (const NamedLine& n : namedLines(lines, reply.executed, delivered)) {
                if (n.isUnitOfAnother) continue;
                text.push_back(labelLine(
                    n.title, n.value.empty() || n.unit.empty() ? n.value : n.value + " " + n.unit));
            }
            if (delivered) text.push_back(labelLine("Replies delivered", *delivered));
        }
    } else {
        std::string json = "{\"time\":" + jsonString(reply.time);
        switch (shape) {
            case Shape::Status: {
                const std::optional<int> digits =
                    platform::parseInteger(line(lines, 4).substr(0, line(lines, 4).find(' ')));
                json += ",\"outcome\":\"status\",\"port\":" + jsonString(line(lines, 0)) +
                        ",\"modem\":" + jsonString(line(lines, 2)) +
                        ",\"master\":" + jsonString(line(lines, 3)) +
                        ",\"precision\":" + (digits ? std::to_string(*digits) : "null");
                break;
            }
            case Shape::CommandError:
            case Shape::CommunicationError:
                json += ",\"command\":" + jsonNumberOrString(line(lines, 0)) +
                        ",\"address\":" + jsonNumberOrString(line(lines, 1)) + ",\"outcome\":" +
                        (shape == Shape::CommandError ? "\"command error\""
                                                      : "\"communication error\"") +
                        ",\"response\":" + jsonString(line(lines, 2)) +
                        ",\"sent\":" + (reply.refusal.empty() ? "true" : "false");
                if (!reply.refusal.empty()) json += ",\"reason\":" + jsonString(reply.refusal);
                break;
            case Shape::Delivered: {
                const ResponseClass response = classifyResponse(line(lines, 2), m_tables);
                json += ",\"command\":" + jsonNumberOrString(line(lines, 0)) +
                        ",\"command_name\":" + jsonString(commandName(line(lines, 0))) +
                        ",\"address\":" + jsonNumberOrString(line(lines, 1)) +
                        ",\"outcome\":\"reply\",\"response\":" + jsonString(line(lines, 2)) +
                        ",\"response_code\":" +
                        (response.code ? std::to_string(*response.code) : "null") +
                        ",\"response_kind\":\"" + std::string(kindName(response.kind)) + "\"" +
                        ",\"status\":" + jsonString(trimmedEnd(line(lines, 3))) + ",\"fields\":{";
                std::optional<std::string> delivered;
                const std::vector<NamedLine> named = namedLines(lines, reply.executed, delivered);
                for (std::size_t i = 0; i < named.size(); ++i)
                    json += (i ? "," : "") + jsonString(named[i].key) + ":" +
                            jsonString(named[i].value);
                json += "}";
                if (delivered) json += ",\"replies_delivered\":" + jsonNumberOrString(*delivered);
                break;
            }
        }
        text.push_back(json + ",\"lines\":" + jsonLines(lines) + "}");
    }

    for (const std::string& l : text) {
        m_out.write(l.data(), static_cast<std::streamsize>(l.size()));
        m_out.put('\n');
    }
    m_out.flush();
    ++m_printed;
}

std::string currentTimeStamp() {
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs).toStdString();
}

}  // namespace halvanecmd
