// Random texts executed by a client, through the command interface and the command-line parser
// into the request builder, up to the first send. Nothing may crash; a command line is either
// refused with "Command Error!" and nothing sent, or sent as one well-formed request frame.
//
// Input: the executed text (it is split into lines as the channel splits it).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "driver/command/CommandInterface.h"
#include "platform/channel/ChannelProtocol.h"
#include "support/EngineRig.h"

namespace {

class QuietControl : public driver::DriverControl {
  public:
    void terminateDriver() override {}
    void changePort(int) override {}
    std::string portText() const override { return "COM1"; }
    void setCommandText(const std::string&) override {}
    void statusReported(const std::string&, hart::MasterType) override {}
};

// Preambles, a delimiter of a master's request, its address, command, byte count, that many data
// bytes and a check byte that makes the frame XOR to 0.
bool wellFormedRequest(const std::vector<std::uint8_t>& frame) {
    std::size_t p = 0;
    while (p < frame.size() && frame[p] == 0xFF)
        ++p;
    if (p < 5 || p >= frame.size()) return false;
    const std::uint8_t delimiter = frame[p];
    if (delimiter != 0x02 && delimiter != 0x82) return false;
    const std::size_t header = 1 + (delimiter == 0x82 ? 5 : 1) + 2;
    if (p + header > frame.size()) return false;
    const std::size_t count = frame[p + header - 1];
    if (p + header + count + 1 != frame.size()) return false;
    std::uint8_t x = 0;
    for (std::size_t i = p; i < frame.size(); ++i)
        x ^= frame[i];
    return x == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::EngineRig rig(HALVANE_TABLE_FILE);
    testsupport::SimulatedTime::Timer busyTimer(rig.time);
    QuietControl control;
    driver::CommandInterface commands(rig.engine, rig.view, busyTimer, control);

    const auto lines = platform::channel::splitExecuteText(
        std::string_view(reinterpret_cast<const char*>(data), size));
    commands.DdeHartServerExecuteMacro(lines);
    const bool refused = rig.engine.RequestError();
    rig.time.runFor(1000);  // the busy marker and the first send tick

    if (rig.engine.Regaddr < 0 || rig.engine.Regaddr > 255) std::abort();
    if (refused) {
        if (!rig.port.sent.empty()) std::abort();
        if (rig.view.item.size() != 1 || !rig.view.item[0].ends_with("\r\nCommand Error!"))
            std::abort();
    }
    for (const auto& frame : rig.port.sent) {
        if (!wellFormedRequest(frame)) std::abort();
    }
    return 0;
}
