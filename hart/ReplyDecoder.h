#pragma once

// Turns an accepted reply (msg.Data as the link engine filled it) into the response code text,
// the device status text and the result slots S1..S25 of the transaction record, per command and,
// for the generic command 255, by the reply template in msg.ControlStr.

#include <cstddef>
#include <string>
#include <string_view>

#include "hart/CoreContext.h"
#include "hart/HartMessage.h"

namespace hart {

struct DecodeOutcome {
    // The reply template of a generic command was applied: the poll intervals go back to
    // kPrimaryPollInterval and kSecondaryPollInterval.
    bool templateApplied = false;
};

// Clears the slots and number fields, sets Error, Status, sError, sStatus and ReceivedDataValid
// and, for a response code of 0, writes the command's slots (and for commands 0, 11 and 21 the
// identity in msg.Id, all but Address). Bytes past the reply's count are decoded as they lie in
// Data; only commands 3, 61 and 110 and the reply template look at the count.
DecodeOutcome DecodeReply(HartMessage& msg, const CoreContext& context);

// Decodes the template item at templatePos (1-based into format) from msg.Data at dataPos
// (1-based into Data); both positions advance as the item says. Items: B (byte), U (unit), F
// (float), Pnn (packed text), Ann (text), Ld (number of d bytes). A P, A or L item that cannot be
// read gives "Error \"P\"", "Error \"A\"" or "Error \"L\"" and leaves the data position; a B, U or
// F item past Data[40] gives an empty text. Any other character gives an empty text and moves
// neither position.
std::string DecodeTemplateItem(std::string_view format, std::size_t& templatePos,
                               std::size_t& dataPos, const HartMessage& msg,
                               const CoreContext& context);

}  // namespace hart
