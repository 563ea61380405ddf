#pragma once

// The lines of the reply text that clients read from the driver: command number, polling
// address, response text, status text, then the result slots S1..S25 (empty slots between filled
// ones as empty lines, none after the last filled one).

#include <string>
#include <string_view>
#include <vector>

#include "hart/HartMessage.h"

namespace hart {

std::vector<std::string> ReplyLines(const HartMessage& msg, int pollingAddress);

// The lines of a delivered reply: ReplyLines, and when the response text is exactly
// "Invalid Selection!" one more line with the number of replies delivered so far.
std::vector<std::string> DeliveredReplyLines(const HartMessage& msg, int pollingAddress,
                                             int deliveredCount);

// "Command Error!" and "Communication Error!" replies.
std::vector<std::string> ErrorReplyLines(int command, int pollingAddress, std::string_view text);

inline constexpr std::string_view kCommandError = "Command Error!";
inline constexpr std::string_view kCommunicationError = "Communication Error!";
inline constexpr std::string_view kInBurstMode = "In BURST Mode!";
// After this response text a delivered reply has one more line: the replies delivered so far.
inline constexpr std::string_view kInvalidSelection = "Invalid Selection!";

// Lines joined with CR LF after each, as the item serves them.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace hart
