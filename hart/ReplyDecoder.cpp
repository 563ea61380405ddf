#include "hart/ReplyDecoder.h"

#include <optional>
#include <span>

#include "hart/Conversions.h"

namespace hart {

namespace {

// Writes the result slots of one reply. Positions k are indexes into msg.Data as the link engine
// filled it (HART data byte n is Data[3 + n]); every layout below stays within Data[0..40].
class SlotWriter {
  public:
    SlotWriter(HartMessage& msg, const CoreContext& context) : m_msg(msg), m_context(context) {}

    std::string dec(std::size_t k) const { return std::to_string(m_msg.Data[k]); }
    std::string unit(std::size_t k) const { return m_context.tables.UnitName(m_msg.Data[k]); }
    std::string transferFunction(std::size_t k) const {
        return m_context.tables.TransferFunctionName(m_msg.Data[k]);
    }
    std::string alarm(std::size_t k) const {
        return m_context.tables.AlarmSelectionName(m_msg.Data[k]);
    }
    std::string writeProtect(std::size_t k) const {
        return m_context.tables.WriteProtectName(m_msg.Data[k]);
    }
    std::string packed(std::size_t k, std::size_t n) const { return UnpackAscii(from(k), n); }

    // The float at Data[k..k+3], kept in F[field] and written as text.
    std::string floatIn(std::size_t k, std::size_t field) {
        m_msg.F[field] = HartToFloat(std::span<const std::uint8_t, 4>(m_msg.Data.data() + k, 4));
        return FormatHartFloat(m_msg.F[field], m_context.floatPrecision,
                               m_context.locale.decimalSeparator);
    }

    // The 24-bit number at Data[k..k+2], kept in LI1.
    std::string u24(std::size_t k) {
        m_msg.LI[1] = BytesToNumber(from(k), 3);
        return std::to_string(m_msg.LI[1]);
    }

    // Unit and value of one dynamic variable of commands 3, 61 and 110.
    void unitAndFloat(std::size_t unitSlot, std::size_t k, std::size_t field) {
        m_msg.S[unitSlot] = unit(k);
        m_msg.S[unitSlot + 1] = floatIn(k + 1, field);
    }

  private:
    std::span<const std::uint8_t> from(std::size_t k) const {
        return std::span<const std::uint8_t>(m_msg.Data).subspan(k);
    }

    HartMessage& m_msg;
    const CoreContext& m_context;
};

void decodeIdentity(HartMessage& msg, const CoreContext& context) {
    const auto& d = msg.Data;
    UniqueIdentifier& id = msg.Id;
    id.MfrId = d[4];
    id.MfrDeviceType = d[5];
    id.NmbrPreamb = d[6];
    id.UnivCmdRev = d[7];
    id.TransSpecRev = d[8];
    id.SoftRev = d[9];
    id.HardRev = d[10];
    id.Flags = d[11];
    id.DeviceIdNumberHi = d[12];
    id.DeviceIdNumberMid = d[13];
    id.DeviceIdNumberLo = d[14];

    // From HART revision 7 on the first two bytes are the expanded device type; the lookups
    // take the revision to know which key to use, and the manufacturer code that revision 7
    // replies carry in data bytes 17-18 (Data[20..21]).
    std::optional<std::uint16_t> manufacturerCode;
    if (d[7] >= 7 && d[0] >= 2 + 19)
        manufacturerCode = static_cast<std::uint16_t>(d[20] << 8 | d[21]);
    msg.S[1] = context.tables.DistributorName(d[4], d[5], d[7], manufacturerCode);
    msg.S[2] = context.tables.InstrumentName(d[4], d[5], d[7]);
    for (std::size_t k = 6; k <= 11; ++k)
        msg.S[k - 3] = std::to_string(d[k]);
    msg.S[9] = std::to_string(BytesToNumber(std::span<const std::uint8_t>(d).subspan(12), 3));
}

void decodeCommand(HartMessage& msg, const CoreContext& context) {
    SlotWriter w(msg, context);
    auto& S = msg.S;
    const std::uint8_t count = msg.Data[0];

    switch (msg.Command) {
        case 0:
        case 11:
        case 21:
            decodeIdentity(msg, context);
            break;
        case 1:
            S[1] = w.unit(3);
            S[2] = w.floatIn(4, 1);
            break;
        case 2:
            S[1] = w.floatIn(3, 1);
            S[2] = w.floatIn(7, 2);
            break;
        case 3:
            // Loop current, then unit and value of each dynamic variable the reply carries.
            S[1] = w.floatIn(3, 1);
            w.unitAndFloat(2, 7, 2);
            if (count >= 16) w.unitAndFloat(4, 12, 3);
            if (count >= 21) w.unitAndFloat(6, 17, 4);
            if (count >= 26) w.unitAndFloat(8, 22, 5);
            break;
        case 6:
        case 39:
        case 52:
        case 108:
        case 109:
            S[1] = w.dec(3);
            break;
        case 12:
        case 17:
            S[1] = w.packed(3, 24);
            break;
        case 13:
            S[1] = w.packed(3, 6);
            S[2] = w.packed(9, 12);
            S[3] = HartDateText(msg.Data[21], msg.Data[22], msg.Data[23], context.locale);
            break;
        case 14:
            S[1] = w.u24(3);
            S[2] = w.unit(6);
            S[3] = w.floatIn(7, 1);
            S[4] = w.floatIn(11, 2);
            S[5] = w.floatIn(15, 3);
            break;
        case 15:
            S[1] = w.alarm(3);
            S[2] = w.transferFunction(4);
            S[3] = w.unit(5);
            S[4] = w.floatIn(6, 1);
            S[5] = w.floatIn(10, 2);
            S[6] = w.floatIn(14, 3);
            S[7] = w.writeProtect(18);
            S[8] = context.tables.DistributorName(msg.Data[19], 0, 5);
            break;
        case 16:
        case 19:
            S[1] = w.u24(3);
            break;
        case 18:
        case 57:
        case 58:
            S[1] = w.packed(3, 6);
            S[2] = w.packed(9, 12);
            S[3] = HartDateDotted(msg.Data[21], msg.Data[22], msg.Data[23]);
            break;
        case 33:
        case 62:
            // Four (code, unit, value) triples.
            for (std::size_t i = 0; i < 4; ++i) {
                S[1 + 3 * i] = w.dec(3 + 6 * i);
                S[2 + 3 * i] = w.unit(4 + 6 * i);
                S[3 + 3 * i] = w.floatIn(5 + 6 * i, 1 + i);
            }
            break;
        case 34:
        case 40:
        case 45:
        case 46:
            S[1] = w.floatIn(3, 1);
            break;
        case 35:
            S[1] = w.unit(3);
            S[2] = w.floatIn(4, 1);
            S[3] = w.floatIn(8, 2);
            break;
        case 44:
            S[1] = w.unit(3);
            break;
        case 47:
            S[1] = w.transferFunction(3);
            break;
        case 48:
            // Twelve 16-bit words, low byte first, then one more byte.
            for (std::size_t k = 1; k <= 12; ++k) {
                S[k] = std::to_string(msg.Data[1 + 2 * k] + 256 * msg.Data[2 + 2 * k]);
            }
            S[13] = w.dec(27);
            break;
        case 50:
        case 51:
        case 107:
            for (std::size_t k = 1; k <= 4; ++k)
                S[k] = w.dec(2 + k);
            break;
        case 53:
            S[1] = w.dec(3);
            S[2] = w.unit(4);
            break;
        case 54:
            S[1] = w.dec(3);
            S[2] = w.u24(4);
            S[3] = w.unit(7);
            S[4] = w.floatIn(8, 1);
            S[5] = w.floatIn(12, 2);
            S[6] = w.floatIn(16, 3);
            S[7] = w.floatIn(20, 4);
            break;
        case 55:
        case 64:
            S[1] = w.dec(3);
            S[2] = w.floatIn(4, 1);
            break;
        case 60:
        case 65:
        case 70:
            S[1] = w.dec(3);
            S[2] = w.unit(4);
            S[3] = w.floatIn(5, 1);
            S[4] = w.floatIn(9, 2);
            break;
        case 61:
            w.unitAndFloat(1, 3, 1);
            w.unitAndFloat(3, 8, 2);
            if (count >= 17) w.unitAndFloat(5, 13, 3);
            if (count >= 22) w.unitAndFloat(7, 18, 4);
            if (count >= 27) w.unitAndFloat(9, 23, 5);
            break;
        case 63:
            S[1] = w.dec(3);
            S[2] = w.dec(4);
            S[3] = w.transferFunction(5);
            S[4] = w.unit(6);
            S[5] = w.floatIn(7, 1);
            S[6] = w.floatIn(11, 2);
            S[7] = w.floatIn(15, 3);
            break;
        case 66:
        case 67:
        case 68:
            S[1] = w.dec(3);
            S[2] = w.unit(4);
            S[3] = w.floatIn(5, 1);
            break;
        case 69:
            S[1] = w.dec(3);
            S[2] = w.transferFunction(4);
            break;
        case 110:
            w.unitAndFloat(1, 3, 1);
            if (count >= 12) w.unitAndFloat(3, 8, 2);
            if (count >= 17) w.unitAndFloat(5, 13, 3);
            if (count >= 22) w.unitAndFloat(7, 18, 4);
            break;
        default:
            break;  // no fixed layout: the slots stay empty
    }
}

// The generic command's format text names the command in characters 2 to 4 (1-based); its reply
// format starts at character 5.
bool templateApplies(const HartMessage& msg) {
    const std::string& c = msg.ControlStr;
    if (c.size() < 5) return false;
    int number = 0;
    for (std::size_t i = 1; i <= 3; ++i) {
        if (c[i] < '0' || c[i] > '9') return false;
        number = number * 10 + (c[i] - '0');
    }
    return number == msg.Command;
}

// The reply bytes from data position p (1-based into Data); empty past the end, so that a
// conversion asked for them fails instead of reading outside Data.
std::span<const std::uint8_t> dataFrom(const HartMessage& msg, std::size_t p) {
    if (p >= msg.Data.size()) return {};
    return std::span<const std::uint8_t>(msg.Data).subspan(p);
}

// The count digits of a P, A or L item: `width` decimal digits after the letter.
bool readCount(std::string_view format, std::size_t letterPos, std::size_t width,
               std::size_t& count) {
    count = 0;
    for (std::size_t i = letterPos + 1; i <= letterPos + width; ++i) {
        if (i > format.size()) return false;
        const char c = format[i - 1];
        if (c < '0' || c > '9') return false;
        count = count * 10 + static_cast<std::size_t>(c - '0');
    }
    return true;
}

}  // namespace

DecodeOutcome DecodeReply(HartMessage& msg, const CoreContext& context) {
    for (std::string& s : msg.S)
        s.clear();
    msg.F.fill(0);
    msg.LI.fill(0);
    msg.B.fill(0);

    msg.Error = msg.Data[1];
    msg.Status = msg.Data[2];
    ResponseText response = context.tables.ResponseCodeText(msg.Error);
    msg.sError = std::move(response.text);
    msg.ReceivedDataValid = response.accepted;
    msg.sStatus = context.tables.DeviceStatusText(msg.Status);

    // Warnings, errors and busy replies carry no data worth decoding.
    if (msg.Error != 0) return {};

    decodeCommand(msg, context);

    if (!templateApplies(msg)) return {};
    std::size_t templatePos = 5;
    std::size_t dataPos = 3;
    for (std::size_t k = 1; k <= 25; ++k) {
        if (templatePos <= msg.ControlStr.size()) {
            msg.S[k] = DecodeTemplateItem(msg.ControlStr, templatePos, dataPos, msg, context);
        }
        // An item reaching past the bytes the reply really had shows nothing.
        if (msg.Data[0] < dataPos - 1) msg.S[k].clear();
    }
    return {.templateApplied = true};
}

std::string DecodeTemplateItem(std::string_view format, std::size_t& templatePos,
                               std::size_t& dataPos, const HartMessage& msg,
                               const CoreContext& context) {
    if (templatePos == 0 || templatePos > format.size()) return {};
    const std::span<const std::uint8_t> bytes = dataFrom(msg, dataPos);
    std::string result;
    std::size_t n = 0;

    switch (format[templatePos - 1]) {
        case 'B':
            // Items past Data[40] lie past every reply; their slot stays empty.
            if (!bytes.empty()) result = std::to_string(bytes[0]);
            dataPos += 1;
            templatePos += 1;
            break;
        case 'U':
            if (!bytes.empty()) result = context.tables.UnitName(bytes[0]);
            dataPos += 1;
            templatePos += 1;
            break;
        case 'F':
            if (bytes.size() >= 4) {
                result = FormatHartFloat(HartToFloat(bytes.first<4>()), context.floatPrecision,
                                         context.locale.decimalSeparator);
            }
            dataPos += 4;
            templatePos += 1;
            break;
        case 'P':
        case 'A': {
            const char letter = format[templatePos - 1];
            try {
                if (!readCount(format, templatePos, 2, n)) throw ConversionError("no count");
                result = letter == 'P' ? UnpackAscii(bytes, n) : BytesToText(bytes, n);
                dataPos += n;
            } catch (const ConversionError&) {
                result = letter == 'P' ? "Error \"P\"" : "Error \"A\"";
            }
            templatePos += 3;
            break;
        }
        case 'L':
            try {
                if (!readCount(format, templatePos, 1, n)) throw ConversionError("no count");
                result = std::to_string(BytesToNumber(bytes, n));
                dataPos += n;
            } catch (const ConversionError&) {
                result = "Error \"L\"";
            }
            templatePos += 2;
            break;
        default:
            // Not an item: neither position moves, so the rest of the format is not read.
            break;
    }
    return result;
}

}  // namespace hart
