#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

#include "platform/channel/ChannelLog.h"
#include "platform/channel/LocalListener.h"

namespace platform::channel {

LocalListener::LocalListener(QObject* parent) : QObject(parent) {
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (!m_notifier) return;
        m_notifier->setEnabled(true);
        emit connectionsPending();
    });
}

LocalListener::~LocalListener() {
    close();
}

bool LocalListener::listen(const std::filesystem::path& path) {
    close();
    m_error.clear();
    sockaddr_un address{};
    if (path.native().size() >= sizeof address.sun_path) {
        m_error = "the path is too long for a socket";
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.native().size() + 1);

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        m_error = std::strerror(errno);
        return false;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, kBacklog) != 0) {
        m_error = std::strerror(errno);
        ::close(fd);
        ::unlink(path.c_str());
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_notifier = new QSocketNotifier(static_cast<qintptr>(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LocalListener::connectionsPending);
    return true;
}

void LocalListener::close() {
    m_retry.stop();
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd < 0) return;
    ::close(m_fd);
    m_fd = -1;
    ::unlink(m_path.c_str());
}

std::optional<int> LocalListener::accept() {
    while (m_fd >= 0) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            m_warned = false;
            return fd;
        }
        switch (errno) {
            case EINTR:
            case ECONNABORTED:
            case EPROTO:
                continue;  // that connection is gone; the next may be fine
            case EAGAIN:
#if EWOULDBLOCK != EAGAIN
            case EWOULDBLOCK:
#endif
                return std::nullopt;
            default:
                // Out of descriptors or memory (EMFILE, ENFILE, ENOBUFS, ENOMEM) or worse: the
                // socket stays listening and the connections wait in the backlog.
                if (!m_warned) {
                    qCWarning(lcChannel) << "cannot accept clients now:" << std::strerror(errno)
                                         << "- they wait until it can again";
                    m_warned = true;
                }
                pauseAccepting();
                return std::nullopt;
        }
    }
    return std::nullopt;
}

void LocalListener::pauseAccepting() {
    // The notifier would fire at once again for the same waiting connection.
    if (m_notifier) m_notifier->setEnabled(false);
    m_retry.start();
}

}  // namespace platform::channel
