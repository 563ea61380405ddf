#include "hartip/GatewayUrl.h"

#include <algorithm>
#include <cctype>

#include "hartip/Message.h"

namespace hartip {

namespace {

bool startsWithScheme(std::string_view text) {
    if (text.size() < kUrlScheme.size()) return false;
    return std::equal(kUrlScheme.begin(), kUrlScheme.end(), text.begin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

ParsedUrl wrong(std::string_view text, const std::string& what) {
    return {std::nullopt, "\"" + std::string(text) + "\" is no HART-IP gateway: " + what +
                              " (write hart-ip://HOST[:PORT][?udp])"};
}

}  // namespace

bool isGatewayUrl(std::string_view text) {
    return startsWithScheme(text);
}

std::string GatewayUrl::text() const {
    const bool v6 = host.find(':') != std::string::npos;
    return std::string(kUrlScheme) + (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port) +
           (udp ? "?udp" : "");
}

ParsedUrl parseGatewayUrl(std::string_view text) {
    if (!startsWithScheme(text)) return wrong(text, "it does not start with hart-ip://");
    std::string_view rest = text.substr(kUrlScheme.size());
    GatewayUrl url;
    url.port = kDefaultPort;
    if (const std::size_t query = rest.find('?'); query != std::string_view::npos) {
        if (rest.substr(query + 1) != "udp") return wrong(text, "the only option is ?udp");
        url.udp = true;
        rest = rest.substr(0, query);
    }
    if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
    std::string_view portText;
    if (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos) return wrong(text, "the IPv6 address has no ']'");
        url.host = std::string(rest.substr(1, close - 1));
        const std::string_view after = rest.substr(close + 1);
        if (!after.empty() && !after.starts_with(':'))
            return wrong(text, "only :PORT may follow the IPv6 address");
        if (!after.empty()) portText = after.substr(1);
        if (after == ":") return wrong(text, "the port is missing after ':'");
    } else {
        const std::size_t colon = rest.find(':');
        url.host = std::string(rest.substr(0, colon));
        if (colon != std::string_view::npos) {
            portText = rest.substr(colon + 1);
            if (portText.empty()) return wrong(text, "the port is missing after ':'");
        }
    }
    if (url.host.empty()) return wrong(text, "the host is missing");
    if (url.host.find_first_of("/@ ") != std::string::npos)
        return wrong(text, "the host may not hold '/', '@' or blanks");
    if (!portText.empty()) {
        const bool digits =
            portText.size() <= 5 && std::all_of(portText.begin(), portText.end(),
                                                [](char c) { return c >= '0' && c <= '9'; });
        const int port = digits ? std::stoi(std::string(portText)) : 0;
        if (!digits || port < 1 || port > 65535)
            return wrong(text, "the port must be a number 1..65535");
        url.port = static_cast<std::uint16_t>(port);
    }
    return {url, {}};
}

}  // namespace hartip
