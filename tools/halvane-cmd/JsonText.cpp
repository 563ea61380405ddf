#include "tools/halvane-cmd/JsonText.h"

namespace halvanecmd {

std::string jsonString(std::string_view latin1) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
                    json += "\\u00";
                    json += kHex[byte >> 4];
                    json += kHex[byte & 0x0F];
                } else if (byte < 0x80) {
                    json += c;
                } else {
                    json += static_cast<char>(0xC0 | (byte >> 6));
                    json += static_cast<char>(0x80 | (byte & 0x3F));
                }
        }
    }
    return json + "\"";
}

}  // namespace halvanecmd
