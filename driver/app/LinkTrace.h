#pragma once

// Frame traces for debugging the line, in the logging category "halvane.link" (off by default):
//   QT_LOGGING_RULES="halvane.link.debug=true" Halvane ...
// prints every frame sent and every complete frame heard, as hex.

#include <QLoggingCategory>
#include <QString>
#include <cstdint>
#include <span>

namespace driver {

Q_DECLARE_LOGGING_CATEGORY(lcLink)

// "FF FF 82 ..." for a trace line.
QString hexBytes(std::span<const std::uint8_t> bytes);

}  // namespace driver
