#pragma once

// The command line of one HART transaction: the command number, the polling address (0..64) and
// the argument texts, separated by ";;" (typed by hand) or by CR LF (one per line from a client).

#include <string>
#include <string_view>

#include "driver/engine/LinkEngine.h"

namespace driver {

// Splits the next token off `rest`: everything before the first ";;", else before the first
// CR LF, else the whole text. A missing token is empty.
std::string NextToken(std::string& rest);

// Reads the command number into msg.Command, the polling address into `address` and the
// argument texts into msg.S1..S16 (S17..S25 keep their texts). Returns false when the command or
// the address is unusable (not a number 0..255, or an address above 64); an unreadable number
// leaves its field unchanged.
bool ParseCommandLine(std::string_view commandLine, hart::HartMessage& msg, int& address);

// Parses the command line into engine.msg, copies the device identity learnt for the polling
// address, builds the request and starts the transaction. Problems only set RequestError: the
// transaction then ends at its first tick with "Command Error!".
void RunCommandLine(LinkEngine& engine, std::string_view commandLine);

}  // namespace driver
