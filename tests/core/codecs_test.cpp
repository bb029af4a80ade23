#include <gtest/gtest.h>

#include <vector>

#include "support/test_session.h"

namespace tw {
namespace {

using Bytes = std::vector<std::uint8_t>;

class CodecsTest : public ::testing::Test {
protected:
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    std::vector<std::string> log() const { return t.log(); }
};

struct ToBcds {
    int n;
    long long value;
    Bytes expected;
    bool logs;
};

TEST_F(CodecsTest, NumberToBcdsPacksLowPairFirstWithAtLeastNDigits)
{
    const ToBcds cases[] = {
        {4, 2200, {0x00, 0x22, 0x00, 0x00}, false},
        {2, 123456, {0x56, 0x34}, true},  // high digits dropped, low ones kept
        {3, 7, {0x07, 0x00, 0x00}, false},
        {4, 1234567, {0x67, 0x45, 0x23, 0x01}, false},
        {1, 99, {0x99}, false},
        {1, 100, {0x00}, true},
        {8, 987654321, {0x21, 0x43, 0x65, 0x87, 0x09, 0, 0, 0}, false},
        {2, -5, {0x05, 0x00}, false},     // the minus sign packs as a 0 digit
        {2, -123, {0x23, 0x01}, false},
        {4, 0, {0, 0, 0, 0}, false},
    };
    for (const ToBcds& k : cases) {
        SCOPED_TRACE(std::to_string(k.n) + " / " + std::to_string(k.value));
        Bytes out(size_t(k.n), 0xEE);
        const size_t before = log().size();
        c.number_to_bcds(out.data(), k.n, k.value);
        EXPECT_EQ(out, k.expected);
        const auto lines = log();
        ASSERT_EQ(lines.size() - before, k.logs ? 1u : 0u);
        if (k.logs) {
            EXPECT_EQ(lines.back(), "number_to_bcds : Subscript out of range");
        }
    }
}

TEST_F(CodecsTest, FractionalValuesRoundHalvesAwayFromZero)
{
    struct Case {
        double value;
        Bytes expected;
    } cases[] = {
        {1.15 * 100, {0x15, 0x01}},  // 114.99999999999999 in binary
        {2.5, {0x03, 0x00}},
        {2.4999, {0x02, 0x00}},
        {-2.5, {0x03, 0x00}},        // -3, its sign packing as 0
        {9999.5, {0x00, 0x00}},      // 10000 does not fit in two bytes
        {0.29 * 100, {0x29, 0x00}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.value);
        Bytes out(2, 0xEE);
        c.number_to_bcds(out.data(), 2, k.value);
        EXPECT_EQ(out, k.expected);
    }
}

TEST_F(CodecsTest, BcdsToNumberReadsDigitPairsAndRefusesBadNibbles)
{
    struct Case {
        Bytes bytes;
        std::string strict;  // bcds_to_number
        std::string loose;   // bcds_to_number_str
        bool bad;            // a nibble of 10..15
    } cases[] = {
        {{0x00, 0x22, 0x00, 0x00}, "2200", "2200", false},
        {{0x21, 0x43, 0x65, 0x87, 0x09, 0, 0, 0}, "987654321", "987654321", false},
        {{0x00, 0x00}, "0", "0", false},
        {{0x4A}, "0", "4", true},
        {{0xA5}, "0", "0", true},
        {{0x45}, "45", "45", false},
        {{0x4A, 0x01}, "0", "104", true},
        {{0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99}, "9999999999999999", "9999999999999999", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.strict + " / " + k.loose);
        const size_t before = log().size();
        EXPECT_EQ(c.bcds_to_number(k.bytes.data(), int(k.bytes.size())), k.strict);
        EXPECT_EQ(c.bcds_to_number_str(k.bytes.data(), int(k.bytes.size())), k.loose);
        EXPECT_EQ(log().size() - before, k.bad ? 1u : 0u);
    }
    EXPECT_EQ(c.bcds_to_number(nullptr, 0), "0");
    EXPECT_EQ(log().back(), "bcds_to_number Subscript out of range");
    Bytes bad{0x4A};
    c.bcds_to_number(bad.data(), 1);
    EXPECT_EQ(log().back(), "bcds_to_number Type mismatch");
}

TEST_F(CodecsTest, SingleByteCodecs)
{
    EXPECT_EQ(Codecs::bcd_to_number(0x4A), 4);
    EXPECT_EQ(Codecs::bcd_to_number(0x99), 99);
    EXPECT_EQ(Codecs::bcd_to_number(0xF0), 0);
    struct Case {
        long long value;
        std::uint8_t expected;
    } cases[] = {{0, 0x00}, {7, 0x07}, {12, 0x12}, {99, 0x99}, {123, 0x12}};
    for (const Case& k : cases) {
        std::uint8_t b = 0xEE;
        c.number_to_bcd(b, k.value);
        EXPECT_EQ(b, k.expected) << k.value;
    }
}

TEST_F(CodecsTest, ChoiceTextsAndKeys)
{
    EXPECT_EQ(c.ottieni_numero("1. DISABLE", "."), 1);
    EXPECT_EQ(c.ottieni_numero("  12. TWELVE", "."), 12);
    EXPECT_EQ(c.ottieni_numero("255. MAX", "."), 255);
    EXPECT_EQ(c.ottieni_numero("ENABLE", "."), 0);
    EXPECT_EQ(c.ottieni_numero("A. LETTER", "."), 0);
    EXPECT_EQ(c.ottieni_numero("3x4", "X"), 3);  // separators compare without case
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(c.ottieni_numero("300. TOO BIG", "."), 0);
    EXPECT_EQ(log(), std::vector<std::string>{"ottieni_numero : Overflow"});

    EXPECT_EQ(Codecs::text_after_space("0. ENABLE"), "ENABLE");
    EXPECT_EQ(Codecs::text_after_space("ENABLE"), "ENABLE");

    EXPECT_EQ(Codecs::solo_numeri('5'), 53);
    EXPECT_EQ(Codecs::solo_numeri(8), 8);
    for (int key : {int('a'), int('.'), int('-'), int(' '), 13, int('/'), int(':')})
        EXPECT_EQ(Codecs::solo_numeri(key), 0) << key;
}

TEST_F(CodecsTest, Bits)
{
    std::uint8_t b = 0x00;
    c.byte_bit_change(b, 7, 1);
    EXPECT_EQ(b, 0x80);
    EXPECT_TRUE(c.byte_bit_tst(0x80, 7));
    EXPECT_FALSE(c.byte_bit_tst(0x80, 0));
    b = 0xFF;
    c.byte_bit_change(b, 0, 0);
    EXPECT_EQ(b, 0xFE);
    c.byte_bit_change(b, 3, 42);  // any non-zero flag sets
    EXPECT_EQ(b, 0xFE);
    EXPECT_TRUE(log().empty());
}

TEST_F(CodecsTest, RegisterCharacterSetExamples)
{
    auto pc = [](std::initializer_list<int> codes) {
        std::string s;
        for (int code : codes)
            s += char(code);
        return s;
    };
    EXPECT_EQ(c.sostituzione_to_ecr(pc({233})), pc({240}));   // é
    EXPECT_EQ(c.sostituzione_from_ecr(pc({240})), pc({233}));
    EXPECT_EQ(c.sostituzione_to_ecr(pc({230})), pc({233}));   // æ is stored as Æ
    EXPECT_EQ(c.sostituzione_from_ecr(pc({233})), pc({198}));
    EXPECT_EQ(c.sostituzione_to_ecr(pc({215})), pc({127}));   // × has no register code
    EXPECT_EQ(c.sostituzione_from_ecr(pc({127})), pc({215}));
    EXPECT_EQ(c.sostituzione_to_ecr("CAFE 12"), "CAFE 12");
}

// Every PC code goes through the register and back to a defined class.
TEST_F(CodecsTest, EveryPcCodeRoundTripsToItsClass)
{
    const CharTables& tab = c.tables();
    int exact = 0, folded = 0, lost = 0;
    for (int code = 0; code < 256; ++code) {
        const int reg = tab.ToRegisterTable[size_t(code)];
        const int back = tab.FromRegisterTable[size_t(reg)];
        if (code < 127) {
            EXPECT_EQ(back, code);
        } else if (reg == 127) {
            EXPECT_EQ(back, 215) << code;  // reads back as ×
            ++lost;
        } else if (back == code) {
            ++exact;
        } else {
            ++folded;
        }
    }
    // 59 PC codes have a register code; of those, œ æ ç î ï ø fold to their
    // capitals and the soft hyphen and ´ to "-" and "'".
    EXPECT_EQ(exact + folded, 59);
    EXPECT_EQ(folded, 8);
    EXPECT_EQ(lost, 129 - 59);
    // Register codes of the from-table that have no PC equivalent read as ×.
    int mapped = 0;
    for (int reg = 127; reg < 256; ++reg)
        mapped += tab.FromRegisterTable[size_t(reg)] != 215;
    EXPECT_EQ(mapped, 51);
}

}  // namespace
}  // namespace tw
