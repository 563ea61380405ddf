// The driver through a HART-IP gateway, as its users run it: hartsim serving the multidrop loop
// over HART-IP on a free loopback port, the Halvane process with COM1 pinned to
// hart-ip://127.0.0.1:PORT (over TCP, or UDP), and halvane-cmd over the driver's socket.

#include <gtest/gtest.h>

#include "ReplyCheck.h"
#include "RigTest.h"
#include "TestLoop.h"

namespace e2e {
namespace {

class HartIpEndToEnd : public ::testing::Test {
  protected:
    void start(LoopRig::Gateway gateway) { rig = std::make_unique<LoopRig>(kLoopConfig, gateway); }
    void TearDown() override {
        if (!rig) return;
        const ExitStatus end = rig->stopDriver();
        EXPECT_TRUE(end.cleanExit()) << "the driver ended with " << end.describe() << rig->logs();
    }
    std::string statusLine() const { return outputLines(rig->halvaneCmd({"--status"}).output)[0]; }

    std::unique_ptr<LoopRig> rig;
};

TEST_F(HartIpEndToEnd, ReadsAndWritesTheLoopOverTcpAndUdp) {
    for (const bool udp : {false, true}) {
        SCOPED_TRACE(udp ? "UDP" : "TCP");
        start({udp, {}});
        const std::vector<std::string> status = outputLines(rig->statusAtStart());
        ASSERT_GE(status.size(), 3u);
        EXPECT_TRUE(status[0].starts_with("COM1 hart-ip://127.0.0.1:")) << status[0];
        EXPECT_TRUE(status[0].ends_with(udp ? "(UDP): session open" : "(TCP): session open"))
            << status[0];

        for (const SimulatedDevice& device : loopDevices()) {
            const std::string address = std::to_string(device.address);
            for (const int command : {0, 3}) {
                const RunResult run = rig->halvaneCmd({std::to_string(command), address});
                ASSERT_EQ(run.status.code, kDelivered) << describe(run) << rig->logs();
                EXPECT_EQ(replyMismatch(outputLines(run.output), command, device), "");
            }
        }
        // A write is delivered only when the device echoes what was written.
        const RunResult write = rig->halvaneCmd({"35", "1", "kPa", "0", "20"});
        EXPECT_EQ(write.status.code, kDelivered) << describe(write);

        if (!udp) {
            // A silent device behind a live gateway: the transaction fails, the session stays.
            const RunResult silent = rig->halvaneCmd({"0", std::to_string(kEmptyAddress)});
            EXPECT_EQ(silent.status.code, kCommunicationError) << describe(silent);
            EXPECT_TRUE(statusLine().ends_with("session open")) << rig->logs();
        }
        TearDown();
        rig.reset();
    }
}

TEST_F(HartIpEndToEnd, OpensANewSessionWhenTheGatewayClosesItOrComesBack) {
    // The gateway ends every session after two replies: reads go on through new sessions.
    start({false, {"--close-session-after", "2"}});
    for (int reading = 0; reading < 5; ++reading) {
        const RunResult read = rig->halvaneCmd({"3", "1"});
        ASSERT_EQ(read.status.code, kDelivered) << describe(read) << rig->logs();
    }
    EXPECT_NE(rig->logs().find("the gateway closed the connection"), std::string::npos)
        << rig->logs();

    // The gateway goes away: commands fail, and the driver says why.
    rig->stopSimulator();
    const RunResult failed = rig->halvaneCmd({"3", "1"});
    EXPECT_EQ(failed.status.code, kCommunicationError) << describe(failed);
    EXPECT_NE(statusLine().find("(TCP): no session, cannot reach the gateway"), std::string::npos)
        << statusLine();
    EXPECT_NE(rig->logs().find("commands answer \"Communication Error!\" until the session opens "
                               "again"),
              std::string::npos)
        << rig->logs();

    // It comes back on the same port: the next command opens a session and is answered.
    rig->startSimulator();
    const RunResult back = rig->halvaneCmd({"3", "1"});
    EXPECT_EQ(back.status.code, kDelivered) << describe(back) << rig->logs();
    EXPECT_NE(rig->logs().find("the gateway's session is open again"), std::string::npos);
}

}  // namespace
}  // namespace e2e
