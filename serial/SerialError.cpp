#include "serial/SerialError.h"

#include <cerrno>
#include <cstring>

namespace serial {

PortFailure ClassifyPortError(int systemError) {
    switch (systemError) {
        case 0:
            return PortFailure::None;
        case EACCES:
        case EPERM:
            return PortFailure::PermissionDenied;
        case EBUSY:
        case EWOULDBLOCK:
            return PortFailure::Busy;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortFailure::NoSuchPort;
        case ENOTTY:
            return PortFailure::NotAPort;
        default:
            return PortFailure::Other;
    }
}

std::string SystemErrorText(int systemError) {
    char buffer[256] = {};
    // The GNU strerror_r returns the text (which may not be in buffer); the POSIX one fills it.
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
    return ::strerror_r(systemError, buffer, sizeof buffer);
#else
    if (::strerror_r(systemError, buffer, sizeof buffer) != 0) return "Unknown error";
    return buffer;
#endif
}

}  // namespace serial
