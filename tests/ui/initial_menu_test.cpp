// The initial setup editor: language, date and time format, key tone,
// winding motor, European rounding, register mode, and the register texts
// a new language brings.
#include <QLabel>
#include <filesystem>

#include "editor_fixture.h"
#include "support/shipped_text.h"
#include "editors/system/FrmInitialMenu.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

const fs::path kShippedSetup = fs::path(TW_BUNDLE_DIR) / "Setup";
const char* const kLanguageFiles[] = {"English.txt", "Spanish.txt", "French.txt", "German.txt",
                                      "dutch.txt",   "Purtoguese.txt", "danish.txt", "Swedish.txt"};

// Where line n (from 1) of a register language file goes: offset and width.
std::pair<std::size_t, std::size_t> place_of_line(std::size_t n)
{
    struct Range { std::size_t first, last, offset, width; };
    constexpr Range kRanges[] = {{1, 10, 3101, 12},   {11, 20, 3221, 24},  {21, 30, 3461, 24}, {31, 35, 3701, 42},
                                 {36, 40, 5709, 24},  {41, 114, 5829, 10}, {115, 133, 6569, 24}};
    for (const Range& r : kRanges)
        if (n >= r.first && n <= r.last)
            return {r.offset + (n - r.first) * r.width, r.width};
    return {0, 0};
}

class InitialMenu : public EditorFixture {
protected:
    FrmInitialMenu& open_editor() { return open<FrmInitialMenu>(); }

    void install_language_file(const char* name, const std::string& content) const
    {
        write_bytes(fs::path(s.dirs.SetupDir) / name, {content.begin(), content.end()});
    }
    void install_shipped_language_files() const
    {
        for (const char* name : kLanguageFiles)
            fs::copy_file(kShippedSetup / name, fs::path(s.dirs.SetupDir) / name);
    }
    std::string at(std::size_t offset, std::size_t width) const
    {
        return {s.image.bytes.begin() + std::ptrdiff_t(offset), s.image.bytes.begin() + std::ptrdiff_t(offset + width)};
    }
    // The image with every byte at random but the option bytes in their sets.
    void random_valid_image(unsigned seed)
    {
        random_image(seed);
        s.image.set_byte(0, std::uint8_t(seed % 8));
        s.image.set_byte(4, std::uint8_t(seed % 5));
    }
    void expect_changed_only(const std::vector<std::uint8_t>& before, std::size_t from, std::size_t to) const
    {
        for (std::size_t i = 1; i < before.size(); ++i)
            if (i < from || i >= to) {
                ASSERT_EQ(s.image.bytes[i], before[i]) << "byte " << i;
            }
    }
};

TEST_F(InitialMenu, ShowsItsFieldsAndTheEightLanguages)
{
    s.image.set_byte(9, 0x05);
    s.image.set_byte(11, 0x10);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Initial Setup");
    EXPECT_EQ(field<QLabel>("L_Titolo")->text(), "INITIAL SETUP MENU");
    auto* language = field<ChoiceField>("Cmb_Lingua");
    ASSERT_EQ(language->count(), 8);
    EXPECT_EQ(language->itemText(5), "5. PORTOGUESE");
    EXPECT_EQ(language->itemText(7), "7. SWEDISH");
    EXPECT_EQ(language->currentText(), "0. ENGLISH");
    EXPECT_EQ(field<ChoiceField>("Cmb_DateFormat")->currentText(), "1. DD-MM-YY");
    EXPECT_EQ(field<ChoiceField>("Cmb_TimeFormat")->currentText(), "0. 24 HOUR");
    EXPECT_EQ(field<ChoiceField>("Cmb_KeyTone")->currentText(), "1. NO SOUND");
    EXPECT_EQ(field<ChoiceField>("Cmb_WindingMotor")->currentText(), "0. ONLY EJ");
    EXPECT_EQ(field<ChoiceField>("Cmb_EuRoundigSel")->currentText(), "0. NO");
    EXPECT_EQ(field<ChoiceField>("Cmb_RegisterMode")->currentText(), "1. RECEIPT MODE");
    EXPECT_EQ(field<QLabel>("L_EuRoundigSel")->text(), "European Rounding Selection");
}

// Each option writes its own bit or byte and keeps every other bit.
struct OptionCase {
    const char* field;
    int choice;
    std::size_t offset;
    std::uint8_t before;
    std::uint8_t expected;
};

class InitialMenuOption : public InitialMenu, public testing::WithParamInterface<OptionCase> {};

TEST_P(InitialMenuOption, SavesOnlyItsOwnPlace)
{
    const OptionCase& c = GetParam();
    s.image.set_byte(c.offset, c.before);
    const auto before = image();
    open_editor();
    choose(c.field, c.choice);
    save();
    EXPECT_EQ(s.image.byte(c.offset), c.expected);
    expect_unchanged_outside(before, c.offset, c.offset + 1);
    EXPECT_EQ(saved_file(), image());
    EXPECT_TRUE(h.effects.boxes.empty()) << "no message without a new language";
}

INSTANTIATE_TEST_SUITE_P(
    Options, InitialMenuOption,
    testing::Values(OptionCase{"Cmb_DateFormat", 1, 9, 0xF0, 0xF1},  // bits 4 to 7 belong to the clerk menu
                    OptionCase{"Cmb_TimeFormat", 1, 9, 0xF0, 0xF2}, OptionCase{"Cmb_KeyTone", 0, 9, 0xFF, 0xFB},
                    OptionCase{"Cmb_WindingMotor", 1, 10, 0xFE, 0xFF},
                    OptionCase{"Cmb_RegisterMode", 0, 11, 0xFF, 0xEF},
                    OptionCase{"Cmb_EuRoundigSel", 4, 4, 0, 4}),  // "4. EURO"
    [](const testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.field).substr(4); });

TEST_F(InitialMenu, SaveWithoutChangesKeepsRandomImages)
{
    install_shipped_language_files();
    for (unsigned seed = 1; seed <= 40; ++seed) {
        random_valid_image(seed);
        const auto before = image();
        open_editor();
        save();
        ASSERT_EQ(image(), before) << "seed " << seed;
        ASSERT_TRUE(h.effects.boxes.empty()) << "seed " << seed;
    }
}

TEST_F(InitialMenu, ReopeningShowsWhatWasSaved)
{
    open_editor();
    choose("Cmb_TimeFormat", 1);
    choose("Cmb_EuRoundigSel", 2);
    save();
    open_editor();
    EXPECT_EQ(chosen("Cmb_TimeFormat"), 1);
    EXPECT_EQ(chosen("Cmb_EuRoundigSel"), 2);
}

// A new language replaces all 133 register texts with its file's lines, byte
// for byte; nothing else of the image moves.
class InitialMenuLanguage : public InitialMenu, public testing::WithParamInterface<int> {};

TEST_P(InitialMenuLanguage, FillsTheRegisterTextsFromItsFile)
{
    const int n = GetParam();
    install_shipped_language_files();
    random_image(unsigned(n) + 11);
    s.image.set_byte(0, std::uint8_t((n + 1) % 8));
    s.image.set_byte(4, 1);
    auto expected = image();
    const auto lines = crlf_lines(read_text(kShippedSetup / kLanguageFiles[n]));
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 133u);
    for (std::size_t line = 1; line <= 133; ++line) {
        const auto [offset, width] = place_of_line(line);
        std::string text = s.codecs.sostituzione_to_ecr((*lines)[line - 1]);
        text.resize(width, ' ');
        std::copy(text.begin(), text.end(), expected.begin() + std::ptrdiff_t(offset));
    }
    expected[0] = std::uint8_t(n);

    open_editor();
    choose("Cmb_Lingua", n);
    save();
    EXPECT_EQ(image(), expected);
    EXPECT_EQ(saved_file(), expected);
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Changing the language resets all ECR parameters");
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(h.effects.boxes[0].buttons, MsgButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(EightLanguages, InitialMenuLanguage, testing::Range(0, 8),
                         [](const testing::TestParamInfo<int>& info) {
                             const std::string name = kLanguageFiles[info.param];
                             return name.substr(0, name.find('.'));
                         });

TEST_F(InitialMenu, ATwelveLineFileReplacesTheGroupNamesAndTwoHeaderLinesOnly)
{
    std::string content;
    for (int i = 1; i <= 10; ++i)
        content += "GROUP " + std::to_string(i) + "\r\n";
    content += "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234\r\n";  // 30 characters for a 24-character line
    content += "ABC\r\n";
    install_language_file("French.txt", content);
    random_valid_image(8);  // language 0
    const auto before = image();
    open_editor();
    choose("Cmb_Lingua", 2);
    save();
    EXPECT_EQ(s.image.byte(0), 2);
    EXPECT_EQ(at(3101, 12), "GROUP 1     ");
    EXPECT_EQ(at(3101 + 9 * 12, 12), "GROUP 10    ");
    EXPECT_EQ(at(3221, 24), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(at(3245, 24), "ABC" + std::string(21, ' '));
    expect_changed_only(before, 3101, 3269);
}

// A byte outside the list shows no language; Save takes it for language 0.
TEST_F(InitialMenu, LanguageByteNineSavesAsEnglish)
{
    install_shipped_language_files();
    s.image.set_byte(0, 9);
    open_editor();
    EXPECT_EQ(chosen("Cmb_Lingua"), -1);
    save();
    EXPECT_EQ(s.image.byte(0), 0);
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Changing the language resets all ECR parameters");
    std::string header1 = s.codecs.sostituzione_to_ecr(crlf_lines(read_text(kShippedSetup / "English.txt"))->at(10));
    header1.resize(24, ' ');
    EXPECT_EQ(at(3221, 24), header1);
}

TEST_F(InitialMenu, AMissingLanguageFileWarnsAndKeepsTheTexts)
{
    random_valid_image(16);  // language 0
    const auto before = image();
    open_editor();
    choose("Cmb_Lingua", 3);
    save();
    EXPECT_EQ(s.image.byte(0), 3) << "the new language is kept";
    expect_changed_only(before, 0, 0);
    ASSERT_EQ(h.effects.boxes.size(), 2u);
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(h.effects.boxes[1].text, "Warning! The Language file definition is not present");
    EXPECT_EQ(h.effects.boxes[1].icon, MsgIcon::Warning);
    EXPECT_EQ(h.log(), std::vector<std::string>{"The file language 3 is not present"});
    EXPECT_EQ(saved_file(), image());
}

}  // namespace
}  // namespace tw::test
