#include "tools/halvane-cmd/BackgroundStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace halvanecmd {

namespace {

int openRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd = -1;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

void redirect(int from, int to) {
    if (from < 0) return;
    while (::dup2(from, to) < 0 && errno == EINTR) {
    }
}

}  // namespace

BackgroundStreams::BackgroundStreams(const std::filesystem::path& logFile) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    // The saved copies are close-on-exec, so the started program does not inherit them.
    for (int fd = 0; fd < 3; ++fd)
        m_saved[static_cast<std::size_t>(fd)] = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);

    const int input = openRetrying("/dev/null", O_RDONLY);
    int output = openRetrying(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    m_logging = output >= 0;
    if (!m_logging) output = openRetrying("/dev/null", O_WRONLY);
    redirect(input, STDIN_FILENO);
    redirect(output, STDOUT_FILENO);
    redirect(output, STDERR_FILENO);
    if (input >= 0) ::close(input);
    if (output >= 0) ::close(output);
}

BackgroundStreams::~BackgroundStreams() {
    std::fflush(nullptr);
    for (int fd = 0; fd < 3; ++fd) {
        int saved = m_saved[static_cast<std::size_t>(fd)];
        if (saved < 0) {
            ::close(fd);  // it was closed before
            continue;
        }
        redirect(saved, fd);
        ::close(saved);
    }
}

}  // namespace halvanecmd
