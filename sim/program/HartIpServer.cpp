#include "sim/program/HartIpServer.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "sim/FrameParser.h"

namespace sim::program {

namespace {

constexpr int kRequestPreambles = 5;

std::int64_t monotonicNs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

std::string errorText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// The frame (delimiter .. check byte) that a loop's transmission carries, without the
// preambles and any noise ahead of it; empty when there is none.
hartip::Bytes frameIn(const Bytes& transmission) {
    FrameParser parser;
    parser.feed(transmission);
    auto parsed = parser.next();
    if (!parsed) return {};
    Bytes& bytes = parsed->bytes;
    const auto delimiter =
        std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0xFF; });
    return hartip::Bytes(delimiter, bytes.end());
}

}  // namespace

HartIpOptions parseHartIpEndpoint(const std::string& text) {
    HartIpOptions options;
    std::string portText = text;
    if (const std::size_t colon = text.rfind(':'); colon != std::string::npos) {
        std::string address = text.substr(0, colon);
        if (address.size() >= 2 && address.front() == '[' && address.back() == ']')
            address = address.substr(1, address.size() - 2);
        if (address.empty()) throw std::invalid_argument("--hart-ip needs an address before ':'");
        options.address = address;
        portText = text.substr(colon + 1);
    }
    const bool digits =
        !portText.empty() && portText.size() <= 5 &&
        std::all_of(portText.begin(), portText.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(portText) > 65535)
        throw std::invalid_argument("--hart-ip needs a port 0..65535, not \"" + portText + "\"");
    options.port = std::stoi(portText);
    return options;
}

HartIpServer::HartIpServer(Loop& loop, HartIpOptions options)
    : m_loop(loop), m_options(std::move(options)) {
    addrinfo hints{};
    hints.ai_flags = AI_NUMERICHOST | AI_PASSIVE;
    hints.ai_family = AF_UNSPEC;
    addrinfo* found = nullptr;
    if (::getaddrinfo(m_options.address.c_str(), nullptr, &hints, &found) != 0 || !found)
        throw std::runtime_error("--hart-ip: \"" + m_options.address +
                                 "\" is no numeric IPv4 or IPv6 address");
    sockaddr_storage address{};
    const socklen_t length = found->ai_addrlen;
    std::memcpy(&address, found->ai_addr, length);
    const int family = found->ai_family;
    ::freeaddrinfo(found);
    auto setPort = [&](int port) {
        if (family == AF_INET6)
            reinterpret_cast<sockaddr_in6*>(&address)->sin6_port =
                htons(static_cast<uint16_t>(port));
        else
            reinterpret_cast<sockaddr_in*>(&address)->sin_port = htons(static_cast<uint16_t>(port));
    };

    // With port 0 the system picks the TCP port; UDP then takes the same number, which another
    // program may hold: try a few.
    for (int attempt = 0; attempt < 20; ++attempt) {
        m_tcp = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        m_udp = ::socket(family, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_tcp < 0 || m_udp < 0) throw std::runtime_error(errorText("cannot create a socket"));
        const int on = 1;
        ::setsockopt(m_tcp, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        setPort(m_options.port);
        if (::bind(m_tcp, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(m_tcp, 16) != 0)
            throw std::runtime_error(errorText("cannot listen on TCP " + m_options.address + " " +
                                               std::to_string(m_options.port)));
        sockaddr_storage bound{};
        socklen_t boundLength = sizeof bound;
        ::getsockname(m_tcp, reinterpret_cast<sockaddr*>(&bound), &boundLength);
        m_port = ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                          : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
        setPort(m_port);
        if (::bind(m_udp, reinterpret_cast<sockaddr*>(&address), length) == 0) return;
        const std::string failure =
            errorText("cannot bind UDP " + m_options.address + " " + std::to_string(m_port));
        ::close(m_tcp);
        ::close(m_udp);
        m_tcp = m_udp = -1;
        if (m_options.port != 0) throw std::runtime_error(failure);
    }
    throw std::runtime_error("cannot find a port free for both TCP and UDP");
}

HartIpServer::~HartIpServer() {
    for (auto& [key, session] : m_sessions)
        if (session.peer.fd >= 0) ::close(session.peer.fd);
    if (m_tcp >= 0) ::close(m_tcp);
    if (m_udp >= 0) ::close(m_udp);
}

std::string HartIpServer::url() const {
    const bool v6 = m_options.address.find(':') != std::string::npos;
    return "hart-ip://" + (v6 ? "[" + m_options.address + "]" : m_options.address) + ":" +
           std::to_string(m_port);
}

std::string HartIpServer::keyOf(const Peer& peer) {
    if (peer.fd >= 0) return "tcp " + std::to_string(peer.fd);
    char host[NI_MAXHOST] = {};
    char service[NI_MAXSERV] = {};
    ::getnameinfo(reinterpret_cast<const sockaddr*>(&peer.address), peer.addressLength, host,
                  sizeof host, service, sizeof service, NI_NUMERICHOST | NI_NUMERICSERV);
    return std::string("udp ") + host + " " + service;
}

void HartIpServer::trace(const char* what, const std::string& key,
                         const hartip::Bytes& bytes) const {
    if (!m_options.trace) return;
    std::string hex;
    for (std::uint8_t b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, " %02X", b);
        hex += digits;
    }
    std::fprintf(stderr, "[%10.3f] %s %s:%s\n",
                 static_cast<double>(monotonicNs() - m_originNs) / 1e9, key.c_str(), what,
                 hex.c_str());
}

std::int64_t HartIpServer::loopMs(std::int64_t nowNs) const {
    return (nowNs - m_originNs) / 1'000'000 + m_aheadMs;
}

void HartIpServer::send(const Session& session, const hartip::Bytes& bytes) {
    const Peer& peer = session.peer;
    if (peer.fd >= 0) {
        // Small messages on a connection whose reader keeps up; a full buffer loses this one.
        ssize_t n;
        while ((n = ::send(peer.fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)) < 0 &&
               errno == EINTR) {
        }
    } else {
        ::sendto(m_udp, bytes.data(), bytes.size(), 0,
                 reinterpret_cast<const sockaddr*>(&peer.address), peer.addressLength);
    }
}

void HartIpServer::closeSession(const std::string& key, const char* why) {
    const auto it = m_sessions.find(key);
    if (it == m_sessions.end()) return;
    if (m_options.trace)
        std::fprintf(stderr, "hartsim: %s: session closed (%s)\n", key.c_str(), why);
    if (it->second.peer.fd >= 0) {
        ::close(it->second.peer.fd);
        m_sessions.erase(it);
    } else {
        // A UDP peer stays known, so that its next request hears that the session is closed.
        it->second.open = false;
    }
    std::erase_if(m_output, [&](const Scheduled& s) { return s.session == key; });
}

void HartIpServer::acceptClient() {
    while (true) {
        Peer peer;
        peer.addressLength = sizeof peer.address;
        peer.fd = ::accept4(m_tcp, reinterpret_cast<sockaddr*>(&peer.address), &peer.addressLength,
                            SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer.fd < 0) return;
        Session session;
        session.peer = peer;
        session.lastHeardNs = monotonicNs();
        m_sessions[keyOf(peer)] = std::move(session);
    }
}

bool HartIpServer::readTcp(const std::string& key) {
    Session& session = m_sessions.at(key);
    std::uint8_t buffer[2048];
    const ssize_t n = ::recv(session.peer.fd, buffer, sizeof buffer, 0);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        closeSession(key, "the client closed the connection");
        return false;
    }
    if (n < 0) return true;
    session.inbound.insert(session.inbound.end(), buffer, buffer + n);
    while (session.inbound.size() >= hartip::kHeaderBytes) {
        const std::size_t length = hartip::announcedLength(session.inbound);
        if (length < hartip::kHeaderBytes || length > hartip::kLongestMessage) {
            closeSession(key, "the client sent no HART-IP message");
            return false;
        }
        if (session.inbound.size() < length) break;
        const auto message = hartip::read(std::span(session.inbound).first(length));
        session.inbound.erase(session.inbound.begin(),
                              session.inbound.begin() + static_cast<std::ptrdiff_t>(length));
        handle(key, *message, monotonicNs());
        if (!m_sessions.contains(key)) return false;
    }
    return true;
}

void HartIpServer::readUdp() {
    while (true) {
        std::uint8_t buffer[2048];
        Peer peer;
        peer.addressLength = sizeof peer.address;
        const ssize_t n =
            ::recvfrom(m_udp, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&peer.address),
                       &peer.addressLength);
        if (n < 0) return;
        const auto message =
            hartip::read(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)));
        if (!message) continue;  // a datagram that is no message gets no answer
        const std::string key = keyOf(peer);
        if (!m_sessions.contains(key)) {
            Session session;
            session.peer = peer;
            m_sessions[key] = std::move(session);
        }
        handle(key, *message, monotonicNs());
    }
}

void HartIpServer::answerInitiate(Session& session, const hartip::Message& request,
                                  hartip::Message& reply) {
    const auto openSessions = std::count_if(m_sessions.begin(), m_sessions.end(),
                                            [](const auto& entry) { return entry.second.open; });
    if (request.version != 1) {
        reply.status = hartip::kVersionNotSupported;
    } else if (request.body.size() < 5) {
        reply.status = hartip::kTooFewBytes;
    } else if (request.body[0] > 1) {
        reply.status = hartip::kInvalidMasterType;
    } else if (session.open) {
        reply.status = hartip::kSessionExists;
    } else if (static_cast<std::size_t>(openSessions) >= kMaxSessions) {
        reply.status = hartip::kAllSessionsInUse;
    } else {
        const std::uint32_t asked = static_cast<std::uint32_t>(request.body[1]) << 24 |
                                    static_cast<std::uint32_t>(request.body[2]) << 16 |
                                    static_cast<std::uint32_t>(request.body[3]) << 8 |
                                    request.body[4];
        const std::uint32_t granted = std::clamp(asked, kMinInactivityMs, kMaxInactivityMs);
        if (granted != asked) reply.status = hartip::kSetToNearest;
        session.open = true;
        session.replies = 0;
        session.inactivityMs = granted;
        reply.body = {request.body[0], static_cast<std::uint8_t>(granted >> 24),
                      static_cast<std::uint8_t>(granted >> 16),
                      static_cast<std::uint8_t>(granted >> 8), static_cast<std::uint8_t>(granted)};
        return;
    }
    reply.body.assign(request.body.begin(),
                      request.body.begin() + static_cast<std::ptrdiff_t>(
                                                 std::min<std::size_t>(request.body.size(), 5)));
}

void HartIpServer::answerPdu(const std::string& key, Session& session,
                             const hartip::Message& request, std::int64_t nowNs) {
    Bytes frame(kRequestPreambles, 0xFF);
    frame.insert(frame.end(), request.body.begin(), request.body.end());
    // The request goes on the loop's line once the line is free, and takes its line time.
    std::int64_t startMs = loopMs(nowNs);
    if (startMs <= m_loop.lineFreeMs()) {
        m_aheadMs += m_loop.lineFreeMs() + 1 - startMs;
        startMs = m_loop.lineFreeMs() + 1;
    }
    const std::int64_t completeMs = startMs + lineTimeMs(frame.size());
    m_aheadMs += completeMs - startMs;
    for (const Transmission& t : m_loop.handleRequest(frame, completeMs)) {
        hartip::Bytes reply = frameIn(t.bytes);
        if (reply.empty()) continue;
        const bool last =
            m_options.closeSessionAfter > 0 && ++session.replies >= m_options.closeSessionAfter;
        const std::int64_t dueNs = nowNs + (t.startMs - completeMs) * 1'000'000;
        Scheduled s{dueNs, key,
                    hartip::write({1, hartip::kResponse, hartip::kPdu, 0, request.sequence,
                                   std::move(reply)}),
                    last};
        m_output.insert(std::upper_bound(m_output.begin(), m_output.end(), s,
                                         [](const Scheduled& a, const Scheduled& b) {
                                             return a.dueNs < b.dueNs;
                                         }),
                        std::move(s));
        if (last) break;
    }
}

void HartIpServer::handle(const std::string& key, const hartip::Message& request,
                          std::int64_t nowNs) {
    Session& session = m_sessions.at(key);
    session.lastHeardNs = nowNs;
    trace("in", key, hartip::write(request));
    if (request.type != hartip::kRequest) return;  // responses and the like are not for us
    hartip::Message reply{1, hartip::kResponse, request.id, 0, request.sequence, {}};
    if (request.id == hartip::kInitiate) {
        answerInitiate(session, request, reply);
    } else if (request.id == hartip::kClose || request.id == hartip::kKeepAlive ||
               request.id == hartip::kPdu) {
        if (!session.open) {
            reply.type = hartip::kError;
            reply.body = {hartip::kSessionClosedError};
        } else if (request.id == hartip::kPdu) {
            answerPdu(key, session, request, nowNs);
            return;
        }
    } else {
        reply.type = hartip::kNak;
    }
    const hartip::Bytes bytes = hartip::write(reply);
    trace("out", key, bytes);
    send(session, bytes);
    if (request.id == hartip::kClose && session.open) closeSession(key, "the client closed it");
}

void HartIpServer::publishBursts(std::int64_t nowNs) {
    for (const Transmission& t : m_loop.due(loopMs(nowNs))) {
        if (t.source != Source::Burst) continue;  // another master's traffic stays on its loop
        const hartip::Bytes frame = frameIn(t.bytes);
        if (frame.empty()) continue;
        for (auto& [key, session] : m_sessions) {
            if (!session.open) continue;
            const hartip::Bytes bytes = hartip::write(
                {1, hartip::kPublish, hartip::kPdu, 0, session.publishSequence++, frame});
            trace("publish", key, bytes);
            send(session, bytes);
        }
    }
}

void HartIpServer::expireIdle(std::int64_t nowNs) {
    std::vector<std::string> idle;
    for (const auto& [key, session] : m_sessions)
        if (nowNs - session.lastHeardNs > std::int64_t{session.inactivityMs} * 1'000'000)
            idle.push_back(key);
    for (const std::string& key : idle) {
        if (m_sessions.at(key).open || m_sessions.at(key).peer.fd >= 0)
            closeSession(key, "nothing heard for the inactivity close time");
        else
            m_sessions.erase(key);  // a UDP peer without a session, forgotten after a while
    }
}

int HartIpServer::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
    m_originNs = monotonicNs();
    while (!stop) {
        const std::int64_t nowNs = monotonicNs();
        while (!m_output.empty() && m_output.front().dueNs <= nowNs) {
            const Scheduled s = std::move(m_output.front());
            m_output.erase(m_output.begin());
            if (const auto it = m_sessions.find(s.session); it != m_sessions.end()) {
                trace("out", s.session, s.bytes);
                send(it->second, s.bytes);
                if (s.closeAfter) closeSession(s.session, "--close-session-after");
            }
        }
        publishBursts(nowNs);
        expireIdle(nowNs);

        std::int64_t deadline = nowNs + 1'000'000'000;  // idle sessions are checked each second
        if (!m_output.empty()) deadline = std::min(deadline, m_output.front().dueNs);
        if (const auto due = m_loop.nextDueMs())
            deadline = std::min(deadline, m_originNs + (*due - m_aheadMs) * 1'000'000);

        std::vector<pollfd> fds{{m_tcp, POLLIN, 0}, {m_udp, POLLIN, 0}};
        std::vector<std::string> keys;
        for (const auto& [key, session] : m_sessions) {
            if (session.peer.fd < 0) continue;
            fds.push_back({session.peer.fd, POLLIN, 0});
            keys.push_back(key);
        }
        const std::int64_t waitNs = std::max<std::int64_t>(deadline - nowNs, 0);
        const timespec timeout{static_cast<time_t>(waitNs / 1'000'000'000),
                               static_cast<long>(waitNs % 1'000'000'000)};
        const int ready = ::ppoll(fds.data(), fds.size(), &timeout, &waitMask);
        if (ready < 0) {
            if (errno == EINTR) continue;
            std::fprintf(stderr, "hartsim: waiting for HART-IP clients failed: %s\n",
                         std::strerror(errno));
            return 1;
        }
        if (fds[0].revents & POLLIN) acceptClient();
        if (fds[1].revents & POLLIN) readUdp();
        for (std::size_t i = 2; i < fds.size(); ++i)
            if (fds[i].revents && m_sessions.contains(keys[i - 2])) readTcp(keys[i - 2]);
    }
    return 0;
}

}  // namespace sim::program
