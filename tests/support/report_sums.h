#pragma once
// Checks that the ten CSV reports of one register add up as a register's
// totals do. The reports are given as their CSV texts (as the program writes
// them, decimal point, two price decimals).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "image/codecs.h"
#include "image/file_access.h"

namespace tw::test {

struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    static std::vector<std::string> split(const std::string& line)
    {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t at; (at = line.find(';', start)) != std::string::npos; start = at + 1)
            cells.push_back(line.substr(start, at - start));
        cells.push_back(line.substr(start));
        return cells;
    }

    // One header line and its rows; a CSV that was appended to twice is not
    // what these checks take.
    static CsvTable parse(const std::string& text)
    {
        CsvTable t;
        std::size_t start = 0;
        bool first = true;
        while (start < text.size()) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            const std::string line = text.substr(start, end - start);
            if (first)
                t.header = split(line);
            else
                t.rows.push_back(split(line));
            first = false;
            start = end + 2;
        }
        return t;
    }

    std::size_t column(const std::string& name) const
    {
        for (std::size_t i = 0; i < header.size(); ++i)
            if (header[i] == name)
                return i;
        ADD_FAILURE() << "no column " << name;
        return 0;
    }
};

// "-12.34" with `decimals` decimals as a whole number of the smallest unit.
inline std::int64_t units(const std::string& text, int decimals)
{
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits;
    int after = -1;
    for (char c : text) {
        if (c == '.' || c == ',')
            after = 0;
        else if (c >= '0' && c <= '9') {
            digits += c;
            if (after >= 0)
                ++after;
        }
    }
    for (int i = std::max(after, 0); i < decimals; ++i)
        digits += '0';
    const std::int64_t v = digits.empty() ? 0 : std::stoll(digits);
    return negative ? -v : v;
}

// The register's programming as far as the checks need it.
struct RegisterProgramming {
    std::int64_t vatRate[5] = {};  // thousandths of a percent
    bool addOnTax = false;
    std::vector<int> pluDepartment;  // by PLU record
    std::vector<std::string> header, footer;  // PC text, non-blank lines
};

// What the checks need of the register's PRG_MODE.BIN and PRG_PLU.BIN.
inline RegisterProgramming programming_of(const Bytes& mode, const Bytes& plu, const Codecs& codecs)
{
    RegisterProgramming p;
    for (int k = 1; k <= 4; ++k)
        p.vatRate[k] = std::stoll(codecs.bcds_to_number(&mode.at(31 + 4 * std::size_t(k - 1)), 4));
    p.addOnTax = mode.at(3) == 1;
    const int count = plu.size() >= 2 ? int(plu[0] | (plu[1] << 8)) : 0;
    for (int i = 0; i < count; ++i)
        p.pluDepartment.push_back(std::stoi(codecs.bcds_to_number(&plu.at(2 + 36 * std::size_t(i) + 25), 1)));
    for (std::size_t i = 0; i < 10; ++i) {
        for (auto [offset, lines] : {std::pair{3221u, &p.header}, std::pair{3461u, &p.footer}}) {
            const std::string raw(reinterpret_cast<const char*>(&mode.at(offset + 24 * i)), 24);
            if (raw.find_first_not_of(' ') != std::string::npos)
                lines->push_back(codecs.sostituzione_from_ecr(raw));
        }
    }
    return p;
}

struct DaySums {
    const RegisterProgramming& programming;
    std::map<int, CsvTable> reports;  // by report number
    std::vector<std::string> journal;  // the EJ report's lines
    int transactions = 0;

    std::int64_t financial(int n, const std::string& column) const
    {
        const CsvTable& t = reports.at(n);
        return units(t.rows.at(0).at(t.column(column)), 2);
    }

    void check() const
    {
        for (int n : {3, 4, 5, 7, 9, 10, 12, 13, 14})
            ASSERT_TRUE(reports.count(n)) << n;
        const std::int64_t net = financial(4, "NetSalesTotal");
        const std::int64_t allDept = financial(4, "AllDepartmentSalesTotal");
        EXPECT_GT(net, 0);

        // Departments sum to AllDepartmentSalesTotal.
        const CsvTable& dept = reports.at(5);
        ASSERT_EQ(dept.rows.size(), 99u);
        std::int64_t deptSum = 0;
        std::map<int, std::int64_t> byDept;
        for (const auto& row : dept.rows) {
            byDept[std::stoi(row.at(1))] = units(row.at(3), 2);
            deptSum += units(row.at(3), 2);
        }
        EXPECT_EQ(deptSum, allDept) << "departments against AllDepartmentSalesTotal";
        EXPECT_EQ(financial(4, "GrossSalesTotal") + financial(4, "VoidTotal") + financial(4, "RefoundTotal"), allDept)
            << "gross sales less voids and refunds";

        // Each VAT rate's tax matches its rate; receipts round to the unit.
        std::int64_t amounts = 0, withouts = 0, withs = 0;
        for (int k = 1; k <= 4; ++k) {
            SCOPED_TRACE("VAT rate " + std::to_string(k));
            const std::string p = "Tax" + std::to_string(k);
            const std::int64_t amount = financial(4, p + "Amount"), without = financial(4, p + "SalesWithoutTax"),
                               with = financial(4, p + "SalesWithTax");
            EXPECT_EQ(with, without + amount);
            const std::int64_t r = programming.vatRate[k];
            const double expected = programming.addOnTax ? double(without) * double(r) / 100000.0
                                                         : double(with) * double(r) / double(100000 + r);
            EXPECT_LE(std::abs(double(amount) - expected), transactions / 2.0 + 1) << amount << " vs " << expected;
            amounts += amount, withouts += without, withs += with;
        }
        EXPECT_EQ(financial(4, "AllTaxAmount"), amounts);
        EXPECT_EQ(financial(4, "AllTaxSalesWithoutTax"), withouts);
        EXPECT_EQ(financial(4, "AllTaxSalesWithTax"), withs);
        EXPECT_EQ(financial(4, "Tax0TotalSales") + withs, net) << "the taxable sales make the net sales";
        EXPECT_EQ(allDept + financial(4, "AdjustTotal") + (programming.addOnTax ? amounts : 0), net);

        // PLU totals sum into their departments.
        const CsvTable& plu = reports.at(7);
        std::map<int, std::int64_t> pluByDept;
        for (std::size_t i = 0; i < programming.pluDepartment.size(); ++i)
            pluByDept[programming.pluDepartment[i]] +=
                units(plu.rows.at(i).at(2), 2) + units(plu.rows.at(i).at(4), 2);
        for (std::size_t i = programming.pluDepartment.size(); i < plu.rows.size(); ++i)
            EXPECT_EQ(plu.rows[i].at(0), "0") << "record " << i << " holds no PLU";
        ASSERT_FALSE(pluByDept.empty());
        for (const auto& [d, sum] : pluByDept)
            EXPECT_EQ(byDept[d], sum) << "department " << d << " against its PLUs";

        // The hours sum to the day.
        std::int64_t hourSum = 0, hourCount = 0;
        for (const auto& row : reports.at(12).rows) {
            hourCount += std::stoll(row.at(0));
            hourSum += units(row.at(1), 2);
        }
        EXPECT_EQ(hourSum, net) << "hourly against net sales";
        EXPECT_GT(hourCount, transactions / 2);

        // The tenders sum to net sales.
        std::int64_t tenders = financial(4, "CashTotal") + financial(4, "CheckTotal") + financial(4, "ChargeTotal");
        for (int c = 1; c <= 6; ++c)
            tenders += financial(4, "Credit" + std::to_string(c) + "Total");
        EXPECT_EQ(tenders, net) << "tenders against net sales";

        // The clerks sum to the financial report, in both modes.
        for (const auto& [clerks, whole] : {std::pair{9, 4}, std::pair{10, 13}}) {
            SCOPED_TRACE("clerk report " + std::to_string(clerks));
            const CsvTable& c = reports.at(clerks);
            ASSERT_EQ(c.rows.size(), 15u);
            for (std::size_t col = 1; col < c.header.size(); ++col) {
                std::int64_t sum = 0;
                for (const auto& row : c.rows)
                    sum += units(row.at(col), 2);
                std::string name = c.header[col];
                if (name == "ItemPMTotal" || name == "SubtotalPMTotal")
                    name.insert(name.size() - 5, "1");
                EXPECT_EQ(sum, financial(whole, name)) << name;
            }
        }
        EXPECT_GT(financial(13, "NetSalesTotal"), 0) << "training sales were rung";

        // Z2 runs over the same day; the drawer report is the financial one's.
        EXPECT_EQ(reports.at(14).rows, reports.at(4).rows);
        const CsvTable& cid = reports.at(3);
        const char* drawers[] = {"CashInDrawerTotal", "CheckInDrawerTotal", "ChargeInDrawerTotal",
                                 "Credit1InDrawerTotal", "Credit2InDrawerTotal"};
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(units(cid.rows.at(0).at(i), 2), financial(4, drawers[i])) << drawers[i];

        // The journal holds one receipt per transaction, each with the
        // programming's header and footer.
        ASSERT_FALSE(programming.header.empty());
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < journal.size(); ++i)
            if (journal[i] == programming.header[0])
                starts.push_back(i);
        EXPECT_EQ(int(starts.size()), transactions) << "receipts in the journal";
        starts.push_back(journal.size());
        for (std::size_t r = 0; r + 1 < starts.size(); ++r) {
            const std::size_t from = starts[r], to = starts[r + 1];
            ASSERT_GE(to - from, programming.header.size() + programming.footer.size() + 1);
            for (std::size_t h = 0; h < programming.header.size(); ++h)
                ASSERT_EQ(journal[from + h], programming.header[h]) << "receipt " << r;
            for (std::size_t f = 0; f < programming.footer.size(); ++f)
                ASSERT_EQ(journal[to - programming.footer.size() + f], programming.footer[f]) << "receipt " << r;
        }
    }
};

}  // namespace tw::test
