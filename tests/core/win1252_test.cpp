#include <gtest/gtest.h>

#include "image/win1252.h"

namespace tw {
namespace {

TEST(Win1252, ConvertsBothWays)
{
    struct Case {
        std::string utf8;
        std::string cp1252;
    } cases[] = {
        {"CAFE", "CAFE"},
        {"caf\xC3\xA9", "caf\xE9"},            // é
        {"\xE2\x82\xAC 5", "\x80 5"},           // €
        {"\xC5\x92\xC5\x93", "\x8C\x9C"},       // Œ œ
        {"\xC3\x97", "\xD7"},                   // ×
        {"\xE2\x80\x9Chi\xE2\x80\x9D", "\x93hi\x94"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(utf8_to_cp1252(k.utf8), k.cp1252) << k.utf8;
        EXPECT_EQ(cp1252_to_utf8(k.cp1252), k.utf8) << k.utf8;
    }
}

TEST(Win1252, CharactersOutsideBecomeQuestionMarks)
{
    EXPECT_EQ(utf8_to_cp1252("\xE2\x82\xB9"), "?");          // ₹
    EXPECT_EQ(utf8_to_cp1252("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji
    EXPECT_EQ(utf8_to_cp1252("\xE4\xB8\xAD"), "?");          // 中
    EXPECT_EQ(utf8_to_cp1252("x\xC3"), "x?");                 // cut sequence
}

TEST(Win1252, EveryByteSurvivesTheRoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        std::string one(1, char(b));
        EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(one)), one) << b;
    }
}

}  // namespace
}  // namespace tw
