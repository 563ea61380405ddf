#pragma once

// Operating-system checks around the channel's socket file: whether its folder is private,
// what sits at the socket path, an exclusive lock that serialises the take-over of a stale
// socket between two servers starting at the same moment, and whether a started process is
// still running. POSIX only for now (SocketFilePosix.cpp).

#include <filesystem>
#include <optional>
#include <string>

namespace platform::channel {

// Nothing when folder is a folder owned by this user with no access for group or others,
// otherwise a message that says what is wrong and what to do.
std::optional<std::string> privateFolderProblem(const std::filesystem::path& folder);

enum class SocketFileKind { Missing, OwnSocket, ForeignSocket, NotASocket };
SocketFileKind socketFileKind(const std::filesystem::path& path);

// The longest socket path the system accepts (bytes, without the terminating NUL).
std::size_t maxSocketPathLength();

// Holds an exclusive lock on a file beside the socket for as long as it lives; waits for a
// lock held by another process (held only for the few milliseconds of a take-over).
class TakeOverLock {
  public:
    explicit TakeOverLock(const std::filesystem::path& lockFile);
    ~TakeOverLock();
    TakeOverLock(const TakeOverLock&) = delete;
    TakeOverLock& operator=(const TakeOverLock&) = delete;

    bool locked() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

// False once the process has ended (an unreaped zombie counts as ended).
bool processIsRunning(long long pid);

}  // namespace platform::channel
