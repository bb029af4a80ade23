#include <gtest/gtest.h>

#include "editors/sales/department_record.h"
#include "support/test_session.h"

namespace tw {
namespace {

class DepartmentRecordTest : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    const Codecs& c = s.codecs;

    std::uint8_t at(int n, std::size_t field) const { return s.image.byte(dept::offset_of(n) + field); }
};

TEST_F(DepartmentRecordTest, ElementsFollowEachOtherFromOffset299)
{
    EXPECT_EQ(dept::offset_of(1), 299u);
    EXPECT_EQ(dept::offset_of(2), 321u);
    EXPECT_EQ(dept::offset_of(99) + prg::kDepartmentSize, prg::DepartmentTable.end());
    EXPECT_THROW(dept::offset_of(0), std::out_of_range);
    EXPECT_THROW(dept::offset_of(100), std::out_of_range);
}

TEST_F(DepartmentRecordTest, LoadReadsEveryField)
{
    const std::size_t d = dept::offset_of(12);
    s.image.set_text(c, d, 12, "CAF\xC9 BAR");
    s.image.set_byte(d + 12, 0b0100'1011);  // HDLO 4, bit 3, single, negative
    s.image.set_byte(d + 13, 0b1111'1110);  // price type 2, other bits set
    s.image.set_byte(d + 15, 7);
    s.image.set_byte(d + 16, 3);
    s.image.set_byte(d + 17, 9);            // no matching choice; kept as stored
    for (std::size_t i = 0; i < 4; ++i)
        s.image.set_byte(d + 18 + i, std::array<std::uint8_t, 4>{0x00, 0x50, 0x12, 0x00}[i]);

    const DepartmentFields f = load_department(s.image, c, 12);
    EXPECT_EQ(f.name, "CAF\xC9 BAR    ");
    EXPECT_EQ(f.status1, 1);
    EXPECT_EQ(f.status2, 1);
    EXPECT_EQ(f.hdlo, 4);
    EXPECT_EQ(f.priceType, 2);
    EXPECT_EQ(f.group, 7);
    EXPECT_EQ(f.tax, 3);
    EXPECT_EQ(f.takeOutTax, 9);
    EXPECT_EQ(f.price, 125000);
}

TEST_F(DepartmentRecordTest, SaveSetsBitsInOrderAndKeepsTheUnusedOnes)
{
    struct Case {
        std::uint8_t statusBefore, priceTypeBefore;
        int status1, status2, hdlo, priceType;
        std::uint8_t statusAfter, priceTypeAfter;
    } cases[] = {
        // bit 3 is set whatever it was; bit 2 stays
        {0x00, 0x00, 0, 0, 0, 0, 0x08, 0x00},
        {0xFF, 0xFF, 0, 0, 0, 0, 0x0C, 0xFC},
        {0x04, 0xFC, 1, 1, 4, 1, 0x4F, 0xFD},
        {0xF0, 0x03, 1, 0, 3, 2, 0x39, 0x02},
        {0x30, 0x80, 0, 1, 1, 0, 0x1A, 0x80},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(int(k.statusBefore));
        const std::size_t d = dept::offset_of(5);
        s.image.set_byte(d + dept::kStatus, k.statusBefore);
        s.image.set_byte(d + dept::kPriceType, k.priceTypeBefore);
        DepartmentFields f = load_department(s.image, c, 5);
        f.status1 = k.status1;
        f.status2 = k.status2;
        f.hdlo = k.hdlo;
        f.priceType = k.priceType;
        store_department(s.image, c, 5, f);
        EXPECT_EQ(at(5, dept::kStatus), k.statusAfter);
        EXPECT_EQ(at(5, dept::kPriceType), k.priceTypeAfter);
    }
}

TEST_F(DepartmentRecordTest, SaveWritesOnlyItsOwnFieldsOfItsOwnDepartment)
{
    for (std::size_t i = prg::DepartmentTable.offset; i < prg::DepartmentTable.end(); ++i)
        s.image.set_byte(i, std::uint8_t(i * 13 + 5));
    const ProgrammingImage before = s.image;

    DepartmentFields f;
    f.name = "FRUIT AND VEGETABLES";  // cut to 12
    f.group = 10;
    f.tax = 2;
    f.takeOutTax = 4;
    f.price = 1250;
    store_department(s.image, c, 40, f);

    const std::size_t d = dept::offset_of(40);
    for (std::size_t i = 0; i < prg::kImageSize; ++i) {
        const bool owned = i >= d && i < d + prg::kDepartmentSize &&
                           i - d != dept::kUnused14;
        if (!owned) {
            ASSERT_EQ(s.image.byte(i), before.byte(i)) << i;
        }
    }
    EXPECT_EQ(s.image.text(c, d, 12), "FRUIT AND VE");
    EXPECT_EQ(at(40, dept::kGroup), 10);
    EXPECT_EQ(at(40, dept::kTax), 2);
    EXPECT_EQ(at(40, dept::kTakeOutTax), 4);
    EXPECT_EQ(s.image.bcd(c, d + dept::kPrice, 4), "1250");
    EXPECT_EQ((std::array<std::uint8_t, 4>{at(40, 18), at(40, 19), at(40, 20), at(40, 21)}),
              (std::array<std::uint8_t, 4>{0x50, 0x12, 0x00, 0x00}));

    f.name = "MILK";
    store_department(s.image, c, 40, f);
    EXPECT_EQ(load_department(s.image, c, 40).name, "MILK        ");  // padded, and shown with the spaces
}

TEST_F(DepartmentRecordTest, NextDepartmentStopsBefore99)
{
    const std::pair<int, int> cases[] = {{1, 2}, {50, 51}, {97, 98}, {98, 98}, {99, 99}};
    for (auto [n, next] : cases)
        EXPECT_EQ(next_department(n), next) << n;
}

}  // namespace
}  // namespace tw
