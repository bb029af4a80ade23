#include <gtest/gtest.h>

#include <random>

#include "editors/sales/plu_fields.h"
#include "editors/sales/plu_order.h"
#include "support/test_session.h"

namespace tw {
namespace {

class PluOrderTest : public ::testing::Test {
protected:
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    PluTable table;

    // A PLU whose other fields all tell which code it was made with.
    PluRecord tagged(long long code)
    {
        PluRecord r = PluRecord::free_slot();
        r.set_code(c, code);
        r.set_name(c, "ITEM " + std::to_string(code));
        r.set_status(std::uint8_t(0x3C));  // bits 2 to 5 travel with the record
        r.set_price_type(int(code % 3));
        r.bytes[plu::kDepartmentOffset] = std::uint8_t(code % 0x99);
        r.set_tax_class(std::uint8_t(code % 5));
        r.set_take_out_tax_class(std::uint8_t((code + 1) % 5));
        r.set_price(c, 1, code * 3);
        r.set_price(c, 2, code * 7 + 1);
        return r;
    }
    void fill(const std::vector<long long>& codes)
    {
        table.clear();
        for (std::size_t i = 0; i < codes.size(); ++i)
            table.slot(int(i) + 1) = tagged(codes[i]);
        table.PluCount = leading_plu_count(table, 2000);
    }
    std::vector<long long> codes(int slots) const
    {
        std::vector<long long> out;
        for (int n = 1; n <= slots; ++n)
            out.push_back(std::stoll(table.slot(n).code(c)));
        return out;
    }
};

TEST_F(PluOrderTest, CodeValueReadsSixteenDigitsAndTakesBadNibblesAsFree)
{
    PluRecord r;
    const std::uint8_t code[8] = {0x21, 0x43, 0x65, 0x87, 0x09, 0x00, 0x00, 0x00};
    std::copy(code, code + 8, r.bytes.begin());
    EXPECT_EQ(plu_code_value(r), 987654321u);
    r.bytes.fill(0x99);
    EXPECT_EQ(plu_code_value(r), 9999999999999999u);
    r.bytes[3] = 0x4A;
    EXPECT_EQ(plu_code_value(r), 0u);
}

// One Save as the PLU editor does it: store the code, sort, choose the next
// number.
struct SaveCase {
    const char* what;
    std::vector<long long> before;
    int slot;
    long long newCode;
    std::vector<long long> after;
    int count;
    int shownNext;
};

TEST_F(PluOrderTest, SaveSortsTheTableAndChoosesTheNextNumber)
{
    const SaveCase cases[] = {
        {"smaller code moves up", {10, 20, 30}, 3, 15, {10, 15, 20, 0}, 3, 4},
        {"greater code moves down", {10, 20, 30}, 1, 25, {20, 25, 30, 0}, 3, 1},
        {"new PLU between two", {100, 900}, 3, 500, {100, 500, 900, 0}, 3, 4},
        {"erase in the middle closes the gap", {10, 20, 30, 40}, 2, 0, {10, 30, 40, 0, 0}, 3, 3},
        {"codes compare as numbers, not text", {9, 50}, 1, 10, {10, 50, 0}, 2, 1},
        {"equal code stays after its twin", {10, 20, 30}, 3, 20, {10, 20, 20, 0}, 3, 4},
        {"thirteen digits", {5, 9999999999998}, 1, 9999999999999, {9999999999998, 9999999999999, 0}, 2, 1},
    };
    for (const SaveCase& k : cases) {
        SCOPED_TRACE(k.what);
        fill(k.before);
        const PluRecord original = table.slot(k.slot);
        const std::uint64_t loaded = plu_code_value(original);
        PluRecord edited = original;
        edited.set_code(c, k.newCode);
        table.slot(k.slot) = edited;
        Ordina_Plu(table, 2000);
        EXPECT_EQ(codes(int(k.after.size())), k.after);
        EXPECT_EQ(table.PluCount, k.count);
        EXPECT_EQ(next_plu_number(k.slot, loaded, std::uint64_t(k.newCode), 2000), k.shownNext);
        // every other record moved whole, price 2 and flags included
        for (int n = 1; n <= table.PluCount; ++n) {
            const long long code = std::stoll(table.slot(n).code(c));
            if (code == k.newCode)
                continue;
            EXPECT_EQ(table.slot(n).bytes, tagged(code).bytes) << n;
        }
    }
}

TEST_F(PluOrderTest, TheLastSlotStaysSelected)
{
    EXPECT_EQ(next_plu_number(2000, 0, 5, 2000), 2000);
    EXPECT_EQ(next_plu_number(1500, 40, 10, 1500), 1500);
    EXPECT_EQ(next_plu_number(1499, 40, 10, 1500), 1500);
}

TEST_F(PluOrderTest, SortStaysWithinTheCapacity)
{
    std::vector<long long> reversed;
    for (int i = 2000; i >= 1; --i)
        reversed.push_back(i);
    fill(reversed);
    Ordina_Plu(table, 1500);
    // slots 1..1500 held 2000 down to 501
    EXPECT_EQ(std::stoll(table.slot(1).code(c)), 501);
    EXPECT_EQ(std::stoll(table.slot(1500).code(c)), 2000);
    EXPECT_EQ(std::stoll(table.slot(1501).code(c)), 500);
    EXPECT_EQ(table.slot(2000).bytes, tagged(1).bytes);
    EXPECT_EQ(table.PluCount, 1500);

    Ordina_Plu(table, 2000);
    for (int n = 1; n <= 2000; ++n)
        ASSERT_EQ(table.slot(n).bytes, tagged(n).bytes) << n;
    EXPECT_EQ(table.PluCount, 2000);
}

// The register's exchange rule, pass by pass, as the reference for the sort.
void exchange_sort(std::vector<std::uint64_t>& c, std::vector<PluRecord>& records, int i)
{
    const int last = int(c.size()) - 2;
    int start = i > 0 ? i - 1 : 0;
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        const int from = start;
        for (int k = from; k <= last; ++k) {
            const std::uint64_t a = c[std::size_t(k)], b = c[std::size_t(k) + 1];
            if ((a == 0 && b > 0) || (b != 0 && a > b)) {
                std::swap(c[std::size_t(k)], c[std::size_t(k) + 1]);
                std::swap(records[std::size_t(k)], records[std::size_t(k) + 1]);
                if (!exchanged)
                    start = k > 0 ? k - 1 : 0;
                exchanged = true;
            }
        }
    }
}

TEST_F(PluOrderTest, StableSortGivesWhatTheExchangeRuleGivesAfterOneEdit)
{
    std::mt19937 random(7);
    const int capacity = 40;
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(trial);
        // A sorted table with repeated codes, then one slot changed.
        const int count = int(random() % (capacity + 1));
        std::vector<long long> sorted;
        for (int n = 0; n < count; ++n)
            sorted.push_back(1 + static_cast<long long>(random() % 15));
        std::sort(sorted.begin(), sorted.end());
        table.clear();
        for (int n = 0; n < count; ++n) {
            table.slot(n + 1) = tagged(sorted[std::size_t(n)]);
            table.slot(n + 1).set_name(c, "SLOT " + std::to_string(n + 1));  // tells twins apart
        }
        const int edited = 1 + int(random() % capacity);
        table.slot(edited).set_code(c, static_cast<long long>(random() % 17));

        std::vector<std::uint64_t> keys;
        std::vector<PluRecord> records;
        for (int n = 1; n <= capacity; ++n) {
            keys.push_back(plu_code_value(table.slot(n)));
            records.push_back(table.slot(n));
        }
        exchange_sort(keys, records, edited - 1);

        Ordina_Plu(table, capacity);
        for (int n = 1; n <= capacity; ++n)
            ASSERT_EQ(table.slot(n).bytes, records[std::size_t(n - 1)].bytes) << n;
        const auto firstFree = std::find(keys.begin(), keys.end(), 0u);
        EXPECT_EQ(table.PluCount, int(firstFree - keys.begin()));
    }
}

}  // namespace
}  // namespace tw
