#pragma once

// A test with its own simulated loop and driver, which must end cleanly when the test is over
// (a crash, a sanitizer report or a hang at the end fails the test).

#include <gtest/gtest.h>

#include <memory>

#include "LoopRig.h"

namespace e2e {

// halvane-cmd's exit codes.
inline constexpr int kDelivered = 0;
inline constexpr int kCommandError = 2;
inline constexpr int kCommunicationError = 3;
inline constexpr int kBusy = 4;

inline std::string describe(const RunResult& run) {
    return "halvane-cmd: " + run.status.describe() + (run.timedOut ? " (killed: too slow)" : "") +
           "\nstdout:\n" + run.output + "stderr:\n" + run.errors;
}

class RigTest : public ::testing::Test {
  protected:
    void SetUp() override { rig = std::make_unique<LoopRig>(); }

    void TearDown() override {
        if (!rig) return;
        const ExitStatus end = rig->stopDriver();
        EXPECT_TRUE(end.cleanExit()) << "the driver ended with " << end.describe() << rig->logs();
    }

    std::unique_ptr<LoopRig> rig;
};

}  // namespace e2e
