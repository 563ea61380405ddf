#pragma once

// One-byte text in the Windows code pages of the table files and of the conversation: 1250 for
// the Czech, Polish and Slovak table files, 1252 for the others and for everything the driver
// sends. Text becomes Unicode where it enters a window, a record or a log file.

#include <QString>
#include <string>
#include <string_view>

namespace localisation {

enum class CodePage { Windows1250, Windows1252 };

// Every byte has a character: the few bytes a code page leaves unassigned become the control
// character of the same value, as the platform's conversion gives them.
QString FromCodePage(std::string_view bytes, CodePage page);

// Characters the code page lacks become '?'.
std::string ToCodePage(QStringView text, CodePage page);

}  // namespace localisation
