// Port pins that name a HART-IP gateway: every form a user writes, and what is wrong with the
// ones the driver cannot use.

#include <gtest/gtest.h>

#include "hartip/GatewayUrl.h"

namespace {

TEST(GatewayUrl, ReadsHostPortAndTransport) {
    struct Case {
        const char* pin;
        const char* host;
        int port;
        bool udp;
        const char* text;
    };
    const Case cases[] = {
        {"hart-ip://127.0.0.1:5094", "127.0.0.1", 5094, false, "hart-ip://127.0.0.1:5094"},
        {"hart-ip://gateway.plant", "gateway.plant", 5094, false, "hart-ip://gateway.plant:5094"},
        {"HART-IP://10.0.0.7:20004?udp", "10.0.0.7", 20004, true, "hart-ip://10.0.0.7:20004?udp"},
        {"hart-ip://[::1]:6000/", "::1", 6000, false, "hart-ip://[::1]:6000"},
        {"hart-ip://[fe80::1]?udp", "fe80::1", 5094, true, "hart-ip://[fe80::1]:5094?udp"},
    };
    for (const Case& c : cases) {
        const auto parsed = hartip::parseGatewayUrl(c.pin);
        ASSERT_TRUE(parsed.url) << c.pin << ": " << parsed.problem;
        EXPECT_EQ(parsed.url->host, c.host) << c.pin;
        EXPECT_EQ(parsed.url->port, c.port) << c.pin;
        EXPECT_EQ(parsed.url->udp, c.udp) << c.pin;
        EXPECT_EQ(parsed.url->text(), c.text);
        EXPECT_TRUE(hartip::isGatewayUrl(c.pin));
    }
    EXPECT_FALSE(hartip::isGatewayUrl("/dev/serial/by-id/usb-modem"));
}

TEST(GatewayUrl, SaysWhatIsWrongWithAPinItCannotUse) {
    struct Case {
        const char* pin;
        const char* problem;
    };
    const Case cases[] = {
        {"hart-ip://", "the host is missing"},
        {"hart-ip://:5094", "the host is missing"},
        {"hart-ip://host:", "the port is missing"},
        {"hart-ip://host:0", "1..65535"},
        {"hart-ip://host:70000", "1..65535"},
        {"hart-ip://host:50x", "1..65535"},
        {"hart-ip://host?tcp", "the only option is ?udp"},
        {"hart-ip://[::1", "no ']'"},
        {"hart-ip://user@host", "may not hold"},
        {"/dev/ttyUSB0", "does not start with hart-ip://"},
    };
    for (const Case& c : cases) {
        const auto parsed = hartip::parseGatewayUrl(c.pin);
        EXPECT_FALSE(parsed.url) << c.pin;
        EXPECT_NE(parsed.problem.find(c.problem), std::string::npos) << parsed.problem;
        EXPECT_NE(parsed.problem.find("hart-ip://HOST[:PORT][?udp]"), std::string::npos);
    }
}

}  // namespace
