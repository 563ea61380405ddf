#include "driver/command/CommandInterface.h"

#include <array>
#include <cctype>
#include <optional>

#include "driver/command/CommandLine.h"
#include "platform/text/IntegerText.h"

namespace driver {

namespace {

constexpr std::string_view kLongAddressCommand = "SET LONGADR:";
constexpr int kLastPort = 20;

// One field of "SET LONGADR:": up to three decimal digits, blanks around them allowed, 0..255.
std::optional<std::uint8_t> longAddressByte(std::string_view field) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    if (field.empty() || field.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::string upperAsciiLetters(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

CommandInterface::CommandInterface(LinkEngine& engine, LinkView& item, EngineTimer& busyTimer,
                                   DriverControl& control)
    : m_engine(engine), m_item(item), m_busyTimer(busyTimer), m_control(control) {
    m_busyTimer.setEnabled(false);
    m_busyTimer.setInterval(1);
    m_busyTimer.setHandler([this] { TimerBusyMessageTimer(); });
}

void CommandInterface::DdeHartServerExecuteMacro(const std::vector<std::string>& lines) {
    if (m_engine.Busy || m_changingPort) {
        // Only the exact terminate line gets through while a transaction or a port change runs
        // (the modem check clears Busy and lets events run).
        if (lines.size() == 1 && (lines[0] == "TERMINATE" || lines[0] == "terminate")) {
            m_control.terminateDriver();
        }
        return;
    }
    if (m_engine.receiver().RxPos() > 1) m_engine.DropReceived(m_engine.receiver().RxPos() - 1);
    if (lines.empty()) return;
    m_engine.Busy = true;

    std::string control;
    std::string commandText;
    for (const std::string& line : lines) {
        control += line;
        commandText += line + "\r\n";
    }
    applyControl(upperAsciiLetters(control));
    m_busyTimer.setEnabled(true);
    m_control.setCommandText(commandText);
    if (StatusMessage == 0) RunCommandLine(m_engine, commandText);
}

void CommandInterface::applyControl(std::string_view control) {
    if (control == "STATUS") {
        StatusMessage = 1;
    } else if (control == "TERMINATE") {
        m_control.terminateDriver();
    } else if (control == "SET PRIMARY" || control == "SET SECONDARY") {
        m_engine.msg.mt = control == "SET PRIMARY" ? hart::mtPrimary : hart::mtSecondary;
        StatusMessage = 1;
    } else if (control == "SET RQ-10" || control == "SET RQ-20") {
        m_engine.mType = control == "SET RQ-20" ? mRQ20 : mRQ10;
        StatusMessage = 1;
    } else if (control == "SET PRECISION 6" || control == "SET PRECISION 9") {
        m_engine.FloatPrecision = control.back() - '0';
        StatusMessage = 1;
    } else if (control.starts_with(kLongAddressCommand)) {
        // Answered by the parser, which refuses the text: "Command Error!".
        setLongAddress(control);
    } else if (control.starts_with("SET COM")) {
        auto number = platform::parseInteger(control.substr(7));
        if (number && *number >= 1 && *number <= kLastPort &&
            control == "SET COM" + std::to_string(*number)) {
            m_changingPort = true;
            m_control.changePort(*number);
            m_changingPort = false;
            // Busy again until the status text answers this execute.
            m_engine.Busy = true;
            StatusMessage = 1;
        }
    }
}

bool CommandInterface::setLongAddress(std::string_view control) {
    // Five decimal numbers at fixed places: positions 13-15, 17-19, 21-23, 25-27, 29-31
    // (1-based), any separator between them. A field that is not a number 0..255 (hexadecimal,
    // a sign, letters, nothing) refuses the whole command rather than set a wrong address.
    std::array<std::uint8_t, 5> address{};
    for (std::size_t k = 0; k < address.size(); ++k) {
        const std::size_t start = 12 + 4 * k;
        std::string_view field = start < control.size() ? control.substr(start, 3) : "";
        const auto value = longAddressByte(field);
        if (!value) return false;
        address[k] = *value;
    }
    address[0] &= 0x3F;
    if (m_engine.Regaddr >= 0 && m_engine.Regaddr < kRegistrySize) {
        m_engine.registr[static_cast<std::size_t>(m_engine.Regaddr)].Address = address;
    }
    return true;
}

std::string CommandInterface::modemText() const {
    return m_engine.mType == mRQ20 ? texts.modemRQ20 : std::string();
}

std::string CommandInterface::statusText() const {
    const std::string master =
        m_engine.msg.mt == hart::mtPrimary ? texts.primaryMaster : texts.secondaryMaster;
    return m_control.portText() + "\r\n\r\n" + modemText() + "\r\n" + master + "\r\n" +
           std::to_string(m_engine.FloatPrecision) + " digits";
}

void CommandInterface::TimerBusyMessageTimer() {
    if (StatusMessage == 0) {
        m_item.setItemText(texts.busy);
    } else {
        m_item.setItemText(statusText());
        m_engine.Busy = false;
        m_control.statusReported(modemText(), m_engine.msg.mt);
    }
    StatusMessage = 0;
    m_busyTimer.setEnabled(false);
}

}  // namespace driver
