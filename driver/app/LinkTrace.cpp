#include "driver/app/LinkTrace.h"

namespace driver {

Q_LOGGING_CATEGORY(lcLink, "halvane.link", QtWarningMsg)

QString hexBytes(std::span<const std::uint8_t> bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size() * 3));
    for (std::uint8_t b : bytes) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

}  // namespace driver
