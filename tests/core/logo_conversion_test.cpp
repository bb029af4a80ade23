// The logo conversion that tillpict runs and the logo screen previews: BMP
// reading, fitting into the register's 384 x 162 dots, GRAPHIC.BIN's layout
// and the result codes.
#include <gtest/gtest.h>

#include "image/graphic_file.h"
#include "image/logo_conversion.h"
#include "support/bmp_fixtures.h"

namespace tw::test {
namespace {

constexpr LogoParameters kDotForDot{0, 0, 1, 0, 50};

std::uint32_t code(PictResult r) { return std::uint32_t(r); }

// The logo made of a BMP file; fails the test when the conversion fails.
DotPicture logo_of(const std::vector<std::uint8_t>& bmp, const LogoParameters& p)
{
    const LogoConversion c = convert_logo(bmp, p);
    EXPECT_TRUE(is_pict_success(c.code)) << std::hex << c.code;
    EXPECT_EQ(c.graphic.size(), kGraphicFileSize);
    return decode_graphic(c.graphic);
}

// The black dots of a logo, as (x, y) pairs.
std::vector<std::pair<int, int>> black_dots(const DotPicture& logo)
{
    std::vector<std::pair<int, int>> found;
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < logo.width; ++x)
            if (logo.black(x, y))
                found.emplace_back(x, y);
    return found;
}

// An irregular picture whose every row and column differ, 13 dots wide so
// that each row ends in padding.
const DotPicture kIrregular = dots(13, 5, [](int x, int y) { return (x * 7 + y * 3) % 5 < 2 || x == y; });

// A picture placed dot for dot, centred in the logo.
DotPicture centred(const DotPicture& p)
{
    DotPicture logo(kLogoWidth, kLogoHeight);
    const int left = (kLogoWidth - p.width) / 2, top = (kLogoHeight - p.height) / 2;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            logo.set(left + x, top + y, p.black(x, y));
    return logo;
}

struct LayoutCase {
    const char* what;
    BmpLayoutOptions options;
};

class BmpLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(BmpLayouts, AreReadDotForDot)
{
    EXPECT_EQ(logo_of(bmp_file(kIrregular, GetParam().options), kDotForDot), centred(kIrregular));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpLayouts,
    testing::Values(LayoutCase{"bottom_up_white_first", {false, true, false, 1}},
                    LayoutCase{"bottom_up_black_first", {false, false, false, 1}},
                    LayoutCase{"top_down_white_first", {true, true, false, 1}},
                    LayoutCase{"top_down_black_first", {true, false, false, 1}},
                    LayoutCase{"core_header", {false, true, true, 1}},
                    LayoutCase{"core_header_black_first", {false, false, true, 1}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(GraphicFile, RowsFromTheTopLeftmostDotInTheHighBitOneMeansBlack)
{
    DotPicture logo(kLogoWidth, kLogoHeight);
    logo.set(0, 0, true);
    logo.set(9, 0, true);
    logo.set(kLogoWidth - 1, 1, true);
    logo.set(kLogoWidth - 1, kLogoHeight - 1, true);
    const Bytes file = encode_graphic(logo);
    ASSERT_EQ(file.size(), 7776u);
    EXPECT_EQ(file[0], 0x80);
    EXPECT_EQ(file[1], 0x40);
    EXPECT_EQ(file[48 + 47], 0x01);
    EXPECT_EQ(file[7775], 0x01);
    EXPECT_EQ(std::count_if(file.begin(), file.end(), [](std::uint8_t b) { return b != 0; }), 4);
    EXPECT_EQ(decode_graphic(file), logo);
    EXPECT_EQ(decode_graphic(Bytes(7775, 0)).width, 0) << "a file of another size is no logo";
}

struct FitCase {
    const char* what;
    DotPicture picture;
    LogoParameters parameters;
    std::vector<std::pair<int, int>> blackDots;
};

class Fitting : public testing::TestWithParam<FitCase> {};

TEST_P(Fitting, PlacesThePictureAsTheParametersSay)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(black_dots(logo_of(bmp_file(c.picture), c.parameters)), c.blackDots);
}

// 3 x 2 dots, black only at the top left.
const DotPicture kCorner = dots(3, 2, [](int x, int y) { return x == 0 && y == 0; });
// A picture wider than the logo with one black dot 8 in from each side.
const DotPicture kWide = dots(400, 2, [](int x, int y) { return y == 0 && (x == 8 || x == 391); });

INSTANTIATE_TEST_SUITE_P(
    Cases, Fitting,
    testing::Values(
        // Rotated 3 x 2 becomes 2 x 3, centred at (191, 79).
        FitCase{"not_rotated", kCorner, {0, 0, 1, 0, 50}, {{190, 80}}},
        FitCase{"quarter_turn_clockwise", kCorner, {1, 0, 1, 0, 50}, {{192, 79}}},
        FitCase{"half_turn", kCorner, {2, 0, 1, 0, 50}, {{192, 81}}},
        FitCase{"three_quarter_turns", kCorner, {3, 0, 1, 0, 50}, {{191, 81}}},
        // Dot for dot, a wider picture loses 8 dots at the left, 8 at the right.
        FitCase{"dot_for_dot_cuts_a_larger_picture", kWide, {0, 0, 1, 0, 50}, {{0, 80}, {383, 80}}},
        // Left black, right white, scaled up to 324 x 162 from x = 30.
        FitCase{"scaled_up_to_fit", dots(2, 1, [](int x, int) { return x == 0; }), {0, 2, 1, 0, 50},
                [] {
                    std::vector<std::pair<int, int>> d;
                    for (int y = 0; y < 162; ++y)
                        for (int x = 30; x < 192; ++x)
                            d.emplace_back(x, y);
                    return d;
                }()},
        FitCase{"shrink_leaves_a_smaller_picture_dot_for_dot", kCorner, {0, 1, 1, 0, 50}, {{190, 80}}}),
    [](const auto& info) { return std::string(info.param.what); });

// A line one dot thin in a picture twice the logo's size: shrunk, each logo
// dot covers it by half.
struct ThinLineCase {
    const char* what;
    int continuedLines;
    int continuedLineRatio;
    int wholeAreaRatio;
    bool lineKept;
};

class ThinLines : public testing::TestWithParam<ThinLineCase> {};

TEST_P(ThinLines, StayWholeOrGoByTheRatios)
{
    const ThinLineCase& c = GetParam();
    const DotPicture picture = dots(768, 324, [](int x, int) { return x == 100; });
    const DotPicture logo =
        logo_of(bmp_file(picture), {0, 1, c.continuedLines, c.continuedLineRatio, c.wholeAreaRatio});
    int black = 0;
    for (int y = 0; y < kLogoHeight; ++y)
        black += logo.black(50, y);
    EXPECT_EQ(black, c.lineKept ? kLogoHeight : 0);
    EXPECT_EQ(int(black_dots(logo).size()), black) << "nothing but the line";
}

INSTANTIATE_TEST_SUITE_P(Cases, ThinLines,
                         testing::Values(ThinLineCase{"bridge_parameters_keep_it", 1, 0, 50, true},
                                         ThinLineCase{"continued_ratio_49_keeps_it", 1, 49, 0, true},
                                         ThinLineCase{"continued_ratio_50_drops_it", 1, 50, 0, false},
                                         ThinLineCase{"whole_area_50_drops_it", 0, 0, 50, false},
                                         ThinLineCase{"whole_area_49_keeps_it", 0, 100, 49, true}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(LogoConversion, SuccessCodeGivesCoveredAndBlackShareInPercent)
{
    struct Case {
        DotPicture picture;
        LogoParameters parameters;
        std::uint32_t code;
    };
    const Case cases[] = {
        // Shrunk to fill the logo, all black.
        {dots(768, 324, [](int, int) { return true; }), kBridgeLogoParameters, 0x01006464},
        {dots(384, 162, [](int, int y) { return y < 81; }), kBridgeLogoParameters, 0x01006432},
        // Scaled up to fill it, all white.
        {dots(192, 81, [](int, int) { return false; }), kBridgeLogoParameters, 0x01006400},
        // Scaled up to 162 x 162 dots: 42 % of the logo, half of that black.
        {dots(2, 2, [](int, int y) { return y == 0; }), kBridgeLogoParameters, 0x01002A15},
        // Dot for dot, 10 x 6 dots round to 0 %.
        {dots(10, 6, [](int, int) { return true; }), kDotForDot, 0x01000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(convert_logo(bmp_file(c.picture), c.parameters).code, c.code)
            << c.picture.width << " x " << c.picture.height;
}

struct RefusedCase {
    const char* what;
    std::vector<std::uint8_t> file;
    LogoParameters parameters;
    PictResult result;
};

std::vector<std::uint8_t> changed(std::vector<std::uint8_t> b, std::size_t at, std::uint32_t value, int bytes = 4)
{
    if (bytes == 2)
        put16(b, at, value);
    else
        put32(b, at, value);
    return b;
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> b, std::size_t size)
{
    b.resize(size);
    return b;
}

const std::vector<std::uint8_t> kGood = bmp_file(kIrregular);
const DotPicture kBlank2048 = DotPicture(2048, 2);

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, WithItsCodeAndNoFile)
{
    const LogoConversion c = convert_logo(GetParam().file, GetParam().parameters);
    EXPECT_EQ(c.code, code(GetParam().result)) << std::hex << c.code;
    EXPECT_TRUE(c.graphic.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refused,
    testing::Values(
        RefusedCase{"empty_file", {}, kBridgeLogoParameters, PictResult::UnknownType},
        RefusedCase{"png_signature", {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, kBridgeLogoParameters,
                    PictResult::UnknownType},
        RefusedCase{"headers_cut_short", cut(kGood, 30), kBridgeLogoParameters, PictResult::NotProperBmp},
        RefusedCase{"rows_cut_short", cut(kGood, kGood.size() - 1), kBridgeLogoParameters,
                    PictResult::NotProperBmp},
        RefusedCase{"compressed", changed(kGood, 30, 1), kBridgeLogoParameters, PictResult::NotProperBmp},
        RefusedCase{"two_planes", changed(kGood, 26, 2, 2), kBridgeLogoParameters, PictResult::NotProperBmp},
        RefusedCase{"no_width", changed(kGood, 18, 0), kBridgeLogoParameters, PictResult::NotProperBmp},
        RefusedCase{"unknown_header_size", changed(kGood, 14, 20), kBridgeLogoParameters,
                    PictResult::NotProperBmp},
        RefusedCase{"pixel_data_before_the_palette", changed(kGood, 10, 20), kBridgeLogoParameters,
                    PictResult::NotProperBmp},
        RefusedCase{"colour_24_bits", bmp_file(kIrregular, {false, true, false, 24}), kBridgeLogoParameters,
                    PictResult::NotBlackAndWhite},
        RefusedCase{"colour_8_bits", changed(kGood, 28, 8, 2), kBridgeLogoParameters,
                    PictResult::NotBlackAndWhite},
        RefusedCase{"line_of_2049_dots", bmp_file(DotPicture(2049, 1)), kBridgeLogoParameters,
                    PictResult::LineTooLong},
        RefusedCase{"column_of_2049_dots_turned", bmp_file(DotPicture(1, 2049)), {1, 2, 1, 0, 50},
                    PictResult::LineTooLong}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(LogoConversion, ALineOf2048DotsIsTaken)
{
    EXPECT_TRUE(is_pict_success(convert_logo(bmp_file(kBlank2048), kBridgeLogoParameters).code));
    EXPECT_TRUE(is_pict_success(convert_logo(bmp_file(DotPicture(1, 2049)), kBridgeLogoParameters).code))
        << "a tall picture is fine unless turned";
}

TEST(LogoConversion, SuccessRangeIsInclusive)
{
    EXPECT_FALSE(is_pict_success(0x00FFFFFF));
    EXPECT_TRUE(is_pict_success(0x01000000));
    EXPECT_TRUE(is_pict_success(0x01006464));
    EXPECT_FALSE(is_pict_success(0x01006465));
    EXPECT_FALSE(is_pict_success(9999));
}

}  // namespace
}  // namespace tw::test
