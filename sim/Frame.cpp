#include "sim/Frame.h"

#include <stdexcept>

namespace sim {

std::array<std::uint8_t, 5> Frame::plainAddress() const {
    std::array<std::uint8_t, 5> plain = address;
    plain[0] &= 0x3F;
    if (!longAddress) plain[1] = plain[2] = plain[3] = plain[4] = 0;
    return plain;
}

std::uint8_t delimiterOf(FrameKind kind, bool longAddress) {
    std::uint8_t base = 0x02;
    if (kind == FrameKind::Reply) base = 0x06;
    if (kind == FrameKind::Burst) base = 0x01;
    return static_cast<std::uint8_t>(base | (longAddress ? kLongFrameBit : 0));
}

std::optional<DelimiterInfo> delimiterInfo(std::uint8_t delimiter) {
    const bool longAddress = (delimiter & kLongFrameBit) != 0;
    switch (delimiter & 0x7F) {
        case 0x02:
            return DelimiterInfo{FrameKind::Request, longAddress};
        case 0x06:
            return DelimiterInfo{FrameKind::Reply, longAddress};
        case 0x01:
            return DelimiterInfo{FrameKind::Burst, longAddress};
        default:
            return std::nullopt;
    }
}

std::uint8_t checkByte(std::span<const std::uint8_t> bytes) {
    std::uint8_t check = 0;
    for (std::uint8_t b : bytes)
        check ^= b;
    return check;
}

Bytes encodeFrame(const Frame& frame) {
    if (frame.data.size() > 255) throw std::length_error("HART frame data longer than 255 bytes");
    Bytes out(static_cast<std::size_t>(frame.preambles > 0 ? frame.preambles : 0), 0xFF);
    const std::size_t start = out.size();
    out.push_back(delimiterOf(frame.kind, frame.longAddress));
    out.insert(out.end(), frame.address.begin(),
               frame.address.begin() + (frame.longAddress ? 5 : 1));
    out.push_back(frame.command);
    out.push_back(static_cast<std::uint8_t>(frame.data.size()));
    out.insert(out.end(), frame.data.begin(), frame.data.end());
    out.push_back(checkByte(std::span(out).subspan(start)));
    return out;
}

}  // namespace sim
