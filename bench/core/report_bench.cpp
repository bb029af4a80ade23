// Reports: the CSV export of a full PLU report file (target: under 50 ms),
// and a whole report run against the virtual register paced like the
// 19200-baud link (target: within 10 % of the wire time of its files, ten
// bits a byte; the bridge's one-second polls are the overhead).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "reports/report_download.h"
#include "reports/report_names.h"
#include "support/test_session.h"
#include "tools/tillxfer/register_totals.h"
#include "tools/tillxfer/sales_day.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

Bytes shipped(const std::string& name) { return test::read_bytes(fs::path(TW_BUNDLE_DIR) / "Dati/ECR4410" / name); }

void BM_ExportFullPluReport(benchmark::State& state)
{
    test::TestSession t;
    // 2000 PLU records, every one sold at both prices.
    Bytes file(2000 * 36, 0);
    for (std::size_t i = 0; i < 2000; ++i) {
        std::uint8_t* r = &file[i * 36];
        xfer::put_bcd(r, 8, 8000000000000ULL + i);
        xfer::put_signed_bcd(r + 8, 6, std::int64_t(i) * 15000);
        xfer::put_signed_bcd(r + 14, 8, std::int64_t(i) * 1234);
        xfer::put_signed_bcd(r + 22, 6, -std::int64_t(i) * 10000);
        xfer::put_signed_bcd(r + 28, 8, -std::int64_t(i) * 99);
    }
    test::write_bytes(fs::path(t.dirs.DataDir) / "ALL PLU.bin", file);
    const ReportExport exporter{t.dirs, t.session.codecs, t.session.log, {2, '.'}, 2000};
    const fs::path csv = fs::path(t.dirs.ReportDir) / "ALL PLU.csv";
    for (auto _ : state) {
        if (!export_ReportEcr(7, exporter))
            state.SkipWithError("no CSV written");
        state.PauseTiming();
        fs::remove(csv);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExportFullPluReport)->Unit(benchmark::kMillisecond);

// The bundle's tools over a temporary application directory whose register
// sold `transactions` and talks at the link's pace.
struct PacedRegister {
    explicit PacedRegister(int transactions)
    {
        const fs::path root = t.root.path();
        fs::create_symlink(fs::path(TW_BUNDLE_DIR) / "tillxfer", root / "tillxfer");
        fs::create_symlink(fs::path(TW_BUNDLE_DIR) / kBridgeLibraryName, root / kBridgeLibraryName);
        std::string ini = "[Register]\nModel = 4410\nFolder = Register\nLineSpeed = on\n\n[Files]\n";
        for (int n = kFirstReport; n <= kLastReport; ++n)
            ini += std::to_string(n) + " = " + ReportNames[std::size_t(n)] + ".bin, 1\n";
        test::write_bytes(root / "TillXfer.ini", Bytes(ini.begin(), ini.end()));
        fs::create_directory(root / "Register");
        const Bytes mode = shipped("ECR4410_PRG_MODE.BIN"), plu = shipped("ECR4410_PRG_PLU.BIN");
        test::write_bytes(root / "Register/PRG_MODE.BIN", mode);
        test::write_bytes(root / "Register/PRG_PLU.BIN", plu);
        test::write_bytes(root / "Register/GRAPHIC.BIN", Bytes(7776, 0));
        xfer::RegisterTotals totals;
        xfer::ring_up_day(mode, plu, 2000, {17, transactions}, totals);
        totals.save(root / "Register");
        for (int n : kOfferedReports) {
            Bytes file;
            totals.report_file(n, 2000, file);
            wireSeconds += double(file.size()) * 10 / 19200;
        }
    }
    test::TestSession t;
    double wireSeconds = 0;
};

void BM_FullReportRunAtLineSpeed(benchmark::State& state)
{
    PacedRegister reg(int(state.range(0)));
    Session& s = reg.t.session;
    const ReportDownload download{s.dirs, s.bridge, s.log, {}};
    const ReportExport exporter{s.dirs, s.codecs, s.log, {2, '.'}, 2000};
    ReportSelection all{};
    for (int n : kOfferedReports)
        all[std::size_t(n)] = true;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const ReportRunOutcome outcome = ReportExportRun(all, download, exporter);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (outcome.exported != 10)
            state.SkipWithError("not every report arrived");
    }
    state.counters["wire_s"] = reg.wireSeconds;
    state.counters["run_s"] = seconds;
    state.counters["over_wire_pct"] = (seconds / reg.wireSeconds - 1) * 100;
}
// A day of 100 transactions: about 75 s on the wire, the PLU report the most.
BENCHMARK(BM_FullReportRunAtLineSpeed)->Arg(100)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace tw
