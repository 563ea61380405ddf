#include "platform/channel/ConversationServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/channel/ChannelLog.h"
#include "platform/channel/LocalListener.h"
#include "platform/channel/SocketFile.h"
#include "platform/folders/Folders.h"

namespace platform::channel {

namespace {

// How long a client that was told to go may take to read its last answer.
constexpr int kCloseGraceMs = 2000;
// How long to wait for a server found at the socket path to accept a probe connection.
constexpr int kProbeMs = 1000;

QString qtPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace

struct ConversationServer::Connection {
    QLocalSocket* socket = nullptr;
    MessageReader reader;
    bool connected = false;   // CONNECT accepted
    bool advising = false;    // ADVISE on the item in force
    bool acceptInput = true;  // false once the server decided to end the connection
    bool processing = false;  // inside readFrom()
    bool gone = false;        // the socket is closed; removed at the next purge
};

ConversationServer::ConversationServer(std::string service, std::string topic, std::string item,
                                       QObject* parent)
    : QObject(parent),
      m_service(std::move(service)),
      m_topic(std::move(topic)),
      m_item(std::move(item)) {}

ConversationServer::~ConversationServer() {
    close();
}

bool ConversationServer::listen() {
    close();
    m_error.clear();
    if (!isValidName(m_service) || !isValidName(m_topic) || !isValidName(m_item)) {
        m_error =
            "The service, topic and item names must be 1 to 64 printable characters "
            "without blanks or '/'.";
        return false;
    }
    if (!takeOverSocket()) return false;

    m_listener = new LocalListener(this);
    connect(m_listener, &LocalListener::connectionsPending, this,
            &ConversationServer::acceptConnections);
    if (!m_listener->listen(m_socketPath)) {
        m_error = "Cannot serve on " + m_socketPath.string() + ": " + m_listener->errorString();
        delete m_listener;
        m_listener = nullptr;
        return false;
    }
    return true;
}

// Decides what to do with whatever sits at the socket path. Holds a lock meanwhile so that two
// servers starting together cannot both remove a stale socket and then the other's new one.
bool ConversationServer::takeOverSocket() {
    std::filesystem::path folder;
    try {
        folder = platform::runtimeFolder();
    } catch (const std::exception& e) {
        m_error = e.what();
        return false;
    }
    if (auto problem = privateFolderProblem(folder)) {
        m_error = *problem;
        return false;
    }
    m_socketPath = folder / socketFileName(m_service, m_topic);
    if (m_socketPath.native().size() > maxSocketPathLength()) {
        m_error = "The socket path " + m_socketPath.string() + " is longer than the " +
                  std::to_string(maxSocketPathLength()) +
                  " bytes the system accepts; set XDG_RUNTIME_DIR to a shorter folder.";
        return false;
    }

    TakeOverLock lock(m_socketPath.native() + ".lock");
    if (!lock.locked()) {
        m_error = "Cannot lock " + m_socketPath.string() + ".lock: " + std::strerror(errno);
        return false;
    }
    switch (socketFileKind(m_socketPath)) {
        case SocketFileKind::Missing:
            return true;
        case SocketFileKind::NotASocket:
            m_error = m_socketPath.string() +
                      " exists and is not a socket; remove it so that the server can start.";
            return false;
        case SocketFileKind::ForeignSocket:
            m_error = "The socket " + m_socketPath.string() + " belongs to another user.";
            return false;
        case SocketFileKind::OwnSocket:
            break;
    }

    QLocalSocket probe;
    probe.connectToServer(qtPath(m_socketPath));
    if (probe.waitForConnected(kProbeMs)) {
        probe.abort();
        m_error =
            m_service + " is already running (a server answers on " + m_socketPath.string() + ").";
        return false;
    }
    const auto probeError = probe.error();
    if (probeError != QLocalSocket::ConnectionRefusedError &&
        probeError != QLocalSocket::ServerNotFoundError) {
        m_error = "A server may be running on " + m_socketPath.string() + " but does not answer (" +
                  probe.errorString().toStdString() +
                  "); end it, or remove the socket if no server is running.";
        return false;
    }
    // Nobody listens: the socket of a server that crashed. Take it over.
    std::error_code ec;
    std::filesystem::remove(m_socketPath, ec);
    if (ec) {
        m_error = "Cannot remove the stale socket " + m_socketPath.string() + ": " + ec.message();
        return false;
    }
    qCInfo(lcChannel) << "removed the stale socket" << qtPath(m_socketPath);
    return true;
}

void ConversationServer::close() {
    for (auto& c : m_connections) {
        c->socket->disconnect(this);
        c->socket->abort();
        c->socket->deleteLater();
    }
    m_connections.clear();
    if (m_listener) {
        m_listener->close();  // also removes the socket file
        delete m_listener;
        m_listener = nullptr;
    }
}

bool ConversationServer::isListening() const {
    return m_listener && m_listener->isListening();
}

int ConversationServer::clientCount() const {
    return static_cast<int>(
        std::count_if(m_connections.begin(), m_connections.end(),
                      [](const auto& c) { return c->acceptInput && !c->gone; }));
}

void ConversationServer::acceptConnections() {
    while (m_listener) {
        const std::optional<int> fd = m_listener->accept();
        if (!fd) break;
        const auto held = std::count_if(m_connections.begin(), m_connections.end(),
                                        [](const auto& c) { return !c->gone; });
        if (held >= m_maxClients) {
            // Told why, then closed: it holds no descriptor of ours for longer.
            const std::string refusal = "ERROR too many clients: this server serves " +
                                        std::to_string(m_maxClients) +
                                        " at a time; close another client and try again\n";
            (void)::send(*fd, refusal.data(), refusal.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            ::close(*fd);
            qCInfo(lcChannel) << "refused a client: already" << held << "clients";
            continue;
        }
        auto* socket = new QLocalSocket(this);
        if (!socket->setSocketDescriptor(*fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
            ::close(*fd);
            delete socket;
            continue;
        }
        // Bounds what Qt buffers for a client that sends faster than it is read.
        socket->setReadBufferSize(static_cast<qint64>(kMaxPayload + kMaxHeaderLength));
        auto connection = std::make_unique<Connection>();
        connection->socket = socket;
        Connection* c = connection.get();
        m_connections.push_back(std::move(connection));
        connect(socket, &QLocalSocket::readyRead, this, [this, c] { readFrom(*c); });
        connect(socket, &QLocalSocket::disconnected, this, [this, c] { peerClosed(*c); });
        if (socket->bytesAvailable() > 0) readFrom(*c);
    }
}

void ConversationServer::readFrom(Connection& c) {
    if (!c.acceptInput || c.processing) return;
    c.processing = true;
    do {
        if (c.socket->bytesAvailable() > 0) {
            QByteArray bytes = c.socket->readAll();
            c.reader.append(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
        for (;;) {
            MessageReader::Result result = c.reader.next();
            if (result.status == MessageReader::Status::NeedMore) break;
            if (result.status == MessageReader::Status::Invalid) {
                refuse(c, result.error);
                break;
            }
            handle(c, result.message);
            if (!c.acceptInput) break;
        }
    } while (c.acceptInput && c.socket->bytesAvailable() > 0);
    c.processing = false;
    if (c.gone) c.acceptInput = false;  // whatever is left is a message cut off by the close
}

void ConversationServer::handle(Connection& c, Message& m) {
    auto wantFields = [&](std::size_t n, const char* what) {
        if (m.fields.size() == n) return true;
        refuse(c, m.verb + " takes " + what);
        return false;
    };

    if (m.verb == "CONNECT") {
        if (c.connected) return refuse(c, "already connected");
        if (!wantFields(2, "a service and a topic")) return;
        if (!sameName(m.fields[0], m_service) || !sameName(m.fields[1], m_topic))
            return refuse(c, "no topic " + m.fields[1] + " of service " + m.fields[0] +
                                 " here; this server serves " + m_service + " " + m_topic);
        c.connected = true;
        send(c, "OK CONNECT " + m_service + " " + m_topic + "\n");
        return;
    }
    if (m.verb == "DISCONNECT") {
        if (!wantFields(0, "no fields")) return;
        send(c, "OK DISCONNECT\n");
        closeAfterAnswers(c);
        return;
    }
    if (m.verb != "EXECUTE" && m.verb != "REQUEST" && m.verb != "ADVISE" && m.verb != "UNADVISE")
        return refuse(c, "unknown message " + m.verb);
    if (!c.connected) return refuse(c, "send CONNECT first");

    if (m.verb == "EXECUTE") {
        if (!wantFields(0, "only the payload length")) return;
        // The acknowledgement leaves before the driver sees the text.
        send(c, "OK EXECUTE\n");
        QMetaObject::invokeMethod(
            this, [this, lines = splitExecuteText(m.payload)] { emit executed(lines); },
            Qt::QueuedConnection);
        return;
    }
    if (!wantFields(1, "an item name")) return;
    const std::string& item = m.fields[0];
    if (m.verb == "REQUEST") {
        if (isOurItem(item))
            send(c, encodeWithPayload("DATA", {m_item}, m_served));
        else
            send(c, "NODATA " + item + "\n");
        return;
    }
    if (!isOurItem(item)) {
        send(c, "NAK " + m.verb + " " + item + " unknown item\n");
        return;
    }
    c.advising = (m.verb == "ADVISE");
    send(c, "OK " + m.verb + " " + m_item + "\n");
}

bool ConversationServer::isOurItem(const std::string& name) const {
    return sameName(name, m_item);
}

void ConversationServer::send(Connection& c, const std::string& bytes) {
    if (c.gone || c.socket->state() == QLocalSocket::UnconnectedState) return;
    c.socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
    c.socket->flush();  // hand it to the system now, without waiting
    if (c.socket->bytesToWrite() > m_outputLimit) drop(c, "does not read its answers");
}

void ConversationServer::refuse(Connection& c, const std::string& reason) {
    qCInfo(lcChannel) << "closing a client:" << QString::fromLatin1(reason);
    send(c, "ERROR " + reason + "\n");
    closeAfterAnswers(c);
}

void ConversationServer::closeAfterAnswers(Connection& c) {
    c.acceptInput = false;
    if (c.gone) return;
    QLocalSocket* socket = c.socket;
    socket->disconnectFromServer();  // closes once the answers are written
    if (socket->state() != QLocalSocket::UnconnectedState)
        QTimer::singleShot(kCloseGraceMs, socket, [socket] { socket->abort(); });
}

void ConversationServer::drop(Connection& c, const char* reason) {
    qCInfo(lcChannel) << "disconnecting a client that" << reason;
    c.acceptInput = false;
    c.gone = true;
    c.socket->abort();
    schedulePurge();
}

void ConversationServer::peerClosed(Connection& c) {
    if (c.gone) return;
    c.gone = true;
    // Complete messages that arrived before the close still count (a script may send an
    // execute and hang up at once).
    if (!c.processing) readFrom(c);
    schedulePurge();
}

void ConversationServer::schedulePurge() {
    if (m_purgeScheduled) return;
    m_purgeScheduled = true;
    QMetaObject::invokeMethod(
        this, [this] { purge(); }, Qt::QueuedConnection);
}

// Closed connections are removed here, outside every loop over m_connections.
void ConversationServer::purge() {
    m_purgeScheduled = false;
    std::erase_if(m_connections, [this](const std::unique_ptr<Connection>& c) {
        if (!c->gone) return false;
        c->socket->disconnect(this);
        c->socket->deleteLater();
        return true;
    });
}

void ConversationServer::setItemText(const std::string& text) {
    m_lines.assign(1, text);
    publish();
}

void ConversationServer::setItemLines(const std::vector<std::string>& lines) {
    if (lines == m_lines) return;
    m_lines = lines;
    publish();
}

void ConversationServer::publish() {
    m_served = servedText(m_lines);
    const std::string push = encodeWithPayload("CHANGED", {m_item}, m_served);
    for (auto& c : m_connections)
        if (c->advising && c->acceptInput && !c->gone) send(*c, push);
}

}  // namespace platform::channel
