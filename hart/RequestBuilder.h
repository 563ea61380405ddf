#pragma once

// Turns a transaction record into one HART request frame: preambles, delimiter, short or long
// address, command, byte count, data and check byte. Refused commands and unusable arguments
// only set RequestError; such a frame is never sent and the reply is "Command Error!".

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "hart/CoreContext.h"
#include "hart/HartMessage.h"

namespace hart {

struct BuildOutcome {
    // A generic command 255 was built: both poll intervals become kGenericPollInterval.
    bool genericCommand = false;
};

class RequestBuilder {
  public:
    static constexpr std::size_t kBufferSize = 2001;

    // Builds the frame for msg into RequestBuffer and sets msg.DataToSend (also when
    // RequestError is set). Changes msg as the command needs: Id.NmbrPreamb, Command (generic),
    // B1..B4, F1, F2, ControlStr, Data, and S1, S2 for command 58.
    BuildOutcome BuildRequest(HartMessage& msg, const CoreContext& context);

    std::span<const std::uint8_t> frame() const { return {RequestBuffer.data(), RequestLength}; }

    std::array<std::uint8_t, kBufferSize> RequestBuffer{};
    std::size_t RequestLength = 0;
    // Cleared by the command-line parser before it reads a line; the builder only sets it.
    bool RequestError = false;

  private:
    // Command byte, byte count and data of the generic command 255, laid out by the format text
    // in msg.S1; leaves the reply format in msg.ControlStr.
    void buildGeneric(HartMessage& msg, const CoreContext& context, std::size_t& position);

    // Encodes one argument of the generic command by the item at formatIndex (1-based) of
    // format into RequestBuffer at position; both advance past the item. A digit or the "|"
    // leaves both where they are, so encoding stops there for good.
    void EncodeArgument(std::string_view text, std::string_view format, std::size_t& formatIndex,
                        std::size_t& position, const CoreContext& context);
};

// Commands the builder refuses outright.
bool IsRefusedCommand(std::uint8_t command);

}  // namespace hart
