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

DecodeOutcome DecodeReply(HartMessage& msg, const CoreContext& context);

// Decodes the template item at templatePos (1-based into format) from msg.Data at dataPos
// (1-based into Data); both positions advance as the item says.
std::string DecodeTemplateItem(std::string_view format, std::size_t& templatePos,
                               std::size_t& dataPos, const HartMessage& msg,
                               const CoreContext& context);

}  // namespace hart
