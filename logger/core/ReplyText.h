#pragma once

// The command lines the logger sends and the reply texts it reads back.

#include <string>
#include <string_view>
#include <vector>

namespace logger {

// The command number left-justified in four characters, CR LF, the polling address, CR LF:
// "0   \r\n5\r\n" for command 0 to address 5.
std::string commandLine(int command, int address);

// The reply cut at every CR LF; what follows the last CR LF is one more, final line (empty when
// the text ends with CR LF), so "a\r\nb\r\n" gives "a", "b", "".
std::vector<std::string> splitReply(std::string_view text);

// The next polling address after `address` counting down from `highest`: highest, ..., 1,
// highest again; address 0 only when highest is 0.
int nextPollingAddress(int address, int highest);

}  // namespace logger
