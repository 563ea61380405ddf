// The modem-control lines and error counters of a POSIX serial port (TIOCM* and TIOCGICOUNT).

#include <sys/ioctl.h>

#include <cerrno>

#include "serial/LineControl.h"

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace serial {

namespace {

int ioctlRetry(int fd, unsigned long request, void* arg) {
    int rc;
    do {
        rc = ::ioctl(fd, request, arg);
    } while (rc < 0 && errno == EINTR);
    return rc;
}

class IoctlLineControl final : public LineControl {
  public:
    bool switchLines(int fd, unsigned lines, bool on) override {
        int bits = 0;
        if (lines & kLineDtr) bits |= TIOCM_DTR;
        if (lines & kLineRts) bits |= TIOCM_RTS;
        return ioctlRetry(fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0;
    }

    std::optional<unsigned> readLines(int fd) override {
        int bits = 0;
        if (ioctlRetry(fd, TIOCMGET, &bits) != 0) return std::nullopt;
        unsigned lines = 0;
        if (bits & TIOCM_DTR) lines |= kLineDtr;
        if (bits & TIOCM_RTS) lines |= kLineRts;
        if (bits & TIOCM_CTS) lines |= kLineCts;
        if (bits & TIOCM_DSR) lines |= kLineDsr;
        if (bits & TIOCM_RNG) lines |= kLineRing;
        if (bits & TIOCM_CAR) lines |= kLineCarrier;
        return lines;
    }

    std::optional<LineCounters> readCounters([[maybe_unused]] int fd) override {
#ifdef TIOCGICOUNT
        serial_icounter_struct ic{};
        if (ioctlRetry(fd, TIOCGICOUNT, &ic) != 0) return std::nullopt;
        LineCounters c;
        c.cts = static_cast<std::uint32_t>(ic.cts);
        c.dsr = static_cast<std::uint32_t>(ic.dsr);
        c.ring = static_cast<std::uint32_t>(ic.rng);
        c.carrier = static_cast<std::uint32_t>(ic.dcd);
        c.frame = static_cast<std::uint32_t>(ic.frame);
        c.overrun = static_cast<std::uint32_t>(ic.overrun);
        c.parity = static_cast<std::uint32_t>(ic.parity);
        c.brk = static_cast<std::uint32_t>(ic.brk);
        c.bufferOverrun = static_cast<std::uint32_t>(ic.buf_overrun);
        return c;
#else
        return std::nullopt;
#endif
    }
};

}  // namespace

std::shared_ptr<LineControl> systemLineControl() {
    static const auto instance = std::make_shared<IoctlLineControl>();
    return instance;
}

}  // namespace serial
