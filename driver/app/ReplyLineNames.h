#pragma once

// The names of the reply lines in the window's list, in the user-interface language. The names
// come from the command catalogue in English ("Loop current (mA)", "Variable 2 unit", "Line 14");
// the fixed unit in brackets and the number in a name stay as they are.

#include <QString>
#include <optional>
#include <string_view>

namespace driver {

// The translated name; nothing for a name the translations do not know.
std::optional<QString> TranslatedReplyLineName(std::string_view name);

// The translated name, or the name itself.
QString ReplyLineName(std::string_view name);

}  // namespace driver
