#pragma once

// DriverPort to a HART-IP gateway over TCP or UDP: each request frame goes without its
// preambles in a token-passing request, and each frame the gateway answers or publishes comes
// back with two preambles put in front, so that the engine receives it as from a line. The
// session (hartip::ClientSession) is opened on open() and kept alive; when the gateway refuses,
// closes the session, goes silent or sends what is no HART-IP, the port says why (onProblem),
// keeps counting as open and opens a new session by itself, first after half a second and then
// at longer waits up to 5 s. A frame sent while no session is open starts a new one at once and
// is sent when it opens, if that is within a second. Main thread.

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include "driver/app/DriverPort.h"
#include "hartip/ClientSession.h"
#include "hartip/GatewayUrl.h"

namespace driver {

class HartIpDriverPort final : public QObject, public DriverPort {
    Q_OBJECT
  public:
    explicit HartIpDriverPort(hartip::ClientSession::Options options = {},
                              QObject* parent = nullptr);
    ~HartIpDriverPort() override;

    // Opens port COM`number` toward the gateway; the session opens while events run.
    void openUrl(int number, const hartip::GatewayUrl& url);
    // The URL comes from openUrl: open() opens the last one again.
    void open(int number) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    int number() const override { return m_number; }
    std::string devicePath() const override { return m_url.text(); }

    void SetStateDTR(bool) override {}
    void SetStateRTS(bool) override {}
    bool dsr() const override { return sessionOpen(); }

    void SendString(std::span<const std::uint8_t> bytes) override;
    void ClearDeviceInput() override {}

    bool isGateway() const override { return true; }
    bool waitForSession(MessagePump& pump) override;
    std::string linkState() const override;

    bool sessionOpen() const { return m_session.state() == hartip::ClientSession::State::Open; }
    const std::string& problem() const { return m_problem; }

    static constexpr int kFirstRetryMs = 500;
    static constexpr int kLongestRetryMs = 5000;
    static constexpr int kPendingFrameMs = 1000;

  private:
    void connectNow();
    void connected();
    void readTcp();
    void readUdp();
    void handle(const hartip::Message& message);
    void write(const hartip::Bytes& bytes);
    void lose(const std::string& why);
    void armDueTimer();
    void dueTimeout();
    std::uint64_t now() const { return static_cast<std::uint64_t>(m_clock.elapsed()); }
    QAbstractSocket& socket();

    hartip::ClientSession m_session;
    hartip::GatewayUrl m_url;
    QTcpSocket m_tcp;
    QUdpSocket m_udp;
    hartip::StreamReader m_reader;
    QTimer m_due;
    QTimer m_retry;
    QElapsedTimer m_clock;
    int m_retryMs = kFirstRetryMs;
    int m_number = 0;
    bool m_open = false;
    bool m_connecting = false;
    std::string m_problem;
    hartip::Bytes m_pendingFrame;
    std::uint64_t m_pendingSince = 0;
};

}  // namespace driver
