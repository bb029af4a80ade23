// The preview cells of printed lines and the reading of DescCaption.ini.
#include <gtest/gtest.h>

#include "messages/message_texts.h"
#include "support/test_session.h"

namespace tw {
namespace {

TEST(PreviewCells, MarkersShowEmptyTheNextCellBoldAndUnprintableCodesRed)
{
    const auto cells = preview_cells("\xB7" "A\xD7" "B\xB7", 6);
    ASSERT_EQ(cells.size(), 6u);
    const char expected[] = {' ', 'A', '\xD7', 'B', ' ', ' '};
    const bool bold[] = {false, true, false, false, false, false};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].character, expected[i]) << i;
        EXPECT_EQ(cells[i].bold, bold[i]) << i;
        EXPECT_EQ(cells[i].red, i == 2) << i;
    }
    EXPECT_EQ(preview_cells("ABCDEFGHIJKL", 10).size(), 10u) << "a longer text is cut";
}

struct DescriptionCase {
    int lines;
    std::size_t definitions;
    std::size_t labels;
    bool tooMany;
};

class CaptionDescriptionFile : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(CaptionDescriptionFile, FillsDefinitionsThenOtherLabelsAndStopsAtLine93)
{
    const DescriptionCase& c = GetParam();
    test::TestSession t;
    std::string content;
    for (int n = 1; n <= c.lines; ++n)
        content += "D" + std::to_string(n) + (n == 75 ? "\xF0" : "") + "\r\n";
    const CaptionDescriptions d = read_caption_descriptions(content, t.session.codecs, t.session.log);
    EXPECT_EQ(d.definitions.size(), c.definitions);
    EXPECT_EQ(d.otherLabels.size(), c.labels);
    if (c.labels > 0) {
        EXPECT_EQ(d.otherLabels[0], "D75\xE9") << "labels read through the register's character set";
    }
    if (c.definitions > 0) {
        EXPECT_EQ(d.definitions.back(), "D" + std::to_string(c.definitions));
    }
    EXPECT_EQ(t.log(), c.tooMany ? std::vector<std::string>{"Number of caption description to High"}
                                 : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Lengths, CaptionDescriptionFile,
                         ::testing::Values(DescriptionCase{50, 50, 0, false}, DescriptionCase{80, 74, 6, false},
                                           DescriptionCase{92, 74, 18, false}, DescriptionCase{100, 74, 18, true}));

TEST(CaptionDescriptionFile, AMissingFileGivesNothing)
{
    test::TestSession t;
    EXPECT_FALSE(load_caption_descriptions(t.session.dirs.SetupDir, t.session.codecs, t.session.log).has_value());
}

}  // namespace
}  // namespace tw
