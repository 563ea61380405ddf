#pragma once

// A blocking HART-IP client for tests on the loopback: TCP or UDP to 127.0.0.1, each message
// read with a time limit through the driver's codec.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <optional>
#include <stdexcept>
#include <string>

#include "hartip/Message.h"

namespace simtest {

class HartIpClient {
  public:
    HartIpClient(int port, bool udp) : m_udp(udp) {
        m_fd = ::socket(AF_INET, udp ? SOCK_DGRAM : SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (m_fd < 0 || ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            throw std::runtime_error("cannot connect to 127.0.0.1 port " + std::to_string(port));
    }
    ~HartIpClient() { ::close(m_fd); }
    HartIpClient(const HartIpClient&) = delete;
    HartIpClient& operator=(const HartIpClient&) = delete;

    void send(const hartip::Bytes& bytes) {
        if (::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("send failed");
    }

    // The next message, or nothing when none came within `limitMs` or the server closed.
    std::optional<hartip::Message> receive(int limitMs = 2000) {
        while (true) {
            if (!m_udp) {
                const auto r = m_reader.next();
                if (r.status == hartip::StreamReader::Status::Complete) return r.message;
                if (r.status == hartip::StreamReader::Status::Invalid)
                    throw std::runtime_error(r.problem);
            }
            pollfd pfd{m_fd, POLLIN, 0};
            if (::poll(&pfd, 1, limitMs) <= 0) return std::nullopt;
            std::uint8_t buffer[2048];
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                closed = true;
                return std::nullopt;
            }
            const std::span<const std::uint8_t> bytes(buffer, static_cast<std::size_t>(n));
            if (m_udp) return hartip::decodeDatagram(bytes).message;
            m_reader.feed(bytes);
        }
    }

    bool closed = false;  // the server closed the connection

  private:
    int m_fd = -1;
    bool m_udp;
    hartip::StreamReader m_reader;
};

}  // namespace simtest
