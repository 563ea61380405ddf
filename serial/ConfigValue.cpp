#include "serial/ConfigValue.h"

namespace serial {

namespace {

constexpr std::size_t kDcbOffset = 1;
constexpr std::size_t kTimeoutsOffset = kDcbOffset + 28;

void putU32(std::uint8_t* out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t getU32(const std::uint8_t* in) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t{in[i]} << (8 * i);
    return v;
}

}  // namespace

std::array<std::uint8_t, kConfigValueSize> EncodeConfigValue(const ConfigValue& value) {
    std::array<std::uint8_t, kConfigValueSize> out{};
    out[0] = value.comPortNo;
    const auto dcb = DcbToBytes(value.dcb);
    std::copy(dcb.begin(), dcb.end(), out.begin() + kDcbOffset);
    const COMMTIMEOUTS& t = value.timeouts;
    std::uint8_t* p = out.data() + kTimeoutsOffset;
    for (std::uint32_t field :
         {t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
          t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant}) {
        putU32(p, field);
        p += 4;
    }
    return out;
}

std::optional<ConfigValue> DecodeConfigValue(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kConfigValueSize) return std::nullopt;
    ConfigValue value;
    value.comPortNo = bytes[0];
    value.dcb = DcbFromBytes(bytes.subspan<kDcbOffset, 28>());
    if (value.dcb.Parity > pSpace || value.dcb.StopBits > sbTwo) return std::nullopt;
    const std::uint8_t* p = bytes.data() + kTimeoutsOffset;
    COMMTIMEOUTS& t = value.timeouts;
    for (std::uint32_t* field :
         {&t.ReadIntervalTimeout, &t.ReadTotalTimeoutMultiplier, &t.ReadTotalTimeoutConstant,
          &t.WriteTotalTimeoutMultiplier, &t.WriteTotalTimeoutConstant}) {
        *field = getU32(p);
        p += 4;
    }
    return value;
}

}  // namespace serial
