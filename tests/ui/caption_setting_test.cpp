// The message editor: printed lines with double-width characters and their
// preview, the custom text grid, the scroll messages and display options.
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <filesystem>

#include "editor_fixture.h"
#include "messages/CellPreview.h"
#include "messages/FrmCaptionSetting.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHeader = 3221, kFooter = 3461, kScroll = 3701, kExtra = 5709, kCaptions = 5829,
                      kOther = 6569;

class CaptionSetting : public EditorFixture {
protected:
    explicit CaptionSetting(int model = 1) : EditorFixture(model)
    {
        fs::copy_file(fs::path(TW_BUNDLE_DIR) / "Setup" / "DescCaption.ini",
                      fs::path(s.dirs.SetupDir) / "DescCaption.ini");
        // Every text of the screen as spaces, the display options in their sets.
        for (std::size_t i = kHeader; i < kOther + 19 * 24; ++i)
            s.image.bytes[i] = ' ';
    }
    FrmCaptionSetting& open_editor() { return open<FrmCaptionSetting>(); }
    std::string at(std::size_t offset, std::size_t width) const
    {
        return {s.image.bytes.begin() + std::ptrdiff_t(offset), s.image.bytes.begin() + std::ptrdiff_t(offset + width)};
    }
    CellPreview* preview() const { return field<CellPreview>("Anteprima"); }
    QTableWidget* grid() const { return field<QTableWidget>("FG_Caption"); }
    void double_width(const char* box = "Chk_Double") { field<QCheckBox>(box)->setChecked(true); }
    void key(const char* name, Qt::Key k) { QTest::keyClick(field<QLineEdit>(name), k); }

    // An image whose texts the register and the PC can both hold: printable
    // ASCII, é (register 240) and the double-width marker (255); scroll
    // messages in plain 8-bit text.
    void random_valid_image(unsigned seed)
    {
        random_image(seed);
        std::mt19937 random(seed);
        const auto text_byte = [&] {
            const unsigned r = random() % 100;
            return std::uint8_t(r < 95 ? 32 + r : r < 97 ? 240 : 255);
        };
        for (const prg::Member m : {prg::HeaderLines, prg::FooterLines, prg::ExtraInvoiceLines,
                                     prg::RegisterCaptions, prg::OtherLines})
            for (std::size_t i = m.offset; i < m.end(); ++i)
                s.image.bytes[i] = text_byte();
        for (std::size_t i = kScroll; i < kScroll + 210; ++i)
            s.image.bytes[i] = std::uint8_t(random() % 2 ? 32 + random() % 95 : 0xE9);
        s.image.set_byte(167, std::uint8_t(seed % 4));
        s.image.set_byte(168, std::uint8_t(seed % 3));
    }
};

class CaptionSetting4410 : public CaptionSetting {
protected:
    CaptionSetting4410() : CaptionSetting(0) {}
};

TEST_F(CaptionSetting, OpensOnTheHeaderTabWithItsLinesLabelsAndGrid)
{
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Caption Setup Mode");
    EXPECT_EQ(field<QTabWidget>("Tab_Print")->tabText(2), "SCROLL MESSAGE");
    EXPECT_EQ(field<QTabWidget>("Tab_Invoice")->tabText(3), "OTHER");
    EXPECT_EQ(field<QTabWidget>("Tab_Invoice")->currentIndex(), 0);
    EXPECT_EQ(field<QLabel>("L_ReceiptHeader10")->text(), "Row 10");
    EXPECT_EQ(field<QLabel>("L_Other19")->text(), "Other 19");
    EXPECT_EQ(field<QLabel>("L_Other1")->text().toStdString().empty(), false);
    EXPECT_NE(field<QLabel>("L_Other1")->text(), "Other 1") << "relabelled from DescCaption.ini";
    EXPECT_EQ(grid()->rowCount(), 74);
    EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), "Custom Definition");
    EXPECT_FALSE(field("F_Valore")->isVisible());
    EXPECT_FALSE(field<QCheckBox>("Chk_Double")->isChecked());
    EXPECT_TRUE(h.effects.boxes.empty());
}

TEST_F(CaptionSetting, DoubleWidthTypingStoresMarkersAndBackspaceRemovesPairs)
{
    open_editor();
    double_width();
    type_into("E_ReceiptHeader1", "AB");
    EXPECT_EQ(field<QLineEdit>("E_ReceiptHeader1")->text(), QString::fromUtf8("·A·B"));
    // The preview: marker cells empty, the characters after them bold.
    EXPECT_EQ(preview()->cell(0, 0).character, ' ');
    EXPECT_FALSE(preview()->cell(0, 0).bold);
    EXPECT_EQ(preview()->cell(0, 1).character, 'A');
    EXPECT_TRUE(preview()->cell(0, 1).bold);
    EXPECT_TRUE(preview()->cell(0, 3).bold);
    EXPECT_FALSE(preview()->cell(0, 4).bold);
    save();
    EXPECT_EQ(at(kHeader, 24), std::string("\xFF" "A" "\xFF" "B") + std::string(20, ' '));
    EXPECT_EQ(saved_file(), image());

    focus(field("E_ReceiptHeader1"));  // back into the line: its padding goes
    key("E_ReceiptHeader1", Qt::Key_Backspace);
    EXPECT_EQ(field<QLineEdit>("E_ReceiptHeader1")->text(), QString::fromUtf8("·A"));
    key("E_ReceiptHeader1", Qt::Key_Backspace);
    EXPECT_EQ(field<QLineEdit>("E_ReceiptHeader1")->text(), "");
}

// A marker never goes in without its character: a key that would not fit
// both is refused whole with a beep.
TEST_F(CaptionSetting, AFullLineRefusesADoubleWidthKeyWhole)
{
    open_editor();
    type_into("E_ReceiptFooter2", QString(23, QLatin1Char('x')));
    double_width();
    QTest::keyClicks(field<QLineEdit>("E_ReceiptFooter2"), "Y");
    EXPECT_EQ(field<QLineEdit>("E_ReceiptFooter2")->text(), QString(23, QLatin1Char('x')));
    EXPECT_EQ(h.effects.beeps, 1);
}

// Typing over a selection in double-width mode: the selection goes only when
// marker and character then fit in its place.
TEST_F(CaptionSetting, ADoubleWidthKeyOverASelectionReplacesItOnlyWhenThePairFits)
{
    const QString full = QString(22, QLatin1Char('x')) + "ab";
    const struct {
        int from, length;
        QString text;
        int beeps;
    } cases[] = {
        {22, 1, full, 1},                                             // 24 - 1 + 2: no room, nothing lost
        {22, 2, QString(22, QLatin1Char('x')) + QString::fromUtf8("·Y"), 0},  // the pair takes the place of two
    };
    open_editor();
    auto* line = field<QLineEdit>("E_ReceiptFooter2");
    double_width();
    for (const auto& c : cases) {
        h.effects.beeps = 0;
        focus(line);
        line->setText(full);
        line->setSelection(c.from, c.length);
        QTest::keyClicks(line, "Y");
        EXPECT_EQ(line->text(), c.text) << "selection of " << c.length;
        EXPECT_EQ(h.effects.beeps, c.beeps) << "selection of " << c.length;
    }
}

TEST_F(CaptionSetting, LinesLoseTrailingSpacesOnFocusInAndArePaddedOnFocusOut)
{
    s.image.bytes[kOther] = 'Q';
    open_editor();
    auto* line = field<QLineEdit>("E_Other1");
    EXPECT_EQ(line->text(), "Q" + QString(23, QLatin1Char(' ')));
    focus(line);
    EXPECT_EQ(line->text(), "Q");
    focus(field<QLineEdit>("E_Other2"));
    EXPECT_EQ(line->text(), "Q" + QString(23, QLatin1Char(' ')));
}

TEST_F(CaptionSetting, ACodeWithoutPcCharacterShowsRedAndSavesAs127)
{
    s.image.bytes[kFooter + 2] = 200;
    open_editor();
    EXPECT_EQ(field<QLineEdit>("E_ReceiptFooter1")->text().at(2), QChar(0x00D7));
    EXPECT_TRUE(preview()->cell(10, 2).red) << "footer 1 is the preview's eleventh row";
    EXPECT_FALSE(preview()->cell(10, 1).red);
    save();
    EXPECT_EQ(s.image.bytes[kFooter + 2], 127);
}

TEST_F(CaptionSetting, ScrollMessagesAreStoredAsPlainText)
{
    open_editor();
    type_into("E_OffModeScrollMessage", "caf");
    QTest::sendKeyEvent(QTest::Click, field("E_OffModeScrollMessage"), Qt::Key_Eacute, QString::fromUtf8("é"),
                        Qt::NoModifier);
    EXPECT_EQ(field<QLineEdit>("E_OffModeScrollMessage")->text(), QString::fromUtf8("café"));
    save();
    EXPECT_EQ(at(kScroll, 42), "caf\xE9" + std::string(38, ' '));
}

TEST_F(CaptionSetting, AWaitTimeOutsideTheListShowsNothingAndSavesZero)
{
    s.image.set_byte(167, 4);
    s.image.set_byte(168, 2);
    open_editor();
    EXPECT_EQ(chosen("Cmb_WaitTime"), -1);
    EXPECT_EQ(field<ChoiceField>("Cmb_ScrollSpeed")->currentText(), "2. FAST");
    save();
    EXPECT_EQ(s.image.byte(167), 0);
    EXPECT_EQ(s.image.byte(168), 2);
}

// The two display bytes are read digit pair by digit pair without complaint:
// a byte 0x1F counts by its leading decimal digit, 1.
TEST_F(CaptionSetting, DisplayOptionBytesReadByTheirLeadingDigitWithoutALogLine)
{
    s.image.set_byte(167, 0x1F);
    s.image.set_byte(168, 0x2A);
    const auto logBefore = h.log();
    open_editor();
    EXPECT_EQ(field<ChoiceField>("Cmb_WaitTime")->currentText(), "1. 3 minutes");
    EXPECT_EQ(field<ChoiceField>("Cmb_ScrollSpeed")->currentText(), "2. FAST");
    EXPECT_EQ(h.log(), logBefore);
    save();
    EXPECT_EQ(s.image.byte(167), 1);
    EXPECT_EQ(s.image.byte(168), 2);
}

TEST_F(CaptionSetting, TheOtherTabShowsTheOtherLinesInThePreview)
{
    s.image.bytes[kOther + 18 * 24] = 'Z';
    open_editor();
    EXPECT_TRUE(preview()->row_hidden(24) == false);
    field<QTabWidget>("Tab_Invoice")->setCurrentIndex(3);
    EXPECT_EQ(preview()->cell(18, 0).character, 'Z');
    EXPECT_TRUE(preview()->row_hidden(19));
    type_into("E_Other1", "K");
    EXPECT_EQ(preview()->cell(0, 0).character, 'K');
    field<QTabWidget>("Tab_Invoice")->setCurrentIndex(0);
    EXPECT_EQ(preview()->cell(18, 0).character, ' ') << "footer 9 again";
    EXPECT_FALSE(preview()->row_hidden(24));
}

TEST_F(CaptionSetting, TheValueEditorChangesAGridRowAndOnlySaveStoresIt)
{
    open_editor();
    const auto before = at(kCaptions + 2 * 10, 10);
    field<QTabWidget>("Tab_Print")->setCurrentIndex(1);
    grid()->setCurrentCell(2, 1);
    Q_EMIT grid()->cellClicked(2, 1);
    EXPECT_TRUE(field("F_Valore")->isVisible());
    double_width("ChK_Double2");
    type_into("E_Valore", "T");
    EXPECT_TRUE(field<CellPreview>("Anteprima_Valore")->cell(0, 1).bold);
    click_button("C_Apply");
    EXPECT_FALSE(field("F_Valore")->isVisible());
    EXPECT_EQ(at(kCaptions + 2 * 10, 10), before) << "not before Save";
    EXPECT_EQ(grid()->item(2, 1)->text(), QString::fromUtf8("·T"));

    Q_EMIT grid()->cellClicked(3, 1);
    type_into("E_Valore", "NOPE");
    click_button("C_Cancel");
    save();
    EXPECT_EQ(at(kCaptions + 2 * 10, 10), "\xFFT" + std::string(8, ' '));
    EXPECT_EQ(at(kCaptions + 3 * 10, 10), std::string(10, ' ')) << "cancelled";
}

// An 80-line file: 74 descriptions, then the labels of other lines 1 to 6.
TEST_F(CaptionSetting, AnEightyLineDescriptionFileRelabelsSixOtherLines)
{
    std::string content;
    for (int n = 1; n <= 80; ++n)
        content += "DESC " + std::to_string(n) + "\r\n";
    write_bytes(fs::path(s.dirs.SetupDir) / "DescCaption.ini", {content.begin(), content.end()});
    open_editor();
    EXPECT_EQ(grid()->item(0, 0)->text(), "DESC 1");
    EXPECT_EQ(grid()->item(73, 0)->text(), "DESC 74");
    EXPECT_EQ(field<QLabel>("L_Other1")->text(), "DESC 75");
    EXPECT_EQ(field<QLabel>("L_Other6")->text(), "DESC 80");
    EXPECT_EQ(field<QLabel>("L_Other7")->text(), "Other 7");
}

TEST_F(CaptionSetting, WithoutDescriptionsTheGridStaysEmptyAndSaveKeepsTheRegisterTexts)
{
    fs::remove(fs::path(s.dirs.SetupDir) / "DescCaption.ini");
    random_valid_image(9);
    const auto before = image();
    auto* editor = new FrmCaptionSetting(h.context, nullptr);
    editor->load();
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Warning! The Language file definition is not present");
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Warning);
    EXPECT_EQ(editor->findChild<QTableWidget*>("FG_Caption")->rowCount(), 0);
    editor->Salva();
    EXPECT_EQ(image(), before);
    delete editor;
}

TEST_F(CaptionSetting, SaveWithoutChangesKeepsRandomImages)
{
    for (unsigned seed = 1; seed <= 15; ++seed) {
        random_valid_image(seed);
        const auto before = image();
        open_editor();
        save();
        ASSERT_EQ(image(), before) << "seed " << seed;
    }
}

TEST_F(CaptionSetting, ReopeningShowsWhatWasSaved)
{
    open_editor();
    type_into("E_ReceiptHeader3", "SHOP");
    type_into("E_IdlePMScrollMessage", "GOOD NIGHT");
    choose("Cmb_ScrollSpeed", 1);
    save();
    open_editor();
    EXPECT_EQ(field<QLineEdit>("E_ReceiptHeader3")->text(), "SHOP" + QString(20, QLatin1Char(' ')));
    EXPECT_EQ(field<QLineEdit>("E_IdlePMScrollMessage")->text().trimmed(), "GOOD NIGHT");
    EXPECT_EQ(chosen("Cmb_ScrollSpeed"), 1);
}

TEST_F(CaptionSetting4410, RefusesTheExtraInvoiceTabAndKeepsItsBytes)
{
    random_valid_image(21);
    s.image.bytes[kExtra + 5] = 200;  // would read back as 127 if it were saved
    const auto extra = at(kExtra, 120);
    open_editor();
    EXPECT_TRUE(preview()->row_hidden(20));
    auto* tabs = field<QTabWidget>("Tab_Invoice");
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(2);
    EXPECT_EQ(tabs->currentIndex(), 1);
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Option not supported on ECR4410");
    type_into("E_ReceiptHeader1", "X");
    save();
    EXPECT_EQ(at(kExtra, 120), extra);
    EXPECT_EQ(s.image.bytes[kHeader], 'X');
}

}  // namespace
}  // namespace tw::test
