#include "platform/channel/SocketFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace platform::channel {

std::optional<std::string> privateFolderProblem(const std::filesystem::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return "The socket folder " + folder.string() +
               " does not exist; create it (mode 0700) or set XDG_RUNTIME_DIR to a private folder.";
    if (st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        return "The socket folder " + folder.string() +
               " is not private to this user (it must belong to the user and give no access to "
               "others); run chmod 700 on it or set XDG_RUNTIME_DIR to a private folder.";
    return std::nullopt;
}

SocketFileKind socketFileKind(const std::filesystem::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return SocketFileKind::Missing;
    if (!S_ISSOCK(st.st_mode)) return SocketFileKind::NotASocket;
    return st.st_uid == ::getuid() ? SocketFileKind::OwnSocket : SocketFileKind::ForeignSocket;
}

std::size_t maxSocketPathLength() {
    return sizeof(sockaddr_un::sun_path) - 1;
}

TakeOverLock::TakeOverLock(const std::filesystem::path& lockFile) {
    m_fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0) return;
    int rc;
    do {
        rc = ::flock(m_fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

TakeOverLock::~TakeOverLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}

bool processIsRunning(long long pid) {
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
    // A detached child that has exited stays a zombie until its new parent reaps it, and some
    // containers' first process never does; read its state where /proc exists.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    if (!stat) return true;
    std::string content((std::istreambuf_iterator<char>(stat)), {});
    auto paren = content.rfind(')');
    if (paren == std::string::npos || paren + 2 >= content.size()) return true;
    char state = content[paren + 2];
    return state != 'Z' && state != 'X';
}

}  // namespace platform::channel
