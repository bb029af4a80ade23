// The virtual register that sells: a day of sales over the shipped
// programming adds up as a register's totals do, and the register gives its
// reports from those totals.
#include <gtest/gtest.h>

#include "reports/report_layouts.h"
#include "support/report_sums.h"
#include "support/test_session.h"
#include "tillxfer_rig.h"
#include "tools/tillxfer/register_totals.h"
#include "tools/tillxfer/sales_day.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using xfer::RegisterTotals;

Bytes shipped(const std::string& name) { return read_bytes(fs::path(TW_BUNDLE_DIR) / "Dati/ECR4410" / name); }

// The CSV texts the program makes of the register's report files.
DaySums sums_of(const RegisterTotals& totals, const RegisterProgramming& programming, const Codecs& codecs,
                int transactions)
{
    DaySums sums{programming, {}, {}, transactions};
    for (int n : {3, 4, 5, 7, 9, 10, 12, 13, 14, 16}) {
        Bytes file;
        EXPECT_TRUE(totals.report_file(n, 2000, file)) << n;
        const std::string csv = report_csv_text(n, file, codecs, {2, '.'}, 2000);
        if (n == 16) {
            const CsvTable ej = CsvTable::parse(csv);
            for (const auto& row : ej.rows)
                sums.journal.push_back(row.at(0));
        } else {
            sums.reports[n] = CsvTable::parse(csv);
        }
    }
    return sums;
}

struct DayCase {
    const char* what;
    int vatCalculation;  // 0 VAT included, 1 add-on tax
    std::uint64_t seed;
};

class DayOfSales : public testing::TestWithParam<DayCase> {};

TEST_P(DayOfSales, AddsUpAsARegisterDoes)
{
    TestSession t;
    Bytes mode = shipped("ECR4410_PRG_MODE.BIN");
    const Bytes plu = shipped("ECR4410_PRG_PLU.BIN");
    mode.at(3) = std::uint8_t(GetParam().vatCalculation);
    RegisterTotals totals;
    xfer::ring_up_day(mode, plu, 2000, {GetParam().seed, 500}, totals);
    const RegisterProgramming programming = programming_of(mode, plu, t.session.codecs);
    sums_of(totals, programming, t.session.codecs, 500).check();
    EXPECT_TRUE(t.log().empty()) << "every field decodes";

    // The register kept what a day brings: voids, refunds, the %, ± keys,
    // every tender kind and foreign currency, no-sale, RA, PO, cancellations.
    for (const char* field : {"VoidTotal", "RefoundTotal", "ItemP1Total", "ItemP2Total", "SubtotalP1Total",
                              "ItemPM1Total", "CheckTotal", "ChargeTotal", "Credit3Total", "Fc1InDrawerTotal",
                              "NoSaleCounter", "RaTotal", "PoTotal", "FullVoidCounter", "FullVoidTotaler"})
        EXPECT_NE(totals.z1[field], 0) << field;
}

INSTANTIATE_TEST_SUITE_P(VatCalculation, DayOfSales,
                         testing::Values(DayCase{"VatIncluded", 0, 7}, DayCase{"AddOnTax", 1, 8},
                                         DayCase{"AnotherDay", 0, 12345}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(RegisterTotals, SurviveTheirFileAndASecondDayAddsToTheFirst)
{
    TempDir dir;
    const Bytes mode = shipped("ECR4410_PRG_MODE.BIN"), plu = shipped("ECR4410_PRG_PLU.BIN");
    RegisterTotals one;
    xfer::ring_up_day(mode, plu, 2000, {3, 40}, one);
    ASSERT_TRUE(one.save(dir.path()));
    const RegisterTotals loaded = RegisterTotals::load(dir.path());
    for (int n : {3, 4, 5, 7, 9, 10, 12, 13, 14, 16}) {
        Bytes a, b;
        ASSERT_TRUE(one.report_file(n, 2000, a));
        ASSERT_TRUE(loaded.report_file(n, 2000, b));
        EXPECT_EQ(a, b) << n;
    }
    RegisterTotals twice = loaded;
    xfer::ring_up_day(mode, plu, 2000, {4, 40}, twice);
    RegisterTotals other;
    xfer::ring_up_day(mode, plu, 2000, {4, 40}, other);
    EXPECT_EQ(twice.z1["NetSalesTotal"], one.z1["NetSalesTotal"] + other.z1["NetSalesTotal"]);
    EXPECT_EQ(twice.journal.size(), one.journal.size() + other.journal.size());
    EXPECT_EQ(RegisterTotals::load(dir.path() / "none").z1["NetSalesTotal"], 0) << "no sales yet";
}

// A damaged count of PLUs or journal lines stops the load before anything
// is allocated for it.
TEST(RegisterTotals, ADamagedCountIsRefusedBeforeItIsAllocated)
{
    TempDir dir;
    ASSERT_TRUE(RegisterTotals().save(dir.path()));  // no PLU, no journal line
    const Bytes good = read_bytes(dir.path() / "TOTALS.BIN");
    const std::size_t journalCount = good.size() - 8;
    const std::size_t pluCount = journalCount - 8 * (2 * 24 + 1) - 8;  // the hours and the receipt number lie between
    struct Case {
        std::size_t at;
        std::uint64_t count;
    };
    for (const Case& k : {Case{pluCount, 0x7FFFFFFFFFFFFFFFu}, Case{pluCount, 1}, Case{journalCount, 1u << 30},
                          Case{journalCount, ~std::uint64_t(0)}}) {
        Bytes damaged = good;
        for (int i = 0; i < 8; ++i)
            damaged[k.at + std::size_t(i)] = std::uint8_t(k.count >> (8 * i));
        write_bytes(dir.path() / "TOTALS.BIN", damaged);
        EXPECT_THROW(RegisterTotals::load(dir.path()), std::runtime_error) << k.at << " " << k.count;
    }
    write_bytes(dir.path() / "TOTALS.BIN", good);
    EXPECT_NO_THROW(RegisterTotals::load(dir.path())) << "the count places are the right ones";
}

TEST(RegisterTotals, NegativeValuesCarryTheSignDigit)
{
    std::uint8_t amount[8], quantity[6];
    xfer::put_signed_bcd(amount, 8, -123);
    EXPECT_EQ(Bytes(amount, amount + 8), (Bytes{0x23, 0x01, 0, 0, 0, 0, 0, 0x10}));
    xfer::put_signed_bcd(quantity, 6, -15000);
    EXPECT_EQ(Bytes(quantity, quantity + 6), (Bytes{0x00, 0x50, 0x01, 0, 0, 0x10}));
    EXPECT_EQ(xfer::read_bcd(amount, 7), 123);
}

// Through the tool: a report request is made from the totals; a report file
// lying in the register's folder is given as it is; a register switched off
// answers as always.
TEST(RegisterTotals, ReportRequestsAreMadeFromTheTotals)
{
    TillXferRig rig;
    RigSettings settings;
    settings.files += "4 = FINANCIAL.bin, 1\n12 = TIME.bin, 1\n15 = OPEN TBL.bin, 1\n";
    rig.write_settings(settings);
    write_bytes(rig.memory("PRG_MODE.BIN"), shipped("ECR4410_PRG_MODE.BIN"));
    RegisterTotals totals;
    xfer::ring_up_day(shipped("ECR4410_PRG_MODE.BIN"), shipped("ECR4410_PRG_PLU.BIN"), 2000, {5, 60}, totals);
    ASSERT_TRUE(totals.save(rig.path("Register")));

    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 12)), 0u);
    Bytes expected;
    ASSERT_TRUE(totals.report_file(12, 2000, expected));
    EXPECT_EQ(read_bytes(rig.data("TIME.bin")), expected);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 15)), 0x1002u) << "no layout for open tables";

    write_bytes(rig.memory("FINANCIAL.bin"), pattern(506, 3));
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 4)), 0u);
    EXPECT_EQ(read_bytes(rig.data("FINANCIAL.bin")), pattern(506, 3));

    settings.power = "off";
    rig.write_settings(settings);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 12)), 0x401u);
}

}  // namespace
}  // namespace tw::test
