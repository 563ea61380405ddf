#pragma once

// Judges the texts the driver publishes against the simulated loop: a delivered reply must be
// whole and come from the device it names, and every text of the reply item must be one the
// driver can legitimately hold (never a torn text, or lines of two texts mixed).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TestLoop.h"

namespace e2e {

// The lines of a text in which every line ends with `lineEnd`; nothing when the text does not
// end with one, or a line holds a stray CR, LF or NUL.
std::optional<std::vector<std::string>> splitLines(std::string_view text, std::string_view lineEnd);

// Empty when `lines` are the delivered reply of `command` (0 or 3) from `device`; otherwise
// what differs. Values must lie in their variable's band; the status line may or may not carry
// the cold start of the first reply.
std::string replyMismatch(const std::vector<std::string>& lines, int command,
                          const SimulatedDevice& device);

enum class ItemKind { Busy, Status, Delivered, CommandError, CommunicationError };

struct Verdict {
    std::optional<ItemKind> kind;  // nothing: not a text the driver may hold
    std::string fault;
};

// Judges the lines of one result of the commands the tests send (0 and 3 to the loop's
// devices, 3 to address 65), or of the busy marker or status text.
Verdict judgeLines(const std::vector<std::string>& lines);
// The same for a text of the reply item as served (every line followed by CR LF).
Verdict judgeItemText(std::string_view served);

}  // namespace e2e
