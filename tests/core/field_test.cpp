// Field places and names described as data.
#include <gtest/gtest.h>

#include "editors/common/field.h"
#include "editors/common/indexed_name.h"
#include "support/test_session.h"

namespace tw::test {
namespace {

TEST(NonZeroBytePlace, ReadsAnyValueButZeroAsOneAndWritesTheNumber)
{
    TestSession t;
    std::uint8_t bytes[] = {0x00, 0x01, 0x02, 0xFF, 0x7E};
    const struct {
        std::size_t offset;
        long long read;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(read_number(bytes, nonzero_byte_at(c.offset), t.session.codecs), c.read) << c.offset;
    write_number(bytes, nonzero_byte_at(3), 1, t.session.codecs);
    write_number(bytes, nonzero_byte_at(4), 0, t.session.codecs);
    EXPECT_EQ(bytes[3], 0x01) << "the whole byte is replaced";
    EXPECT_EQ(bytes[4], 0x00);
    EXPECT_EQ(bytes[2], 0x02);
}

TEST(IndexedNames, NumberEachElementFromTheFirstIndex)
{
    constexpr auto names = indexed_names<12>("E_Name");
    EXPECT_STREQ(names[0].c_str(), "E_Name0");
    EXPECT_STREQ(names[11].c_str(), "E_Name11");
    constexpr auto titles = indexed_names<3>("Foreign Currency ", 9, " Setting");
    EXPECT_STREQ(titles[0].c_str(), "Foreign Currency 9 Setting");
    EXPECT_STREQ(titles[2].c_str(), "Foreign Currency 11 Setting");
}

}  // namespace
}  // namespace tw::test
