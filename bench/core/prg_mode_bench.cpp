#include <benchmark/benchmark.h>

#include <filesystem>

#include "support/test_session.h"

namespace tw {
namespace {

// A save as an editor does it: the whole image, flushed and renamed into place.
void BM_WritePrgMode(benchmark::State& state)
{
    test::TestSession t;
    for (auto _ : state)
        Write_PrgMode(t.session.image, t.session.dirs.DataDir, t.session.files);
}
BENCHMARK(BM_WritePrgMode)->Unit(benchmark::kMillisecond);

void BM_ReadWritePrgModeRoundTrip(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    Write_PrgMode(s.image, s.dirs.DataDir, s.files);
    for (auto _ : state) {
        Read_PrgMode(s.image, s.dirs.DataDir, s.files, s.log);
        Write_PrgMode(s.image, s.dirs.DataDir, s.files);
    }
}
BENCHMARK(BM_ReadWritePrgModeRoundTrip)->Unit(benchmark::kMillisecond);

void BM_NumberToBcdsAndBack(benchmark::State& state)
{
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    std::uint8_t bytes[8];
    long long value = 0;
    for (auto _ : state) {
        c.number_to_bcds(bytes, 8, value);
        benchmark::DoNotOptimize(c.bcds_to_number(bytes, 8));
        value = (value + 7919) % 10000000000000LL;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberToBcdsAndBack);

void BM_TextThroughRegisterTables(benchmark::State& state)
{
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    const std::string text = "CAF\xC9 CR\xC8" "ME BR\xDB" "L\xC9" "E 24";
    for (auto _ : state)
        benchmark::DoNotOptimize(c.sostituzione_from_ecr(c.sostituzione_to_ecr(text)));
    state.SetBytesProcessed(state.iterations() * int64_t(text.size()));
}
BENCHMARK(BM_TextThroughRegisterTables);

}  // namespace
}  // namespace tw
