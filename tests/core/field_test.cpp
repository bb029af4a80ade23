// Fields described as data: every kind of place decodes from bytes and
// encodes into them, touching nothing else.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editors/common/choice_sets.h"
#include "editors/common/field.h"
#include "editors/common/indexed_name.h"
#include "support/test_session.h"

namespace tw {
namespace {

struct NumberCase {
    const char* what;
    Place place;
    std::array<std::uint8_t, 4> before;
    long long value;
    std::array<std::uint8_t, 4> after;
    long long readBack;
};

class FieldNumbers : public testing::TestWithParam<NumberCase> {
protected:
    test::TestSession t;
};

TEST_P(FieldNumbers, WriteChangesOnlyThePlaceAndReadsBack)
{
    const NumberCase& c = GetParam();
    std::array<std::uint8_t, 4> bytes = c.before;
    write_number(bytes, c.place, c.value, t.session.codecs);
    EXPECT_EQ(bytes, c.after);
    EXPECT_EQ(read_number(bytes, c.place, t.session.codecs), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Places, FieldNumbers,
    testing::Values(
        NumberCase{"bit_set", bit_at(1, 3), {0xFF, 0x00, 0xFF, 0xFF}, 1, {0xFF, 0x08, 0xFF, 0xFF}, 1},
        NumberCase{"bit_cleared_others_kept", bit_at(1, 3), {0, 0xFF, 0, 0}, 0, {0, 0xF7, 0, 0}, 0},
        NumberCase{"any_number_sets_a_bit", bit_at(0, 7), {0, 0, 0, 0}, 5, {0x80, 0, 0, 0}, 1},
        NumberCase{"bit_range", bits_at(2, 4, 4), {0, 0, 0x0B, 0}, 9, {0, 0, 0x9B, 0}, 9},
        NumberCase{"bit_range_cut_to_its_width", bits_at(2, 0, 2), {0, 0, 0xF0, 0}, 7, {0, 0, 0xF3, 0}, 3},
        NumberCase{"whole_byte", byte_at(3), {1, 2, 3, 4}, 200, {1, 2, 3, 200}, 200},
        NumberCase{"bcd_byte", bcd_byte_at(0), {0xFF, 0, 0, 0}, 42, {0x42, 0, 0, 0}, 42},
        NumberCase{"hex_digits_byte", hex_digits_byte_at(2), {9, 9, 0x1A, 9}, 45, {9, 9, 0x45, 9}, 45},
        NumberCase{"bcd_low_pair_first", bcd_at(1, 2), {9, 9, 9, 9}, 1234, {9, 0x34, 0x12, 9}, 1234},
        NumberCase{"bcd_zero", bcd_at(0, 4), {1, 2, 3, 4}, 0, {0, 0, 0, 0}, 0}),
    [](const testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.what); });

TEST(FieldBcd, LenientDigitsReadEachByteByItsLeadingDigits)
{
    test::TestSession t;
    const std::array<std::uint8_t, 2> bytes{0x4A, 0x12};
    // The low pair 0x4A counts 4, the high pair 0x12 counts 12.
    EXPECT_EQ(read_digits(bytes, {Storage::BcdLenient, 0, 0, 2}, t.session.codecs), "1204");
    EXPECT_EQ(read_number(bytes, bcd_at(0, 2), t.session.codecs), 0) << "a bad nibble reads 0";
    // A 16-digit total reads whole as digits.
    std::array<std::uint8_t, 8> gt{};
    t.session.codecs.number_to_bcds(gt.data(), 8, 9876543210123456LL);
    EXPECT_EQ(read_digits(gt, bcd_at(0, 8), t.session.codecs), "9876543210123456");
}

// A department byte: two BCD digits; a letter digit (a damaged file) is no
// department, and the grid shows the byte as written.
TEST(FieldHexDigitsByte, ALetterDigitIsNoNumberAndReadsAsWritten)
{
    test::TestSession t;
    const std::array<std::uint8_t, 5> bytes{0x12, 0x1A, 0xA0, 0x00, 0x99};
    const struct {
        long long number;
        const char* digits;
    } expected[] = {{12, "12"}, {-1, "1A"}, {-1, "A0"}, {0, "0"}, {99, "99"}};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ(read_number(bytes, hex_digits_byte_at(i), t.session.codecs), expected[i].number) << i;
        EXPECT_EQ(read_digits(bytes, hex_digits_byte_at(i), t.session.codecs), expected[i].digits) << i;
    }
    EXPECT_TRUE(t.log().empty()) << "a damaged byte is shown, not logged once per read";
    read_number(bytes, bcd_byte_at(1), t.session.codecs);
    EXPECT_EQ(t.log().size(), 1u) << "where a plain BCD byte logs it";
}

TEST(FieldText, RegisterTextTranslatesAndPlainTextDoesNot)
{
    test::TestSession t;
    std::array<std::uint8_t, 8> bytes{};
    bytes.fill('#');
    write_text(bytes, register_text_at(1, 5), "CAF\xE9", t.session.codecs);
    EXPECT_EQ(bytes[0], '#');
    EXPECT_EQ(bytes[7], '#');
    EXPECT_EQ(bytes[5], ' ') << "padded to the width";
    EXPECT_NE(bytes[4], 0xE9) << "the register's own code for the PC's e acute";
    EXPECT_EQ(read_text(bytes, register_text_at(1, 5), t.session.codecs), "CAF\xE9 ");

    const std::uint8_t next = bytes[4];
    write_text(bytes, plain_text_at(1, 3), "\xE9t\xE9 d'ete", t.session.codecs);
    EXPECT_EQ(bytes[1], 0xE9) << "stored as the PC's 8-bit text";
    EXPECT_EQ(bytes[3], 0xE9);
    EXPECT_EQ(bytes[4], next) << "cut at the width, the rest untouched";
}

TEST(FieldPlaces, APlaceOutsideItsBytesIsRefused)
{
    test::TestSession t;
    std::array<std::uint8_t, 4> bytes{};
    EXPECT_THROW(read_number(bytes, bcd_at(3, 2), t.session.codecs), std::out_of_range);
    EXPECT_THROW(write_text(bytes, register_text_at(0, 5), "A", t.session.codecs), std::out_of_range);
    EXPECT_THROW(write_number(bytes, byte_at(4), 1, t.session.codecs), std::out_of_range);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{}));
}

TEST(ChoiceSets, LabelsFollowTheCaptionsAndTheirStyle)
{
    test::TestSession t;
    CaptionTexts& c = t.session.language.captions;
    c.set("FRM_ALL_YES", "JA");
    c.set("FRM_ALL_DISCOUNT", " RABATT");
    EXPECT_EQ(choice_labels(c, kNoYes), (std::vector<std::string>{"0. NO", "1. JA"}));
    EXPECT_EQ(choice_labels(c, kAddOnDiscount), (std::vector<std::string>{"0. ADD ON", "1. RABATT"}));
    const auto hdlo = choice_labels(c, kHdlo);
    EXPECT_EQ(label_after_space(hdlo, kHdlo, 4), "(0 - 999.99)");
    EXPECT_EQ(whole_label(hdlo, kHdlo, 0), "0. NO LIMIT");
    EXPECT_EQ(whole_label(hdlo, kHdlo, 9), "") << "a value without a choice";
}

TEST(ChoiceSets, BareNumbersAreTheirOwnTexts)
{
    test::TestSession t;
    const ChoiceSet departments = numbers_up_to(99);
    const auto labels = choice_labels(t.session.language.captions, departments);
    ASSERT_EQ(labels.size(), 100u);
    EXPECT_EQ(labels.front(), "0");
    EXPECT_EQ(labels[42], "42");
    EXPECT_EQ(labels.back(), "99");
    EXPECT_TRUE(is_bare_numbers(departments));
    EXPECT_TRUE(is_bare_numbers(numbers_up_to(3)));
    EXPECT_FALSE(is_bare_numbers(kTax));
    constexpr Choice kFixed[] = {{0, nullptr, "NONE"}};
    EXPECT_FALSE(is_bare_numbers(ChoiceSet{kFixed})) << "a fixed text is no bare number";
}

TEST(NonZeroBytePlace, ReadsAnyValueButZeroAsOneAndWritesTheNumber)
{
    test::TestSession t;
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
}  // namespace tw
