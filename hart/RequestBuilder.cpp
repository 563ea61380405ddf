#include "hart/RequestBuilder.h"

#include <algorithm>
#include <optional>
#include <string>

#include "hart/Conversions.h"
#include "hart/GenericFormat.h"
#include "platform/text/IntegerText.h"

namespace hart {

namespace {

constexpr std::uint8_t kPreamble = 0xFF;
constexpr std::uint8_t kShortDelimiter = 0x02;
constexpr std::uint8_t kLongDelimiter = 0x82;
constexpr std::uint8_t kMinPreambles = 5;
constexpr std::uint8_t kMaxPreambles = 20;
constexpr std::uint8_t kGenericCommand = 255;
constexpr std::size_t kLongAddressSize = 5;
constexpr std::size_t kMaxFormatText = 32;
constexpr std::size_t kRequestFormatStart = 4;  // 0-based: after the kind letter and 3 digits
constexpr int kLastArgumentSlot = 20;
constexpr int kFirstYear = 1900;  // year byte 0
constexpr int kLastYear = kFirstYear + 255;

std::optional<std::uint8_t> readByte(std::string_view text) {
    const std::optional<std::int32_t> value = platform::parseInteger(text);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

bool isBroadcast(std::uint8_t command) {
    return command == 11 || command == 21;
}

// Whether value fits n bytes, read either as unsigned or as two's complement.
bool fitsBytes(std::int32_t value, std::size_t n) {
    if (n >= 4) return true;
    const std::int64_t span = std::int64_t{1} << (8 * n);
    return value >= -(span / 2) && value < span;
}

// Writes request bytes at a position it advances. An argument that cannot be used sets the error
// flag and, unless said otherwise, leaves zero bytes of its width so that the frame keeps its
// declared layout; a frame with the error flag set is never sent.
class RequestWriter {
  public:
    RequestWriter(std::span<std::uint8_t> buffer, std::size_t& position, bool& error,
                  const CoreContext& context)
        : m_buffer(buffer), m_pos(position), m_error(error), m_context(context) {}

    void put(std::uint8_t b) {
        if (m_pos >= m_buffer.size()) {
            throw ConversionError("request frame too long for the request buffer");
        }
        m_buffer[m_pos++] = b;
    }

    void zeros(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            put(0);
    }

    void refuse() { m_error = true; }

    // A byte argument 0..255; an empty text, no integer or a value outside that range is refused.
    std::uint8_t byte(std::string_view text) {
        const std::optional<std::uint8_t> value = readByte(text);
        if (!value) refuse();
        put(value.value_or(0));
        return value.value_or(0);
    }

    // A float argument written as 4 bytes. Both "." and "," read as the decimal separator. An
    // empty or unreadable text, or a number the 4-byte form cannot hold, is refused.
    double real(std::string_view text) {
        const char separator = m_context.locale.decimalSeparator;
        std::optional<double> value;
        if (!text.empty()) value = TextToFloat(NormalizeFloatText(text, separator), separator);
        std::array<std::uint8_t, 4> bytes{};
        if (!value) {
            refuse();
        } else {
            try {
                bytes = FloatToHart(*value);
            } catch (const ConversionError&) {
                refuse();
            }
        }
        for (std::uint8_t b : bytes)
            put(b);
        return value.value_or(0.0);
    }

    // An integer of n bytes (1..4), most significant first. A value that fits n bytes neither as
    // unsigned nor as two's complement is refused rather than sent without its high bits.
    void integer(std::string_view text, std::size_t n) {
        const std::optional<std::int32_t> value = platform::parseInteger(text);
        const bool fits = value && fitsBytes(*value, n);
        if (!fits) refuse();
        const auto bits = fits ? static_cast<std::uint32_t>(*value) : 0u;
        for (std::size_t k = n; k-- > 0;)
            put(static_cast<std::uint8_t>(bits >> (8 * k)));
    }

    void packed(std::string_view text, std::size_t n) { PackAscii(text, n, m_buffer, m_pos); }
    void latin1(std::string_view text, std::size_t n) { TextToBytes(text, n, m_buffer, m_pos); }

    // Packed text of at most maxChars characters; a longer text is refused and nothing written.
    void boundedPacked(std::string_view text, std::size_t maxChars, std::size_t n) {
        if (text.size() > maxChars) {
            refuse();
            return;
        }
        packed(text, n);
    }

    // A code given as a number 0..255 or by its name: when the text is no number of 0..255 (or
    // names `none` itself), the codes 0..lastCode whose name equals the text are taken, the last
    // one winning. `none` stands for "no code" and is never sent.
    template <typename NameOf>
    std::uint8_t code(std::string_view text, std::uint8_t none, unsigned lastCode, NameOf nameOf) {
        std::uint8_t found = readByte(text).value_or(none);
        if (found == none && !text.empty()) {
            for (unsigned c = 0; c <= lastCode; ++c) {
                if (nameOf(static_cast<std::uint8_t>(c)) == text)
                    found = static_cast<std::uint8_t>(c);
            }
        }
        if (found == none) {
            refuse();
            found = 0;
        }
        put(found);
        return found;
    }

    // A unit or transfer function of the fixed commands, where 255 means "none".
    std::uint8_t unit(std::string_view text) {
        return code(text, 255, 254, [this](std::uint8_t c) { return tables().UnitName(c); });
    }
    std::uint8_t transferFunction(std::string_view text) {
        return code(text, 255, 254,
                    [this](std::uint8_t c) { return tables().TransferFunctionName(c); });
    }
    // A unit of the generic command, where 0 means "none".
    std::uint8_t genericUnit(std::string_view text) {
        return code(text, 0, 255, [this](std::uint8_t c) { return tables().UnitName(c); });
    }

    // Day, month and year byte of a date in the user's short date format; an empty text gives
    // three 0 bytes. A year the year byte cannot hold would turn into another year, so it is
    // refused like a text that is no date.
    void shortDate(std::string_view text) {
        if (text.empty()) {
            zeros(3);
            return;
        }
        std::string dateText(text);
        // In "24. 12. 2018" the points separate the fields just as "/" would.
        if (dateText.find(' ') != std::string::npos) {
            std::replace(dateText.begin(), dateText.end(), '.', '/');
        }
        const std::optional<platform::CalendarDate> date =
            m_context.locale.parseShortDate(dateText);
        if (!date || date->year < kFirstYear || date->year > kLastYear) {
            refuse();
            zeros(3);
            return;
        }
        put(static_cast<std::uint8_t>(date->day));
        put(static_cast<std::uint8_t>(date->month));
        put(static_cast<std::uint8_t>(date->year - kFirstYear));
    }

    // "day.month.year", each part an integer. A year before 1900 is sent as year byte 0. Day and
    // month must be 0..255 and the year at most 2155; a text that fails is refused and nothing
    // is written.
    void dottedDate(std::string_view text) {
        const std::size_t first = text.find('.');
        const std::size_t second =
            first == std::string_view::npos ? first : text.find('.', first + 1);
        if (second == std::string_view::npos) {
            refuse();
            return;
        }
        const std::optional<std::uint8_t> day = readByte(text.substr(0, first));
        const std::optional<std::uint8_t> month =
            readByte(text.substr(first + 1, second - first - 1));
        const std::optional<std::int32_t> year = platform::parseInteger(text.substr(second + 1));
        if (!day || !month || !year || *year > kLastYear) {
            refuse();
            return;
        }
        put(*day);
        put(*month);
        put(static_cast<std::uint8_t>(*year < kFirstYear ? 0 : *year - kFirstYear));
    }

  private:
    const CodeTables& tables() const { return m_context.tables; }

    std::span<std::uint8_t> m_buffer;
    std::size_t& m_pos;
    bool& m_error;
    const CoreContext& m_context;
};

// Command byte, byte count and data of every command but 0 and 255.
void writeCommand(HartMessage& msg, RequestWriter& out) {
    auto& S = msg.S;
    auto& B = msg.B;
    auto& F = msg.F;
    const auto header = [&](std::uint8_t byteCount) {
        out.put(msg.Command);
        out.put(byteCount);
    };
    switch (msg.Command) {
        case 6:
            // A new polling address is refused, not replaced by 0, when S1 does not read.
            header(1);
            B[1] = out.byte(S[1]);
            break;
        case 11:
            header(6);
            out.packed(S[1], 6);
            break;
        case 17:
            header(24);
            out.packed(S[1], 24);
            break;
        case 18:
            header(21);
            out.packed(S[1], 6);
            out.packed(S[2], 12);
            out.shortDate(S[3]);
            break;
        case 19:
            header(3);
            out.integer(S[1], 3);
            break;
        case 21:
            header(32);
            out.latin1(S[1], 32);
            break;
        case 33:
        case 51:
        case 62:
        case 107:
            header(4);
            for (int k = 1; k <= 4; ++k)
                B[k] = out.byte(S[k]);
            break;
        case 34:
        case 40:
        case 45:
        case 46:
            header(4);
            F[1] = out.real(S[1]);
            break;
        case 35:
            header(9);
            B[1] = out.unit(S[1]);
            F[1] = out.real(S[2]);  // upper range value
            F[2] = out.real(S[3]);  // lower range value
            break;
        case 39:
        case 52:
        case 54:
        case 60:
        case 63:
        case 70:
        case 108:
        case 109:
            header(1);
            B[1] = out.byte(S[1]);
            break;
        case 44:
            header(1);
            B[1] = out.unit(S[1]);
            break;
        case 47:
            header(1);
            B[1] = out.transferFunction(S[1]);
            break;
        case 53:
            header(2);
            B[1] = out.byte(S[1]);
            B[2] = out.unit(S[2]);
            break;
        case 55:
        case 64:
            header(5);
            B[1] = out.byte(S[1]);
            F[1] = out.real(S[2]);
            break;
        case 58:
            // Tag of at most 8 and descriptor of at most 16 characters, without the blanks and
            // control characters around them; the trimmed texts are what the reply echoes.
            header(21);
            S[1] = std::string(TrimControls(S[1]));
            S[2] = std::string(TrimControls(S[2]));
            out.boundedPacked(S[1], 8, 6);
            out.boundedPacked(S[2], 16, 12);
            out.dottedDate(S[3]);
            break;
        case 65:
            header(10);
            B[1] = out.byte(S[1]);
            B[2] = out.unit(S[2]);
            F[1] = out.real(S[3]);  // upper range value
            F[2] = out.real(S[4]);  // lower range value
            break;
        case 66:
        case 67:
        case 68:
            header(6);
            B[1] = out.byte(S[1]);
            B[2] = out.unit(S[2]);
            F[1] = out.real(S[3]);
            break;
        case 69:
            header(2);
            B[1] = out.byte(S[1]);
            B[2] = out.byte(S[2]);
            break;
        default:
            // The reads without data, and the device-specific commands 128..195 that are not
            // refused: sent without data, which a device answers in its own way.
            header(0);
            break;
    }
}

}  // namespace

bool IsRefusedCommand(std::uint8_t command) {
    const unsigned c = command;
    return c == 4 || c == 5 || (c >= 7 && c <= 10) || c == 20 || (c >= 22 && c <= 32) || c == 49 ||
           c == 56 || c == 59 || (c >= 71 && c <= 106) || (c >= 111 && c <= 127) || c == 135 ||
           c == 138 || c == 140 || (c >= 145 && c <= 148) || (c >= 152 && c <= 193) ||
           (c >= 196 && c <= 254);
}

BuildOutcome RequestBuilder::BuildRequest(HartMessage& msg, const CoreContext& context) {
    BuildOutcome outcome;
    msg.ControlStr.clear();

    // Identification requests wake devices whatever they asked for; other requests carry what the
    // device asked for, within 5..20.
    std::uint8_t& preambles = msg.Id.NmbrPreamb;
    if (msg.Command == 0 || msg.Command == 11) {
        preambles = kMaxPreambles;
    } else if (preambles < kMinPreambles || preambles > kMaxPreambles) {
        preambles = kMinPreambles;
    }
    std::fill_n(RequestBuffer.begin(), preambles, kPreamble);

    const std::size_t delimiterPos = preambles;
    std::size_t pos = delimiterPos;
    bool longFrame = false;
    RequestWriter out(RequestBuffer, pos, RequestError, context);
    const std::uint8_t master = masterBit(msg.mt);
    try {
        if (msg.Command == 0) {
            // A polling address that does not read as 0..255 polls address 0.
            const std::uint8_t address = readByte(msg.S[1]).value_or(0);
            msg.B[1] = address;
            out.put(kShortDelimiter);
            out.put(static_cast<std::uint8_t>(master | (address & 0x3F)));
            out.put(msg.Command);
            out.put(0);
        } else if (IsRefusedCommand(msg.Command)) {
            RequestError = true;
        } else {
            longFrame = true;
            out.put(kLongDelimiter);
            if (isBroadcast(msg.Command)) {
                out.put(master);
                out.zeros(4);
            } else {
                out.put(static_cast<std::uint8_t>(master | (msg.Id.MfrId & 0x3F)));
                out.put(msg.Id.MfrDeviceType);
                out.put(msg.Id.DeviceIdNumberHi);
                out.put(msg.Id.DeviceIdNumberMid);
                out.put(msg.Id.DeviceIdNumberLo);
            }
            if (msg.Command == kGenericCommand) {
                outcome.genericCommand = true;
                buildGeneric(msg, context, pos);
            } else {
                writeCommand(msg, out);
            }
        }
    } catch (const ConversionError&) {
        RequestError = true;
    }

    // Check byte: every byte from the delimiter on.
    pos = std::min(pos, RequestBuffer.size() - 1);
    std::uint8_t check = 0;
    for (std::size_t i = delimiterPos; i < pos; ++i)
        check ^= RequestBuffer[i];
    RequestBuffer[pos] = check;
    RequestLength = pos + 1;

    // The link engine compares the reply with the request's byte count and data.
    msg.Data.fill(0);
    const std::size_t byteCountPos = delimiterPos + 1 + kLongAddressSize + 1;
    if (longFrame && pos > byteCountPos) {
        const std::size_t n = std::min(pos - byteCountPos, msg.Data.size());
        std::copy_n(RequestBuffer.begin() + static_cast<std::ptrdiff_t>(byteCountPos), n,
                    msg.Data.begin());
    }
    msg.DataToSend = true;
    return outcome;
}

void RequestBuilder::buildGeneric(HartMessage& msg, const CoreContext& context,
                                  std::size_t& position) {
    RequestWriter out(RequestBuffer, position, RequestError, context);
    std::string& format = msg.ControlStr;
    format = msg.S[1].substr(0, kMaxFormatText);
    const auto carriesData = [&] {
        return !format.empty() && (format[0] == 'R' || format[0] == 'W');
    };
    // The kind letter X marks a refused request: no data goes out and no reply template applies.
    const auto markRefused = [&] {
        RequestError = true;
        if (!format.empty()) format[0] = 'X';
    };

    const std::string_view digits =
        std::string_view(format).substr(std::min<std::size_t>(1, format.size()), 3);
    const std::optional<std::uint8_t> command = readByte(digits);
    msg.Command = command.value_or(0);
    if (!command) markRefused();
    out.put(msg.Command);

    std::size_t separator = std::string::npos;
    std::size_t byteCount = 0;
    if (carriesData()) {
        msg.B[1] = 0;
        separator = format.find('|');
        if (separator == std::string::npos || separator < kRequestFormatStart) {
            markRefused();
        } else {
            const std::string_view request = std::string_view(format).substr(
                kRequestFormatStart, separator - kRequestFormatStart);
            const std::string_view reply = std::string_view(format).substr(separator + 1);
            if (!IsValidFormatSection(request) || !IsValidFormatSection(reply)) {
                markRefused();
            } else {
                byteCount = RequestByteCount(request);
                // The record keeps 40 request bytes; a longer request could be neither kept nor
                // answered in full.
                if (byteCount > kMaxDataBytes) markRefused();
            }
        }
    }
    // Also refuses a request whose command line already failed.
    if (RequestError) markRefused();

    if (!carriesData()) {
        out.put(0);
        return;
    }
    msg.B[1] = static_cast<std::uint8_t>(byteCount);
    out.put(msg.B[1]);
    const std::size_t dataStart = position;
    std::size_t formatIndex = kRequestFormatStart + 1;
    for (int k = 2; k <= kLastArgumentSlot && formatIndex <= format.size(); ++k)
        EncodeArgument(msg.S[static_cast<std::size_t>(k)], format, formatIndex, position, context);
    // Encoding stops at a stray digit and has only S2..S20 to take from: a format whose items
    // reach beyond either would send fewer bytes than its byte count announces.
    if (position - dataStart != byteCount) RequestError = true;

    // What stays is the kind letter, the command digits and the reply format.
    format.erase(kRequestFormatStart, separator - kRequestFormatStart + 1);
}

void RequestBuilder::EncodeArgument(std::string_view text, std::string_view format,
                                    std::size_t& formatIndex, std::size_t& position,
                                    const CoreContext& context) {
    if (formatIndex == 0 || formatIndex > format.size()) return;
    RequestWriter out(RequestBuffer, position, RequestError, context);
    const std::size_t letter = formatIndex - 1;
    switch (format[letter]) {
        case 'A':
        case 'P':
        case 'L': {
            const std::optional<std::size_t> count = FormatItemCount(format, letter);
            if (!count) {
                // A checked format never gets here; an unchecked one stops encoding.
                RequestError = true;
                return;
            }
            if (format[letter] == 'A') {
                out.latin1(text, *count);
                formatIndex += 3;
            } else if (format[letter] == 'P') {
                out.packed(text, *count);
                formatIndex += 3;
            } else {
                out.integer(text, *count);
                formatIndex += 2;
            }
            break;
        }
        case 'B':
            out.byte(text);
            formatIndex += 1;
            break;
        case 'F':
            out.real(text);
            formatIndex += 1;
            break;
        case 'U':
            out.genericUnit(text);
            formatIndex += 1;
            break;
        default:
            // A digit or the "|": nothing to encode.
            break;
    }
}

}  // namespace hart
