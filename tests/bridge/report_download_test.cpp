// Receive_ReportEcr and ReportExportRun over a test session whose AppDir holds
// the bridge library and a stand-in tillxfer script.
#include <gtest/gtest.h>

#include "child_tools.h"
#include "reports/report_download.h"
#include "support/test_session.h"

namespace tw {
namespace {

using namespace test;

class ReportDownloadTest : public ::testing::Test {
protected:
    ReportDownloadTest() { fs::create_symlink(kLibraryFile, fs::path(app()) / "libtillbridge.so"); }
    std::string app() const { return t.dirs.AppDir; }
    // A tillxfer that records its command line, then runs `body`.
    void install_tool(const std::string& body)
    {
        write_tool(fs::path(app()) / "tillxfer", record_command_line(record) + "\n" + body);
    }
    // Shell lines that write report file `name` into the data directory
    // (argument 4) with `text`, when the file number (argument 5) is `n`.
    static std::string writes(int n, const std::string& name, const std::string& text)
    {
        return "[ \"$5\" = " + std::to_string(n) + " ] && printf '" + text + "' > \"$4" + name + "\"";
    }
    std::vector<std::string> runs() const { return read_lines(record); }
    std::string receive(int n, int from = 0, int to = 0) const
    {
        return app() + "tillxfer 0 19200 0 " + t.dirs.DataDir + " " + std::to_string(n) + " BIN 2 " +
               std::to_string(from) + " " + std::to_string(to) + " 0";
    }
    ReportDownload download() { return {t.dirs, t.session.bridge, t.session.log, [this] { ++endCalls; }}; }
    ReportExport exporter() { return {t.dirs, t.session.codecs, t.session.log, {2, '.'}, 2000}; }
    fs::path data(const std::string& name) const { return fs::path(t.dirs.DataDir) / name; }
    fs::path archive(const std::string& name) const { return fs::path(t.dirs.DataReportDir) / name; }

    TestSession t;
    fs::path record = t.root.path() / "runs.txt";
    int endCalls = 0;
    ProcessReaper reaper;
};

TEST_F(ReportDownloadTest, TheEarlierFileGoesToTheArchiveBeforeTheDownload)
{
    write_bytes(data("TIME.bin"), {1, 2, 3});
    write_bytes(archive("TIME.bin"), {9});
    install_tool("[ -e \"$4TIME.bin\" ] && exit 3\n" + writes(12, "TIME.bin", "new") + "\nexit 0");
    EXPECT_TRUE(Receive_ReportEcr(12, download()));
    EXPECT_EQ(runs(), std::vector<std::string>{receive(12)});
    EXPECT_EQ(read_bytes(archive("TIME.bin")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(read_text(data("TIME.bin")), "new");
    EXPECT_TRUE(t.log().empty());
    EXPECT_FALSE(fs::exists(archive("TIME.bin.part")));
}

TEST_F(ReportDownloadTest, AFailedArchiveKeepsTheFileAndStillDownloads)
{
    write_bytes(data("C-I-D.bin"), {1, 2, 3});
    fs::remove_all(t.dirs.DataReportDir);
    install_tool("exit 0");
    EXPECT_TRUE(Receive_ReportEcr(3, download()));
    EXPECT_EQ(runs().size(), 1u);
    EXPECT_EQ(read_bytes(data("C-I-D.bin")), (std::vector<std::uint8_t>{1, 2, 3}));
    const auto log = t.log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("Receive_ReportEcr 3: ", 0), 0u) << log[0];
}

TEST_F(ReportDownloadTest, FailureCodesAreLoggedWithTheFileNumberAndAHangingToolEnded)
{
    // Code 255 is written FF; a timeout (9999) ends the tool, the ranged
    // download's too.
    install_tool("[ \"$5\" = 7 ] && { " + report_code(255) + "; exit 1; }\n[ \"$5\" = 5 ] && { " +
                 report_code(9999) + "; exit 1; }\n" + report_code(5) + "; exit 5");
    EXPECT_FALSE(Receive_ReportEcr(7, download()));
    EXPECT_EQ(endCalls, 0);
    EXPECT_FALSE(Receive_ReportEcr(5, download()));
    EXPECT_EQ(endCalls, 1);
    EXPECT_FALSE(Receive_ReportEcr(16, download()));
    EXPECT_EQ(t.log(), (std::vector<std::string>{
                           "Receive_ReportEcr error. File 7 Code: FF Desc: No description",
                           "Receive_ReportEcr error. File 5 Code: 270F Desc: Timeout Error",
                           "Receive_ReportEcr error. File 16 Code: 5 Desc: No description",
                       }));
    // Report 5 always asks for departments 1 to 99.
    EXPECT_EQ(runs(), (std::vector<std::string>{receive(7), receive(5, 1, 99), receive(16)}));
}

TEST_F(ReportDownloadTest, AToolThatDoesNotStartOrANumberOutOfRangeIsLogged)
{
    EXPECT_FALSE(Receive_ReportEcr(4, download()));  // no tillxfer
    EXPECT_FALSE(Receive_ReportEcr(20, download()));
    EXPECT_EQ(t.log(), (std::vector<std::string>{"Receive_ReportEcr error using tillxfer",
                                                  "Receive_ReportEcr 20: Subscript out of range"}));
}

TEST_F(ReportDownloadTest, TheRunDownloadsAndExportsTheSelectedReportsInOrder)
{
    install_tool(writes(12, "TIME.bin", "") + "\n" + writes(3, "C-I-D.bin", "") + "\n[ \"$5\" = 9 ] && { " +
                 report_code(0x1001) + "; exit 1; }\nexit 0");
    ReportSelection selection{};
    selection[12] = selection[3] = selection[9] = true;
    std::vector<std::string> progress;
    ReportRunObserver observer;
    observer.starting = [&](int n, int index, int count, int limit) {
        progress.push_back(std::to_string(n) + " " + std::to_string(index) + "/" + std::to_string(count) + " " +
                           std::to_string(limit));
    };
    // Each call of the clock is 12.5 s later.
    double now = 1000.0;
    const auto clock = [&] { return now += 12.5; };
    const ReportRunOutcome outcome = ReportExportRun(selection, download(), exporter(), observer, clock);
    EXPECT_EQ(outcome.exported, 2);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(runs(), (std::vector<std::string>{receive(3), receive(9), receive(12)}));
    EXPECT_EQ(progress, (std::vector<std::string>{"3 1/3 60", "9 2/3 60", "12 3/3 60"}));
    EXPECT_EQ(t.log(), (std::vector<std::string>{
                           "Time for download report 3 is:12.5",
                           "Receive_ReportEcr error. File 9 Code: 1001 Desc: The ECR side is in the state of BUSY.",
                           "Time for download report 12 is:12.5",
                       }));
    // An empty report file still gives every row of its report.
    EXPECT_EQ(read_text(fs::path(t.dirs.ReportDir) / "TIME.csv").size(),
              report_csv_text(12, {}, t.session.codecs, {2, '.'}, 2000).size());
    EXPECT_TRUE(fs::exists(fs::path(t.dirs.ReportDir) / "C-I-D.csv"));
}

TEST_F(ReportDownloadTest, NoSelectionDoesNothingAndAStopEndsTheRunBetweenReports)
{
    install_tool("exit 0");
    const ReportRunOutcome none = ReportExportRun(ReportSelection{}, download(), exporter());
    EXPECT_EQ(none.exported + none.failed, 0);
    EXPECT_TRUE(runs().empty());
    EXPECT_TRUE(t.log().empty());

    ReportSelection selection{};
    selection[4] = selection[13] = selection[16] = true;
    int asked = 0;
    ReportRunObserver observer;
    observer.stopRequested = [&] { return ++asked == 2; };  // the user stops during the first report
    const ReportRunOutcome stopped = ReportExportRun(selection, download(), exporter(), observer);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(runs(), std::vector<std::string>{receive(4)});
}

TEST_F(ReportDownloadTest, ARunThatPassesMidnightLogsTheSecondsItTook)
{
    install_tool(writes(12, "TIME.bin", "") + "\nexit 0");
    ReportSelection selection{};
    selection[12] = true;
    // The clock of the day starts again at 0 at midnight.
    std::vector<double> times{86395.0, 7.5};
    const auto clock = [&] {
        const double now = times.front();
        times.erase(times.begin());
        return now;
    };
    EXPECT_EQ(ReportExportRun(selection, download(), exporter(), {}, clock).exported, 1);
    EXPECT_EQ(t.log(), std::vector<std::string>{"Time for download report 12 is:12.5"});
}

TEST(ReportTimeText, SecondsAreWrittenWithTheirFractionOnly)
{
    EXPECT_EQ(seconds_text(12.5, '.'), "12.5");
    EXPECT_EQ(seconds_text(12.5, ','), "12,5");
    EXPECT_EQ(seconds_text(3.0, '.'), "3");
    EXPECT_EQ(seconds_text(0.0625, '.'), "0.063");
}

}  // namespace
}  // namespace tw
