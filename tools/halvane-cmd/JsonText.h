#pragma once

// JSON for scripts: the replies are one-byte text, read as Latin-1 and written as UTF-8.

#include <string>
#include <string_view>

namespace halvanecmd {

// The text as a JSON string, quotes included: every byte is the character of that code (Latin-1),
// written in UTF-8; quote, backslash and the control characters (0x00..0x1F, 0x7F..0x9F) are
// escaped.
std::string jsonString(std::string_view latin1);

}  // namespace halvanecmd
