// Random bytes in random receive events through the link engine while it waits for a reply. The
// engine must never crash and never deliver a reply whose frame fails its check byte.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "driver/command/CommandLine.h"
#include "driver/engine/LinkEngine.h"
#include "support/SimulatedLink.h"

namespace {

class CheckingView : public testsupport::RecordingView {
  public:
    std::optional<hart::ReceivedFrame> last;
    void frameReceived(const hart::ReceivedFrame& frame) override { last = frame; }
    void setItemLines(const std::vector<std::string>& lines) override {
        // A delivered reply: the frame it came from must be sound.
        if (!last || !last->checkByteOk) std::abort();
        std::uint8_t x = 0;
        for (std::uint8_t b : last->bytes)
            x ^= b;
        if (x != 0) std::abort();
        RecordingView::setItemLines(lines);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const hart::CodeTables tables(std::filesystem::path("/nonexistent/TABEN.DDF"));
    if (size < 2) return 0;
    testsupport::SimulatedTime time;
    testsupport::SimulatedTime::Timer timer1(time);
    CheckingView view;
    driver::LinkEngine* enginePtr = nullptr;
    testsupport::SimulatedPort port(
        time, [&](std::span<const std::uint8_t> b) { enginePtr->scComm1AfterReceive(b); });
    driver::LinkEngine engine({time, timer1, time, port, view}, tables);
    enginePtr = &engine;
    engine.msg.mt = data[0] & 1 ? hart::mtPrimary : hart::mtSecondary;

    // The request: command from the second byte, polling address 0, some argument text.
    driver::RunCommandLine(engine, std::to_string(data[1]) + ";;0;;1;;2;;3;;4");
    std::size_t pos = 2;
    std::uint64_t at = time.now();
    while (pos < size) {
        const std::size_t wanted = data[pos++] % 64 + 1;
        const std::size_t length = std::min(wanted, size - pos);
        at += (length % 7) * 30;
        port.arrive(at, std::vector<std::uint8_t>(data + pos, data + pos + length));
        if (data[pos - 1] & 0x80) engine.scComm1CommError();
        pos += length;
    }
    time.runUntil(at + 20'000);
    return 0;
}
