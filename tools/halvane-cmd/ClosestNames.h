#pragma once

// "Did you mean ...?" for a mistyped name.

#include <string>
#include <string_view>
#include <vector>

namespace halvanecmd {

// The names that differ from `typed` only in letter case; when there are none, the names at the
// fewest single-character edits (letter case aside), when those are few for the length of the
// text (one edit for every three characters, at least one). At most three names, in the order
// given.
std::vector<std::string> closestNames(std::string_view typed,
                                      const std::vector<std::string>& names);

// "kPa", "kPa or Pa", "kPa, Pa or MPa".
std::string orList(const std::vector<std::string>& names);

}  // namespace halvanecmd
