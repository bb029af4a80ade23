#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>

#include "editors/sales/plu_csv.h"
#include "editors/sales/plu_order.h"
#include "support/test_session.h"

namespace tw {
namespace {

constexpr int kPlus = 2000;

// The process's peak resident memory so far, in KiB.
long peak_resident_kib()
{
    struct rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void fill(PluTable& table, const Codecs& c, bool reversed)
{
    table.clear();
    for (int n = 1; n <= kPlus; ++n) {
        PluRecord& r = table.slot(n);
        r.set_code(c, 8000000000000LL + (reversed ? kPlus - n + 1 : n));
        r.set_name(c, "ARTICLE " + std::to_string(n));
        r.set_price_type(1);
        r.bytes[plu::kDepartmentOffset] = std::uint8_t(n % 0x99);
        r.set_tax_class(std::uint8_t(n % 5));
        r.set_price(c, 1, n * 10);
        r.set_price(c, 2, n * 11);
    }
    table.PluCount = kPlus;
}

// 2000 codes in reverse order: the worst case of Ordina_Plu.
void BM_OrdinaPluReversed2000(benchmark::State& state)
{
    test::TestSession t;
    PluTable reversed;
    fill(reversed, t.session.codecs, true);
    PluTable table;
    for (auto _ : state) {
        state.PauseTiming();
        table = reversed;
        state.ResumeTiming();
        Ordina_Plu(table, kPlus);
    }
}
BENCHMARK(BM_OrdinaPluReversed2000)->Unit(benchmark::kMillisecond);

// The sort, the file and the count of one Save in a full table.
void BM_SaveOnePluSortAndWrite(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    fill(s.plu, s.codecs, false);
    long long code = 1;
    for (auto _ : state) {
        s.plu.slot(kPlus / 2).set_code(s.codecs, 8000000000000LL + (code++ % kPlus));
        Ordina_Plu(s.plu, kPlus);
        Write_PluFile(s.plu, s.dirs.DataDir, s.files, s.log);
    }
}
BENCHMARK(BM_SaveOnePluSortAndWrite)->Unit(benchmark::kMillisecond);

void BM_ImportPluCsv2000(benchmark::State& state)
{
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    PluTable table;
    fill(table, c, false);
    const std::string text = plu_csv_text(table, c, true, nullptr);
    for (auto _ : state) {
        const PluCsvOutcome outcome = read_plu_csv(text, table, c, true, kPlus, ".");
        if (!outcome.ok || outcome.count != kPlus)
            state.SkipWithError("import refused");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_ImportPluCsv2000)->Unit(benchmark::kMillisecond);

// Reading the file from disk as the Import button does.
void BM_ImportPluCsvFile2000(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    fill(s.plu, s.codecs, false);
    const std::string path = s.dirs.DataDir + "plu.csv";
    Export_PluCsv(path, s.plu, s.codecs, true, nullptr, s.log);
    for (auto _ : state) {
        const PluCsvOutcome outcome = Import_PluCsv(path, s.plu, s.codecs, true, kPlus, ".", s.log);
        if (!outcome.ok)
            state.SkipWithError("import refused");
    }
}
BENCHMARK(BM_ImportPluCsvFile2000)->Unit(benchmark::kMillisecond);

// A 40 MiB file chosen by mistake: refused in well under a second, without
// reading it. The counter gives the growth of the peak resident memory.
void BM_ImportRefusesA40MiBFile(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    const std::string path = s.dirs.DataDir + "big.csv";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        const std::string line = "0;ARTICLE         ;8000000000001;1;120;1;1;1\r\n";
        for (std::size_t written = 0; written < (40u << 20); written += line.size())
            std::fwrite(line.data(), 1, line.size(), f);
        std::fclose(f);
    }
    const long before = peak_resident_kib();
    for (auto _ : state) {
        const PluCsvOutcome outcome = Import_PluCsv(path, s.plu, s.codecs, true, 1500, ".", s.log);
        if (outcome.ok)
            state.SkipWithError("a 40 MiB file was taken");
    }
    state.counters["peak_rss_growth_KiB"] = double(peak_resident_kib() - before);
}
BENCHMARK(BM_ImportRefusesA40MiBFile)->Unit(benchmark::kMillisecond);

void BM_ExportPluCsv2000(benchmark::State& state)
{
    test::TestSession t;
    Session& s = t.session;
    fill(s.plu, s.codecs, false);
    const std::string path = s.dirs.DataDir + "plu.csv";
    for (auto _ : state)
        Export_PluCsv(path, s.plu, s.codecs, true, nullptr, s.log);
}
BENCHMARK(BM_ExportPluCsv2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
