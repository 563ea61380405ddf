#include "sim/program/Line.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace sim::program {

namespace {

std::string errorText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

void makeRaw(int fd, bool serial) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        throw std::runtime_error(errorText("cannot read line settings"));
    ::cfmakeraw(&tio);
    if (serial) {
        tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | CRTSCTS);
        tio.c_cflag |= CS8 | PARENB | PARODD | CLOCAL | CREAD;
        ::cfsetispeed(&tio, B1200);
        ::cfsetospeed(&tio, B1200);
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        throw std::runtime_error(errorText("cannot set line settings"));
}

}  // namespace

Line Line::openPseudoTerminal() {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) throw std::runtime_error(errorText("cannot create a pseudo-terminal"));
    char name[256] = {};
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name, sizeof name) != 0) {
        const std::string message = errorText("cannot prepare the pseudo-terminal");
        ::close(master);
        throw std::runtime_error(message);
    }
    const int terminal = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0) {
        const std::string message = errorText(std::string("cannot open ") + name);
        ::close(master);
        throw std::runtime_error(message);
    }
    Line line(master, terminal, name);
    makeRaw(terminal, false);
    makeRaw(master, false);
    if (::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK) != 0)
        throw std::runtime_error(errorText("cannot make the pseudo-terminal non-blocking"));
    return line;
}

Line Line::openSerial(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EACCES)
            throw std::runtime_error(errorText("cannot open " + path) +
                                     " (add your user to the dialout group, then log in again)");
        throw std::runtime_error(errorText("cannot open " + path));
    }
    Line line(fd, -1, path);
    if (::ioctl(fd, TIOCEXCL) != 0) throw std::runtime_error(errorText("cannot take " + path));
    makeRaw(fd, true);
    ::tcflush(fd, TCIOFLUSH);
    return line;
}

Line::Line(Line&& other) noexcept
    : m_fd(other.m_fd), m_terminalFd(other.m_terminalFd), m_path(std::move(other.m_path)) {
    other.m_fd = other.m_terminalFd = -1;
}

Line::~Line() {
    if (m_terminalFd >= 0) ::close(m_terminalFd);
    if (m_fd >= 0) ::close(m_fd);
}

void Line::setRts(bool on) {
    int bits = TIOCM_RTS;
    if (::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bits) != 0)
        throw std::runtime_error(errorText("cannot set RTS on " + m_path));
}

void Line::drain() {
    while (::tcdrain(m_fd) != 0 && errno == EINTR) {
    }
}

void Line::dropUnreadOutput(int limit) {
    if (m_terminalFd < 0) return;
    int waiting = 0;
    if (::ioctl(m_terminalFd, FIONREAD, &waiting) == 0 && waiting > limit)
        ::tcflush(m_terminalFd, TCIFLUSH);
}

}  // namespace sim::program
