// The report export screen: its check boxes, ExportOption.ini and Export,
// with the real bridge and tillxfer with its virtual register.
#include <QCheckBox>
#include <QLabel>

#include "reports/FrmReportExport.h"
#include "support/report_sums.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

constexpr int kShown[] = {3, 4, 5, 7, 9, 10, 12, 13, 14, 16};

// The report entries of TillXfer.ini, as the bundle lists them.
std::string report_entries()
{
    const char* names[] = {"C-I-D", "FINANCIAL", "RANGE DEPT", "DEPT GROUP", "ALL PLU", "RANGE PLU",
                           "ALL CLERK", "ALL T-CLERK", "NT-CLERK", "TIME", "TRAINING", "FINANCIAL2",
                           "OPEN TBL", "FULL EJ", "OLD EJ", "LATE EJ", "DAILY EJ"};
    std::string text;
    for (int n = 3; n <= 19; ++n)
        text += std::to_string(n) + " = " + names[n - 3] + ".bin, 1\n";
    return text;
}

class ReportExportScreen : public ::testing::Test {
protected:
    ReportExportScreen()
    {
        RigSettings settings;
        settings.files += report_entries();
        rig.write_settings(settings);
    }

    // Opens the screen from the setup menu of a new programming of the model.
    FrmReportExport* open(const char* model = "C_4410")
    {
        if (!h.pres)
            h.start();
        click(model);
        click("C_NuovaProgrammazione");  // answered Yes
        click("C_Report");
        auto* screen = qobject_cast<FrmReportExport*>(visible_window());
        logAtOpen = h.log().size();
        EXPECT_NE(screen, nullptr);
        return screen;
    }
    void back_to_start()
    {
        click("C_Annulla");
        click("C_Exit");
        click("C_Back");
    }
    QCheckBox* box(int n) { return control<QCheckBox>(visible_window(), ("Chk_Report" + std::to_string(n)).c_str()); }
    // Clicks a check box on its box, as the user does.
    void tick(int n)
    {
        QCheckBox* b = box(n);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    // The run-log lines written since the screen opened.
    std::vector<std::string> log_since_open() const
    {
        auto lines = h.log();
        lines.erase(lines.begin(), lines.begin() + std::ptrdiff_t(std::min(lines.size(), logAtOpen)));
        return lines;
    }
    fs::path options_file() const { return fs::path(h.dirs.SetupDir) / "ExportOption.ini"; }

    TillXferRig rig;
    UiHarness h{rig.app_dir()};
    std::size_t logAtOpen = 0;
};

TEST_F(ReportExportScreen, FirstOpeningCreatesAnEmptyFileAndSaveWritesTheTicks)
{
    FrmReportExport* screen = open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Report Export");
    EXPECT_EQ(control<QLabel>(screen, "L_Titolo")->text(), "REPORT EXPORT");
    EXPECT_EQ(control<QPushButton>(screen, "C_Salva")->text(), "Save Setting");
    EXPECT_EQ(control<QPushButton>(screen, "C_Export")->text(), "Export");
    EXPECT_EQ(control<QPushButton>(screen, "C_Annulla")->text(), "Back");
    ASSERT_TRUE(fs::exists(options_file()));
    EXPECT_EQ(fs::file_size(options_file()), 0u);
    for (int n = 3; n <= 19; ++n) {
        const bool shown = std::count(std::begin(kShown), std::end(kShown), n) == 1;
        EXPECT_EQ(screen->report_box(n) != nullptr, shown) << n;
        if (shown) {
            EXPECT_EQ(box(n)->checkState(), Qt::Unchecked) << n;
        }
    }
    // Two columns: 3, 4, 5, 7, 9 on the left from the top, 10 to 16 on the right.
    for (int i = 0; i < 10; ++i) {
        const QRect r = box(kShown[i])->geometry();
        const QRect left = box(kShown[i % 5])->geometry();
        EXPECT_EQ(r.top(), left.top()) << kShown[i];
        EXPECT_EQ(r.left() > left.left(), i >= 5) << kShown[i];
        if (i % 5) {
            EXPECT_GT(r.top(), box(kShown[i - 1])->geometry().top()) << kShown[i];
        }
    }
    EXPECT_EQ(box(7)->text(), "All PLU Report");
    EXPECT_EQ(box(16)->text(), "Full Report for EJ");

    tick(12);
    tick(7);
    click("C_Salva");
    Bytes expected(20, 0);
    expected[7] = expected[12] = 1;
    EXPECT_EQ(read_bytes(options_file()), expected);
    EXPECT_TRUE(log_since_open().empty()) << testing::PrintToString(log_since_open());
    EXPECT_TRUE(h.effects.boxes.size() == 1) << "no message but the new-programming question";
}

struct ModelCase {
    const char* button;
    std::uint8_t savedOpenTables;
};

class ReportExportOfTheModel : public ReportExportScreen, public testing::WithParamInterface<ModelCase> {};

TEST_P(ReportExportOfTheModel, SaveKeepsWhatNoBoxShowsAndTheGreyedStateAndClearsOpenTablesOn4410)
{
    Bytes file(20, 0);
    file[0] = 9, file[1] = 8, file[2] = 7;  // no report's
    file[6] = file[8] = file[19] = 1;       // reports the screen does not show
    file[15] = 1;                           // open tables: model 4430 only
    file[4] = 2;                            // greyed
    file[12] = 1;
    write_bytes(options_file(), file);
    FrmReportExport* screen = open(GetParam().button);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(box(4)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(box(12)->checkState(), Qt::Checked);
    // A greyed box counts as not ticked.
    ReportSelection expected{};
    expected[12] = true;
    EXPECT_EQ(screen->selection(), expected);

    click("C_Salva");
    Bytes saved = file;
    saved[15] = GetParam().savedOpenTables;
    EXPECT_EQ(read_bytes(options_file()), saved);

    // Clicking the greyed box makes it a plain one.
    tick(4);
    tick(4);
    EXPECT_EQ(box(4)->checkState(), Qt::Unchecked);
    click("C_Salva");
    saved[4] = 0;
    EXPECT_EQ(read_bytes(options_file()), saved);
}

INSTANTIATE_TEST_SUITE_P(Models, ReportExportOfTheModel,
                         testing::Values(ModelCase{"C_4410", 0}, ModelCase{"C_4430", 1}),
                         [](const auto& info) { return std::string(info.param.button).substr(2); });

TEST_F(ReportExportScreen, AByteAboveTwoStopsTheLoadThere)
{
    Bytes file(20, 0);
    file[5] = 1, file[7] = 3, file[9] = 1, file[15] = 1;
    write_bytes(options_file(), file);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(box(5)->checkState(), Qt::Checked);
    EXPECT_EQ(box(7)->checkState(), Qt::Unchecked);
    EXPECT_EQ(box(9)->checkState(), Qt::Unchecked) << "later boxes stay clear";
    EXPECT_EQ(h.log().back(), "FrmReportExport form_load: Invalid property value");
    click("C_Salva");
    const Bytes saved = read_bytes(options_file());
    ASSERT_EQ(saved.size(), 20u);
    EXPECT_EQ(saved[7], 0);
    EXPECT_EQ(saved[9], 0);
    EXPECT_EQ(saved[15], 0) << "a later selection stays clear, shown or not";
}

// A byte above 2 of a report the screen does not show: the selections from
// there on stay clear, so Save mends the file and the next opening shows the
// saved ticks again. A stop after report 15 skips the model-4410 step.
TEST_F(ReportExportScreen, SaveAfterAStoppedLoadMendsTheFileForTheNextOpening)
{
    struct Case {
        int badReport;
        std::uint8_t savedOpenTables;
    } cases[] = {{6, 0}, {11, 0}, {17, 1}};
    for (const Case& k : cases) {
        SCOPED_TRACE("byte above 2 at " + std::to_string(k.badReport));
        Bytes file(20, 0);
        file[k.badReport] = 5;
        file[15] = 1;
        file[19] = 1;
        write_bytes(options_file(), file);
        ASSERT_NE(open(), nullptr);
        tick(12);
        click("C_Salva");
        const Bytes saved = read_bytes(options_file());
        ASSERT_EQ(saved.size(), 20u);
        EXPECT_EQ(saved[std::size_t(k.badReport)], 0);
        EXPECT_EQ(saved[12], 1);
        EXPECT_EQ(saved[15], k.savedOpenTables);
        EXPECT_EQ(saved[19], 0) << "a later selection stays clear, shown or not";
        back_to_start();
        ASSERT_NE(open(), nullptr);
        EXPECT_EQ(box(12)->checkState(), Qt::Checked) << "the saved tick shows again";
        EXPECT_EQ(log_since_open(), std::vector<std::string>{});
        back_to_start();
    }
}

TEST_F(ReportExportScreen, ExportWithoutATickDoesNothing)
{
    ASSERT_NE(open(), nullptr);
    click("C_Export");
    EXPECT_TRUE(log_since_open().empty());
    EXPECT_EQ(h.effects.boxes.size(), 1u) << "only the new-programming question";
    EXPECT_TRUE(fs::is_empty(h.dirs.ReportDir));
    EXPECT_EQ(h.ui.maxBusyDepth, 0) << "no transfer ran";
}

TEST_F(ReportExportScreen, ExportRunsTheTicksOnScreenAndSaysWhereTheCsvFilesAre)
{
    // The register holds an hourly report and is busy for the cash-in-drawer report.
    RigSettings busy;
    busy.files += report_entries();
    busy.fault = "busy";
    busy.faultFiles = "3";
    rig.write_settings(busy);
    Bytes hours(240, 0);
    hours[13 * 10] = 0x42;
    write_bytes(rig.memory("TIME.bin"), hours);
    write_bytes(options_file(), Bytes(20, 0));
    ASSERT_NE(open(), nullptr);
    tick(3);
    tick(12);
    click("C_Export");

    const std::string csv = read_text(fs::path(h.dirs.ReportDir) / "TIME.csv");
    EXPECT_EQ(csv.substr(0, 23), "SalesCount;SalesTotal\r\n");
    EXPECT_NE(csv.find("\r\n42;0"), std::string::npos) << "hour 13 sold 42 times";
    EXPECT_FALSE(fs::exists(fs::path(h.dirs.ReportDir) / "C-I-D.csv"));
    const auto log = log_since_open();
    ASSERT_EQ(log.size(), 2u) << testing::PrintToString(log);
    EXPECT_EQ(log[0], "Receive_ReportEcr error. File 3 Code: 1001 Desc: The ECR side is in the state of BUSY.");
    EXPECT_EQ(log[1].rfind("Time for download report 12 is:", 0), 0u) << log[1];

    ASSERT_EQ(h.effects.boxes.size(), 2u);
    const auto& result = h.effects.boxes[1];
    EXPECT_EQ(result.text, "1 of 2 reports were exported to CSV files in:\n" + h.dirs.ReportDir +
                               "\n\nThe reports that did not arrive are named in the run log.\n\nOpen the folder?");
    EXPECT_EQ(result.buttons, MsgButtons::YesNo);
    EXPECT_EQ(h.ui.foldersOpened, std::vector<QString>{QString::fromStdString(h.dirs.ReportDir)});

    // The ticks were not saved: the screen opens again with the saved ones.
    back_to_start();
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(box(12)->checkState(), Qt::Unchecked);
    EXPECT_EQ(read_bytes(options_file()), Bytes(20, 0));
}

// A day of 500 transactions in the virtual register, then Export of all ten
// reports: the CSV files the program writes add up as the register's totals.
TEST_F(ReportExportScreen, ADayOfSalesExportsTenReportsThatAddUp)
{
    for (const char* folder : {"Setup", "help", "Dati"})
        fs::copy(fs::path(TW_BUNDLE_DIR) / folder, rig.path(folder),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::create_symlink(fs::path(TW_BUNDLE_DIR) / "tillsales", rig.path("tillsales"));
    const std::string sell = "'" + rig.path("tillsales").string() + "' 500 11 > /dev/null";
    ASSERT_EQ(std::system(sell.c_str()), 0);

    ASSERT_NE(open(), nullptr);
    for (int n : kShown)
        tick(n);
    click("C_Export");

    ASSERT_EQ(h.effects.boxes.size(), 2u);
    EXPECT_EQ(h.effects.boxes[1].text.rfind("10 of 10 reports were exported to CSV files in:", 0), 0u)
        << h.effects.boxes[1].text;
    const auto log = log_since_open();
    ASSERT_EQ(log.size(), 10u) << testing::PrintToString(log);
    for (const std::string& line : log)
        EXPECT_EQ(line.rfind("Time for download report ", 0), 0u) << line;

    const RegisterProgramming programming =
        programming_of(read_bytes(rig.memory("PRG_MODE.BIN")), read_bytes(rig.memory("PRG_PLU.BIN")), h.session.codecs);
    DaySums sums{programming, {}, {}, 500};
    const char* files[] = {"C-I-D", "FINANCIAL", "RANGE DEPT", "ALL PLU", "ALL CLERK",
                           "ALL T-CLERK", "TIME", "TRAINING", "FINANCIAL2", "FULL EJ"};
    for (int i = 0; i < 10; ++i) {
        const fs::path csv = fs::path(h.dirs.ReportDir) / (std::string(files[i]) + ".csv");
        ASSERT_TRUE(fs::exists(csv)) << csv;
        const CsvTable table = CsvTable::parse(read_text(csv));
        if (kShown[i] == 16) {
            for (const auto& row : table.rows)
                sums.journal.push_back(row.at(0));
        } else {
            sums.reports[kShown[i]] = table;
        }
    }
    EXPECT_EQ(sums.reports.at(4).header.size(), 76u);
    EXPECT_EQ(sums.reports.at(7).rows.size(), 2000u);
    sums.check();
}

}  // namespace
}  // namespace tw::test
