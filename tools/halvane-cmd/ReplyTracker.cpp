#include "tools/halvane-cmd/ReplyTracker.h"

#include "driver/command/CommandLine.h"
#include "hart/ReplyText.h"
#include "platform/channel/ChannelProtocol.h"
#include "platform/text/IntegerText.h"

namespace halvanecmd {

namespace {

// The generic command's reply shows the command number actually sent, not 255.
constexpr int kGenericCommand = 255;
constexpr int kLastPort = 20;
constexpr std::string_view kPrimaryMaster = "Primary Master";
constexpr std::string_view kSecondaryMaster = "Secondary Master";

std::optional<int> readByte(std::string_view text) {
    auto value = platform::parseInteger(text);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return *value;
}

std::string upperAsciiLetters(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

Expectation expectationFor(std::string_view executedText) {
    // The driver compares the lines joined without separators, upper-cased, with its control
    // commands, and hands the lines joined with CR LF to its command-line parser.
    const Lines lines = platform::channel::splitExecuteText(executedText);
    std::string control;
    std::string commandText;
    for (const std::string& line : lines) {
        control += line;
        commandText += line + "\r\n";
    }
    control = upperAsciiLetters(control);

    Expectation e;
    if (control == "TERMINATE") {
        e.kind = Expectation::Kind::Terminate;
        return e;
    }
    e.kind = Expectation::Kind::Control;
    if (control == "STATUS") return e;
    if (control == "SET PRIMARY" || control == "SET SECONDARY") {
        e.primary = control == "SET PRIMARY";
        return e;
    }
    if (control == "SET RQ-10" || control == "SET RQ-20") {
        e.modemRQ20 = control == "SET RQ-20";
        return e;
    }
    if (control == "SET PRECISION 6" || control == "SET PRECISION 9") {
        e.precision = control.back() - '0';
        return e;
    }
    if (control.starts_with("SET COM")) {
        auto number = platform::parseInteger(std::string_view(control).substr(7));
        if (number && *number >= 1 && *number <= kLastPort &&
            control == "SET COM" + std::to_string(*number)) {
            e.port = "COM" + std::to_string(*number);
            return e;
        }
    }

    e = Expectation{};
    std::string rest = commandText;
    const std::string command = driver::NextToken(rest);
    e.command =
        command.empty() ? 0 : readByte(std::string_view(command).substr(0, command.find(' ')));
    const std::string address = driver::NextToken(rest);
    e.address = address.empty() ? 0 : readByte(address);
    return e;
}

Lines itemLines(std::string_view servedText) {
    Lines lines;
    while (!servedText.empty()) {
        std::size_t end = servedText.find("\r\n");
        if (end == std::string_view::npos) {
            lines.emplace_back(servedText);
            break;
        }
        lines.emplace_back(servedText.substr(0, end));
        servedText.remove_prefix(end + 2);
    }
    return lines;
}

bool isBusyMarker(const Lines& lines) {
    return lines.size() == 1;
}

bool isStatusText(const Lines& lines) {
    if (lines.size() != 5 || !lines[1].empty()) return false;
    const std::string& digits = lines[4];
    return digits.size() > 7 && digits.ends_with(" digits") && digits[0] >= '0' && digits[0] <= '9';
}

ReplyTracker::ReplyTracker(Expectation expectation, Mode mode, const std::string& before)
    : m_expectation(std::move(expectation)), m_mode(mode), m_last(itemLines(before)) {}

void ReplyTracker::observe(const std::string& servedText) {
    if (done()) return;
    const Lines lines = itemLines(servedText);
    if (m_expectation.kind == Expectation::Kind::Control) {
        if (isStatusText(lines)) observeStatus(lines);
        return;
    }
    if (isBusyMarker(lines)) {
        // Polling sees the same marker again while one transaction runs: only a marker after
        // some other text shows a transaction that began after the execute.
        if (m_mode == Mode::Advise || !isBusyMarker(m_last)) m_taken = true;
    } else if (lines.size() >= 3 && !isStatusText(lines)) {
        observeResult(lines);
    }
    m_last = lines;
}

void ReplyTracker::observeStatus(const Lines& lines) {
    // A status text that contradicts this control command answers another client's.
    const Expectation& e = m_expectation;
    if (e.precision && lines[4] != std::to_string(*e.precision) + " digits") return;
    if (e.modemRQ20 && lines[2].empty() == *e.modemRQ20) return;
    // The master texts may be translated; only the built-in ones can be checked.
    if (e.primary && (lines[3] == kPrimaryMaster || lines[3] == kSecondaryMaster) &&
        (lines[3] == kPrimaryMaster) != *e.primary)
        return;
    if (e.port && lines[0] != *e.port) {
        if (lines[0] != "none") return;
        m_lines = lines;
        m_verdict = Verdict::NoPort;
        return;
    }
    m_lines = lines;
    m_verdict = Verdict::Delivered;
}

void ReplyTracker::observeResult(const Lines& lines) {
    if (m_taken) {
        if (resultMatches(lines)) {
            finish(lines);
        } else {
            m_lines = lines;
            m_verdict = Verdict::ForeignReply;
        }
        return;
    }
    // A result without a busy marker after the execute ends a transaction that began before it.
    // Polling can miss a short transaction's marker between two requests, so a new result after
    // a text other than the marker is taken when it names this command line.
    if (m_mode == Mode::Poll && lines != m_last && !isBusyMarker(m_last) && resultMatches(lines))
        finish(lines);
}

bool ReplyTracker::resultMatches(const Lines& lines) const {
    const Expectation& e = m_expectation;
    if (e.kind != Expectation::Kind::CommandLine) return true;
    if (e.address && platform::parseInteger(lines[1]) != e.address) return false;
    if (e.command && *e.command != kGenericCommand) {
        auto command = platform::parseInteger(lines[0]);
        // A device that stays silent through its re-identification is reported as command 0.
        const bool reidentification =
            lines.size() == 3 && lines[2] == hart::kCommunicationError && command == 0;
        if (command != e.command && !reidentification) return false;
    }
    return true;
}

void ReplyTracker::finish(const Lines& lines) {
    m_lines = lines;
    if (lines.size() == 3 && lines[2] == hart::kCommandError)
        m_verdict = Verdict::CommandError;
    else if (lines.size() == 3 && lines[2] == hart::kCommunicationError)
        m_verdict = Verdict::CommunicationError;
    else
        m_verdict = Verdict::Delivered;
}

void ReplyTracker::conversationClosed() {
    if (done()) return;
    m_verdict = m_expectation.kind == Expectation::Kind::Terminate ? Verdict::DriverEnded
                                                                   : Verdict::ConversationLost;
}

void ReplyTracker::timeIsUp() {
    if (done()) return;
    switch (m_expectation.kind) {
        case Expectation::Kind::CommandLine:
            m_verdict = m_taken ? Verdict::NoResult : Verdict::NotTaken;
            break;
        case Expectation::Kind::Control:  // the status text follows the taking at once
            m_verdict = Verdict::NotTaken;
            break;
        case Expectation::Kind::Terminate:
            m_verdict = Verdict::NoResult;
            break;
    }
}

}  // namespace halvanecmd
