#include "LoggerRig.h"

#include "logger/core/ReplyText.h"

namespace loggertest {

std::string itemText(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

bool ScriptedDriver::execute(const std::string& text) {
    if (failingExecutes > 0) {
        --failingExecutes;
        return false;
    }
    executed.push_back(text);
    executedAt.push_back(m_time.now());
    const Lines parts = logger::splitReply(text);
    if (parts.size() != 3) return true;  // a control command such as "terminate"
    const int command = std::stoi(parts.at(0));
    const int address = std::stoi(parts.at(1));
    const std::string a = std::to_string(address);
    std::optional<Lines> reply = script ? script(command, address) : std::nullopt;
    int after = replyMs;
    if (!reply) {
        const auto device = devices.find(address);
        if (device == devices.end()) {
            reply = Lines{"0", a, "Communication Error!"};  // the re-identification failed too
            after = silentMs;
        } else {
            reply = Lines{std::to_string(command), a};
            const Lines& fields = command == 0 ? device->second.identity : device->second.reading;
            reply->insert(reply->end(), fields.begin(), fields.end());
        }
    }
    const std::uint64_t now = m_time.now();
    m_time.post(now + 1, [this] { item = "Busy!\r\n"; });
    m_time.post(now + static_cast<std::uint64_t>(after),
                [this, text = itemText(*reply)] { item = text; });
    return true;
}

std::vector<std::string> ScriptedDriver::sent() const {
    std::vector<std::string> commands;
    for (const std::string& text : executed) {
        const Lines parts = logger::splitReply(text);
        if (parts.size() != 3) continue;
        commands.push_back(std::to_string(std::stoi(parts.at(0))) + "/" + parts.at(1));
    }
    return commands;
}

ScriptedDriver::Device multidropDevice(int address) {
    const std::string id = std::to_string(1000 + address);
    return {{"", "", "38", "6", "5", "5", "1", "1", "8", "0", id},
            {"", "Output Current Fixed! ", "4", "kPa", std::to_string(10 + address) + ".25", "degC",
             "21.5", "degC", "28", "bar", "1.2"}};
}

logger::MessageAnswer RecordingViews::show(logger::MessageKind kind, const QString& text,
                                           logger::MessageButtons buttons) {
    messages.push_back({kind, text.toStdString()});
    if (!answers.empty()) {
        const logger::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
        case logger::MessageButtons::YesNoCancel:
            return logger::MessageAnswer::Yes;
        case logger::MessageButtons::AbortRetry:
            return logger::MessageAnswer::Retry;
        default:
            return logger::MessageAnswer::Ok;
    }
}

LoggerRig::LoggerRig() {
    const auto table = dir.write("TABLE.DDF",
                                 "[Distributors]\n38=Maker 38\n[Instruments]\n6=Model 6\n"
                                 "[Units]\n7=bar\n12=kPa\n32=degC\n");
    names = std::make_unique<logger::CodeNames>(table);
    monitor = std::make_unique<logger::Monitor>(
        driver, logger::MonitorTimers{send, poll, timeOut, interval}, clock, random, record,
        logger::MonitorViews{views,
                             views,
                             views,
                             views,
                             views,
                             {&charts[0], &charts[1], &charts[2], &charts[3], &charts[4]}},
        logger::MonitorContext{settings, locale, *names, texts});
}

void LoggerRig::start() {
    monitor->connectToDriver();
    monitor->bbStartClick();
}

Lines LoggerRig::lines(std::size_t from) const {
    return Lines(
        views.pane.begin() + static_cast<std::ptrdiff_t>(std::min(from, views.pane.size())),
        views.pane.end());
}

Lines LoggerRig::readings() const {
    Lines found;
    for (const std::string& line : views.pane)
        if (line.find(" Polling Adress ") != std::string::npos) found.push_back(line);
    return found;
}

}  // namespace loggertest
