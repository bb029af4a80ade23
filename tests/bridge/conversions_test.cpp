// The conversion exports, called through the library loaded by name.
#include <gtest/gtest.h>

#include <string>

#include "bridge/tillbridge.h"
#include "child_tools.h"

namespace tw {
namespace {

using namespace test;

TEST(BridgeConversions, FloatToBinStrGivesTheBytesFromTheMostSignificantDown)
{
    auto fn = bridge_export<util_float_to_bin_str_fn>("util_float_to_bin_str");
    ASSERT_NE(fn, nullptr) << kLibraryFile;
    struct Case {
        std::int32_t value;
        std::uint8_t b[4];
    };
    const Case cases[] = {
        {16909060, {1, 2, 3, 4}},
        {-1, {255, 255, 255, 255}},
        {std::int32_t(0x80000001u), {0x80, 0, 0, 1}},
        {0, {0, 0, 0, 0}},
    };
    for (const Case& k : cases) {
        std::uint8_t b1 = 7, b2 = 7, b3 = 7, b4 = 7;
        EXPECT_EQ(fn(k.value, &b1, &b2, &b3, &b4), 1);
        EXPECT_EQ((std::vector<int>{b1, b2, b3, b4}), (std::vector<int>{k.b[0], k.b[1], k.b[2], k.b[3]}))
            << k.value;
    }
}

TEST(BridgeConversions, StrhexReadsUpToEightCharactersLikeStrtoulBase16)
{
    auto toLong = bridge_export<util_strhex_to_long_fn>("util_strhex_to_long");
    auto toShort = bridge_export<util_strhex_to_short_fn>("util_strhex_to_short");
    ASSERT_NE(toLong, nullptr);
    ASSERT_NE(toShort, nullptr);
    struct Case {
        const char* text;
        std::uint8_t length;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"1A", 2, 26},
        {"1A", 1, 1},                     // only the first `length` characters
        {"1a", 5, 26},                    // a shorter text ends at its zero
        {"  0x1f", 6, 31},                // white space and 0x are skipped
        {"FFFFFFFF", 8, 0xFFFFFFFFu},
        {"12G4", 4, 0x12},                // stops at the first non-digit
        {"zz", 2, 0},                     // no digits
        {"", 0, 0},
        {"-1", 2, 0xFFFFFFFFu},           // strtoul negates
        {"123456789", 8, 0x12345678u},
    };
    for (const Case& k : cases) {
        std::uint32_t value = 0xDEAD;
        EXPECT_EQ(toLong(k.text, k.length, &value), 1) << k.text;
        EXPECT_EQ(value, k.value) << k.text << " / " << int(k.length);
        std::uint16_t low = 0xBEEF;
        EXPECT_EQ(toShort(k.text, k.length, &low), 1) << k.text;
        EXPECT_EQ(low, std::uint16_t(k.value)) << k.text;
    }

    std::uint32_t value = 0xDEAD;
    EXPECT_EQ(toLong("123456789", 9, &value), 0);
    EXPECT_EQ(value, 0xDEADu);
    std::uint16_t low = 0xBEEF;
    EXPECT_EQ(toShort("1A", 9, &low), 0);
    EXPECT_EQ(low, 0xBEEF);
}

}  // namespace
}  // namespace tw
