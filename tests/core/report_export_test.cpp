// export_ReportEcr over files in a test session's DataDir, and ExportOption.ini.
#include <gtest/gtest.h>

#include "reports/export_options.h"
#include "reports/report_download.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class ReportExportTest : public ::testing::Test {
protected:
    ReportExport exporter() { return {t.dirs, t.session.codecs, t.session.log, {2, '.'}, 2000}; }
    fs::path data(const std::string& name) const { return fs::path(t.dirs.DataDir) / name; }
    fs::path csv(const std::string& name) const { return fs::path(t.dirs.ReportDir) / name; }

    test::TestSession t;
};

TEST_F(ReportExportTest, ExportingTheSameFileTwiceAppendsHeaderAndRowsTwice)
{
    Bytes cid(40, 0);
    cid[0] = 0x42;
    test::write_bytes(data("C-I-D 2025.bin"), cid);
    ASSERT_TRUE(export_ReportEcr(3, exporter()));
    const std::string once = test::read_text(csv("C-I-D 2025.csv"));
    EXPECT_EQ(once, report_csv_text(3, cid, t.session.codecs, {2, '.'}, 2000));
    ASSERT_TRUE(export_ReportEcr(3, exporter()));
    EXPECT_EQ(test::read_text(csv("C-I-D 2025.csv")), once + once);
    EXPECT_TRUE(t.log().empty());
}

TEST_F(ReportExportTest, NoReportFileLogsAndWritesNoCsv)
{
    EXPECT_FALSE(export_ReportEcr(12, exporter()));
    EXPECT_EQ(t.log(), std::vector<std::string>{"export_ReportEcr. file per report 12 non trovato"});
    EXPECT_TRUE(fs::is_empty(t.dirs.ReportDir));
}

TEST_F(ReportExportTest, TheSearchTakesTheReportsOwnFileNotALongerNamesake)
{
    // "FINANCIAL*.bin" also matches the Z2 report's file: it is never taken
    // for the Z1 report, whatever order the directory lists them in.
    test::write_bytes(data("FINANCIAL2.bin"), Bytes(506, 0));
    EXPECT_EQ(find_report_file(t.dirs.DataDir, 4), "");
    EXPECT_FALSE(export_ReportEcr(4, exporter()));
    EXPECT_FALSE(fs::exists(csv("FINANCIAL2.csv")));

    test::write_bytes(data("financial.BIN"), Bytes(506, 0));
    EXPECT_EQ(find_report_file(t.dirs.DataDir, 4), "financial.BIN");  // letter case ignored
    EXPECT_EQ(find_report_file(t.dirs.DataDir, 14), "FINANCIAL2.bin");
    EXPECT_TRUE(export_ReportEcr(4, exporter()));
    EXPECT_TRUE(fs::exists(csv("financial.csv")));

    // The other pairs of names: ALL CLERK / ALL T-CLERK do not share a prefix.
    test::write_bytes(data("ALL T-CLERK.bin"), Bytes(10, 0));
    EXPECT_EQ(find_report_file(t.dirs.DataDir, 9), "");
    EXPECT_EQ(find_report_file(t.dirs.DataDir, 10), "ALL T-CLERK.bin");
    // A name without the ending is no report file.
    test::write_bytes(data("TIME.txt"), Bytes(10, 0));
    EXPECT_EQ(find_report_file(t.dirs.DataDir, 12), "");
}

TEST_F(ReportExportTest, TheDecimalsAndSeparatorComeFromTheCaller)
{
    Bytes hours(240, 0);
    hours[2] = 0x05;
    test::write_bytes(data("TIME.bin"), hours);
    ReportExport x = exporter();
    x.format = {3, ','};
    ASSERT_TRUE(export_ReportEcr(12, x));
    const std::string text = test::read_text(csv("TIME.csv"));
    EXPECT_EQ(text.substr(0, text.find("\r\n", 23) + 2), "SalesCount;SalesTotal\r\n0;0,005\r\n");
}

class ExportOptionsTest : public ::testing::Test {
protected:
    fs::path file() const { return fs::path(t.dirs.SetupDir) / "ExportOption.ini"; }
    test::TestSession t;
    const ThreeAttemptFile& access = t.session.files;
};

TEST_F(ExportOptionsTest, AMissingFileIsCreatedEmptyAndReadsAsNothingTicked)
{
    ExportOptions options;
    options.fill(7);
    EXPECT_TRUE(Read_ExportOptions(options, t.dirs.SetupDir, access));
    ASSERT_TRUE(fs::exists(file()));
    EXPECT_EQ(fs::file_size(file()), 0u);
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(options[i], 0) << i;
    EXPECT_EQ(options[20], 7) << "byte 20 is not in the file";
    EXPECT_TRUE(t.log().empty());
}

TEST_F(ExportOptionsTest, TwentyBytesRoundTripAndALongerFileKeepsItsTail)
{
    Bytes bytes(24);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i % 3);
    test::write_bytes(file(), bytes);
    ExportOptions options{};
    ASSERT_TRUE(Read_ExportOptions(options, t.dirs.SetupDir, access));
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(options[i], bytes[i]) << i;
    options[7] = 1;
    options[12] = 1;
    ASSERT_TRUE(Write_ExportOptions(options, t.dirs.SetupDir, access));
    Bytes expected = bytes;
    expected[7] = expected[12] = 1;
    EXPECT_EQ(test::read_bytes(file()), expected);
}

TEST_F(ExportOptionsTest, AShortFileReadsZerosPastItsEnd)
{
    test::write_bytes(file(), {1, 1, 1, 1, 1});
    ExportOptions options;
    options.fill(9);
    ASSERT_TRUE(Read_ExportOptions(options, t.dirs.SetupDir, access));
    EXPECT_EQ(options[4], 1);
    EXPECT_EQ(options[5], 0);
    EXPECT_EQ(options[19], 0);
}

TEST_F(ExportOptionsTest, AnUnwritableFileIsTriedThreeTimesThenLogged)
{
    const std::string missingDir = (t.root.path() / "gone").string() + "/";
    ExportOptions options{};
    EXPECT_FALSE(Write_ExportOptions(options, missingDir, access));
    EXPECT_EQ(t.effects.beeps, 3);
    EXPECT_EQ(t.log(), std::vector<std::string>{"Superati 3 tentativi di Scrittura REPORT_EXPORT_FILE"});
}

}  // namespace
}  // namespace tw
