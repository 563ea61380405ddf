#include "hart/ReplyText.h"

namespace hart {

std::vector<std::string> ReplyLines(const HartMessage& msg, int pollingAddress) {
    std::vector<std::string> lines = {std::to_string(msg.Command), std::to_string(pollingAddress),
                                      msg.sError, msg.sStatus};
    std::size_t last = 0;
    for (std::size_t k = 1; k < msg.S.size(); ++k) {
        if (!msg.S[k].empty()) last = k;
    }
    for (std::size_t k = 1; k <= last; ++k)
        lines.push_back(msg.S[k]);
    return lines;
}

std::vector<std::string> DeliveredReplyLines(const HartMessage& msg, int pollingAddress,
                                             int deliveredCount) {
    std::vector<std::string> lines = ReplyLines(msg, pollingAddress);
    if (msg.sError == kInvalidSelection) lines.push_back(std::to_string(deliveredCount));
    return lines;
}

std::vector<std::string> ErrorReplyLines(int command, int pollingAddress, std::string_view text) {
    return {std::to_string(command), std::to_string(pollingAddress), std::string(text)};
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

}  // namespace hart
