#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <utility>
#include <vector>

#include "languages/caption_file.h"
#include "languages/caption_keys.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(CaptionKeys, EachGroupHoldsTheKeysOfItsScreen)
{
    // The register maker's 528 keys, then ours; a screen may have a group in each part.
    const std::vector<std::pair<std::string_view, std::size_t>> expected = {
        {"FRM_ALL_", 45}, {"MSG_", 7}, {"FRM_PRES_", 2}, {"FRM_PRINCIPALE_", 10}, {"FRM_SETUP_", 7},
        {"FRM_SETTING_", 9}, {"FRM_PROGRAM_MODE_", 15}, {"FRM_SET_VAT_RATE_", 7}, {"FRM_DEPARTMENT_PROGRAM_", 12},
        {"FRM_DEPT_COL_", 9}, {"FRM_DEPT_PRICE_TYPE_", 1}, {"FRM_DEPT_GROUP_", 4}, {"FRM_PRG_PLU_", 25},
        {"FRM_PLU_PAGE_", 6}, {"FRM_INSTORE_BARCODE_", 19}, {"FRM_PERCENTAGE_MENU_", 8}, {"FRM_PO_RA_", 9},
        {"FRM_TENDER_MENU_", 19}, {"FRM_FC_RATING_", 9}, {"FRM_CLERK_SYSTEM_", 22}, {"FRM_PERMISSION_PROGRAM_", 6},
        {"FRM_SYSTEM_OPTION_", 17}, {"FRM_NS_MENU_", 12}, {"FRM_INITIAL_MENU_", 30}, {"FRM_WORKING_MODE_", 16},
        {"FRM_PRINT_MODE_", 61}, {"FRM_REPORT_SETUP_", 7}, {"FRM_EJ_SETUP_", 14}, {"FRM_CLERK_MENU_", 6},
        {"FRM_HOSPITALITY_SETUP_", 9}, {"FRM_CAPTION_", 32}, {"FRM_SET_LOGO_", 6}, {"FRM_REPORT_EXPORT_", 14},
        {"FRM_LANGUAGE_", 11}, {"FRM_ADVANCED_SETTING_", 42},
        {"FRM_ALL_", 17}, {"FRM_HELP_", 4}, {"FRM_PRINCIPALE_", 1}, {"FRM_SETUP_", 1}, {"FRM_PRG_PLU_", 5},
        {"FRM_SET_LOGO_", 4}, {"FRM_REPORT_EXPORT_", 5},
    };
    const auto groups = caption_key_groups();
    ASSERT_EQ(groups.size(), expected.size());
    std::set<std::string_view> all;
    std::size_t total = 0;
    for (std::size_t n = 0; n < groups.size(); ++n) {
        const CaptionKeyGroup& g = groups[n];
        EXPECT_EQ(g.prefix, expected[n].first) << n;
        EXPECT_EQ(g.keys.size(), expected[n].second) << g.prefix;
        if (total == kMakerCaptionKeyCount) {
            EXPECT_EQ(n, 35u) << "the register maker's keys come first, in their 35 groups";
        }
        for (std::string_view key : g.keys) {
            const bool inGroup = key.substr(0, g.prefix.size()) == g.prefix ||
                                 (g.prefix == "FRM_ADVANCED_SETTING_" && key.substr(0, 21) == "FRM_ADVANCED_SETTINF_");
            EXPECT_TRUE(inGroup) << key;
            EXPECT_TRUE(all.insert(key).second) << key << " twice";
            EXPECT_EQ(CaptionTexts::index_of(key), int(total)) << key;
            ++total;
        }
    }
    // The 528 keys of the register maker's caption files and ours.
    EXPECT_EQ(total, kCaptionKeyCount);
    EXPECT_EQ(CaptionTexts().size(), 528u + 37u);
}

// A key the screens name but the table lacks never translates: its caption
// file line is dropped as unknown and the English text always shows. A
// literal may also be the stem of keys the code completes
// ("FRM_LANGUAGE_OPT_LANG" + n).
TEST(CaptionKeys, EveryKeyTheScreensNameIsInTheTable)
{
    std::set<std::string> keys;
    for (const CaptionKeyGroup& g : caption_key_groups())
        keys.insert(g.keys.begin(), g.keys.end());
    const auto known = [&keys](const std::string& literal) {
        const auto it = keys.lower_bound(literal);
        return it != keys.end() && it->compare(0, literal.size(), literal) == 0;
    };
    const std::regex literal(R"re("((?:FRM|MSG)_[A-Z0-9_]+)")re");
    int named = 0;
    for (const char* folder : {"app", "editors", "languages", "messages", "reports", "keyboard", "transfer"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(TW_SOURCE_DIR) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h")
                continue;
            const std::string text = test::read_text(entry.path());
            for (auto m = std::sregex_iterator(text.begin(), text.end(), literal); m != std::sregex_iterator(); ++m) {
                ++named;
                EXPECT_TRUE(known((*m)[1].str())) << entry.path().filename().string() << ": " << (*m)[1].str();
            }
        }
    EXPECT_GT(named, 500) << "the sources were not found";
}

TEST(CaptionRule, TheSlotsTextWinsOnlyWhenNotEmpty)
{
    CaptionTexts texts;
    EXPECT_EQ(texts.caption("FRM_ALL_C_SALVA", "Save Setup"), "Save Setup");
    EXPECT_EQ(texts.choice_label(2, "FRM_ALL_TAX_2_MSG", "TAX2 TAXABLE"), "2. TAX2 TAXABLE");
    EXPECT_EQ(texts.tight_choice_label(1, "FRM_ALL_DISCOUNT", "DISCOUNT"), "1. DISCOUNT");
    EXPECT_EQ(texts.caption("NOT_A_KEY", "fallback"), "fallback");

    ASSERT_TRUE(texts.set("FRM_ALL_C_SALVA", "Salva"));
    ASSERT_TRUE(texts.set("FRM_ALL_TAX_2_MSG", "IVA2"));
    ASSERT_TRUE(texts.set("FRM_ALL_DISCOUNT", "SCONTO"));
    EXPECT_EQ(texts.caption("FRM_ALL_C_SALVA", "Save Setup"), "Salva");
    EXPECT_EQ(texts.choice_label(2, "FRM_ALL_TAX_2_MSG", "TAX2 TAXABLE"), "2. IVA2");
    EXPECT_EQ(texts.tight_choice_label(1, "FRM_ALL_DISCOUNT", "DISCOUNT"), "1.SCONTO");
    EXPECT_FALSE(texts.set("NOT_A_KEY", "x"));
    EXPECT_EQ(texts.text("NOT_A_KEY"), "");
}

// Each case: the file's content and what one key's slot holds afterwards
// (the slot held "Old" before), and the run-log lines.
struct ParseCase {
    const char* name;
    std::string content;
    std::string key;
    std::string text;
    std::vector<std::string> log;
};

class CaptionParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CaptionParse, ReadsTheLineAsTheFormatSays)
{
    const ParseCase& c = GetParam();
    test::TestSession t;
    CaptionTexts texts;
    texts.set(c.key, "Old");
    read_caption_lines(c.content, texts, t.session.log);
    EXPECT_EQ(texts.text(c.key), c.text);
    EXPECT_EQ(t.log(), c.log);
}

const std::string kSave = "FRM_LANGUAGE_C_SAVE";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CaptionParse,
    ::testing::Values(
        ParseCase{"EmptyValueEmptiesTheSlot", kSave + "=\r\n", kSave, "", {}},
        ParseCase{"TrailingSpacesAreDropped", kSave + "=Save   \r\n", kSave, "Save", {}},
        ParseCase{"ASpaceAfterTheEqualsSignStays", kSave + "= Save\r\n", kSave, " Save", {}},
        ParseCase{"ASpaceBeforeTheEqualsSignBelongsToTheKey", kSave + " =Save\r\n", kSave, "Old",
                  {"Voce FRM_LANGUAGE_C_SAVE  Non presente"}},
        ParseCase{"TheValueMayHoldEqualsSigns", kSave + "=a=b\r\n", kSave, "a=b", {}},
        ParseCase{"TheLastOccurrenceWins", kSave + "=One\r\n" + kSave + "=Two\r\n", kSave, "Two", {}},
        ParseCase{"ALineBeginningWithEqualsIsIgnored", "=" + kSave + "=x\r\n", kSave, "Old", {}},
        ParseCase{"ACommentIsIgnoredEvenWhenItLooksLikeAKeyLine", ";" + kSave + "=x\r\n", kSave, "Old", {}},
        ParseCase{"ASectionHeaderIsIgnoredEvenWhenItLooksLikeAKeyLine", "[" + kSave + "=x]\r\n", kSave, "Old", {}},
        ParseCase{"KeysCountInAnySection", "[Language]\r\n" + kSave + "=Salva\r\n", kSave, "Salva", {}},
        ParseCase{"LinesWithoutEqualsAndEmptyLinesAreIgnored", "\r\n   \r\nplain text\r\n", kSave, "Old", {}},
        ParseCase{"ALowerCaseKeyIsNotAKey", "frm_language_c_save=Salva\r\n", kSave, "Old",
                  {"Voce frm_language_c_save Non presente"}},
        ParseCase{"LinesMayEndInCrAlone", "X=1\r" + kSave + "=Salva\rY=2", kSave, "Salva",
                  {"Voce X Non presente", "Voce Y Non presente"}},
        ParseCase{"LinesMayEndInLfAlone", kSave + "=Salva\nX=1\n", kSave, "Salva", {"Voce X Non presente"}},
        ParseCase{"TheLastLineNeedsNoLineEnd", kSave + "=Salva", kSave, "Salva", {}},
        ParseCase{"EveryUnknownOccurrenceIsLogged", "X=1\r\nX=2\r\n", kSave, "Old",
                  {"Voce X Non presente", "Voce X Non presente"}}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(CaptionSlots, TheTwoPrintModeKeysKeepSeparateTexts)
{
    test::TestSession t;
    CaptionTexts texts;
    read_caption_lines("FRM_PRINT_MODE_L_RECEIPT_WITHOUT_TABLE_TRACKING_PRINT=Receipt\r\n"
                       "FRM_PRINT_MODE_L_INVOICE_PRINT=Invoice\r\n",
                       texts, t.session.log);
    EXPECT_EQ(texts.text("FRM_PRINT_MODE_L_RECEIPT_WITHOUT_TABLE_TRACKING_PRINT"), "Receipt");
    EXPECT_EQ(texts.text("FRM_PRINT_MODE_L_INVOICE_PRINT"), "Invoice");
}

class LoadCaptionFileTest : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    void write(const std::string& name, const std::string& text)
    {
        test::write_bytes(fs::path(s.dirs.SetupDir) / name, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
};

TEST_F(LoadCaptionFileTest, AKeyThatALaterFileLacksKeepsItsText)
{
    write("FrmDescIta.txt", "FRM_REPORT_EXPORT_C_EXPORT=Esporta\r\nFRM_LANGUAGE_C_SAVE=Salva\r\n");
    write("FrmDescGer.txt", "FRM_LANGUAGE_C_SAVE=Speichern\r\n");
    EXPECT_TRUE(load_caption_file(s.language.captions, s.caption_files(), "FrmDescIta.txt"));
    EXPECT_TRUE(load_caption_file(s.language.captions, s.caption_files(), "FrmDescGer.txt"));
    EXPECT_EQ(s.language.captions.text("FRM_REPORT_EXPORT_C_EXPORT"), "Esporta");
    EXPECT_EQ(s.language.captions.text("FRM_LANGUAGE_C_SAVE"), "Speichern");
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(LoadCaptionFileTest, AMissingFileShowsTheNoticeAndGivesFalse)
{
    s.messages.MsgLanguageFileMissing = "No such language";
    EXPECT_FALSE(load_caption_file(s.language.captions, s.caption_files(), "FrmDescSve.txt"));
    ASSERT_EQ(t.effects.boxes.size(), 1u);
    EXPECT_EQ(t.effects.boxes[0].text, "No such language");
    EXPECT_EQ(t.effects.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(t.effects.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(t.effects.boxes[0].title.empty());  // the application's title
}

TEST_F(LoadCaptionFileTest, AFileThatCannotBeOpenedGivesFalseWithoutANotice)
{
    fs::create_directories(fs::path(s.dirs.SetupDir) / "FrmDescSpa.txt");
    EXPECT_FALSE(load_caption_file(s.language.captions, s.caption_files(), "FrmDescSpa.txt"));
    EXPECT_FALSE(load_caption_file(s.language.captions, s.caption_files(), ""));
    EXPECT_TRUE(t.effects.boxes.empty());
}

// The English caption file that ships with the program.
class ShippedEnglishCaptions : public ::testing::Test {
protected:
    const fs::path file = fs::path(TW_BUNDLE_DIR) / "Setup" / "FrmDescEng.txt";
};

// A line cannot end in a space, so the keys whose built-in text does are
// left empty and the screens keep that text, space included; so are a key
// whose built-in text differs from screen to screen and the row labels,
// which would label every row alike.
TEST_F(ShippedEnglishCaptions, LoadsWithoutALogLineAndFillsEverySlotThatALineCanHold)
{
    const std::set<std::string_view> leftEmpty = {
        "FRM_PRINCIPALE_TITLE",                         // "Velmora ECR Programming Tool - "
        "FRM_PRINCIPALE_COMUNICATION_ERROR_MSG",        // "Comunicatione error: "
        "FRM_PROGRAM_MODE_C_FOREIGN_CURRENCY_PROGRAM",  // "Program Foreign Currencies "
        "FRM_SYSTEM_OPTION_L_FRACTION_ROUND",           // "Fraction Rounding "
        "FRM_ALL_NOINPUT",                              // "NOT INPUT" (no-sale key), "NO INPUT" (EJ setup)
        "FRM_CAPTION_HEADER_N", "FRM_CAPTION_FOOTER_N", "FRM_CAPTION_EXTRA_INVOICE_N",  // "Row 1" to "Row 10"
        "FRM_CAPTION_EXTRA_OTHER_N",                                                   // "Other 1" to "Other 18"
    };
    test::TestSession t;
    fs::copy_file(file, fs::path(t.session.dirs.SetupDir) / "FrmDescEng.txt");
    ASSERT_TRUE(load_caption_file(t.session.language.captions, t.session.caption_files(), "FrmDescEng.txt"));
    EXPECT_TRUE(t.log().empty());
    for (const CaptionKeyGroup& g : caption_key_groups())
        for (std::string_view key : g.keys)
            EXPECT_EQ(t.session.language.captions.text(key).empty(), leftEmpty.count(key) == 1) << key;
    EXPECT_EQ(t.session.language.captions.caption("FRM_PRINCIPALE_COMUNICATION_ERROR_MSG", "Comunicatione error: "),
              "Comunicatione error: ");

    const CaptionTexts& c = t.session.language.captions;
    EXPECT_EQ(c.text("FRM_ALL_C_SALVA"), "Save Setup");
    EXPECT_EQ(c.text("FRM_ALL_MASSIMO_SUPERATO_MSG"), "Value insert to high!");
    EXPECT_EQ(c.text("FRM_WORKING_MODE_L_PM_PER_RESULT"), "\xB1%, \xB1 Result");  // Windows-1252
    EXPECT_EQ(c.text("FRM_WORKING_MODE_L_FC_CONVERT_CALCULATION"), " FC Convert Calculation");
    // The sign choices read as their built-in texts: "0. ADD ON", "1. DISCOUNT".
    EXPECT_EQ(c.tight_choice_label(0, "FRM_ALL_ADDON", "ADD ON"), "0. ADD ON");
    EXPECT_EQ(c.tight_choice_label(1, "FRM_ALL_DISCOUNT", "DISCOUNT"), "1. DISCOUNT");
    // Each screen keeps its own text for the second EJ choice.
    EXPECT_EQ(c.choice_label(1, "FRM_ALL_NOINPUT", "NOT INPUT"), "1. NOT INPUT");
    EXPECT_EQ(c.choice_label(1, "FRM_ALL_NOINPUT", "NO INPUT"), "1. NO INPUT");
}

}  // namespace
}  // namespace tw
