#pragma once

// A pseudo-terminal pair for tests of anything that opens a serial port: the component opens the
// slave path, the test plays the far side on the master.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace serialtest {

class PtyPair {
  public:
    PtyPair() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        m_slavePath = ::ptsname(m_master);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slavePath() const { return m_slavePath; }
    int master() const { return m_master; }

    // The far side writes (all of it, waiting while the pty is full).
    void write(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else {
                pollfd p{m_master, POLLOUT, 0};
                if (::poll(&p, 1, 2000) <= 0) throw std::runtime_error("pty write stalled");
            }
        }
    }

    // Reads until `count` bytes came or two seconds passed.
    std::string read(std::size_t count) {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char buf[4096];
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0) got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }

    // What the component has sent so far, without waiting.
    std::string readAvailable() {
        std::string got;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(m_master, buf, sizeof buf)) > 0)
            got.append(buf, static_cast<std::size_t>(n));
        return got;
    }

    // The slave's terminal settings (a pty's mode requests act on the slave's settings).
    termios slaveSettings() const {
        termios t{};
        ::tcgetattr(m_master, &t);
        return t;
    }

    // The far side hangs up.
    void closeMaster() {
        if (m_master >= 0) ::close(m_master);
        m_master = -1;
    }

  private:
    int m_master = -1;
    std::string m_slavePath;
};

}  // namespace serialtest
