#include "logger/core/ReplyText.h"

namespace logger {

std::string commandLine(int command, int address) {
    std::string number = std::to_string(command);
    if (number.size() < 4) number.resize(4, ' ');
    return number + "\r\n" + std::to_string(address) + "\r\n";
}

std::vector<std::string> splitReply(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string_view::npos; from = end + 2)
        lines.emplace_back(text.substr(from, end - from));
    lines.emplace_back(text.substr(from));
    return lines;
}

int nextPollingAddress(int address, int highest) {
    if (highest <= 0) return address;
    return address - 1 <= 0 ? highest : address - 1;
}

}  // namespace logger
