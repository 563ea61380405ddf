#include "driver/command/CommandLine.h"

#include <optional>

#include "platform/text/IntegerText.h"

namespace driver {

namespace {

std::optional<int> readByte(std::string_view text) {
    auto value = platform::parseInteger(text);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return *value;
}

}  // namespace

std::string NextToken(std::string& rest) {
    std::size_t at = rest.find(";;");
    if (at == std::string::npos) at = rest.find("\r\n");
    if (at == std::string::npos) {
        std::string token = std::move(rest);
        rest.clear();
        return token;
    }
    std::string token = rest.substr(0, at);
    rest.erase(0, at + 2);
    return token;
}

bool ParseCommandLine(std::string_view commandLine, hart::HartMessage& msg, int& address) {
    std::string rest(commandLine);
    bool usable = true;

    // The command: a token with blanks is read up to its first blank ("0   " is command 0).
    const std::string command = NextToken(rest);
    if (command.empty()) {
        msg.Command = 0;
    } else if (auto value = readByte(std::string_view(command).substr(0, command.find(' ')))) {
        msg.Command = static_cast<std::uint8_t>(*value);
    } else {
        usable = false;
    }

    const std::string addressText = NextToken(rest);
    if (addressText.empty()) {
        address = 0;
    } else if (auto value = readByte(addressText)) {
        address = *value;
        if (*value >= kRegistrySize) usable = false;
    } else {
        usable = false;
    }

    // Command 0 takes its address as its argument too.
    msg.S[1] = msg.Command == 0 ? addressText : NextToken(rest);
    for (std::size_t k = 2; k <= 16; ++k)
        msg.S[k] = NextToken(rest);
    return usable;
}

void RunCommandLine(LinkEngine& engine, std::string_view commandLine) {
    engine.setRequestError(!ParseCommandLine(commandLine, engine.msg, engine.Regaddr));
    if (engine.Regaddr < kRegistrySize) {
        engine.msg.Id = engine.registr[static_cast<std::size_t>(engine.Regaddr)];
    }
    engine.buildRequest(engine.msg);
    engine.startTimer1();
}

}  // namespace driver
