// The link engine against simulated field devices in simulated time: a multidrop loop, busy and
// silent devices, burst mode, another master on the line and bit errors.

#include <gtest/gtest.h>

#include "support/EngineRig.h"
#include "support/SimLoopOnLine.h"

namespace driver {
namespace {

using testsupport::SimLoopOnLine;

sim::DeviceConfig transmitter(int address, int revision, std::uint32_t deviceId) {
    sim::DeviceConfig config = sim::DeviceConfig::pressureTransmitter(revision);
    config.pollingAddress = address;
    config.deviceId = deviceId;
    if (revision < 7) config.deviceType = 0xA1;
    return config;
}

class LinkEngineSimTest : public ::testing::Test, protected testsupport::EngineRig {
  protected:
    LinkEngineSimTest() : EngineRig(HALVANE_TABLE_FILE) {
        loop.addDevice(transmitter(0, 7, 0x0A0B0C));
        loop.addDevice(transmitter(1, 6, 0x0A0B0D));
        loop.addDevice(transmitter(2, 5, 0x0A0B0E));
    }

    double number(const std::string& text) { return std::stod(text); }

    sim::Loop loop;
    SimLoopOnLine line{time, port, loop};
};

TEST_F(LinkEngineSimTest, IdentifiesAndReadsEveryDeviceOfAMultidropLoop) {
    const struct {
        int address;
        std::array<std::uint8_t, 5> longAddress;
        const char* revision;
    } devices[] = {
        {0, {0x20, 0xA1, 0x0A, 0x0B, 0x0C}, "7"},
        {1, {0x3A, 0xA1, 0x0A, 0x0B, 0x0D}, "6"},
        {2, {0x3A, 0xA1, 0x0A, 0x0B, 0x0E}, "5"},
    };
    for (const auto& d : devices) {
        SCOPED_TRACE(d.address);
        auto identity = transact("0;;" + std::to_string(d.address));
        ASSERT_GE(identity.size(), 13u);
        EXPECT_EQ(identity[1], std::to_string(d.address));
        EXPECT_EQ(identity[7], d.revision);  // S4: HART revision
        EXPECT_EQ(engine.registr[static_cast<std::size_t>(d.address)].Address, d.longAddress);

        auto reading = transact("3;;" + std::to_string(d.address));
        ASSERT_EQ(reading.size(), 13u);
        EXPECT_EQ(reading[0], "3");
        EXPECT_GE(number(reading[4]), 3.8);  // loop current in mA
        EXPECT_LE(number(reading[4]), 20.5);
        EXPECT_EQ(reading[5], "kPa");
        EXPECT_EQ(reading[7], "degC");
        EXPECT_EQ(reading[11], "bar");
    }
    EXPECT_EQ(port.sent.size(), 6u);
}

TEST_F(LinkEngineSimTest, BusyDeviceAndSilentAddress) {
    transact("0;;0");
    loop.deviceAt(0)->faults().busyCount = 3;
    port.sent.clear();
    auto reading = transact("3;;0");
    EXPECT_EQ(port.sent.size(), 4u);
    EXPECT_EQ(reading.at(5), "kPa");

    port.sent.clear();
    EXPECT_EQ(transact("3;;9"), (std::vector<std::string>{"0\r\n9\r\nCommunication Error!"}));
    EXPECT_EQ(port.sent.size(), 12u);
}

TEST_F(LinkEngineSimTest, WriteCommandChangesTheDevice) {
    transact("0;;0");
    EXPECT_EQ(transact("44;;0;;bar").at(4), "bar");
    EXPECT_EQ(transact("1;;0").at(4), "bar");
}

TEST_F(LinkEngineSimTest, WorksBesideBurstsAndAnotherMaster) {
    transact("0;;0");
    transact("0;;1");
    // Device 1 sends its command 1 reply as burst frames.
    EXPECT_EQ(transact("108;;1;;1").at(4), "1");
    EXPECT_EQ(transact("109;;1;;1").at(4), "1");
    loop.settings().otherMaster = {900, sim::Master::Secondary, 3, 2};
    line.scheduleUnsolicited();
    for (int round = 0; round < 5; ++round) {
        auto reading = transact("3;;0");
        ASSERT_EQ(reading.size(), 13u) << round;
        EXPECT_EQ(reading[5], "kPa");
        // The bursting device answers too: either by its reply or by a burst frame.
        auto pv = transact("1;;1");
        ASSERT_EQ(pv.size(), 6u) << round;
        EXPECT_EQ(pv[4], "kPa");
    }
}

TEST_F(LinkEngineSimTest, BitErrorsNeverReachAReply) {
    transact("0;;0");
    loop.settings().faults.bitErrorRate = 0.002;
    loop.reseed(7);
    int delivered = 0;
    for (int i = 0; i < 30; ++i) {
        auto reading = transact("3;;0");
        if (reading.size() == 1) continue;  // given up: a clean failure
        ASSERT_EQ(reading.size(), 13u);
        ++delivered;
        EXPECT_EQ(reading[5], "kPa");
        const double current = number(reading[4]);
        EXPECT_GE(current, 3.8);
        EXPECT_LE(current, 20.5);
    }
    EXPECT_GT(delivered, 20);
}

}  // namespace
}  // namespace driver
