#pragma once

// A pseudo-terminal for tests that need a port that really opens: the driver opens the slave
// path (pinned as COMn in [Ports]), the test plays the line on the master side.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace apptest {

class Pty {
  public:
    Pty() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        m_slavePath = ::ptsname(m_master);
    }
    ~Pty() { ::close(m_master); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& slavePath() const { return m_slavePath; }

    void write(const std::vector<unsigned char>& bytes) {
        if (::write(m_master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("pty write failed");
        }
    }

    // What the driver has sent so far (does not wait).
    std::vector<unsigned char> readAvailable() {
        std::vector<unsigned char> got;
        pollfd p{m_master, POLLIN, 0};
        while (::poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
            unsigned char buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

  private:
    int m_master = -1;
    std::string m_slavePath;
};

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
