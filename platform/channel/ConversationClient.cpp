#include "platform/channel/ConversationClient.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <stdexcept>
#include <thread>

#include "platform/channel/ChannelLog.h"
#include "platform/channel/SocketFile.h"
#include "platform/folders/Folders.h"

namespace platform::channel {

namespace {

using Clock = std::chrono::steady_clock;

// How often to look for the socket of a server program that was just started.
constexpr std::chrono::milliseconds kStartPoll{20};

int remainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() <= 0 ? 0 : static_cast<int>(std::max<long long>(1, left.count()));
}

std::string joined(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields)
        text += (text.empty() ? "" : " ") + field;
    return text;
}

std::string seconds(std::chrono::milliseconds d) {
    auto tenths = (d.count() + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") +
           " s";
}

}  // namespace

ConversationClient::ConversationClient(std::string service, std::string topic, QObject* parent)
    : QObject(parent), m_service(std::move(service)), m_topic(std::move(topic)) {}

ConversationClient::~ConversationClient() {
    close();
}

std::string ConversationClient::socketPath() {
    return (platform::runtimeFolder() / socketFileName(m_service, m_topic)).string();
}

bool ConversationClient::fail(std::string message) {
    m_error = std::move(message);
    return false;
}

bool ConversationClient::open() {
    m_startedPid.reset();
    return connectOnce(kAnswerLimit);
}

bool ConversationClient::open(const ServerProgram& program) {
    m_startedPid.reset();
    if (connectOnce(kAnswerLimit) || !m_noServer) return isOpen();

    QProcess process;
    process.setProgram(program.program);
    process.setArguments(program.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    const QString output =
        program.outputFile.isEmpty() ? QProcess::nullDevice() : program.outputFile;
    process.setStandardOutputFile(output, QIODevice::Append);
    process.setStandardErrorFile(output, QIODevice::Append);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return fail(m_error + " Starting the server program " + program.program.toStdString() +
                    " failed: " + process.errorString().toStdString());
    m_startedPid = pid;
    qCInfo(lcChannel) << "started" << program.program << "process" << pid;

    // Wait for the program's socket to accept a conversation, giving up early when it ends.
    const auto deadline = Clock::now() + program.startLimit;
    bool exited = false;
    while (Clock::now() < deadline) {
        std::string path;
        try {
            path = socketPath();
        } catch (const std::exception&) {
        }
        if (!path.empty() && socketFileKind(path) == SocketFileKind::OwnSocket) {
            if (connectOnce(kAnswerLimit)) return true;
            if (!m_noServer) return false;
        }
        if (!processIsRunning(pid)) {
            exited = true;
            break;
        }
        std::this_thread::sleep_for(kStartPoll);
    }
    // One more try: the program may have come up at the last moment.
    if (connectOnce(kAnswerLimit)) return true;
    return fail(
        m_error + " The server program " + program.program.toStdString() +
        (exited ? " ended without serving."
                : " was started but did not come up within " + seconds(program.startLimit) + "."));
}

bool ConversationClient::connectOnce(Duration limit) {
    close();
    m_noServer = false;
    std::string path;
    try {
        path = socketPath();
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    m_socket = new QLocalSocket(this);
    connect(m_socket, &QLocalSocket::readyRead, this, &ConversationClient::readAvailable);
    m_socket->connectToServer(QFile::decodeName(path.c_str()));
    if (!m_socket->waitForConnected(static_cast<int>(limit.count()))) {
        const auto error = m_socket->error();
        m_noServer = error == QLocalSocket::ServerNotFoundError ||
                     error == QLocalSocket::ConnectionRefusedError;
        std::string reason = m_socket->errorString().toStdString();
        close();
        return fail(m_noServer ? m_service + " is not running (no server on " + path + ")."
                               : "Cannot connect to " + path + ": " + reason + ".");
    }
    auto answer = sendAndWait(encodeHeader("CONNECT", {m_service, m_topic}), limit);
    if (!answer) {
        close();
        return fail("The server on " + path + " did not answer the connection within " +
                    seconds(limit) + ".");
    }
    if (answer->verb != "OK") {
        close();
        return fail("The server on " + path +
                    " refused the conversation: " + joined(answer->fields));
    }
    m_open = true;
    m_error.clear();
    return true;
}

bool ConversationClient::isOpen() const {
    return m_open && m_socket && m_socket->state() == QLocalSocket::ConnectedState;
}

void ConversationClient::close() {
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        // A changed() slot may close the conversation while the socket is still reading.
        if (m_reading > 0)
            m_socket->deleteLater();
        else
            delete m_socket;
        m_socket = nullptr;
    }
    m_open = false;
    m_reader = MessageReader();
    m_sent = 0;
    m_answered = 0;
    m_awaited.clear();
    m_changes.clear();
}

bool ConversationClient::send(const std::string& bytes) {
    if (!m_socket || m_socket->state() != QLocalSocket::ConnectedState) return false;
    if (m_socket->write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        return false;
    m_socket->flush();
    return m_socket->state() == QLocalSocket::ConnectedState;
}

std::optional<Message> ConversationClient::sendAndWait(const std::string& bytes, Duration limit) {
    const auto deadline = Clock::now() + limit;
    const std::uint64_t number = ++m_sent;
    m_awaited[number];
    if (!send(bytes)) {
        m_awaited.erase(number);
        return std::nullopt;
    }
    for (;;) {
        auto it = m_awaited.find(number);
        if (it == m_awaited.end()) return std::nullopt;  // the conversation was closed meanwhile
        if (it->second) {
            Message answer = std::move(*it->second);
            m_awaited.erase(it);
            return answer;
        }
        int ms = remainingMs(deadline);
        if (ms == 0 || !m_socket || m_socket->state() != QLocalSocket::ConnectedState) {
            m_awaited.erase(it);
            return std::nullopt;
        }
        m_socket->waitForReadyRead(ms);
        readAvailable();
    }
}

void ConversationClient::readAvailable() {
    if (!m_socket) return;
    ++m_reading;
    if (m_socket->bytesAvailable() > 0) {
        QByteArray bytes = m_socket->readAll();
        m_reader.append(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    while (m_socket) {
        MessageReader::Result result = m_reader.next();
        if (result.status == MessageReader::Status::NeedMore) break;
        if (result.status == MessageReader::Status::Invalid) {
            m_error = "The server sent an unreadable message (" + result.error + ").";
            m_socket->abort();
            m_open = false;
            break;
        }
        Message& message = result.message;
        if (message.verb == "CHANGED") {
            Change change{message.fields.empty() ? std::string() : message.fields.front(),
                          std::move(message.payload)};
            if (m_changes.size() == kKeptChanges) m_changes.pop_front();
            m_changes.push_back(change);
            emit changed(change.item, change.text);
            continue;
        }
        // Every other message answers the oldest message not answered yet.
        auto it = m_awaited.find(++m_answered);
        if (message.verb == "ERROR" || message.verb == "NAK")
            m_error = "The server answered: " + message.verb + " " + joined(message.fields);
        if (it != m_awaited.end()) it->second = std::move(message);
    }
    --m_reading;
}

bool ConversationClient::execute(std::string_view text) {
    if (!isOpen()) return fail("No open conversation with " + m_service + ".");
    if (text.size() > kMaxPayload)
        return fail("The text is longer than the limit of " + std::to_string(kMaxPayload) +
                    " bytes.");
    // Take in what has arrived (acknowledgements, pushes) so that a client that only executes
    // does not leave its answers piling up at the server.
    m_socket->waitForReadyRead(0);
    readAvailable();
    ++m_sent;
    if (!send(encodeWithPayload("EXECUTE", {}, text)))
        return fail("The conversation with " + m_service + " is broken.");
    return true;
}

std::optional<std::string> ConversationClient::request(std::string_view item, Duration limit) {
    if (!isOpen()) {
        fail("No open conversation with " + m_service + ".");
        return std::nullopt;
    }
    if (!isValidName(item)) {
        fail("Not an item name: " + std::string(item));
        return std::nullopt;
    }
    auto answer = sendAndWait(encodeHeader("REQUEST", {item}), limit);
    if (!answer) {
        fail("No answer from " + m_service + " within " + seconds(limit) + ".");
        return std::nullopt;
    }
    if (answer->verb == "DATA" && answer->hasPayload) return std::move(answer->payload);
    if (answer->verb == "NODATA") fail(m_service + " has no item " + std::string(item) + ".");
    return std::nullopt;
}

bool ConversationClient::advise(std::string_view item, Duration limit) {
    if (!isOpen()) return fail("No open conversation with " + m_service + ".");
    if (!isValidName(item)) return fail("Not an item name: " + std::string(item));
    auto answer = sendAndWait(encodeHeader("ADVISE", {item}), limit);
    if (!answer) return fail("No answer from " + m_service + " within " + seconds(limit) + ".");
    return answer->verb == "OK";
}

bool ConversationClient::unadvise(std::string_view item, Duration limit) {
    if (!isOpen()) return fail("No open conversation with " + m_service + ".");
    if (!isValidName(item)) return fail("Not an item name: " + std::string(item));
    auto answer = sendAndWait(encodeHeader("UNADVISE", {item}), limit);
    if (!answer) return fail("No answer from " + m_service + " within " + seconds(limit) + ".");
    return answer->verb == "OK";
}

std::optional<ConversationClient::Change> ConversationClient::waitForChange(Duration limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        if (!m_changes.empty()) {
            Change change = std::move(m_changes.front());
            m_changes.pop_front();
            return change;
        }
        int ms = remainingMs(deadline);
        if (ms == 0 || !m_socket || m_socket->state() != QLocalSocket::ConnectedState)
            return std::nullopt;
        m_socket->waitForReadyRead(ms);
        readAvailable();
    }
}

}  // namespace platform::channel
