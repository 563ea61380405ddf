#include "serial/posix/Termios.h"

#include <utility>

namespace serial::posix {

namespace {

constexpr std::pair<std::uint32_t, speed_t> kSpeeds[] = {
    {50, B50},           {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},         {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},       {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600},     {115200, B115200}, {230400, B230400},
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B500000
    {500000, B500000},
#endif
#ifdef B576000
    {576000, B576000},
#endif
#ifdef B921600
    {921600, B921600},
#endif
#ifdef B1000000
    {1000000, B1000000},
#endif
#ifdef B1152000
    {1152000, B1152000},
#endif
#ifdef B1500000
    {1500000, B1500000},
#endif
#ifdef B2000000
    {2000000, B2000000},
#endif
#ifdef B2500000
    {2500000, B2500000},
#endif
#ifdef B3000000
    {3000000, B3000000},
#endif
#ifdef B3500000
    {3500000, B3500000},
#endif
#ifdef B4000000
    {4000000, B4000000},
#endif
};

std::optional<tcflag_t> sizeFlag(std::uint8_t byteSize) {
    switch (byteSize) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        case 8:
            return CS8;
        default:
            return std::nullopt;
    }
}

std::optional<tcflag_t> parityFlags(std::uint8_t parity) {
    switch (parity) {
        case pNone:
            return tcflag_t{0};
        case pOdd:
            return tcflag_t{PARENB | PARODD};
        case pEven:
            return tcflag_t{PARENB};
#ifdef CMSPAR
        case pMark:
            return tcflag_t{PARENB | PARODD | CMSPAR};
        case pSpace:
            return tcflag_t{PARENB | CMSPAR};
#endif
        default:
            return std::nullopt;
    }
}

#ifdef CMSPAR
constexpr tcflag_t kParityBits = PARENB | PARODD | CMSPAR;
#else
constexpr tcflag_t kParityBits = PARENB | PARODD;
#endif

}  // namespace

void MakeRaw(termios& t) {
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY | INPCK | IGNPAR);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
}

bool ApplyDcbToTermios(termios& t, const DCB& dcb) {
    const auto size = sizeFlag(dcb.ByteSize);
    const auto parity = parityFlags(dcb.Parity);
    if (!size || !parity || dcb.StopBits > sbTwo) return false;
    // One and a half stop bits exist only with 5 data bits, where the port makes them of CSTOPB;
    // two stop bits with 5 data bits therefore cannot be had.
    if (dcb.StopBits == sbOneAndHalf && dcb.ByteSize != 5) return false;
    if (dcb.StopBits == sbTwo && dcb.ByteSize == 5) return false;
    const bool outX = dcb.Flags & kDcbOutX;
    const bool inX = dcb.Flags & kDcbInX;
    if ((outX || inX) && dcb.XonChar == dcb.XoffChar) return false;

    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | kParityBits | CRTSCTS);
    t.c_cflag |= *size | *parity;
    if (dcb.StopBits != sbOne) t.c_cflag |= CSTOPB;
    const bool ctsFlow = dcb.Flags & kDcbOutxCtsFlow;
    const bool rtsHandshake = (dcb.Flags & kDcbRtsControlMask) == kDcbRtsControlHandshake;
    if (ctsFlow || rtsHandshake) t.c_cflag |= CRTSCTS;

    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    if (outX) t.c_iflag |= IXON;
    if (inX) t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    return true;
}

std::optional<speed_t> StandardSpeed(std::uint32_t baud) {
    for (const auto& [rate, speed] : kSpeeds) {
        if (rate == baud) return speed;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> StandardRate(speed_t speed) {
    for (const auto& [rate, constant] : kSpeeds) {
        if (constant == speed) return rate;
    }
    return std::nullopt;
}

void ReadDcbFromTermios(const termios& t, DCB& dcb) {
    switch (t.c_cflag & CSIZE) {
        case CS5:
            dcb.ByteSize = 5;
            break;
        case CS6:
            dcb.ByteSize = 6;
            break;
        case CS7:
            dcb.ByteSize = 7;
            break;
        default:
            dcb.ByteSize = 8;
            break;
    }
    const tcflag_t parity = t.c_cflag & kParityBits;
    dcb.Parity = pNone;
    if (parity & PARENB) {
#ifdef CMSPAR
        if (parity & CMSPAR) {
            dcb.Parity = (parity & PARODD) ? pMark : pSpace;
        } else
#endif
        {
            dcb.Parity = (parity & PARODD) ? pOdd : pEven;
        }
    }
    if (dcb.Parity == pNone) {
        dcb.Flags &= ~kDcbParity;
    } else {
        dcb.Flags |= kDcbParity;
    }
    dcb.StopBits = !(t.c_cflag & CSTOPB) ? sbOne : (dcb.ByteSize == 5 ? sbOneAndHalf : sbTwo);

    const std::uint32_t rts = dcb.Flags & kDcbRtsControlMask;
    dcb.Flags &= ~(kDcbOutxCtsFlow | kDcbOutX | kDcbInX);
    if (t.c_cflag & CRTSCTS) {
        dcb.Flags = (dcb.Flags & ~kDcbRtsControlMask) | kDcbOutxCtsFlow | kDcbRtsControlHandshake;
    } else if (rts == kDcbRtsControlHandshake) {
        dcb.Flags = (dcb.Flags & ~kDcbRtsControlMask) | kDcbRtsControlEnable;
    }
    if (t.c_iflag & IXON) dcb.Flags |= kDcbOutX;
    if (t.c_iflag & IXOFF) dcb.Flags |= kDcbInX;
    dcb.XonChar = static_cast<std::uint8_t>(t.c_cc[VSTART]);
    dcb.XoffChar = static_cast<std::uint8_t>(t.c_cc[VSTOP]);
}

}  // namespace serial::posix
