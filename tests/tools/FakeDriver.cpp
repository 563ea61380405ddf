#include "FakeDriver.h"

#include <QTimer>

#include "platform/text/IntegerText.h"

namespace fakedriver {

namespace {

using namespace std::chrono_literals;

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// The tokens of a command line: split at ";;" when it has one, else one token per line.
Lines tokens(const Lines& lines) {
    if (lines.size() != 1 || lines[0].find(";;") == std::string::npos) return lines;
    Lines out;
    std::string rest = lines[0];
    for (std::size_t at; (at = rest.find(";;")) != std::string::npos; rest.erase(0, at + 2))
        out.push_back(rest.substr(0, at));
    out.push_back(rest);
    return out;
}

}  // namespace

Lines FakeDriver::resultFor(const Lines& lines) {
    const Lines t = tokens(lines);
    const std::string commandText = t.empty() ? "" : t[0].substr(0, t[0].find(' '));
    const std::string addressText = t.size() < 2 ? "" : t[1];
    auto command = commandText.empty() ? 0 : platform::parseInteger(commandText);
    auto address = addressText.empty() ? 0 : platform::parseInteger(addressText);
    const std::string c = command ? std::to_string(*command) : "0";
    const std::string a = address ? std::to_string(*address) : "0";
    if (!command || *command < 0 || *command > 255 || !address || *address < 0 || *address > 64)
        return {c, a, "Command Error!"};
    if (*address == 7) return {c, a, "Communication Error!"};
    if (*address == 8) return {"0", a, "Communication Error!"};
    return {c, a, "", "", "12.5", "", "m\xB3/h"};
}

std::string FakeDriver::statusText() const {
    return port + "\r\n\r\n" + (rq20 ? "RQ-20" : "") + "\r\n" +
           (primary ? "Primary Master" : "Secondary Master") + "\r\n" + std::to_string(precision) +
           " digits";
}

void FakeDriver::startCommandLine(platform::channel::ConversationServer& server, Lines result) {
    busy = true;
    QTimer::singleShot(1ms, &server, [&server] { server.setItemText("Busy!"); });
    if (!answers) return;
    QTimer::singleShot(replyDelay, &server, [this, &server, result = std::move(result)] {
        // Errors are set as one text, delivered replies as lines, as the driver does.
        if (result.size() == 3 && result[2].ends_with("Error!"))
            server.setItemText(joined(result));
        else
            server.setItemLines(result);
        busy = false;
    });
}

void FakeDriver::execute(platform::channel::ConversationServer& server, const Lines& lines) {
    if (onExecute) onExecute(lines);
    if (foreignTakenFirst) {
        startCommandLine(server, *foreignTakenFirst);
        foreignTakenFirst.reset();
    }
    if (foreignEndsFirst) {
        server.setItemLines(*foreignEndsFirst);
        foreignEndsFirst.reset();
        busy = false;
    }
    const bool terminateLine = lines == Lines{"terminate"} || lines == Lines{"TERMINATE"};
    if (busy) {
        if (terminateLine && onTerminate) onTerminate();
        return;
    }
    if (lines.empty()) return;

    std::string control;
    for (const std::string& line : lines)
        control += line;
    control = upper(control);
    if (control == "TERMINATE") {
        if (onTerminate) onTerminate();
        return;
    }
    bool isControl = true;
    if (control == "SET PRIMARY" || control == "SET SECONDARY") {
        primary = control == "SET PRIMARY";
    } else if (control == "SET RQ-10" || control == "SET RQ-20") {
        rq20 = control == "SET RQ-20";
    } else if (control == "SET PRECISION 6" || control == "SET PRECISION 9") {
        precision = control.back() - '0';
    } else if (control.starts_with("SET COM") && control.size() <= 9) {
        auto number = platform::parseInteger(control.substr(7));
        isControl = number && *number >= 1 && *number <= 20;
        if (isControl) {
            port = unusablePorts.count(*number) ? "none" : "COM" + std::to_string(*number);
            rq20 = port != "none";
        }
    } else {
        isControl = control == "STATUS";
    }
    if (!isControl) {
        Lines result = resultFor(lines);
        if (result.size() > 3 && !responseText.empty()) result[2] = responseText;
        startCommandLine(server, std::move(result));
        return;
    }
    busy = true;
    QTimer::singleShot(1ms, &server, [this, &server] {
        server.setItemText(statusText());
        busy = false;
    });
}

}  // namespace fakedriver
