// The keyboard layout screen: preview keys, the key list, the report chains
// and the pop-up key lists.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include "editor_fixture.h"
#include "keyboard/FrmAdvancedSetting.h"

namespace tw::test {
namespace {

using namespace keyboard;

constexpr std::size_t kLayout = prg::KeyboardLayout.offset;

class KeyboardEditor : public EditorFixture {
protected:
    FrmAdvancedSetting& open_editor() { return open<FrmAdvancedSetting>(); }
    FrmAdvancedSetting& editor() const { return *static_cast<FrmAdvancedSetting*>(screen()); }

    // The name shown on preview key k.
    QString key_text(int k) const
    {
        const std::string name = "L_key" + std::to_string(k);
        return field(name.c_str())->findChild<QLabel*>()->text();
    }
    void click_key(int k)
    {
        const std::string name = "L_key" + std::to_string(k);
        click_button(name.c_str());
    }
    void set_key(int k, std::uint8_t code) { s.image.set_byte(kLayout + std::size_t(position_of(k)), code); }
    std::uint8_t stored_key(int k) const { return s.image.byte(kLayout + std::size_t(position_of(k))); }

    // Whether preview key k is drawn with red text.
    bool drawn_red(int k) const
    {
        const std::string name = "L_key" + std::to_string(k);
        const QImage shot = field(name.c_str())->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                    return true;
            }
        return false;
    }

    QCheckBox* box(const std::string& name) const { return field<QCheckBox>(name.c_str()); }
    void show_chain(int n) const { field<QTabBar>("Tab_Chain")->setCurrentIndex(n); }

    void write_key_default(std::uint8_t code)
    {
        write_bytes(s.dirs.DataDir + "KEY_DEFAULT.BIN", std::vector<std::uint8_t>(kPositions, code));
    }

    // The image after opening the screen and saving at once.
    void expect_only_changed(const std::vector<std::uint8_t>& before, std::initializer_list<std::size_t> changed)
    {
        for (std::size_t i = 0; i < before.size(); ++i) {
            const bool expected = std::find(changed.begin(), changed.end(), i) != changed.end();
            EXPECT_EQ(s.image.bytes[i] != before[i], expected) << "byte " << i;
        }
    }
};

TEST_F(KeyboardEditor, OpensWithTheStoredKeysInBlackAndTheKeyList)
{
    for (int p = 0; p < kPositions; ++p)
        s.image.set_byte(kLayout + std::size_t(p), kNoOperationKey);
    set_key(4, 39);
    set_key(33, 77);
    set_key(1, 100);  // a code without a name
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Advanced Setting");
    auto* tabs = field<QTabWidget>("Tab_AdvancedOption");
    EXPECT_EQ(tabs->tabText(0), "CHAIN REPORT SELECT");
    EXPECT_EQ(tabs->tabText(1), "FREE KEY LAYOUT");
    EXPECT_EQ(tabs->tabText(2), "POP UP KEY SELECT");
    EXPECT_EQ(key_text(4), "PO");
    EXPECT_EQ(key_text(33), "DEPT 8");
    EXPECT_EQ(key_text(1), "100");
    EXPECT_EQ(key_text(2), "NO OPERATION");
    for (int k = 1; k <= kPreviewKeys; ++k)
        EXPECT_FALSE(editor().key_changed(k)) << k;

    auto* list = field<ChoiceField>("Cmb_KeyList");
    ASSERT_EQ(list->count(), 60);
    EXPECT_EQ(list->itemText(0), "20. DEPT SHIFT, CODE");
    EXPECT_EQ(list->itemText(14), "34. %1");
    EXPECT_EQ(list->itemText(58), "88. DEPT 19");
    EXPECT_EQ(list->itemText(59), "255. NO OPERATION");
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(field<QLabel>("L_Preview")->text(), "Preview");
    EXPECT_EQ(field<QLabel>("L_KeyList")->text(), "Key List:");
    EXPECT_EQ(field<QLabel>("L_KeyAssignHelp")->text(),
              "To assigne a function to a key select the function in the key list then click on the desired button.");
    EXPECT_EQ(field<QPushButton>("C_RestoreDefault")->text(), "Restore Default");
    EXPECT_TRUE(h.log().empty());
}

// Choosing %1 and clicking the SUBTOTAL key moves %1 there: the key that
// held it becomes NO OPERATION, both shown in red.
TEST_F(KeyboardEditor, AFunctionPutOnAKeyLeavesTheKeyThatHadIt)
{
    set_key(23, 24);  // SUBTOTAL
    set_key(9, 34);   // %1
    set_key(10, 35);
    open_editor();
    choose("Cmb_KeyList", 34);
    EXPECT_EQ(field<QLabel>("L_Preview")->text(), "%1");
    click_key(23);
    EXPECT_EQ(key_text(23), "%1");
    EXPECT_EQ(key_text(9), "NO OPERATION");
    EXPECT_TRUE(editor().key_changed(23));
    EXPECT_TRUE(editor().key_changed(9));
    EXPECT_FALSE(editor().key_changed(10));
    EXPECT_TRUE(drawn_red(23));
    EXPECT_TRUE(drawn_red(9));
    EXPECT_FALSE(drawn_red(10));
    EXPECT_EQ(stored_key(23), 24) << "the image changes only on Save";
    save();
    EXPECT_EQ(stored_key(23), 34);
    EXPECT_EQ(stored_key(9), kNoOperationKey);
    EXPECT_EQ(stored_key(10), 35);
    EXPECT_EQ(saved_file(), image());
}

TEST_F(KeyboardEditor, AKeyClickedWithNothingChosenGetsNoOperation)
{
    set_key(5, 38);
    set_key(6, kNoOperationKey);
    open_editor();
    click_key(5);
    EXPECT_EQ(key_text(5), "NO OPERATION");
    EXPECT_TRUE(editor().key_changed(5));
    EXPECT_FALSE(editor().key_changed(6)) << "NO OPERATION may stay on other keys";
    save();
    EXPECT_EQ(stored_key(5), kNoOperationKey);
    EXPECT_EQ(stored_key(6), kNoOperationKey);
}

// The fixed keys keep their stored codes, even when the function put on a
// shown key was on one of them.
TEST_F(KeyboardEditor, FixedKeysKeepTheirCodes)
{
    s.image.set_byte(kLayout + 0, 50);
    s.image.set_byte(kLayout + 52, 60);
    open_editor();
    choose("Cmb_KeyList", 50);
    click_key(7);
    EXPECT_EQ(editor().working_layout()[0], kNoOperationKey);
    save();
    EXPECT_EQ(stored_key(7), 50);
    EXPECT_EQ(s.image.byte(kLayout + 0), 50);
    EXPECT_EQ(s.image.byte(kLayout + 52), 60);
}

TEST_F(KeyboardEditor, AnUnsavedChainTickIsDroppedWhenTheChainChanges)
{
    s.image.set_byte(prg::ChainFunctions.offset + 2, 0x01);  // chain 2: Department And Financial
    s.image.set_byte(prg::PopLists.offset, 0x01);            // pop-up list 1: RECEIPT ON/OFF
    open_editor();
    EXPECT_FALSE(box("ChK_DepartmentAndFinancial")->isChecked()) << "chain 1 shown";
    show_chain(1);
    EXPECT_TRUE(box("ChK_DepartmentAndFinancial")->isChecked());
    box("Chk_Hourly")->setChecked(true);
    box("Chk_ReceiptOn_Off0")->setChecked(false);
    show_chain(2);
    show_chain(1);
    EXPECT_FALSE(box("Chk_Hourly")->isChecked());
    EXPECT_TRUE(box("ChK_DepartmentAndFinancial")->isChecked());
    EXPECT_TRUE(box("Chk_ReceiptOn_Off0")->isChecked()) << "the pop-up lists are loaded again too";
}

// Save with the fourth chain shown writes only its two bytes among the
// chains; the bits without a report keep their values.
TEST_F(KeyboardEditor, SaveWritesOnlyTheChainShown)
{
    random_image(7);
    const auto before = image();
    open_editor();
    show_chain(3);
    for (const BitFlag& f : chain_reports())
        box(f.name)->setChecked(true);
    save();
    expect_only_changed(before, {295, 296});
    EXPECT_EQ(s.image.byte(295), 0xFF);
    EXPECT_EQ(s.image.byte(296), before[296] | 0x01);
    EXPECT_EQ(saved_file(), image());
}

struct ChainBitCase {
    const char* box;
    std::size_t byte;
    std::uint8_t value;
};

TEST_F(KeyboardEditor, EachChainBoxWritesItsOwnBit)
{
    const ChainBitCase cases[] = {
        {"ChK_DepartmentAndFinancial", 0, 0x01}, {"Chk_DepartmentGroup", 0, 0x02}, {"Chk_AllPlu", 0, 0x04},
        {"Chk_SalesClerk", 0, 0x08},             {"Chk_TrainingClerk", 0, 0x10},   {"Chk_Hourly", 0, 0x20},
        {"Chk_Training", 0, 0x40},               {"Chk_DepartmentAndFinanciaGT", 0, 0x80},
        {"Chk_FullEJ", 1, 0x01}};
    for (const ChainBitCase& c : cases) {
        s.image.bytes.fill(0);
        open_editor();
        show_chain(4);
        box(c.box)->setChecked(true);
        save();
        EXPECT_EQ(s.image.byte(297 + c.byte), c.value) << c.box;
        EXPECT_EQ(s.image.byte(297 + (1 - c.byte)), 0) << c.box;
    }
}

TEST_F(KeyboardEditor, PopUpListsSaveAllFiveKeepingTheUnnamedBits)
{
    for (std::size_t i = prg::PopLists.offset; i < prg::PopLists.end(); ++i)
        s.image.set_byte(i, 0);
    s.image.set_byte(prg::PopLists.offset + 3, 0xF8);  // the bits after TAKE OUT
    open_editor();
    box("Chk_ReceiptOn_Off0")->setChecked(true);
    box("Chk_PO2")->setChecked(true);
    box("ChK_TakeOut4")->setChecked(true);
    box("Chk_PaymentTransfer0")->setChecked(true);
    save();
    const std::uint8_t expected[20] = {0x01, 0, 0, 0xFA, 0, 0, 0, 0, 0, 0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0x04};
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(s.image.byte(prg::PopLists.offset + i), expected[i]) << i;
}

TEST_F(KeyboardEditor, RestoreDefaultOfAPopUpListSetsOnlyThatList)
{
    for (std::size_t i = prg::PopLists.offset; i < prg::PopLists.end(); ++i)
        s.image.set_byte(i, 0xFF);
    open_editor();
    EXPECT_EQ(field<QPushButton>("C_RestoreDefaultPop2")->text(), "Restore Defaut");
    EXPECT_EQ(box("Chk_PaymentTransfer0")->text(), "PAYMENT TRANSFER");
    EXPECT_EQ(box("Chk_PaymentTransfer3")->text(), "PAYMENT TRANFER");
    click_button("C_RestoreDefaultPop2");
    for (const BitFlag& f : pop_list_functions()) {
        EXPECT_EQ(box(f.name + std::string("2"))->isChecked(), ticked_by_default(f, 2)) << f.name;
        EXPECT_TRUE(box(f.name + std::string("1"))->isChecked()) << f.name;
    }
    save();
    const std::uint8_t list3[4] = {0x00, 0x78, 0x00, 0xF8};  // %1, %2, +/- 1, +/- 2; unnamed bits kept
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(s.image.byte(prg::PopLists.offset + 8 + i), list3[i]) << i;
    EXPECT_EQ(s.image.byte(prg::PopLists.offset + 4), 0xFF);
}

TEST_F(KeyboardEditor, RestoreDefaultShowsKeyDefaultAndBackLeavesTheImage)
{
    write_key_default(39);
    random_image(3);
    const auto before = image();
    open_editor();
    choose("Cmb_KeyList", 34);
    click_key(1);
    click_button("C_RestoreDefault");
    for (int k = 1; k <= kPreviewKeys; ++k) {
        EXPECT_EQ(key_text(k), "PO") << k;
        EXPECT_FALSE(editor().key_changed(k)) << k;
    }
    EXPECT_EQ(editor().working_layout()[0], 39) << "the fixed keys too, in the working layout";
    click_button("C_Annulla");
    EXPECT_FALSE(screen()->isVisible());
    EXPECT_EQ(image(), before);
    EXPECT_TRUE(saved_file().empty()) << "nothing written";
}

TEST_F(KeyboardEditor, RestoreDefaultThenSaveWritesTheShownKeys)
{
    write_key_default(39);
    random_image(4);
    const auto before = image();
    open_editor();
    click_button("C_RestoreDefault");
    save();
    for (int p = 0; p < kPositions; ++p)
        EXPECT_EQ(s.image.byte(kLayout + std::size_t(p)), preview_key_of(p) ? 39 : before[kLayout + std::size_t(p)]);
}

TEST_F(KeyboardEditor, RestoreDefaultWithoutKeyDefaultShowsNoOperationAndLogs)
{
    open_editor();
    click_button("C_RestoreDefault");
    EXPECT_EQ(key_text(12), "NO OPERATION");
    EXPECT_EQ(h.log(), (std::vector<std::string>{"Write_Key_Default: Superati 3 tentativi di lettura"}));
}

TEST_F(KeyboardEditor, ReopeningShowsWhatWasSaved)
{
    open_editor();
    choose("Cmb_KeyList", 88);
    click_key(30);
    show_chain(2);
    box("Chk_FullEJ")->setChecked(true);
    box("Chk_Hold4")->setChecked(true);
    save();
    open_editor();
    EXPECT_EQ(key_text(30), "DEPT 19");
    EXPECT_FALSE(editor().key_changed(30));
    EXPECT_FALSE(box("Chk_FullEJ")->isChecked()) << "chain 1 shown on opening";
    show_chain(2);
    EXPECT_TRUE(box("Chk_FullEJ")->isChecked());
    EXPECT_TRUE(box("Chk_Hold4")->isChecked());
}

TEST_F(KeyboardEditor, CaptionsOfTheCurrentLanguage)
{
    s.language.captions.set("FRM_ADVANCED_SETTING_C_RESTORE_DEFAULT_MSG", "Valori iniziali");
    s.language.captions.set("FRM_ADVANCED_SETTING_CHK_PAYMENT_TRANSFER_MSG", "TRASFERIMENTO");
    s.language.captions.set("FRM_ADVANCED_SETTING_CHK_TAKE_OUT_MSG", "ASPORTO");
    s.language.captions.set("FRM_ADVANCED_SETTINF_TAB2_ADVANCED_OPTION", "TASTI");
    open_editor();
    EXPECT_EQ(field<QPushButton>("C_RestoreDefault")->text(), "Valori iniziali");
    EXPECT_EQ(field<QPushButton>("C_RestoreDefaultPop4")->text(), "Valori iniziali");
    EXPECT_EQ(box("Chk_PaymentTransfer3")->text(), "TRASFERIMENTO");
    EXPECT_EQ(box("ChK_TakeOut3")->text(), "TAKE OUT") << "a fixed caption";
    EXPECT_EQ(field<QTabWidget>("Tab_AdvancedOption")->tabText(1), "TASTI");
}

// Opening and saving changes nothing, whatever the image holds.
TEST_F(KeyboardEditor, SaveWithoutChangesKeepsRandomImages)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        random_image(seed);
        const auto before = image();
        open_editor();
        show_chain(int(seed % kChains));
        save();
        ASSERT_EQ(image(), before) << "seed " << seed;
    }
}

}  // namespace
}  // namespace tw::test
