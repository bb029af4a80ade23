#include <benchmark/benchmark.h>

#include "image/plu_file.h"
#include "support/test_session.h"

namespace tw {
namespace {

// A full table: 2000 PLUs with codes, names and both prices.
void fill_full_table(Session& s)
{
    for (int n = 1; n <= plu::kMaxRecords; ++n) {
        PluRecord& r = s.plu.slot(n);
        r.set_code(s.codecs, 8000000000000LL + n);
        r.set_name(s.codecs, "ITEM " + std::to_string(n));
        r.set_price_type(1);
        r.set_department(s.codecs, n % 99 + 1);
        r.set_price(s.codecs, 1, n * 10);
        r.set_price(s.codecs, 2, n * 9);
    }
    s.plu.PluCount = plu::kMaxRecords;
}

void BM_ReadFullPluFile(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    fill_full_table(s);
    Write_PluFile(s.plu, s.dirs.DataDir, s.files, s.log);
    for (auto _ : state)
        Read_PluFile(s.plu, s.dirs.DataDir, s.files, s.log);
    if (s.plu.PluCount != plu::kMaxRecords)
        state.SkipWithError("the table was not read back");
}
BENCHMARK(BM_ReadFullPluFile)->Unit(benchmark::kMillisecond);

// A save of the PLU editor: 72002 bytes, flushed and renamed into place.
void BM_WriteFullPluFile(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    fill_full_table(s);
    for (auto _ : state)
        Write_PluFile(s.plu, s.dirs.DataDir, s.files, s.log);
}
BENCHMARK(BM_WriteFullPluFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
