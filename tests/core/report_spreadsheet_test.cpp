// The CSV files of the reports as a spreadsheet reads them. The fixtures in
// tests/fixtures/reports_libreoffice/ were made by LibreOffice Calc 7.4
// (Debian), headless: each CSV file this test writes was opened with ";" as
// the separator (English number format) and saved again as CSV with ";",
// every text cell quoted and the values as stored rather than as shown.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "reports/report_download.h"
#include "reports/report_layouts.h"
#include "support/report_sums.h"
#include "support/test_session.h"
#include "tools/tillxfer/register_totals.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using xfer::put_bcd;
using xfer::put_signed_bcd;

// Report files with values of every kind: negative, fractional, zero, long.
std::map<std::string, std::pair<int, Bytes>> sample_reports()
{
    std::map<std::string, std::pair<int, Bytes>> files;
    Bytes cid(40, 0);
    for (int i = 0; i < 5; ++i)
        put_signed_bcd(&cid[8 * std::size_t(i)], 8, (i % 2 ? -1 : 1) * (12345 * (i + 1)));
    files["C-I-D.bin"] = {3, cid};

    Bytes fin(506, 0);
    for (std::size_t i = 0; i < TotalsBlock.size(); ++i) {
        const TotalsField& f = TotalsBlock[i];
        if (f.kind == FieldKind::Amount)
            put_signed_bcd(&fin[f.offset], 8, std::int64_t(i % 3 == 1 ? -1 : 1) * std::int64_t(i * i * 101 + i));
        else
            put_bcd(&fin[f.offset], 2, i * 7);
    }
    put_signed_bcd(&fin[498], 8, 123456789012LL);
    files["FINANCIAL.bin"] = {4, fin};

    Bytes dept(99 * 16, 0);
    for (std::size_t d = 0; d < 99; ++d) {
        dept[d * 16] = std::uint8_t(d % 10);
        dept[d * 16 + 1] = std::uint8_t(d + 1);
        put_signed_bcd(&dept[d * 16 + 2], 6, std::int64_t(d) * 2500 - 40000);
        put_signed_bcd(&dept[d * 16 + 8], 8, std::int64_t(d) * 777 - 5000);
    }
    files["RANGE DEPT.bin"] = {5, dept};

    Bytes plu(40 * 36, 0);  // a short file: the other 1460 rows of model 4430 read as zeros
    for (std::size_t i = 0; i < 40; ++i) {
        std::uint8_t* r = &plu[i * 36];
        put_bcd(r, 8, i == 0 ? 8001234567890ULL : i + 1);
        put_signed_bcd(r + 8, 6, std::int64_t(i) * 5000);
        put_signed_bcd(r + 14, 8, std::int64_t(i) * 1050);
        put_signed_bcd(r + 22, 6, -std::int64_t(i % 4) * 10000);
        put_signed_bcd(r + 28, 8, -std::int64_t(i % 4) * 299);
    }
    files["ALL PLU.bin"] = {7, plu};

    Bytes clerks(15 * 499, 0);
    for (std::size_t c = 0; c < 15; ++c) {
        clerks[c * 499] = std::uint8_t(c + 1);
        for (std::size_t i = 0; i < TotalsBlock.size(); ++i)
            if (TotalsBlock[i].kind == FieldKind::Amount)
                put_signed_bcd(&clerks[c * 499 + 1 + TotalsBlock[i].offset], 8, std::int64_t(c * 1000 + i) - 3000);
    }
    files["ALL CLERK.bin"] = {9, clerks};

    Bytes hours(240, 0);
    for (std::size_t h = 8; h < 22; ++h) {
        put_bcd(&hours[h * 10], 2, h * 3);
        put_signed_bcd(&hours[h * 10 + 2], 8, std::int64_t(h) * 4321);
    }
    files["TIME.bin"] = {12, hours};

    Bytes ej;
    for (const std::string& line : {std::string("     YOUR SHOP NAME     "), std::string("CAF") + char(240) + " CREME" +
                                        std::string(10, ' ') + "2.50", std::string("TOTAL              -2.50")}) {
        Bytes r(26, 0);
        std::copy(line.begin(), line.end(), r.begin());
        ej.insert(ej.end(), r.begin(), r.end());
    }
    files["FULL EJ.bin"] = {16, ej};
    return files;
}

// LibreOffice's cells: quoted cells are texts.
struct Cell {
    std::string text;
    bool quoted = false;
};

std::vector<std::vector<Cell>> read_spreadsheet_csv(const std::string& text)
{
    std::vector<std::vector<Cell>> rows(1);
    Cell cell;
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell.text += '"', ++i;
            else if (c == '"')
                inQuotes = false;
            else
                cell.text += c;
        } else if (c == '"') {
            inQuotes = cell.quoted = true;
        } else if (c == ';') {
            rows.back().push_back(cell);
            cell = {};
        } else if (c == '\n') {
            rows.back().push_back(cell);
            cell = {};
            rows.emplace_back();
        } else if (c != '\r') {
            cell.text += c;
        }
    }
    if (!rows.back().empty() || !cell.text.empty())
        rows.back().push_back(cell);
    else
        rows.pop_back();
    return rows;
}

TEST(ReportSpreadsheet, LibreOfficeReadsEveryColumnAndValueAsWritten)
{
    test::TestSession t;
    const ReportExport exporter{t.dirs, t.session.codecs, t.session.log, {2, '.'}, 1500};
    struct Expected {
        const char* name;
        std::size_t columns, rows;
    } expected[] = {
        {"C-I-D", 5, 2},       {"FINANCIAL", 76, 2}, {"RANGE DEPT", 4, 100}, {"ALL PLU", 5, 1501},
        {"ALL CLERK", 62, 16}, {"TIME", 2, 25},      {"FULL EJ", 1, 4},
    };
    for (const auto& [name, file] : sample_reports())
        test::write_bytes(fs::path(t.dirs.DataDir) / name, file.second);
    for (const auto& [name, file] : sample_reports())
        ASSERT_TRUE(export_ReportEcr(file.first, exporter)) << name;

    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        const std::string ours = test::read_text(fs::path(t.dirs.ReportDir) / (std::string(e.name) + ".csv"));
        const auto calc = read_spreadsheet_csv(
            test::read_text(fs::path(TW_SOURCE_DIR) / "tests/fixtures/reports_libreoffice" / (std::string(e.name) + ".csv")));
        const test::CsvTable table = test::CsvTable::parse(ours);
        ASSERT_EQ(calc.size(), e.rows);
        ASSERT_EQ(table.rows.size() + 1, e.rows);
        for (std::size_t r = 0; r < calc.size(); ++r) {
            ASSERT_EQ(calc[r].size(), e.columns) << "row " << r;
            const std::vector<std::string>& cells = r == 0 ? table.header : table.rows[r - 1];
            for (std::size_t c = 0; c < e.columns; ++c) {
                const Cell& seen = calc[r][c];
                if (seen.quoted || r == 0) {
                    EXPECT_EQ(seen.text, cells.at(c)) << "row " << r << " column " << c;
                } else {
                    const double value = std::stod(seen.text), written = std::stod(cells.at(c));
                    EXPECT_NEAR(value, written, 1e-9 * std::max(1.0, std::fabs(written)))
                        << "row " << r << " column " << c << ": " << cells.at(c);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tw
