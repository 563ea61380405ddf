#pragma once

// A client connection to a local stream socket made with plain system calls, for tests that
// open many connections or run out of descriptors: it holds one descriptor from construction on,
// and needs no new one to connect or talk.

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace testsupport {

class PlainConnection {
  public:
    PlainConnection() : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~PlainConnection() { ::close(m_fd); }
    PlainConnection(const PlainConnection&) = delete;
    PlainConnection& operator=(const PlainConnection&) = delete;

    bool connect(const std::string& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        return ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    // The next line from the server, without its LF (empty when none comes in 5 s).
    std::string readLine() {
        std::string line;
        char c = 0;
        pollfd p{m_fd, POLLIN, 0};
        while (::poll(&p, 1, 5000) == 1 && ::read(m_fd, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }
    // Sends a line and returns the next line from the server (which may have come before it,
    // from a server that closed the connection at once).
    std::string ask(const std::string& line) {
        (void)::send(m_fd, line.data(), line.size(), MSG_NOSIGNAL);
        return readLine();
    }

  private:
    int m_fd;
};

}  // namespace testsupport
