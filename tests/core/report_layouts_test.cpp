// Report files to CSV text: number rules, the ten layouts, the journal lines.
#include <gtest/gtest.h>

#include <sstream>

#include "reports/report_layouts.h"
#include "support/test_session.h"

namespace tw {
namespace {

// Packs `digits` (most significant first) into `width` BCD bytes, low pair first.
void put_bcd(Bytes& b, std::size_t offset, int width, std::string digits)
{
    digits.insert(0, std::size_t(2 * width) - digits.size(), '0');
    for (int i = 0; i < width; ++i) {
        const std::size_t hi = std::size_t(2 * (width - 1 - i));
        b.at(offset + std::size_t(i)) = std::uint8_t(((digits[hi] - '0') << 4) | (digits[hi + 1] - '0'));
    }
}

std::vector<std::string> split(const std::string& text, const std::string& sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(sep, start)) != std::string::npos; start = at + sep.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The lines of a CSV text; the text must end with CR LF.
std::vector<std::string> lines_of(const std::string& csv)
{
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    auto lines = split(csv, "\r\n");
    lines.pop_back();
    return lines;
}

class ReportLayoutsTest : public ::testing::Test {
protected:
    std::string value(const std::string& digits, int width, int decimals, char sep = '.')
    {
        Bytes b(static_cast<std::size_t>(width));
        put_bcd(b, 0, width, digits);
        return report_value_text(c, b.data(), width, {decimals, sep});
    }
    std::string csv(int n, const Bytes& file, int decimals = 2, int pluCapacity = 2000)
    {
        return report_csv_text(n, file, c, {decimals, '.'}, pluCapacity);
    }

    test::TestSession t;
    const Codecs& c = t.session.codecs;
};

TEST_F(ReportLayoutsTest, AmountsAndQuantitiesFollowTheSignDigitRule)
{
    struct Case {
        const char* digits;
        int width, decimals;
        char sep;
        const char* text;
    } cases[] = {
        {"42", 8, 0, '.', "42"},
        {"0", 8, 2, '.', "0.00"},
        {"0", 8, 2, ',', "0,00"},
        {"12345", 8, 2, '.', "123.45"},
        {"5", 8, 2, '.', "0.05"},
        {"5", 8, 3, ',', "0,005"},
        {"1000000000000123", 8, 2, '.', "-1.23"},
        {"1000000000000123", 8, 0, '.', "-000000000000123"},  // the magnitude keeps its zeros
        {"1000000000000000", 8, 2, '.', "10000000000000.00"},  // exactly 10^15 is positive
        {"1000000000000001", 8, 0, '.', "-000000000000001"},
        {"9000000000000000", 8, 2, '.', "-0.00"},  // any sign digit counts
        {"999999999999999", 8, 2, '.', "9999999999999.99"},
        {"15000", 6, 2, '.', "1.5"},
        {"15000", 6, 2, ',', "1,5"},
        {"100000015000", 6, 2, '.', "-1.5"},
        {"30000", 6, 2, '.', "3"},
        {"0", 6, 2, '.', "0"},
        {"12345", 6, 0, '.', "1.2345"},
        {"100000000000", 6, 2, '.', "10000000"},  // exactly 10^11 is positive
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.digits) + " width " + std::to_string(k.width));
        EXPECT_EQ(value(k.digits, k.width, k.decimals, k.sep), k.text);
    }
}

TEST_F(ReportLayoutsTest, AFieldThatIsNotBcdIsWrittenAsZeroAndLogged)
{
    Bytes b(8, 0);
    b[3] = 0x4A;
    EXPECT_EQ(report_value_text(c, b.data(), 8, {2, '.'}), "0.00");
    EXPECT_EQ(t.log(), std::vector<std::string>{"bcds_to_number Type mismatch"});
}

TEST_F(ReportLayoutsTest, AmountTextPlacesTheDecimals)
{
    EXPECT_EQ(amount_text("12345", 2, '.'), "123.45");
    EXPECT_EQ(amount_text("5", 2, ','), "0,05");
    EXPECT_EQ(amount_text("000000000000123", 0, '.'), "000000000000123");
    EXPECT_EQ(amount_text("000000000000123", 2, '.'), "1.23");
    EXPECT_EQ(amount_text("0", 3, '.'), "0.000");
}

TEST_F(ReportLayoutsTest, ReplaceCharIgnoresLetterCaseInWindows1252)
{
    EXPECT_EQ(replace_char(std::string("A\xFF" "B\x9F"), char(255), ' '), "A B ");
    EXPECT_EQ(replace_char("banana", 'A', 'o'), "bonono");
    EXPECT_EQ(replace_char(std::string("\xE9\xC9"), char(0xE9), 'e'), "ee");
}

TEST_F(ReportLayoutsTest, CashInDrawerIsOneRowOfFiveAmounts)
{
    Bytes file(40, 0);
    for (int i = 0; i < 5; ++i)
        put_bcd(file, std::size_t(8 * i), 8, std::to_string(100 * (i + 1) + 1));
    EXPECT_EQ(csv(3, file),
              "CashInDrawerTotal;CheckInDrawerTotal;ChergeInDrawerTotal;Credit1InDrawerTotal;Credit2InDrawerTotal\r\n"
              "1.01;2.01;3.01;4.01;5.01\r\n");
}

// Every field of the block holds its own index + 1, so a column that takes
// the wrong field shows.
Bytes numbered_totals(std::size_t before, std::size_t size)
{
    Bytes b(size, 0);
    for (std::size_t i = 0; i < TotalsBlock.size(); ++i)
        put_bcd(b, before + TotalsBlock[i].offset, int(field_width(TotalsBlock[i].kind)), std::to_string(i + 1));
    return b;
}

TEST_F(ReportLayoutsTest, FinancialReportsHave76ColumnsEachTakingItsOwnField)
{
    Bytes file = numbered_totals(0, 506);
    put_bcd(file, 498, 8, "76");
    for (int n : {4, 13, 14}) {
        SCOPED_TRACE(n);
        const auto lines = lines_of(csv(n, file, 0));
        ASSERT_EQ(lines.size(), 2u);
        const auto header = split(lines[0], ";"), row = split(lines[1], ";");
        ASSERT_EQ(header.size(), 76u);
        ASSERT_EQ(row.size(), 76u);
        for (std::size_t i = 0; i < 75; ++i) {
            EXPECT_EQ(header[i], TotalsBlock[i].name);
            EXPECT_EQ(row[i], std::to_string(i + 1)) << header[i];
        }
        EXPECT_EQ(header[75], "GrandTotal");
        EXPECT_EQ(row[75], "76");
        // The pieces of the header meet without a lost or doubled separator.
        EXPECT_NE(lines[0].find("Tax2SalesWithTax;Tax3Amount;"), std::string::npos);
        EXPECT_NE(lines[0].find("CloseBalanceTotal;OpenTableTotal;GuestCounter;InvoiceCounter;GrandTotal"),
                  std::string::npos);
        EXPECT_NE(lines[0].find("RefoundTotal;VoidTotal;FullVoidCounter"), std::string::npos);
    }
}

TEST_F(ReportLayoutsTest, ClerkReportsLeaveOutCredits3To6AndTheSecondPlusMinusKey)
{
    Bytes file;
    for (int clerk = 1; clerk <= 15; ++clerk) {
        Bytes record = numbered_totals(1, 499);
        record[0] = std::uint8_t(clerk);
        file.insert(file.end(), record.begin(), record.end());
    }
    const auto lines = lines_of(csv(9, file, 0));
    ASSERT_EQ(lines.size(), 16u);
    const auto header = split(lines[0], ";");
    ASSERT_EQ(header.size(), 62u);
    std::map<std::string, std::size_t> fieldIndex;
    for (std::size_t i = 0; i < TotalsBlock.size(); ++i)
        fieldIndex[TotalsBlock[i].name] = i + 1;
    fieldIndex["ItemPMTotal"] = fieldIndex["ItemPM1Total"];
    fieldIndex["SubtotalPMTotal"] = fieldIndex["SubtotalPM1Total"];
    for (int clerk = 1; clerk <= 15; ++clerk) {
        const auto row = split(lines[std::size_t(clerk)], ";");
        ASSERT_EQ(row.size(), 62u);
        EXPECT_EQ(row[0], std::to_string(clerk));
        for (std::size_t col = 1; col < 62; ++col) {
            ASSERT_TRUE(fieldIndex.count(header[col])) << header[col];
            EXPECT_EQ(row[col], std::to_string(fieldIndex[header[col]])) << header[col];
        }
    }
    for (const char* gone : {"Credit3Total", "Credit6InDrawerTotal", "ItemPM2Total", "SubtotalPM2Total"})
        EXPECT_EQ(std::count(header.begin(), header.end(), gone), 0) << gone;
    EXPECT_EQ(csv(10, file, 0), csv(9, file, 0));
}

TEST_F(ReportLayoutsTest, DepartmentAndTimeReportsHaveTheirFixedRowCounts)
{
    Bytes dept(99 * 16, 0);
    dept[0] = 3;
    dept[1] = 1;
    put_bcd(dept, 2, 6, "25000");
    put_bcd(dept, 8, 8, "1999");
    dept[98 * 16 + 1] = 99;
    const auto d = lines_of(csv(5, dept));
    ASSERT_EQ(d.size(), 100u);
    EXPECT_EQ(d[0], "DeptGroupNumber;DeptNumber;DeptItemCounter;RegSalesTotal");
    EXPECT_EQ(d[1], "3;1;2.5;19.99");
    EXPECT_EQ(d[99], "0;99;0;0.00");

    Bytes hours(24 * 10, 0);
    put_bcd(hours, 13 * 10, 2, "42");
    put_bcd(hours, 13 * 10 + 2, 8, "4200");
    const auto h = lines_of(csv(12, hours));
    ASSERT_EQ(h.size(), 25u);
    EXPECT_EQ(h[0], "SalesCount;SalesTotal");
    EXPECT_EQ(h[14], "42;42.00");
    EXPECT_EQ(h[1], "0;0.00");
}

TEST_F(ReportLayoutsTest, PluRowsEndWithTheSeparatorAndShortFilesReadAsZeros)
{
    Bytes file(36, 0);
    put_bcd(file, 0, 8, "8001234567890");
    put_bcd(file, 8, 6, "20000");
    put_bcd(file, 14, 8, "500");
    put_bcd(file, 22, 6, "100000010000");
    put_bcd(file, 28, 8, "1000000000000300");
    for (int capacity : {2000, 1500}) {
        const auto lines = lines_of(csv(7, file, 2, capacity));
        ASSERT_EQ(lines.size(), std::size_t(capacity) + 1);
        EXPECT_EQ(lines[0], "FreeCode;Price1Cnt;Price1Total;Price2Cnt;Price2Total");
        EXPECT_EQ(lines[1], "8001234567890;2;5.00;-1;-3.00;");
        EXPECT_EQ(lines[2], "0;0;0.00;0;0.00;");
        EXPECT_EQ(lines.back(), "0;0;0.00;0;0.00;");
    }
    // An empty file still gives every row of every fixed report.
    EXPECT_EQ(lines_of(csv(4, {})).size(), 2u);
    EXPECT_EQ(lines_of(csv(9, {})).size(), 16u);
}

// One journal record: the text padded with spaces to 24 bytes (an empty
// text leaves the record zero), then two unused bytes.
Bytes ej_line(const std::string& text)
{
    Bytes record(26, 0);
    if (!text.empty())
        std::fill_n(record.begin(), 24, ' ');
    std::copy(text.begin(), text.end(), record.begin());
    return record;
}

TEST_F(ReportLayoutsTest, JournalLinesStopAtAFirstZeroByteAndTurnCode255IntoSpaces)
{
    const std::string first = "RECEIPT 0001" + std::string(11, ' ') + char(255);
    const std::string second = std::string("CAF") + char(240) + " x1" + std::string(15, ' ') + char(255) + char(255);
    Bytes file;
    for (const std::string& line : {first, second, std::string(), std::string("NOT WRITTEN")}) {
        const Bytes r = ej_line(line);
        file.insert(file.end(), r.begin(), r.end());
    }
    EXPECT_EQ(csv(16, file), "LineFromEj\r\n" + ("RECEIPT 0001" + std::string(12, ' ')) + "\r\n" +
                                 ("CAF\xE9 x1" + std::string(17, ' ')) + "\r\n");

    // The end of the file ends the journal too; a partial record is not a line.
    Bytes two = ej_line("FIRST LINE");
    const Bytes next = ej_line("SECOND LINE");
    two.insert(two.end(), next.begin(), next.begin() + 10);
    EXPECT_EQ(csv(16, two), "LineFromEj\r\nFIRST LINE" + std::string(14, ' ') + "\r\n");
}

TEST_F(ReportLayoutsTest, OnlyTheTenOfferedReportsHaveALayout)
{
    for (int n = 0; n <= 20; ++n) {
        const bool offered = n == 3 || n == 4 || n == 5 || n == 7 || n == 9 || n == 10 || n == 12 || n == 13 ||
                             n == 14 || n == 16;
        EXPECT_EQ(has_csv_layout(n), offered) << n;
        EXPECT_EQ(csv(n, Bytes(600, 0)).empty(), !offered) << n;
    }
}

}  // namespace
}  // namespace tw
