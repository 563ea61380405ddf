#include "serial/posix/PortDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>

#include "serial/posix/Termios.h"

namespace serial::posix {

// Linux only: rates without a termios constant (termios2 with BOTHER), in CustomBaudLinux.cpp.
bool SetCustomBaud(int fd, std::uint32_t baud);
std::optional<std::uint32_t> GetCustomBaud(int fd);

namespace {

template <typename Call>
auto retryOnEintr(Call call) {
    decltype(call()) rc;
    do {
        rc = call();
    } while (rc < 0 && errno == EINTR);
    return rc;
}

}  // namespace

OpenResult OpenPortDevice(const std::string& path) {
    const int fd = retryOnEintr(
        [&] { return ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); });
    if (fd < 0) return {-1, errno};
    auto fail = [fd](int error) {
        ::close(fd);
        return OpenResult{-1, error};
    };
    if (!::isatty(fd)) return fail(ENOTTY);
    if (retryOnEintr([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
        return fail(errno == EWOULDBLOCK ? EBUSY : errno);
    }
    // Refused by some drivers; the lock above already keeps cooperating programs out.
    (void)::ioctl(fd, TIOCEXCL);
    return {fd, 0};
}

void ClosePortDevice(int fd) {
    if (fd < 0) return;
    // A pseudo-terminal keeps its exclusive flag while its other side stays open: clear it so
    // that the port can be opened again.
    (void)::ioctl(fd, TIOCNXCL);
    ::close(fd);  // also releases the lock; never retried (the descriptor is gone either way)
}

bool ApplyLineSettings(int fd, const DCB& dcb, bool makeRaw) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    if (makeRaw) MakeRaw(t);
    const bool lineOk = ApplyDcbToTermios(t, dcb);
    const auto speed = StandardSpeed(dcb.BaudRate);
    if (lineOk && speed) {
        ::cfsetispeed(&t, *speed);
        ::cfsetospeed(&t, *speed);
    }
    (void)retryOnEintr([&] { return ::tcsetattr(fd, TCSANOW, &t); });
    if (lineOk && !speed && dcb.BaudRate != 0) (void)SetCustomBaud(fd, dcb.BaudRate);
    return lineOk;
}

bool ReadLineSettings(int fd, DCB& dcb) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    ReadDcbFromTermios(t, dcb);
    if (const auto rate = StandardRate(::cfgetospeed(&t))) {
        dcb.BaudRate = *rate;
    } else if (const auto custom = GetCustomBaud(fd)) {
        dcb.BaudRate = *custom;
    }
    return true;
}

bool DrainOutput(int fd) {
    return retryOnEintr([&] { return ::tcdrain(fd); }) == 0;
}

bool SetOutputFlow(int fd, bool resume) {
    return retryOnEintr([&] { return ::tcflow(fd, resume ? TCOON : TCOOFF); }) == 0;
}

bool SetBreak(int fd, bool on) {
    return retryOnEintr([&] { return ::ioctl(fd, on ? TIOCSBRK : TIOCCBRK); }) == 0;
}

std::optional<std::uint32_t> InputQueueCount(int fd) {
    int n = 0;
    if (::ioctl(fd, FIONREAD, &n) != 0 || n < 0) return std::nullopt;
    return static_cast<std::uint32_t>(n);
}

std::optional<std::uint32_t> OutputQueueCount(int fd) {
    int n = 0;
    if (::ioctl(fd, TIOCOUTQ, &n) != 0 || n < 0) return std::nullopt;
    return static_cast<std::uint32_t>(n);
}

bool Purge(int fd, std::uint32_t purgeFlags) {
    const bool in = purgeFlags & (kPurgeRxClear | kPurgeRxAbort);
    const bool out = purgeFlags & (kPurgeTxClear | kPurgeTxAbort);
    if (!in && !out) return true;
    const int which = in && out ? TCIOFLUSH : (in ? TCIFLUSH : TCOFLUSH);
    return retryOnEintr([&] { return ::tcflush(fd, which); }) == 0;
}

long ReadWaiting(int fd, std::uint8_t* buffer, std::size_t size) {
    const ssize_t n = retryOnEintr([&] { return ::read(fd, buffer, size); });
    if (n >= 0) return static_cast<long>(n);
    return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -errno;
}

bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    const int rc = retryOnEintr([&] { return ::poll(&p, 1, timeoutMs); });
    return rc > 0 && (p.revents & POLLIN);
}

WriteResult WriteAll(int fd, const std::uint8_t* data, std::size_t size, std::uint32_t timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    WriteResult result;
    while (result.written < size) {
        const ssize_t n =
            retryOnEintr([&] { return ::write(fd, data + result.written, size - result.written); });
        if (n > 0) {
            result.written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            result.error = errno;
            return result;
        }
        // The output queue is full: wait until it takes more.
        int waitMs = -1;
        if (timeoutMs != 0) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                result.error = ETIMEDOUT;
                return result;
            }
            waitMs = static_cast<int>(left.count());
        }
        pollfd p{fd, POLLOUT, 0};
        const int rc = ::poll(&p, 1, waitMs);
        if (rc < 0 && errno != EINTR) {
            result.error = errno;
            return result;
        }
        if (rc > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) && !(p.revents & POLLOUT)) {
            result.error = (p.revents & POLLNVAL) ? EBADF : EIO;
            return result;
        }
    }
    return result;
}

WakePipe::WakePipe() {
    int fds[2];
    if (::pipe(fds) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
    for (int fd : fds) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    m_read = fds[0];
    m_write = fds[1];
}

WakePipe::~WakePipe() {
    ::close(m_read);
    ::close(m_write);
}

void WakePipe::wake() {
    const char c = 1;
    // A full pipe already holds a wake-up: nothing is lost when this write fails.
    (void)retryOnEintr([&] { return ::write(m_write, &c, 1); });
}

void WakePipe::drain() {
    char buf[64];
    while (retryOnEintr([&] { return ::read(m_read, buf, sizeof buf); }) > 0) {
    }
}

Signal::Signal() {
    if (::sem_init(&m_semaphore, 0, 0) != 0) {
        throw std::system_error(errno, std::generic_category(), "sem_init");
    }
}

Signal::~Signal() {
    ::sem_destroy(&m_semaphore);
}

void Signal::give() {
    ::sem_post(&m_semaphore);
}

void Signal::take() {
    retryOnEintr([&] { return ::sem_wait(&m_semaphore); });
}

WaitResult WaitForPort(int fd, bool watchInput, const WakePipe& wake, int timeoutMs) {
    // Hang-up and errors are reported even when input is not watched.
    pollfd p[2] = {{fd, static_cast<short>(watchInput ? POLLIN : 0), 0},
                   {wake.readFd(), POLLIN, 0}};
    WaitResult result;
    const int rc = ::poll(p, 2, timeoutMs);
    if (rc < 0) {
        if (errno != EINTR) result.error = errno;
        return result;
    }
    result.readable = p[0].revents & POLLIN;
    result.hangup = p[0].revents & (POLLHUP | POLLERR | POLLNVAL);
    result.woken = p[1].revents & POLLIN;
    return result;
}

}  // namespace serial::posix
