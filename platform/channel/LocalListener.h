#pragma once

// The listening end of a local stream socket, with the accept loop in our hands. A server that
// runs out of file descriptors must keep listening: QLocalServer closes itself (and removes its
// socket file) at the first failed accept. Here a failed accept leaves the socket listening; the
// connection waits in the system's backlog and is taken when descriptors are free again (the
// listener tries again every kRetryMs). POSIX only (LocalListenerPosix.cpp).
//
// Lives on one thread with a running Qt event loop; not thread-safe.

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string>

class QSocketNotifier;

namespace platform::channel {

class LocalListener : public QObject {
    Q_OBJECT

  public:
    static constexpr int kRetryMs = 200;
    static constexpr int kBacklog = 64;

    explicit LocalListener(QObject* parent = nullptr);
    ~LocalListener() override;

    // Makes the socket at path (which must not exist) with access for the user alone and starts
    // listening. False, with errorString(), when it cannot.
    bool listen(const std::filesystem::path& path);
    // Stops listening and removes the socket file.
    void close();
    bool isListening() const { return m_fd >= 0; }
    const std::string& errorString() const { return m_error; }

    // The next waiting connection as a connected, non-blocking descriptor the caller owns, or
    // nothing when none waits or none can be taken now (out of descriptors: the listener tries
    // again later and signals connectionsPending()).
    std::optional<int> accept();

  signals:
    // Connections wait to be accepted.
    void connectionsPending();

  private:
    // What runs while the process has no descriptor left. UndefinedBehaviorSanitizer needs a
    // pipe to check the type of an object, so these two are exempt from that check.
    void pauseAccepting(int error);
    void resumeAccepting();

    int m_fd = -1;
    std::filesystem::path m_path;
    std::string m_error;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_retry;
    bool m_warned = false;  // said so since the last connection that could be taken
};

}  // namespace platform::channel
