#include "driver/app/HartIpDriverPort.h"

#include <QLoggingCategory>
#include <algorithm>

#include "driver/app/LinkTrace.h"

namespace driver {

namespace {

constexpr int kSessionWaitMs = 5000;
constexpr std::uint8_t kPreamble = 0xFF;

}  // namespace

HartIpDriverPort::HartIpDriverPort(hartip::ClientSession::Options options, QObject* parent)
    : QObject(parent), m_session(options) {
    m_clock.start();
    m_due.setSingleShot(true);
    m_retry.setSingleShot(true);
    connect(&m_due, &QTimer::timeout, this, &HartIpDriverPort::dueTimeout);
    connect(&m_retry, &QTimer::timeout, this, &HartIpDriverPort::connectNow);
    for (QAbstractSocket* s :
         {static_cast<QAbstractSocket*>(&m_tcp), static_cast<QAbstractSocket*>(&m_udp)}) {
        connect(s, &QAbstractSocket::connected, this, &HartIpDriverPort::connected);
        connect(s, &QAbstractSocket::errorOccurred, this,
                [this, s](QAbstractSocket::SocketError error) {
                    if (s != &socket() || !m_open) return;
                    if (error == QAbstractSocket::RemoteHostClosedError)
                        lose("the gateway closed the connection");
                    else
                        lose("cannot reach the gateway: " + s->errorString().toStdString());
                });
    }
    connect(&m_tcp, &QTcpSocket::readyRead, this, &HartIpDriverPort::readTcp);
    connect(&m_tcp, &QTcpSocket::disconnected, this, [this] {
        if (m_open && !m_connecting) lose("the gateway closed the connection");
    });
    connect(&m_udp, &QUdpSocket::readyRead, this, &HartIpDriverPort::readUdp);
}

HartIpDriverPort::~HartIpDriverPort() {
    m_open = false;
    m_tcp.abort();
    m_udp.abort();
}

QAbstractSocket& HartIpDriverPort::socket() {
    if (m_url.udp) return m_udp;
    return m_tcp;
}

void HartIpDriverPort::openUrl(int number, const hartip::GatewayUrl& url) {
    close();
    m_number = number;
    m_url = url;
    m_open = true;
    m_retryMs = kFirstRetryMs;
    m_problem.clear();
    connectNow();
}

void HartIpDriverPort::open(int number) {
    openUrl(number, m_url);
}

void HartIpDriverPort::close() {
    if (!m_open) return;
    if (sessionOpen()) {
        write(m_session.close());
        if (!m_url.udp) m_tcp.flush();
    }
    m_open = false;
    m_session.drop();
    m_due.stop();
    m_retry.stop();
    m_tcp.abort();
    m_udp.abort();
    m_pendingFrame.clear();
}

void HartIpDriverPort::connectNow() {
    if (!m_open) return;
    m_retry.stop();
    m_session.drop();
    m_reader.reset();
    m_connecting = true;
    m_tcp.abort();
    m_udp.abort();
    m_connecting = false;
    socket().connectToHost(QString::fromStdString(m_url.host), m_url.port);
}

void HartIpDriverPort::connected() {
    if (!m_open) return;
    write(m_session.initiate(now()));
    armDueTimer();
}

void HartIpDriverPort::write(const hartip::Bytes& bytes) {
    QAbstractSocket& s = socket();
    if (s.state() != QAbstractSocket::ConnectedState) return;
    s.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void HartIpDriverPort::SendString(std::span<const std::uint8_t> bytes) {
    const auto frame =
        std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != kPreamble; });
    if (!sessionOpen()) {
        // Sent when the session opens, unless that takes longer than the engine waits.
        m_pendingFrame.assign(frame, bytes.end());
        m_pendingSince = now();
        if (m_open && m_retry.isActive()) connectNow();
        return;
    }
    write(m_session.request(std::span(frame, bytes.end()), now()));
    armDueTimer();
}

void HartIpDriverPort::readTcp() {
    const QByteArray bytes = m_tcp.readAll();
    m_reader.feed(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())));
    while (m_open) {
        auto result = m_reader.next();
        if (result.status == hartip::StreamReader::Status::NeedMore) break;
        if (result.status == hartip::StreamReader::Status::Invalid) {
            lose("the gateway sent what is no HART-IP message: " + result.problem);
            break;
        }
        handle(result.message);
    }
}

void HartIpDriverPort::readUdp() {
    while (m_open && m_udp.hasPendingDatagrams()) {
        QByteArray datagram(
            static_cast<qsizetype>(std::max<qint64>(m_udp.pendingDatagramSize(), 0)), '\0');
        const qint64 n = m_udp.readDatagram(datagram.data(), datagram.size());
        if (n < 0) break;
        const auto decoded = hartip::decodeDatagram(
            std::span(reinterpret_cast<const std::uint8_t*>(datagram.constData()),
                      static_cast<std::size_t>(n)));
        if (!decoded.message) {
            // A datagram stands alone: one that is no message spoils nothing else.
            qCWarning(lcLink).noquote()
                << "HART-IP datagram ignored:" << QString::fromStdString(decoded.problem);
            continue;
        }
        handle(*decoded.message);
    }
}

void HartIpDriverPort::handle(const hartip::Message& message) {
    using Kind = hartip::ClientSession::Event::Kind;
    const auto event = m_session.receive(message, now());
    switch (event.kind) {
        case Kind::Opened:
            m_retryMs = kFirstRetryMs;
            if (!m_problem.empty()) {
                m_problem.clear();
                if (onProblem) onProblem({});
            }
            if (!m_pendingFrame.empty() && now() - m_pendingSince <= kPendingFrameMs)
                write(m_session.request(m_pendingFrame, now()));
            m_pendingFrame.clear();
            break;
        case Kind::Frame:
            if (onReceived) {
                hartip::Bytes bytes{kPreamble, kPreamble};
                bytes.insert(bytes.end(), event.frame.begin(), event.frame.end());
                onReceived(bytes);
            }
            break;
        case Kind::Ignored:
            qCDebug(lcLink).noquote()
                << "HART-IP message ignored:" << QString::fromStdString(event.text);
            break;
        case Kind::Lost:
            lose(event.text);
            return;
        case Kind::None:
            break;
    }
    armDueTimer();
}

void HartIpDriverPort::armDueTimer() {
    const auto next = m_session.nextDueMs();
    if (!next) {
        m_due.stop();
        return;
    }
    const std::uint64_t at = now();
    m_due.start(static_cast<int>(*next > at ? std::min<std::uint64_t>(*next - at, 600'000) : 0));
}

void HartIpDriverPort::dueTimeout() {
    auto due = m_session.due(now());
    if (due.send) write(*due.send);
    if (due.lost) {
        lose(due.lost->text);
        return;
    }
    armDueTimer();
}

void HartIpDriverPort::lose(const std::string& why) {
    if (!m_open) return;
    m_session.drop();
    m_due.stop();
    m_connecting = true;
    m_tcp.abort();
    m_udp.abort();
    m_connecting = false;
    const std::string text = m_url.text() + ": " + why;
    if (text != m_problem) {
        m_problem = text;
        if (onProblem) onProblem(m_problem);
    }
    m_retry.start(m_retryMs);
    m_retryMs = std::min(m_retryMs * 2, kLongestRetryMs);
}

bool HartIpDriverPort::waitForSession(MessagePump& pump) {
    for (int waited = 0; waited < kSessionWaitMs && m_open; waited += 20) {
        if (sessionOpen()) return true;
        if (!m_problem.empty() || pump.WaitPumping(20)) break;
    }
    return sessionOpen();
}

std::string HartIpDriverPort::linkState() const {
    std::string text = m_url.text() + (m_url.udp ? " (UDP)" : " (TCP)") + ": ";
    if (sessionOpen()) return text + "session open";
    if (!m_problem.empty()) {
        const std::string prefix = m_url.text() + ": ";
        return text + "no session, " +
               (m_problem.starts_with(prefix) ? m_problem.substr(prefix.size()) : m_problem) +
               "; trying again";
    }
    return text + "opening the session";
}

}  // namespace driver
