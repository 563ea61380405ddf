#include "logger/core/VersionText.h"

#include <charconv>

#include "ProjectVersion.h"

namespace logger {

std::string versionText(std::string_view version) {
    int numbers[2] = {0, 0};
    const char* at = version.data();
    const char* end = version.data() + version.size();
    for (int& number : numbers) {
        at = std::from_chars(at, end, number).ptr;
        while (at != end && *at != '.')
            ++at;
        if (at != end) ++at;
    }
    return std::to_string(numbers[0]) + "." + std::to_string(numbers[1]);
}

std::string VersionText() {
    return versionText(HALVANE_VERSION);
}

}  // namespace logger
