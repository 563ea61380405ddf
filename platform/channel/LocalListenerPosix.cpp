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

#if defined(__GNUC__)
#define HALVANE_NO_TYPE_CHECK __attribute__((no_sanitize("vptr")))
#else
#define HALVANE_NO_TYPE_CHECK
#endif

LocalListener::LocalListener(QObject* parent) : QObject(parent) {
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &LocalListener::resumeAccepting);
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
                pauseAccepting(errno);
                return std::nullopt;
        }
    }
    return std::nullopt;
}

HALVANE_NO_TYPE_CHECK void LocalListener::pauseAccepting(int error) {
    if (!m_warned && lcChannel().isWarningEnabled()) {
        QMessageLogger(__FILE__, __LINE__, Q_FUNC_INFO, lcChannel().categoryName())
            .warning("cannot accept clients now: %s - they wait until it can again",
                     std::strerror(error));
    }
    m_warned = true;
    // The notifier would fire at once again for the same waiting connection.
    if (m_notifier) m_notifier->setEnabled(false);
    m_retry.start();
}

HALVANE_NO_TYPE_CHECK void LocalListener::resumeAccepting() {
    if (!m_notifier) return;
    m_notifier->setEnabled(true);
    emit connectionsPending();
}

}  // namespace platform::channel
