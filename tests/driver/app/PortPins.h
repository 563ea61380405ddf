#pragma once

// Pinning the driver's ports to pseudo-terminals (support/PtyPair.h) in its settings file.

#include <string>
#include <utility>
#include <vector>

namespace apptest {

// [Ports] pinning COM1 .. COM20: the given ports to their devices, every other one to a path
// that does not exist, so that no device of the machine running the tests takes part.
inline std::string pinnedPorts(const std::vector<std::pair<int, std::string>>& pins,
                               const std::string& missing) {
    std::string text = "[Ports]\n";
    for (int n = 1; n <= 20; ++n) {
        std::string path = missing + std::to_string(n);
        for (const auto& [number, device] : pins)
            if (number == n) path = device;
        text += "COM" + std::to_string(n) + "=" + path + "\n";
    }
    return text;
}

}  // namespace apptest
