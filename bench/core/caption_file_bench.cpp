#include <benchmark/benchmark.h>

#include <filesystem>

#include "languages/caption_file.h"
#include "support/test_session.h"

namespace tw {
namespace {

// The shipped English caption file, the 528 keys of the register maker's caption files and ours, from disk into the slots.
void BM_LoadFullCaptionFile(benchmark::State& state)
{
    test::TestSession t;
    std::filesystem::copy_file(std::filesystem::path(TW_BUNDLE_DIR) / "Setup" / "FrmDescEng.txt",
                               std::filesystem::path(t.session.dirs.SetupDir) / "FrmDescEng.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(load_caption_file(t.session.language.captions, t.session.caption_files(), "FrmDescEng.txt"));
    if (t.session.language.captions.text("FRM_ALL_C_SALVA").empty())
        state.SkipWithError("the caption file was not loaded");
}
BENCHMARK(BM_LoadFullCaptionFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
