#pragma once

// A HART-IP gateway named in a port pin: hart-ip://HOST[:PORT][?udp]. HOST is a name, an IPv4
// address or an IPv6 address in brackets; PORT defaults to 5094; "?udp" chooses UDP instead of
// TCP.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hartip {

inline constexpr std::string_view kUrlScheme = "hart-ip://";

struct GatewayUrl {
    std::string host;  // without brackets
    std::uint16_t port = 0;
    bool udp = false;

    // The URL again, in its usual form (the port always written).
    std::string text() const;
};

// True when `text` is meant as a gateway (it starts with the scheme, in any case).
bool isGatewayUrl(std::string_view text);

struct ParsedUrl {
    std::optional<GatewayUrl> url;
    std::string problem;  // when there is no url: what is wrong, for the user
};
ParsedUrl parseGatewayUrl(std::string_view text);

}  // namespace hartip
