// Speed of the protocol core with the shipped table file: building requests, decoding replies,
// and the code-name lookups they make. The table file is re-checked at every lookup (an edit takes
// effect at once), so these figures include that check.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "hart/CodeTables.h"
#include "hart/ReplyDecoder.h"
#include "hart/RequestBuilder.h"

namespace {

// A private copy of the shipped table. A file changed within the last two seconds is parsed at
// every lookup (its time stamp cannot yet tell a further edit apart), so wait until the copy is
// as settled as an installed table file.
const std::filesystem::path& tableCopy() {
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() /
                 ("bench-taben-" + std::to_string(::getpid()) + ".ddf");
        std::filesystem::copy_file(HALVANE_TABLE_FILE, p,
                                   std::filesystem::copy_options::overwrite_existing);
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        return p;
    }();
    return path;
}

struct Core {
    hart::CodeTables tables{tableCopy()};
    platform::UserLocale locale;
    hart::CoreContext context{tables, locale, 6};
};

hart::HartMessage identified() {
    hart::HartMessage msg;
    msg.Id.MfrId = 0x26;
    msg.Id.MfrDeviceType = 0x05;
    msg.Id.DeviceIdNumberHi = 1;
    msg.Id.DeviceIdNumberMid = 2;
    msg.Id.DeviceIdNumberLo = 3;
    msg.Id.NmbrPreamb = 5;
    return msg;
}

void BM_BuildRequestCommand3(benchmark::State& state) {
    Core core;
    hart::RequestBuilder builder;
    hart::HartMessage msg = identified();
    for (auto _ : state) {
        msg.Command = 3;
        builder.BuildRequest(msg, core.context);
        benchmark::DoNotOptimize(builder.RequestLength);
    }
}
BENCHMARK(BM_BuildRequestCommand3);

// Command 35 with the unit given by name: a reverse search over every unit code.
void BM_BuildRequestCommand35UnitByName(benchmark::State& state) {
    Core core;
    hart::RequestBuilder builder;
    hart::HartMessage msg = identified();
    for (auto _ : state) {
        msg.Command = 35;
        msg.S[1] = "kPa";
        msg.S[2] = "100";
        msg.S[3] = "0";
        builder.BuildRequest(msg, core.context);
        benchmark::DoNotOptimize(builder.RequestLength);
    }
    if (builder.RequestError) state.SkipWithError("command 35 was refused");
}
BENCHMARK(BM_BuildRequestCommand35UnitByName)->Unit(benchmark::kMicrosecond);

void BM_UnitReverseSearch255Lookups(benchmark::State& state) {
    Core core;
    for (auto _ : state) {
        int found = -1;
        for (int code = 0; code < 255; ++code) {
            if (core.tables.UnitName(static_cast<std::uint8_t>(code)) == "no such unit")
                found = code;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_UnitReverseSearch255Lookups)->Unit(benchmark::kMicrosecond);

void decode(benchmark::State& state, std::uint8_t command,
            std::initializer_list<std::uint8_t> replyData) {
    Core core;
    hart::HartMessage msg = identified();
    msg.Command = command;
    std::size_t i = 0;
    for (std::uint8_t b : replyData)
        msg.Data[i++] = b;
    for (auto _ : state) {
        hart::DecodeReply(msg, core.context);
        benchmark::DoNotOptimize(msg.S[1].data());
    }
}

void BM_DecodeReplyCommand0(benchmark::State& state) {
    // HART 7 identity: 254, expanded device type 0x26 0x05, 5 preambles, revisions, flags, id.
    decode(state, 0, {24,   0,    0, 254, 0x26, 0x05, 5,    7, 1, 2, 0x0A, 0x00, 0x01,
                      0x02, 0x03, 5, 1,   0x00, 0x00, 0x26, 0, 0, 0, 0,    0,    0});
}
BENCHMARK(BM_DecodeReplyCommand0)->Unit(benchmark::kMicrosecond);

void BM_DecodeReplyCommand3(benchmark::State& state) {
    // Loop current 12 mA, PV 50 kPa, SV 25 degC, TV 100 %, QV 4 mA: four unit lookups.
    decode(state, 3,
           {26,   0,    0,    0x41, 0x40, 0x00, 0x00, 12,   0x42, 0x48, 0x00, 0x00, 32,  0x41,
            0xC8, 0x00, 0x00, 57,   0x42, 0xC8, 0x00, 0x00, 39,   0x40, 0x80, 0x00, 0x00});
}
BENCHMARK(BM_DecodeReplyCommand3)->Unit(benchmark::kMicrosecond);

}  // namespace
