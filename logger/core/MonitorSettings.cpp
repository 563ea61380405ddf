#include "logger/core/MonitorSettings.h"

#include <algorithm>
#include <limits>

#include "platform/text/IntegerText.h"

namespace logger {

bool isValidIntervalText(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const std::optional<std::int32_t> seconds = platform::parseInteger(text);
    return seconds && *seconds >= kFewestIntervalSeconds;
}

int readingIntervalMs(std::string_view interval) {
    if (!isValidIntervalText(interval)) return kFewestIntervalSeconds * 1000;
    const long long ms = *platform::parseInteger(interval) * 1000LL;
    return static_cast<int>(std::min<long long>(ms, std::numeric_limits<int>::max()));
}

}  // namespace logger
