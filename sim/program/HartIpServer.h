#pragma once

// Serves a simulated loop over HART-IP version 1, on TCP and UDP at the same port, as a gateway
// to the loop does: each token-passing request goes to the loop and its reply comes back in the
// response after the loop's turnaround (and any late-reply fault); the line time of the loop
// itself is not waited for. Burst frames are published to every open session. A device that
// stays silent gets no response, as on the line. POSIX only.
//
// The loop keeps its own clock in milliseconds. It runs with the real clock, and moves ahead of
// it whenever a request comes sooner than the line would have been free, so that the loop never
// sees two transmissions overlap.

#include <netinet/in.h>
#include <sys/socket.h>
#include <csignal>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/Loop.h"
#include "sim/program/HartIpWire.h"

namespace sim::program {

struct HartIpOptions {
    std::string address = "127.0.0.1";  // numeric IPv4 or IPv6 address to listen on
    int port = 5094;                    // 0: any free port (port() tells which)
    int closeSessionAfter = 0;          // close each session after this many replies (0: never)
    bool trace = false;
};

class HartIpServer {
  public:
    static constexpr std::size_t kMaxSessions = 8;
    static constexpr std::uint32_t kMinInactivityMs = 1'000;
    static constexpr std::uint32_t kMaxInactivityMs = 3'600'000;

    // Binds TCP and UDP. Throws std::runtime_error saying what failed.
    HartIpServer(Loop& loop, HartIpOptions options);
    ~HartIpServer();
    HartIpServer(const HartIpServer&) = delete;
    HartIpServer& operator=(const HartIpServer&) = delete;

    int port() const { return m_port; }
    // The URL a master uses: hart-ip://ADDRESS:PORT
    std::string url() const;

    // Runs until `stop` becomes non-zero; SIGINT and SIGTERM are let in only while waiting.
    // Returns 0, or 1 after a failure it reports on stderr.
    int run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

  private:
    // A client: a TCP connection (fd >= 0) or a UDP peer address (fd < 0).
    struct Peer {
        int fd = -1;
        sockaddr_storage address{};
        socklen_t addressLength = 0;
    };
    struct Session {
        Peer peer;
        bool open = false;
        std::uint32_t inactivityMs = 60'000;
        std::int64_t lastHeardNs = 0;
        int replies = 0;
        std::uint16_t publishSequence = 0;
        hartip::Bytes inbound;  // TCP bytes of a message not complete yet
    };
    struct Scheduled {
        std::int64_t dueNs;
        std::string session;
        hartip::Bytes bytes;
        bool closeAfter;  // the session ends once this is sent
    };

    static std::string keyOf(const Peer& peer);
    void acceptClient();
    bool readTcp(const std::string& key);
    void readUdp();
    void handle(const std::string& key, const hartip::Message& request, std::int64_t nowNs);
    void answerInitiate(Session& session, const hartip::Message& request, hartip::Message& reply);
    void answerPdu(const std::string& key, Session& session, const hartip::Message& request,
                   std::int64_t nowNs);
    void send(const Session& session, const hartip::Bytes& bytes);
    void closeSession(const std::string& key, const char* why);
    void publishBursts(std::int64_t nowNs);
    void expireIdle(std::int64_t nowNs);
    std::int64_t loopMs(std::int64_t nowNs) const;
    void trace(const char* what, const std::string& key, const hartip::Bytes& bytes) const;

    Loop& m_loop;
    HartIpOptions m_options;
    int m_tcp = -1;
    int m_udp = -1;
    int m_port = 0;
    std::int64_t m_originNs = 0;
    std::int64_t m_aheadMs = 0;  // how far the loop's clock is ahead of the real one
    std::map<std::string, Session> m_sessions;
    std::vector<Scheduled> m_output;  // in order of dueNs
};

// "[ADDR:]PORT": a numeric address (IPv6 in brackets) and a port 0..65535. Throws
// std::invalid_argument saying what is wrong.
HartIpOptions parseHartIpEndpoint(const std::string& text);

}  // namespace sim::program
