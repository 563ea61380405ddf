#pragma once

// The driver's reply texts and the table files are one-byte text in the driver's code page,
// Windows-1252; they become Unicode where they enter the record, a window or the log file.

#include <QString>
#include <string_view>

namespace logger {

QString fromOneByteText(std::string_view text);

}  // namespace logger
