// The link engine in real time over a pseudo-terminal against the hartsim program: identify a
// device with command 0 and read it with command 3, as the driver does on a real loop.

#include <gtest/gtest.h>

#include "support/RealLink.h"
#include "support/TempDir.h"

namespace driver {
namespace {

TEST(EngineOverPty, IdentifiesAndReadsASimulatedTransmitter) {
    testsupport::TempDir dir;
    testsupport::HartsimProcess hartsim(HARTSIM_PROGRAM, {"--address", "3"});
    testsupport::RealLink link(dir.path(), hartsim.path(), HALVANE_TABLE_FILE);

    const auto identity = link.transact("0;;3");
    ASSERT_GE(identity.size(), 13u) << (identity.empty() ? "no reply" : identity.front());
    EXPECT_EQ(identity[0], "0");
    EXPECT_EQ(identity[1], "3");
    EXPECT_EQ(identity[7], "7");  // HART revision

    const auto reading = link.transact("3;;3");
    ASSERT_EQ(reading.size(), 13u) << (reading.empty() ? "no reply" : reading.front());
    EXPECT_EQ(reading[5], "kPa");
    EXPECT_EQ(reading[7], "degC");
    EXPECT_EQ(link.engine().Label1, 1 + 2);  // one send each
}

}  // namespace
}  // namespace driver
