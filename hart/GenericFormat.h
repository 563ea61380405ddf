#pragma once

// The format text of the generic command 255: a kind letter ("R" or "W" for a request with
// data), the command number in three digits, the request format, "|", and the reply format.
// A format is a run of items: Ann Latin-1 text of nn bytes (1..32), B one byte, F a 4-byte float,
// Ld an integer of d bytes (1..4), Pnn packed ASCII of nn bytes (3..24, a multiple of 3) and U a
// unit code. Digits belong to the item before them.

#include <cstddef>
#include <optional>
#include <string_view>

namespace hart {

// The count of the item whose letter stands at letterIndex (0-based): the two digits after A
// (1..32) and P (3..24, a multiple of 3), the digit after L (1..4). Nothing when the letter takes
// no count or its count is missing or out of range.
std::optional<std::size_t> FormatItemCount(std::string_view format, std::size_t letterIndex);

// Whether every character of a request or reply format is a digit or a well-formed item letter.
bool IsValidFormatSection(std::string_view section);

// The request bytes a valid request format describes: Ann and Pnn add nn, Ld adds d, B and U add
// 1, F adds 4, digits add nothing.
std::size_t RequestByteCount(std::string_view requestFormat);

}  // namespace hart
