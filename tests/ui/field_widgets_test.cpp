// The shared field widgets and the option rows described as data.
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGridLayout>
#include <QStyle>
#include <QLabel>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "app/TextField.h"
#include "editors/common/FieldControl.h"
#include "editors/common/choice_sets.h"
#include "support/test_session.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

TEST(ChoiceField, TypedKeysChangeNothingButTheArrowKeysStillChoose)
{
    TestSession t;
    ChoiceField field(t.session, "Cmb_Test");
    field.set_choices({"0. ENABLE", "1. DISABLE", "2. OTHER"});
    field.select_number(1);
    field.show();
    focus(&field);
    for (const char* typed : {"0", "2", "e", "O", " "}) {
        QTest::keyClicks(&field, typed);
        EXPECT_EQ(field.currentText(), "1. DISABLE") << "typed " << typed;
    }
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.currentText(), "2. OTHER");
}

TEST(ChoiceField, StoredValueIsTheNumberOfTheShownText)
{
    TestSession t;
    ChoiceField field(t.session, "Cmb_Test");
    field.set_choices({"0. NO", "1. YES", "12. TWELVE"});
    EXPECT_EQ(field.currentIndex(), -1) << "a new list selects nothing";
    EXPECT_EQ(field.number(), 0) << "no selection counts as 0";
    field.select_number(12);
    EXPECT_EQ(field.currentText(), "12. TWELVE");
    EXPECT_EQ(field.number(), 12);
    field.select_number(3);
    EXPECT_EQ(field.currentIndex(), -1) << "a number without a choice selects nothing";
}

TEST(ChoiceField, ABareNumberListStoresTheShownNumber)
{
    TestSession t;
    ChoiceField field(t.session, "Cmb_Test");
    field.set_choices(choice_texts(t.session, numbers_up_to(8)));
    ASSERT_EQ(field.count(), 9);
    EXPECT_EQ(field.itemText(0), "0");
    EXPECT_EQ(field.itemText(8), "8");
    field.select_number(7);
    EXPECT_EQ(field.currentText(), "7");
    EXPECT_EQ(field.number(), 7);
    field.select_number(9);
    EXPECT_EQ(field.currentIndex(), -1);
    EXPECT_EQ(field.number(), 0);
}

TEST(ChoiceField, ChoiceTextPutsTheNumberBeforeTheCaption)
{
    TestSession t;
    t.session.language.captions.set("FRM_ALL_YES", "SI");
    t.session.language.captions.set("FRM_ALL_DISCOUNT", " SCONTO");
    EXPECT_EQ(choice_texts(t.session, kYesNo), (QStringList{"0. SI", "1. NO"}));
    EXPECT_EQ(choice_texts(t.session, kAddOnDiscount), (QStringList{"0. ADD ON", "1. SCONTO"}))
        << "a tight list puts the caption right after the point";
}

TEST(TextField, TranslatesRegisterCharactersAndKeepsTheWidth)
{
    TestSession t;
    TextField field("E_Name", 12);
    // 0xEC is the register's own code for the PC's "a grave".
    const std::uint8_t stored[12] = {'C', 'A', 'F', 'F', 0xEC, ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::copy(std::begin(stored), std::end(stored), t.session.image.bytes.begin() + 299);
    field.load_image_text(t.session, 299, 12);
    EXPECT_EQ(field.text(), QString::fromUtf8("CAFF\xC3\xA0       "));
    EXPECT_EQ(field.maxLength(), 12);

    field.setText(QString::fromUtf8("CAFF\xC3\xA0"));
    field.save_image_text(t.session, 299, 12);
    EXPECT_TRUE(std::equal(std::begin(stored), std::end(stored), t.session.image.bytes.begin() + 299));
}

// Option rows as the setting editors describe them: bits with either sense,
// and a choice number kept in a whole byte.
constexpr Choice kSystemChoices[] = {{0, nullptr, "NONE"}, {1, nullptr, "EJ"}, {2, nullptr, "SD"}};
constexpr Field kRows[] = {
    {"Cmb_ConsecutiveReset", "FRM_REPORT_SETUP_L_CONSECUTIVE_RESET", "Consecutive Reset", bit_at(10, 1), kYesNo},
    {"Cmb_GTReset", "FRM_REPORT_SETUP_L_GT_RESET", "GT Reset", bit_at(10, 2), kNoYes},
    {"Cmb_EJSystem", "FRM_EJ_SETUP_L_EJ_SYSTEM", "EJ System", byte_at(8), {kSystemChoices}, {}, On4410::Hidden},
};

// The rows of an option screen: described fields built into controls.
struct OptionRows : testing::Test {
    OptionRows() : form(std::size(kRows))
    {
        auto* grid = new QGridLayout(&parent);
        for (const Field& f : kRows) {
            const FieldControl& c = form.add(t.session, f, &parent);
            grid->addWidget(c.label(), grid->rowCount(), 0);
            grid->addWidget(c.control(), grid->rowCount() - 1, 1);
        }
    }
    ChoiceField* field(std::size_t row) const { return form.all()[row].choice(); }
    QString shown(std::size_t row) const { return field(row)->currentText(); }
    void load() { form.load(t.session.image.bytes); }
    void save() { form.save(t.session.image.bytes); }

    TestSession t;
    QWidget parent;
    FieldControls form;
};

TEST_F(OptionRows, LoadShowsEachBitInItsSenseAndTheByteChoice)
{
    t.session.language.captions.set("FRM_ALL_NO", "NEIN");
    t.session.image.bytes[10] = 0x04;  // bit 2 set, bit 1 clear
    t.session.image.bytes[8] = 2;
    form.prepare();
    load();
    EXPECT_EQ(shown(0), "0. YES");
    EXPECT_EQ(shown(1), "1. YES");
    EXPECT_EQ(shown(2), "2. SD");
    EXPECT_EQ(field(0)->itemText(1), "1. NEIN");
    EXPECT_EQ(parent.findChild<QLabel*>("L_GTReset")->text(), "GT Reset");

    t.session.image.bytes[8] = 7;
    load();
    EXPECT_EQ(field(2)->currentIndex(), -1) << "a byte no choice has selects nothing";
}

TEST_F(OptionRows, SaveChangesOnlyTheOwnBitsAndStoresTheChosenNumber)
{
    t.session.image.bytes[10] = 0xF9;  // other screens' bits set, bits 1 and 2 clear
    t.session.image.bytes[8] = 0;
    form.prepare();
    load();
    field(0)->setCurrentIndex(1);  // "1. NO" sets bit 1
    field(1)->setCurrentIndex(1);  // "1. YES" sets bit 2
    field(2)->select_number(1);
    save();
    EXPECT_EQ(t.session.image.bytes[10], 0xFF);
    EXPECT_EQ(t.session.image.bytes[8], 1);

    field(2)->setCurrentIndex(-1);
    save();
    EXPECT_EQ(t.session.image.bytes[8], 0) << "no selection stores 0";
}

TEST_F(OptionRows, RowsTheModelLacksAreHiddenButStillSaveTheirValue)
{
    t.session.ModelCode = 0;
    t.session.image.bytes[8] = 2;
    parent.show();
    form.prepare();
    load();
    EXPECT_FALSE(field(2)->isVisible());
    EXPECT_FALSE(parent.findChild<QLabel*>("L_EJSystem")->isVisible());
    EXPECT_TRUE(field(1)->isVisible());
    save();
    EXPECT_EQ(t.session.image.bytes[8], 2);

    t.session.ModelCode = 1;
    form.prepare();
    EXPECT_TRUE(field(2)->isVisible());
}

}  // namespace
}  // namespace tw::test

namespace tw::test {
namespace {

// Typing into numeric fields as a user does: the focus selects the value,
// so what is typed replaces it; a key past the maximum changes nothing.
struct NumericTyping : testing::Test {
    NumericTyping()
    {
        field.set_maximum(99999);
        field.set_format(1000, 3, " %");
        window.resize(200, 40);
        field.setParent(&window);
        other.setParent(&window);
        other.move(0, 20);
        window.show();
    }
    void click_into() { QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(5, 5)); }
    void leave() { focus(&other); }

    TestSession t;
    QWidget window;
    NumericField field{t.session, "E_Rate"};
    QLineEdit other;
};

TEST_F(NumericTyping, ClickingIntoAValueAndTypingReplacesIt)
{
    field.show_value(5000);
    EXPECT_EQ(field.text(), "5.000 %");
    focus(&other);
    click_into();
    EXPECT_TRUE(field.hasFocus());
    EXPECT_EQ(field.selectedText(), "5000");
    QTest::keyClicks(&field, "12345");
    leave();
    EXPECT_EQ(field.text(), "12.345 %");
    EXPECT_EQ(field.value(), 12345);
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(NumericTyping, AKeyPastTheMaximumLeavesTheTextAsItWas)
{
    field.show_value(12345);
    focus(&field);
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Right);
    QTest::keyClicks(&field, "9");
    EXPECT_EQ(field.text(), "12345") << "no digit of the value is lost";
    EXPECT_EQ(field.cursorPosition(), 1);
    ASSERT_EQ(t.effects.boxes.size(), 1u);
    EXPECT_EQ(t.effects.boxes[0].text, "Value insert to high!");

    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "1345") << "Delete edits as in any field";
    QTest::keyClicks(&field, "9");
    EXPECT_EQ(field.text(), "19345");
}

TEST_F(NumericTyping, EditingKeysWorkAndAPasteKeepsItsDigits)
{
    field.show_value(0);
    focus(&field);
    EXPECT_EQ(field.text(), "") << "a 0 empties on focus";
    QApplication::clipboard()->setText("1a2-3");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "123");
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field.selectedText(), "123");
    QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "123");
    QApplication::clipboard()->setText("999999");
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "123") << "a paste past the maximum is refused whole";
    EXPECT_EQ(t.effects.boxes.size(), 1u);
}

// A middle click pastes the selection on desktops that have one: only its
// digits reach the field, and never past the maximum.
TEST_F(NumericTyping, AMiddleClickPasteKeepsOnlyItsDigits)
{
    if (!QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "this platform has no selection to paste";
    field.show_value(0);
    focus(&field);
    QApplication::clipboard()->setText("4x5", QClipboard::Selection);
    QTest::mouseClick(&field, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(field.text(), "45");
    QApplication::clipboard()->setText("999999", QClipboard::Selection);
    QTest::mouseClick(&field, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(field.text(), "45") << "a paste past the maximum is refused whole";
    ASSERT_EQ(t.effects.boxes.size(), 1u);
    EXPECT_EQ(t.effects.boxes[0].text, "Value insert to high!");
}

TEST(TextField, ACharacterPastTheWidthIsRefusedWithABeep)
{
    TestSession t;
    QWidget window;
    const Field name{"E_DeptName", nullptr, "Name", register_text_at(0, 12)};
    FieldControls controls(1);
    const FieldControl& c = controls.add(t.session, name, &window);
    window.show();
    focus(c.control());
    QTest::keyClicks(c.control(), "FRUIT AND VEG");
    EXPECT_EQ(c.text()->text(), "FRUIT AND VE");
    EXPECT_EQ(t.effects.beeps, 1);
}

// A name typed on from its end: the trailing spaces go while it has the
// focus and come back when the user leaves it, not when a message box
// takes the focus for a moment.
TEST(TextField, APaddedFieldLosesItsSpacesWhileEditedAndGetsThemBackOnLeaving)
{
    TestSession t;
    QWidget window;
    constexpr Field name{.name = "E_Name", .label = "Name", .place = register_text_at(0, 8), .padded = true};
    FieldControls controls(1);
    const FieldControl& c = controls.add(t.session, name, &window);
    QLineEdit other(&window);
    other.move(0, 30);
    window.show();
    std::array<std::uint8_t, 8> bytes{'T', 'E', 'A', ' ', ' ', ' ', ' ', ' '};
    controls.prepare();
    controls.load(bytes);
    EXPECT_EQ(c.text()->text(), "TEA     ");
    EXPECT_EQ(c.cell_text(bytes), "TEA     ") << "the grid shows all its characters";

    focus(c.control());
    EXPECT_EQ(c.text()->text(), "TEA");
    EXPECT_EQ(c.text()->cursorPosition(), 3);
    QTest::keyClicks(c.control(), " CUP");
    QFocusEvent messageBox(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(c.control(), &messageBox);
    EXPECT_EQ(c.text()->text(), "TEA CUP");
    focus(&other);
    EXPECT_EQ(c.text()->text(), "TEA CUP ");
    controls.save(bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "TEA CUP ");
}

// Two prices with their "not zero" bits in a flag byte whose other bits
// belong to nobody here; the second price is kept on model 4410.
struct FlagCase {
    const char* what;
    int model;
    long long price1, price2;
    std::array<std::uint8_t, 5> after;
    bool price2Shown;
};

TEST(FieldControls, ANonZeroFlagFollowsItsValueAndAKeptFieldStaysOnModel4410)
{
    constexpr Field kPrices[] = {
        {.name = "E_Price1", .label = "Price 1", .place = bcd_at(0, 2), .nonZeroFlag = bit_at(4, 6)},
        {.name = "E_Price2", .label = "Price 2", .place = bcd_at(2, 2), .on4410 = On4410::Kept,
         .nonZeroFlag = bit_at(4, 7)},
    };
    // Price 1 of 0 with its bit set; price 2 of 101 with its bit clear.
    constexpr std::array<std::uint8_t, 5> kBefore{0x00, 0x00, 0x01, 0x01, 0x7C};
    const FlagCase cases[] = {
        {"4430 both", 1, 250, 3, {0x50, 0x02, 0x03, 0x00, 0xFC}, true},
        {"4430 price 2 set", 1, 0, 7, {0x00, 0x00, 0x07, 0x00, 0xBC}, true},
        {"4410 keeps price 2 and bit 7", 0, 250, 0, {0x50, 0x02, 0x01, 0x01, 0x7C}, false},
        {"4410 price 1 of 0 clears bit 6", 0, 0, 9, {0x00, 0x00, 0x01, 0x01, 0x3C}, false},
    };
    for (const FlagCase& k : cases) {
        SCOPED_TRACE(k.what);
        TestSession t;
        t.session.ModelCode = k.model;
        QWidget window;
        FieldControls controls(std::size(kPrices));
        for (const Field& f : kPrices)
            controls.add(t.session, f, &window);
        window.show();
        std::array<std::uint8_t, 5> bytes = kBefore;
        controls.prepare();
        controls.load(bytes);
        EXPECT_EQ(controls.at("E_Price2").numeric()->text(), "101") << "loaded on either model";
        EXPECT_EQ(controls.at("E_Price2").control()->isVisible(), k.price2Shown);
        controls.at("E_Price1").numeric()->show_value(k.price1);
        controls.at("E_Price2").numeric()->show_value(k.price2);
        controls.save(bytes);
        EXPECT_EQ(bytes, k.after);
    }
}

TEST(FieldControls, AStoredNumberLongerThanTheTypingLimitShowsWhole)
{
    TestSession t;
    QWidget window;
    constexpr Field code{.name = "E_FreeCode", .label = "PLU :", .place = bcd_at(0, 8),
                         .number = {.maximum = 9999999999999, .maxChars = 13}};
    FieldControls controls(1);
    const FieldControl& c = controls.add(t.session, code, &window);
    controls.prepare();
    std::array<std::uint8_t, 8> bytes{};
    t.session.codecs.number_to_bcds(bytes.data(), 8, 1234567890123456LL);
    controls.load(bytes);
    EXPECT_EQ(c.numeric()->text(), "1234567890123456") << "never cut";
    EXPECT_EQ(c.numeric()->maxLength(), 16);
    t.session.codecs.number_to_bcds(bytes.data(), 8, 42LL);
    controls.load(bytes);
    EXPECT_EQ(c.numeric()->text(), "42");
    EXPECT_EQ(c.numeric()->maxLength(), 13) << "typing keeps its limit";
}

// Departments 0 to 99 kept as two BCD digits: a damaged byte chooses
// nothing, shows as written in a grid, and saves as 0.
TEST(FieldControls, BareNumbersOnTwoBcdDigits)
{
    TestSession t;
    QWidget window;
    constexpr Field dept{"Cmb_LinkDept", nullptr, "Link Dept:", hex_digits_byte_at(1), numbers_up_to(99)};
    FieldControls controls(1);
    const FieldControl& c = controls.add(t.session, dept, &window);
    controls.prepare();
    ASSERT_EQ(c.choice()->count(), 100);
    std::array<std::uint8_t, 2> bytes{0xEE, 0x45};
    controls.load(bytes);
    EXPECT_EQ(c.choice()->currentText(), "45");
    EXPECT_EQ(c.cell_text(bytes), "45");
    c.choice()->select_number(7);
    controls.save(bytes);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 2>{0xEE, 0x07}));

    bytes[1] = 0x1A;
    controls.load(bytes);
    EXPECT_EQ(c.choice()->currentIndex(), -1);
    EXPECT_EQ(c.cell_text(bytes), "1A");
    controls.save(bytes);
    EXPECT_EQ(bytes[1], 0x00);
    EXPECT_TRUE(t.log().empty());
}

TEST(ChoiceField, ALongListScrolls)
{
    TestSession t;
    ChoiceField field(t.session, "Cmb_DepartmentNumber");
    QStringList numbers;
    for (int n = 1; n <= 99; ++n)
        numbers << QString::number(n);
    field.set_choices(numbers);
    EXPECT_LE(field.maxVisibleItems(), 20);
    EXPECT_FALSE(field.style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &field))
        << "the list opens as a scrolling popup, not over the whole screen";
}

}  // namespace
}  // namespace tw::test
