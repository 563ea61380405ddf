// Reading INI texts: the cost must grow with the size of the text alone, however it is split
// into sections and keys.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/ini/IniDocument.h"
#include "platform/ini/IniFile.h"
#include "support/TempDir.h"

namespace {

// n sections of one key each: "[S000001]\nk=1\n" (14 bytes a section; 1.4 MB for 100 000).
std::string manySections(std::int64_t n) {
    std::string text;
    char line[64];
    for (std::int64_t i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line, "[S%06lld]\nk=1\n", static_cast<long long>(i));
        text += line;
    }
    return text;
}

// One section of n keys: "Key000001=Value\n".
std::string manyKeys(std::int64_t n) {
    std::string text = "[Section]\n";
    char line[64];
    for (std::int64_t i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line, "Key%06lld=Value\n", static_cast<long long>(i));
        text += line;
    }
    return text;
}

// Parses the text made for n = range(0); the complexity is fitted over n.
template <std::string (*makeText)(std::int64_t)>
void Parse(benchmark::State& state) {
    const std::string text = makeText(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::IniDocument::parse(text));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(Parse<manySections>)
    ->Name("ParseManySections")
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Parse<manyKeys>)
    ->Name("ParseManyKeys")
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

void LookUpAKeyAmongManySections(benchmark::State& state) {
    const auto doc = platform::IniDocument::parse(manySections(100000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.value("s050000", "K"));
        benchmark::DoNotOptimize(doc.keys("S099999"));
    }
}
BENCHMARK(LookUpAKeyAmongManySections);

// What a driver start pays for its table file: the whole file read and parsed.
void ReadTheShippedTableFile(benchmark::State& state) {
    for (auto _ : state) {
        platform::IniFile file(HALVANE_TABLE_FILE);
        benchmark::DoNotOptimize(file.readString("Units", "12"));
    }
}
BENCHMARK(ReadTheShippedTableFile)->Unit(benchmark::kMicrosecond);

// A settings file of 100 000 sections (1.4 MB, under the size bound), read from disk.
void ReadAFileOfManySections(benchmark::State& state) {
    testsupport::TempDir dir;
    const auto path = dir.write("many.ini", manySections(100000));
    for (auto _ : state) {
        platform::IniFile file(path);
        benchmark::DoNotOptimize(file.readString("S099999", "k"));
    }
}
BENCHMARK(ReadAFileOfManySections)->Unit(benchmark::kMillisecond);

}  // namespace
