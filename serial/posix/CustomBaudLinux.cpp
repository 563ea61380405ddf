// Baud rates without a termios constant. Linux takes any rate through termios2 with BOTHER; this
// file includes the kernel's termios definitions, which cannot meet <termios.h> in one file.

#include <cstdint>
#include <optional>

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace serial::posix {

bool SetCustomBaud([[maybe_unused]] int fd, [[maybe_unused]] std::uint32_t baud) {
#if defined(__linux__) && defined(BOTHER)
    struct termios2 t {};
    if (::ioctl(fd, TCGETS2, &t) != 0) return false;
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = baud;
    t.c_ospeed = baud;
    return ::ioctl(fd, TCSETS2, &t) == 0;
#else
    return false;
#endif
}

std::optional<std::uint32_t> GetCustomBaud([[maybe_unused]] int fd) {
#if defined(__linux__) && defined(BOTHER)
    struct termios2 t {};
    if (::ioctl(fd, TCGETS2, &t) != 0) return std::nullopt;
    if ((t.c_cflag & CBAUD) != BOTHER) return std::nullopt;
    return static_cast<std::uint32_t>(t.c_ospeed);
#else
    return std::nullopt;
#endif
}

}  // namespace serial::posix
