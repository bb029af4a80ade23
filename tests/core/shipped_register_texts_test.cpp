#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "image/default_files.h"
#include "image/programming_image.h"
#include "support/shipped_text.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

const fs::path kSetup = fs::path(TW_BUNDLE_DIR) / "Setup";

// A register language file fills these image members in this order, one
// line per entry.
struct Block {
    const char* what;
    prg::Member member;
    std::size_t width;
    std::size_t count() const { return member.size / width; }
};

constexpr Block kBlocks[] = {
    {"department group", prg::DeptGroupNames, 12}, {"header line", prg::HeaderLines, 24},
    {"footer line", prg::FooterLines, 24},          {"scroll message", prg::ScrollMessages, 42},
    {"extra invoice line", prg::ExtraInvoiceLines, 24}, {"register caption", prg::RegisterCaptions, 10},
    {"other line", prg::OtherLines, 24},
};
constexpr std::size_t kLineCount = 133;
constexpr std::size_t kFirstCaption = 40;  // index of the line of caption 1
constexpr std::size_t kCaptionCount = 74;

// The block of a line index, and the entry's index inside it.
std::pair<const Block*, std::size_t> block_of(std::size_t line)
{
    for (const Block& b : kBlocks) {
        if (line < b.count())
            return {&b, line};
        line -= b.count();
    }
    return {nullptr, 0};
}

std::string trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> lines_of(const fs::path& file)
{
    auto lines = test::crlf_lines(test::read_text(file));
    EXPECT_TRUE(lines.has_value()) << file << ": every line ends in CR LF";
    return lines.value_or(std::vector<std::string>{});
}

// Language bytes 0 to 7.
const char* const kLanguageFiles[] = {"English.txt", "Spanish.txt", "French.txt", "German.txt",
                                      "dutch.txt",   "Purtoguese.txt", "danish.txt", "Swedish.txt"};

class ShippedRegisterTexts : public ::testing::TestWithParam<const char*> {
protected:
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    const std::vector<std::string> lines = lines_of(kSetup / GetParam());
    const std::vector<std::string> english = lines_of(kSetup / "English.txt");
};

TEST_P(ShippedRegisterTexts, HoldOneCrLfLinePerRegisterText)
{
    std::size_t total = 0;
    for (const Block& b : kBlocks)
        total += b.count();
    ASSERT_EQ(total, kLineCount);
    EXPECT_EQ(lines.size(), kLineCount);
    EXPECT_FALSE(test::reads_as_utf8(test::read_text(kSetup / GetParam()))) << "saved as UTF-8";
}

// Every line fits its entry, and the register can print every character:
// the register character set has a code for it, so sostituzione_to_ecr
// yields no 127. Scroll messages are stored untranslated by the message
// editor but translated when a language is loaded, so only plain ASCII
// reaches the display alike both ways.
TEST_P(ShippedRegisterTexts, EveryLineFitsItsEntryInTheRegistersCharacterSet)
{
    for (std::size_t i = 0; i < lines.size() && i < kLineCount; ++i) {
        const auto [block, entry] = block_of(i);
        const std::string& line = lines[i];
        const std::string where = std::string(block->what) + " " + std::to_string(entry + 1) + " (line " +
                                  std::to_string(i + 1) + ") \"" + line + "\"";
        EXPECT_LE(line.size(), block->width) << where;
        const std::string reg = c.sostituzione_to_ecr(line);
        for (std::size_t k = 0; k < line.size(); ++k) {
            const auto pc = static_cast<unsigned char>(line[k]);
            const bool printable = block->member.offset == prg::ScrollMessages.offset
                                       ? pc >= 32 && pc < 127
                                       : test::is_windows_1252_printable(line[k]) && std::uint8_t(reg[k]) != 127;
            EXPECT_TRUE(printable) << where << " position " << k + 1;
        }
    }
}

TEST_P(ShippedRegisterTexts, NameEveryGroupScrollMessageCaptionAndOtherLine)
{
    ASSERT_EQ(lines.size(), kLineCount);
    std::set<std::string> groups, captions;
    for (std::size_t i = 0; i < kLineCount; ++i) {
        const auto [block, entry] = block_of(i);
        const bool header = block->member.offset == prg::HeaderLines.offset;
        const bool footer = block->member.offset == prg::FooterLines.offset;
        const bool extra = block->member.offset == prg::ExtraInvoiceLines.offset;
        if ((!header && !footer && !extra) || entry == 0) {
            EXPECT_NE(trimmed(lines[i]), "") << block->what << " " << entry + 1;
        }
        if (block->member.offset == prg::DeptGroupNames.offset) {
            EXPECT_TRUE(groups.insert(trimmed(lines[i])).second) << "group twice: " << lines[i];
        }
        if (block->member.offset == prg::RegisterCaptions.offset) {
            EXPECT_TRUE(captions.insert(trimmed(lines[i])).second) << "caption twice: " << lines[i];
        }
    }
}

// The captions stand in one order in every language: a caption carries the
// numbers of its English one (TAX2, CARD 3, %1), and no caption gains one.
TEST_P(ShippedRegisterTexts, CaptionsStandInTheOrderOfTheEnglishFile)
{
    ASSERT_EQ(lines.size(), kLineCount);
    ASSERT_EQ(english.size(), kLineCount);
    for (std::size_t n = 0; n < kCaptionCount; ++n)
        EXPECT_EQ(test::digits_of(lines[kFirstCaption + n]), test::digits_of(english[kFirstCaption + n]))
            << "caption " << n + 1 << ": \"" << lines[kFirstCaption + n] << "\" beside \""
            << english[kFirstCaption + n] << "\"";
}

INSTANTIATE_TEST_SUITE_P(EightLanguages, ShippedRegisterTexts, ::testing::ValuesIn(kLanguageFiles),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// English.txt holds the texts of the factory programming of both models, so
// choosing English again restores what a new register prints.
TEST(ShippedEnglishRegisterTexts, AreTheTextsOfTheFactoryProgramming)
{
    test::TestSession t;
    const std::vector<std::string> lines = lines_of(kSetup / "English.txt");
    ASSERT_EQ(lines.size(), kLineCount);
    for (int model : {0, 1}) {
        const fs::path file = fs::path(TW_BUNDLE_DIR) / "Dati" / (model == 1 ? "ECR4430" : "ECR4410") /
                              model_default_file_name(model, "PRG_MODE.BIN");
        const std::vector<std::uint8_t> image = test::read_bytes(file);
        ASSERT_EQ(image.size(), prg::kImageSize) << file;
        for (std::size_t i = 0; i < kLineCount; ++i) {
            const auto [block, entry] = block_of(i);
            std::string expected = t.session.codecs.sostituzione_to_ecr(lines[i]);
            expected.resize(block->width, ' ');
            const auto at = image.begin() + std::ptrdiff_t(block->member.offset + entry * block->width);
            EXPECT_EQ(std::string(at, at + std::ptrdiff_t(block->width)), expected)
                << "model " << model << ", " << block->what << " " << entry + 1;
        }
    }
}

// DescCaption.ini: the 74 descriptions in the order of the register
// captions, each naming its English caption first, then the labels of other
// lines 1 to 18. The labels are read through sostituzione_from_ecr, so only
// plain ASCII shows as written.
TEST(ShippedCaptionDescriptions, DescribeTheCaptionsInTheirOrderThenLabelTheOtherLines)
{
    const auto lines = test::crlf_lines(test::read_text(kSetup / "DescCaption.ini"));
    ASSERT_TRUE(lines.has_value()) << "every line ends in CR LF";
    const std::vector<std::string> english = lines_of(kSetup / "English.txt");
    ASSERT_EQ(english.size(), kLineCount);
    ASSERT_EQ(lines->size(), kCaptionCount + 18);
    for (std::size_t n = 0; n < lines->size(); ++n) {
        const std::string& line = (*lines)[n];
        for (char ch : line)
            EXPECT_TRUE(ch >= 32 && ch < 127) << "line " << n + 1 << ": " << line;
        if (n < kCaptionCount) {
            const std::string caption = trimmed(english[kFirstCaption + n]) + " - ";
            EXPECT_EQ(line.substr(0, caption.size()), caption) << "line " << n + 1;
            EXPECT_GT(line.size(), caption.size()) << "line " << n + 1;
        } else {
            EXPECT_NE(trimmed(line), "") << "label of other line " << n - kCaptionCount + 1;
        }
    }
}

}  // namespace
}  // namespace tw
