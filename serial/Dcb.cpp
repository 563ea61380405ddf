#include "serial/Dcb.h"

namespace serial {

namespace {

constexpr std::uint16_t kXonLimit = 80;
constexpr std::uint16_t kXoffLimit = 200;
constexpr std::uint8_t kXon = 0x11;
constexpr std::uint8_t kXoff = 0x13;

bool hasAll(std::uint32_t flags, std::uint32_t bits) {
    return (flags & bits) == bits;
}

class ByteWriter {
  public:
    explicit ByteWriter(std::array<std::uint8_t, 28>& out) : m_out(out) {}
    template <typename T>
    void put(T value) {
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            m_out[m_pos++] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
        }
    }

  private:
    std::array<std::uint8_t, 28>& m_out;
    std::size_t m_pos = 0;
};

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t, 28> in) : m_in(in) {}
    template <typename T>
    void get(T& value) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            v |= std::uint32_t{m_in[m_pos++]} << (8 * i);
        value = static_cast<T>(v);
    }

  private:
    std::span<const std::uint8_t, 28> m_in;
    std::size_t m_pos = 0;
};

}  // namespace

void ComposeDcb(DCB& dcb, TStreamProtocol protocol, bool rs485Mode) {
    std::uint32_t flags = dcb.Flags & kDcbKeptFlags;
    if (rs485Mode) {
        flags |= kDcbFlowRs485;
    } else {
        switch (protocol) {
            case spNone:
                flags |= kDcbFlowNone;
                break;
            case spXonXoff:
                flags |= kDcbFlowXonXoff;
                break;
            case spHardware:
                flags |= kDcbFlowHardware;
                break;
        }
    }
    dcb.Flags = flags;
    dcb.XonLim = kXonLimit;
    dcb.XoffLim = kXoffLimit;
    dcb.XonChar = kXon;
    dcb.XoffChar = kXoff;
}

TStreamProtocol StreamProtocolFromDcb(const DCB& dcb) {
    if (hasAll(dcb.Flags, kDcbFlowXonXoff)) return spXonXoff;
    if (hasAll(dcb.Flags, kDcbFlowHardware)) return spHardware;
    return spNone;
}

bool Rs485ModeFromDcb(const DCB& dcb) {
    return hasAll(dcb.Flags, kDcbFlowRs485);
}

std::array<std::uint8_t, 28> DcbToBytes(const DCB& dcb) {
    std::array<std::uint8_t, 28> out{};
    ByteWriter w(out);
    w.put(dcb.DCBlength);
    w.put(dcb.BaudRate);
    w.put(dcb.Flags);
    w.put(dcb.wReserved);
    w.put(dcb.XonLim);
    w.put(dcb.XoffLim);
    for (std::uint8_t b : {dcb.ByteSize, dcb.Parity, dcb.StopBits, dcb.XonChar, dcb.XoffChar,
                           dcb.ErrorChar, dcb.EofChar, dcb.EvtChar}) {
        w.put(b);
    }
    w.put(dcb.wReserved1);
    return out;
}

DCB DcbFromBytes(std::span<const std::uint8_t, 28> bytes) {
    DCB dcb;
    ByteReader r(bytes);
    r.get(dcb.DCBlength);
    r.get(dcb.BaudRate);
    r.get(dcb.Flags);
    r.get(dcb.wReserved);
    r.get(dcb.XonLim);
    r.get(dcb.XoffLim);
    for (std::uint8_t* b : {&dcb.ByteSize, &dcb.Parity, &dcb.StopBits, &dcb.XonChar, &dcb.XoffChar,
                            &dcb.ErrorChar, &dcb.EofChar, &dcb.EvtChar}) {
        r.get(*b);
    }
    r.get(dcb.wReserved1);
    return dcb;
}

}  // namespace serial
