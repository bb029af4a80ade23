#include <gtest/gtest.h>

#include <set>

#include "transfer/result_codes.h"

namespace tw {
namespace {

TEST(ResultCodes, LookupsGiveTheTextOrNoDescription)
{
    EXPECT_STREQ(NumToDesc_TillXfer(9999), "Timeout Error");
    EXPECT_STREQ(NumToDesc_TillXfer(0), "No description");
    EXPECT_STREQ(NumToDesc_TillXfer(3), "No description");
    EXPECT_STREQ(NumToDesc_TillXfer(1), "It was discontinued while processing it.");
    EXPECT_STREQ(NumToDesc_TillXfer(0x1001), "The ECR side is in the state of BUSY.");
    EXPECT_STREQ(NumToDesc_TillXfer(0x10040000), "No description");  // a tillpict code
    EXPECT_STREQ(NumToDesc_TillPict(0x10040000), "The numbers of dots in the line is over 2048 dots.");
    EXPECT_STREQ(NumToDesc_TillPict(0x04030000), "Invalide the parameter of 'Dot resolution check'");
    EXPECT_STREQ(NumToDesc_TillPict(9999), "No description");
    EXPECT_STREQ(NumToDesc_TillPict(0x01000000), "No description");  // success
}

TEST(ResultCodes, EveryCodeIsDistinctAndInItsGroup)
{
    // tillxfer: 1 and 9999, the rest grouped by the second byte.
    std::set<std::int32_t> seen;
    for (const ResultEntry& e : TillXferResults) {
        EXPECT_TRUE(seen.insert(e.code).second) << e.code;
        const int group = (e.code >> 8) & 0xFF;
        EXPECT_TRUE(e.code == 1 || e.code == 9999 ||
                    ((group == 0x02 || group == 0x04 || group == 0x08 || group == 0x10) && e.code < 0x10000))
            << std::hex << e.code;
        EXPECT_STREQ(NumToDesc_TillXfer(e.code), e.text);
    }
    // tillpict: information in the top 16 bits, grouped by the top byte.
    seen.clear();
    for (const ResultEntry& e : TillPictResults) {
        EXPECT_TRUE(seen.insert(e.code).second) << e.code;
        const int group = (e.code >> 24) & 0xFF;
        EXPECT_EQ(e.code & 0xFFFF, 0) << std::hex << e.code;
        EXPECT_TRUE(group == 0x02 || group == 0x04 || group == 0x08 || group == 0x10) << std::hex << e.code;
        EXPECT_STREQ(NumToDesc_TillPict(e.code), e.text);
    }
}

TEST(ResultCodes, HexCodeIsUpperCaseWithoutLeadingZeros)
{
    const std::pair<std::int32_t, const char*> cases[] = {
        {9999, "270F"}, {0x1001, "1001"}, {0, "0"}, {10, "A"}, {0x10020000, "10020000"}, {-1, "FFFFFFFF"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(hex_code(code), text) << code;
}

}  // namespace
}  // namespace tw
