// tillpict as a real process: its command line, its files and every result
// code, started directly and through the bridge library.
#include <functional>

#include <gtest/gtest.h>

#include "image/graphic_file.h"
#include "image/logo_conversion.h"
#include "support/bmp_fixtures.h"
#include "tillxfer_rig.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

// A rig with a folder of pictures, Logos/, holding logo.bmp.
struct PictRig {
    PictRig()
    {
        fs::create_directory(logos());
        write_bytes(logos() / "logo.bmp", bmp_file(kPicture));
    }
    fs::path logos() const { return rig.path("Logos"); }
    std::string logos_dir() const { return logos().string() + "/"; }

    // tillpict's arguments after its path, with the bridge's parameters.
    std::vector<std::string> line(const std::string& name = "logo.bmp",
                                  std::vector<std::string> parameters = {"0", "2", "1", "0", "50"},
                                  const std::string& output = "GRAPHIC.BIN") const
    {
        std::vector<std::string> args{logos_dir(), name, output};
        args.insert(args.end(), parameters.begin(), parameters.end());
        return args;
    }

    static inline const DotPicture kPicture = dots(96, 40, [](int x, int y) { return (x / 8 + y / 8) % 2 == 0; });
    TillXferRig rig;
};

std::uint32_t code(PictResult r) { return std::uint32_t(r); }

TEST(TillPict, ConvertsABitmapIntoGraphicBinBesideIt)
{
    PictRig p;
    const std::uint32_t result = p.rig.run_code("tillpict", p.line());
    EXPECT_TRUE(is_pict_success(result)) << std::hex << result;
    const Bytes graphic = read_bytes(p.logos() / "GRAPHIC.BIN");
    ASSERT_EQ(graphic.size(), 7776u);
    const LogoConversion expected = convert_logo(bmp_file(PictRig::kPicture), kBridgeLogoParameters);
    EXPECT_EQ(result, expected.code);
    EXPECT_EQ(graphic, expected.graphic);
}

struct FailureCase {
    const char* what;
    std::function<std::vector<std::string>(const PictRig&)> arguments;
    PictResult result;
};

class TillPictFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(TillPictFailure, ReportsItsCodeAndWritesNoLogo)
{
    PictRig p;
    const FailureCase& c = GetParam();
    EXPECT_EQ(p.rig.run_code("tillpict", c.arguments(p)), code(c.result));
    EXPECT_FALSE(fs::is_regular_file(p.logos() / "GRAPHIC.BIN"));
}

// Writes `content` as Logos/<name> and returns the bridge's line for it.
std::function<std::vector<std::string>(const PictRig&)> picture(const std::string& name, const Bytes& content)
{
    return [=](const PictRig& p) {
        write_bytes(p.logos() / name, content);
        return p.line(name);
    };
}

std::function<std::vector<std::string>(const PictRig&)> parameters(std::vector<std::string> values)
{
    return [=](const PictRig& p) { return p.line("logo.bmp", values); };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TillPictFailure,
    testing::Values(
        FailureCase{"eight parameters", [](const PictRig& p) { auto a = p.line(); a.pop_back(); return a; },
                    PictResult::BadParameterCount},
        FailureCase{"ten parameters", [](const PictRig& p) { auto a = p.line(); a.push_back("0"); return a; },
                    PictResult::BadParameterCount},
        FailureCase{"rotation 4", parameters({"4", "2", "1", "0", "50"}), PictResult::BadRotation},
        FailureCase{"rotation not a number", parameters({"x", "2", "1", "0", "50"}), PictResult::BadRotation},
        FailureCase{"dot resolution check 3", parameters({"0", "3", "1", "0", "50"}),
                    PictResult::BadDotResolutionCheck},
        FailureCase{"continued lines 2", parameters({"0", "2", "2", "0", "50"}), PictResult::BadContinuedLines},
        FailureCase{"continued line ratio 101", parameters({"0", "2", "1", "101", "50"}),
                    PictResult::BadContinuedLineRatio},
        FailureCase{"whole area ratio 101", parameters({"0", "2", "1", "0", "101"}), PictResult::BadWholeAreaRatio},
        FailureCase{"whole area ratio negative", parameters({"0", "2", "1", "0", "-1"}),
                    PictResult::BadWholeAreaRatio},
        FailureCase{"first bad parameter counts", parameters({"0", "9", "9", "0", "50"}),
                    PictResult::BadDotResolutionCheck},
        FailureCase{"bitmap missing", [](const PictRig& p) { return p.line("none.bmp"); }, PictResult::FileNotOpened},
        FailureCase{"bitmap unreadable",
                    [](const PictRig& p) {
                        fs::create_directory(p.logos() / "folder.bmp");
                        return p.line("folder.bmp");
                    },
                    PictResult::FileNotRead},
        FailureCase{"output cannot be made",
                    [](const PictRig& p) { return p.line("logo.bmp", {"0", "2", "1", "0", "50"}, "Out/GRAPHIC.BIN"); },
                    PictResult::FileNotMade},
        FailureCase{"output cannot be written",
                    [](const PictRig& p) {
                        fs::create_directory(p.logos() / "GRAPHIC.BIN");
                        return p.line();
                    },
                    PictResult::FileNotWritten},
        FailureCase{"broken bitmap", picture("broken.bmp", {'B', 'M', 0, 0}), PictResult::NotProperBmp},
        FailureCase{"colour bitmap", picture("colour.bmp", bmp_file(PictRig::kPicture, {false, true, false, 24})),
                    PictResult::NotBlackAndWhite},
        FailureCase{"text file", picture("notes.bmp", {'h', 'e', 'l', 'l', 'o'}), PictResult::UnknownType},
        FailureCase{"line over 2048 dots", picture("wide.bmp", bmp_file(DotPicture(2049, 3))),
                    PictResult::LineTooLong}),
    case_name<FailureCase>);

TEST(TillPict, ResultReachesTheBridgeWhole)
{
    PictRig p;
    write_bytes(p.logos() / "colour.bmp", bmp_file(PictRig::kPicture, {false, true, false, 24}));
    // Directory and name from the command line, parameters fixed by the bridge.
    EXPECT_EQ(p.rig.bridge_logo(p.logos_dir(), "colour.bmp"), std::int32_t(PictResult::NotBlackAndWhite));
    EXPECT_EQ(p.rig.bridge_logo(p.logos_dir(), "none.bmp"), std::int32_t(PictResult::FileNotOpened));
    // An unquoted space splits the name into two arguments.
    EXPECT_EQ(p.rig.bridge_logo(p.logos_dir(), "my logo.bmp"), std::int32_t(PictResult::BadParameterCount));

    const auto converted = p.rig.bridge_logo(p.logos_dir(), "logo.bmp");
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(std::uint32_t(*converted), convert_logo(bmp_file(PictRig::kPicture), kBridgeLogoParameters).code);
    EXPECT_EQ(read_bytes(p.logos() / "GRAPHIC.BIN").size(), kGraphicFileSize);
}

}  // namespace
}  // namespace tw::test
