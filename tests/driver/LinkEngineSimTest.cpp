// The link engine against simulated field devices in simulated time: a multidrop loop, busy and
// silent devices, burst mode, another master on the line and bit errors.

#include <gtest/gtest.h>

#include <algorithm>

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

    // Whether a command 3 reading of device 0 (read with 9 digits, so that a float's text reads
    // back exactly) holds the device's exact values at the moment one of the requests since the
    // last clear reached it.
    bool exactReading(const std::vector<std::string>& reading) {
        if (reading.size() != 13) return false;
        const sim::Device& device = *loop.deviceAt(0);
        const char* units[] = {"kPa", "degC", "degC", "bar"};
        auto same = [](const std::string& text, double value) {
            return static_cast<float>(std::stod(text)) == static_cast<float>(value);
        };
        return std::any_of(line.requestTimes.begin(), line.requestTimes.end(), [&](auto at) {
            if (!same(reading[4], device.loopCurrent(at))) return false;
            for (std::size_t v = 0; v < 4; ++v) {
                if (reading[5 + 2 * v] != units[v]) return false;
                if (!same(reading[6 + 2 * v], device.variableValue(v, at))) return false;
            }
            return true;
        });
    }

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
    // Without parity (a pseudo-terminal) only the check byte guards the replies. It sees any
    // garbled character, but not two that are garbled alike, nor two flipped bits in the same
    // column (as independent bit errors bring: at 0.2 % a bit, about one frame in a hundred).
    // Characters garbled at a 0.5 % rate (one frame in six hit) rarely pair up so.
    transact("0;;0");
    engine.FloatPrecision = 9;
    port.noise = testsupport::LineNoise{0.005, false};
    int delivered = 0;
    for (int i = 0; i < 200; ++i) {
        line.requestTimes.clear();
        auto reading = transact("3;;0");
        if (reading.size() == 1) continue;  // given up: a clean failure
        ASSERT_EQ(reading.size(), 13u);
        ++delivered;
        EXPECT_TRUE(exactReading(reading)) << i << ": " << reading[4] << " " << reading[6];
    }
    EXPECT_GT(port.noise->hits, 20);
    EXPECT_GT(delivered, 190);
}

TEST_F(LinkEngineSimTest, ParityErrorsAndTheCheckByteKeepEveryCorruptedReplyOut) {
    // A real serial line: bytes hit by noise at a 1 % rate, their parity errors reported by the
    // port before the bytes, and the check byte for what parity cannot see. Over 10 000 readings
    // no delivered value may differ from the device's.
    transact("0;;0");
    engine.FloatPrecision = 9;
    port.noise = testsupport::LineNoise{0.01};
    int delivered = 0;
    int failed = 0;
    for (int i = 0; i < 10'000; ++i) {
        line.requestTimes.clear();
        auto reading = transact("3;;0");
        if (reading.size() == 1) {
            ++failed;  // given up: a clean failure
            continue;
        }
        ASSERT_EQ(reading.size(), 13u);
        ++delivered;
        ASSERT_TRUE(exactReading(reading))
            << "reading " << i << ": " << reading[4] << " mA, " << reading[6] << " " << reading[5];
    }
    const auto& noise = *port.noise;
    EXPECT_GT(noise.parityErrors, 1000);
    EXPECT_GT(noise.hits - noise.parityErrors, 100) << "bytes only the check byte can catch";
    EXPECT_GT(delivered, 9'900);
    EXPECT_LT(failed, 100);
}

}  // namespace
}  // namespace driver
