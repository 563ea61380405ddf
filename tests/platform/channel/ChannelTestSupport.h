#pragma once

// Helpers for the channel tests: a private runtime folder for the socket, a server running on
// its own thread (so the test thread can make blocking client calls), and a raw socket client
// that speaks the wire protocol byte by byte.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QObject>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/channel/ChannelProtocol.h"
#include "platform/channel/ConversationServer.h"
#include "support/TempDir.h"

namespace channeltest {

using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

// Points XDG_RUNTIME_DIR at a fresh private folder for the lifetime of the object.
class RuntimeFolder {
  public:
    RuntimeFolder() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) m_old = old;
        ::setenv("XDG_RUNTIME_DIR", m_dir.path().c_str(), 1);
    }
    ~RuntimeFolder() {
        if (m_old)
            ::setenv("XDG_RUNTIME_DIR", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    const std::filesystem::path& path() const { return m_dir.path(); }
    std::filesystem::path socketPath() const {
        return m_dir.path() / platform::channel::socketFileName(platform::channel::kServiceName,
                                                                platform::channel::kTopicName);
    }

  private:
    testsupport::TempDir m_dir;
    std::optional<std::string> m_old;
};

// A ConversationServer for Halvane/DdeHartServer living on its own thread with an event loop.
// run() executes a function on that thread and waits for it. Every executed text is recorded;
// onExecute (set before listen) runs on the server thread for each.
class ServerThread {
  public:
    using ExecuteHook = std::function<void(platform::channel::ConversationServer&, const Lines&)>;

    explicit ServerThread(ExecuteHook onExecute = {}) : m_onExecute(std::move(onExecute)) {
        m_context = new QObject;
        m_context->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
        m_thread.start();
        run([this] {
            m_server = std::make_unique<platform::channel::ConversationServer>(
                std::string(platform::channel::kServiceName),
                std::string(platform::channel::kTopicName));
            QObject::connect(m_server.get(), &platform::channel::ConversationServer::executed,
                             m_server.get(), [this](const Lines& lines) {
                                 // Recorded before the hook, which may close the server.
                                 {
                                     std::lock_guard lock(m_mutex);
                                     m_executes.push_back(lines);
                                     m_changed.notify_all();
                                 }
                                 if (m_onExecute) m_onExecute(*m_server, lines);
                             });
        });
    }
    ~ServerThread() {
        run([this] { m_server.reset(); });
        m_thread.quit();
        m_thread.wait();
    }
    ServerThread(const ServerThread&) = delete;
    ServerThread& operator=(const ServerThread&) = delete;

    template <class F>
    std::invoke_result_t<F> run(F f) {
        using R = std::invoke_result_t<F>;
        if constexpr (std::is_void_v<R>) {
            QMetaObject::invokeMethod(m_context, f, Qt::BlockingQueuedConnection);
        } else {
            R result{};
            QMetaObject::invokeMethod(
                m_context, [&] { result = f(); }, Qt::BlockingQueuedConnection);
            return result;
        }
    }
    // Queues f on the server thread without waiting for it.
    template <class F>
    void post(F f) {
        QMetaObject::invokeMethod(m_context, f, Qt::QueuedConnection);
    }

    platform::channel::ConversationServer& server() { return *m_server; }  // on the thread only

    bool listen() {
        return run([this] { return m_server->listen(); });
    }
    std::string socketPath() {
        return run([this] { return m_server->socketPath().string(); });
    }

    // The executed texts so far, once there are at least count of them (or at the deadline).
    std::vector<Lines> waitForExecutes(std::size_t count, std::chrono::milliseconds limit = 5s) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, limit, [&] { return m_executes.size() >= count; });
        return m_executes;
    }

  private:
    QThread m_thread;
    QObject* m_context = nullptr;
    std::unique_ptr<platform::channel::ConversationServer> m_server;
    ExecuteHook m_onExecute;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Lines> m_executes;
};

// A client that writes raw bytes and reads the server's messages one by one, blocking.
class RawClient {
  public:
    explicit RawClient(const std::string& path) {
        m_socket.connectToServer(QString::fromStdString(path));
        m_socket.waitForConnected(5000);
    }
    bool connected() const { return m_socket.state() == QLocalSocket::ConnectedState; }

    void send(std::string_view bytes) {
        m_socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
        while (m_socket.bytesToWrite() > 0 && m_socket.waitForBytesWritten(5000)) {
        }
    }
    // Sends CONNECT for the driver's service and topic and expects the OK.
    bool handshake() {
        send("CONNECT Halvane DdeHartServer\n");
        auto answer = next();
        return answer && answer->verb == "OK";
    }

    // The next message from the server; nothing when none comes in time or the socket closes.
    std::optional<platform::channel::Message> next(std::chrono::milliseconds limit = 5s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            QByteArray bytes = m_socket.readAll();
            m_reader.append(std::string_view(bytes.constData(), bytes.size()));
            auto result = m_reader.next();
            if (result.status == platform::channel::MessageReader::Status::Complete)
                return std::move(result.message);
            if (result.status == platform::channel::MessageReader::Status::Invalid)
                return std::nullopt;
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || m_socket.state() != QLocalSocket::ConnectedState)
                return std::nullopt;
            m_socket.waitForReadyRead(static_cast<int>(left.count()));
        }
    }
    // Reads (and throws away) until the server closes the connection.
    bool waitForClose(std::chrono::milliseconds limit = 5s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (m_socket.state() == QLocalSocket::ConnectedState) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            m_socket.waitForReadyRead(static_cast<int>(left.count()));
            m_socket.readAll();
        }
        return true;
    }
    void abort() { m_socket.abort(); }

  private:
    QLocalSocket m_socket;
    platform::channel::MessageReader m_reader;
};

// Leaves a socket file that nobody listens on, as a crashed server does.
inline void makeStaleSocket(const std::filesystem::path& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    int rc = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
    if (rc != 0) throw std::runtime_error("cannot make a stale socket at " + path.string());
}

// The fields of a message joined by blanks (for comparing ERROR and NAK texts).
inline std::string text(const platform::channel::Message& m) {
    std::string out = m.verb;
    for (const auto& f : m.fields)
        out += " " + f;
    return out;
}

}  // namespace channeltest
