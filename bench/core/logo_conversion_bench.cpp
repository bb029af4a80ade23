// The logo conversion that the logo screen runs for its preview when a
// picture is chosen, and tillpict runs on every send. Target: under 50 ms
// for the largest picture the converter takes, 2048 x 2048 dots.
#include <benchmark/benchmark.h>

#include "image/logo_conversion.h"
#include "support/bmp_fixtures.h"

namespace tw {
namespace {

void BM_ConvertLogo(benchmark::State& state)
{
    const int side = int(state.range(0));
    const auto bmp = test::bmp_file(test::dots(side, side, [](int x, int y) { return (x ^ y) % 3 == 0; }));
    for (auto _ : state)
        benchmark::DoNotOptimize(convert_logo(bmp, kBridgeLogoParameters));
}
BENCHMARK(BM_ConvertLogo)->Arg(162)->Arg(2048)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
