#pragma once

// The link engine in simulated time, as the engine's tests use it: a simulated clock and send
// timer, a simulated port whose device the test chooses, and a view that records the reply list
// and the client item.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/command/CommandLine.h"
#include "driver/engine/LinkEngine.h"
#include "support/SimulatedLink.h"

namespace testsupport {

class EngineRig {
  public:
    explicit EngineRig(const std::filesystem::path& tableFile) : tables(tableFile) {
        engine.msg.mt = hart::mtPrimary;
    }

    // Runs one command line as a client's execute does, until its transaction ends (or a
    // generous time limit passes); returns the item's entries.
    std::vector<std::string> transact(std::string_view commandLine,
                                      std::uint64_t limitMs = 30'000) {
        engine.Busy = true;
        driver::RunCommandLine(engine, commandLine);
        settle(limitMs);
        return view.item;
    }

    // Lets simulated time run until no transaction is in progress.
    void settle(std::uint64_t limitMs = 30'000) {
        const std::uint64_t end = time.now() + limitMs;
        while (time.now() < end && (engine.Busy || engine.msg.DataToSend))
            time.runFor(10);
    }

    SimulatedTime time;
    SimulatedTime::Timer timer1{time};
    RecordingView view;
    SimulatedPort port{time,
                       [this](std::span<const std::uint8_t> b) { engine.scComm1AfterReceive(b); },
                       [this] { engine.scComm1CommError(); }};
    hart::CodeTables tables;
    driver::LinkEngine engine{{time, timer1, time, port, view}, tables};
};

}  // namespace testsupport
