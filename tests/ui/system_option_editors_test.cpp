// The mode password editor and the system option editor.
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <filesystem>
#include <QPushButton>

#include "editors/sales/FrmDepartmentProgram.h"
#include "editors/sales/department_record.h"
#include "option_screens.h"

namespace tw::test {
namespace {

class Passwords : public OptionFixture {
protected:
    void open_editor() { open<FrmPermissionProgram>(); }
};

TEST_F(Passwords, ShowFourDigitsLowPairFirstAndTheManagerPasswordSitsAtOffset27)
{
    s.image.set_byte(21, 0xAB);
    s.image.set_byte(22, 0xCD);
    s.image.set_bcd(s.codecs, 23, 2, 1234LL);
    s.image.set_bcd(s.codecs, 25, 2, 7LL);
    s.image.set_bcd(s.codecs, 27, 2, 9000LL);
    s.image.set_bcd(s.codecs, 29, 2, 42LL);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Set Passwords");
    EXPECT_EQ(field<QLineEdit>("E_Prg_ZModePasswordSetting")->text(), "1234");
    EXPECT_EQ(field<QLineEdit>("E_XModePasswordSetting")->text(), "0007");
    EXPECT_EQ(field<QLineEdit>("E_ManagerModePassword")->text(), "9000");
    EXPECT_EQ(field<QLineEdit>("E_TrainingModePasswordSetting")->text(), "0042");
    EXPECT_EQ(field<QLabel>("L_MaxValue4")->text(), "(Max Value 9999)");

    type_into("E_ManagerModePassword", "5");
    type_into("E_XModePasswordSetting", "31");
    focus(field("E_Prg_ZModePasswordSetting"));
    EXPECT_EQ(field<QLineEdit>("E_XModePasswordSetting")->text(), "0031");
    EXPECT_EQ(field<QLineEdit>("E_ManagerModePassword")->text(), "0005");
    save();
    EXPECT_EQ(s.image.byte(25), 0x31);
    EXPECT_EQ(s.image.byte(26), 0x00);
    EXPECT_EQ(s.image.byte(27), 0x05) << "manager between X and training";
    EXPECT_EQ(s.image.byte(28), 0x00);
    EXPECT_EQ(s.image.byte(29), 0x42);
    EXPECT_EQ(s.image.byte(23), 0x34);
    EXPECT_EQ(s.image.byte(24), 0x12);
    EXPECT_EQ(s.image.byte(21), 0xAB);
    EXPECT_EQ(s.image.byte(22), 0xCD);
    EXPECT_EQ(saved_file(), image());
    open_editor();
    EXPECT_EQ(field<QLineEdit>("E_ManagerModePassword")->text(), "0005");
}

TEST_F(Passwords, AFifthDigitIsRefusedAndAZeroEmptiesWithTheFocus)
{
    s.image.set_bcd(s.codecs, 23, 2, 1234LL);
    open_editor();
    auto* prg = field<QLineEdit>("E_Prg_ZModePasswordSetting");
    focus(prg);
    prg->end(false);
    QTest::keyClicks(prg, "5");
    EXPECT_EQ(prg->text(), "1234");
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Value insert to high!");
    auto* x = field<QLineEdit>("E_XModePasswordSetting");
    EXPECT_EQ(x->text(), "0000");
    focus(x);
    EXPECT_EQ(x->text(), "");
    QTest::keyClicks(x, "a-");
    EXPECT_EQ(x->text(), "") << "letters and signs are dropped";
    focus(prg);
    EXPECT_EQ(x->text(), "0000");
}

class SystemOptions : public OptionFixture {
protected:
    void open_editor() { open<FrmSystemOption>(); }
    QLineEdit* gt() const { return field<QLineEdit>("E_GTCounterSetting"); }
};

TEST_F(SystemOptions, CountersShowLeadingZerosAndStoreTheirDigitsLowPairFirst)
{
    s.image.set_bcd(s.codecs, 3087, 2, 42LL);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "System Options");
    EXPECT_EQ(field<QLineEdit>("E_ConsecutiveReceipt")->text(), "0042");
    EXPECT_EQ(field<QLineEdit>("E_Z1CounterSetting")->text(), "0000");
    EXPECT_EQ(gt()->text(), "0000000000000000");
    EXPECT_EQ(field<QLabel>("L_MaxValue4")->text(), "(Max Value 9999999999999999)");
    EXPECT_EQ(field<QGroupBox>("F_Counter")->title(), "Advanced Counter Setting");

    type_into("E_Z2CounterSetting", "x7y");
    type_into("E_GTCounterSetting", "1234567890123456");
    type_into("E_Z1CounterSetting", "98765");
    focus(field("E_ConsecutiveReceipt"));
    EXPECT_EQ(field<QLineEdit>("E_Z2CounterSetting")->text(), "0007") << "letters dropped";
    EXPECT_EQ(field<QLineEdit>("E_Z1CounterSetting")->text(), "9876") << "four digits at most";
    save();
    EXPECT_EQ(s.image.byte(3087), 0x42);
    EXPECT_EQ(s.image.byte(3088), 0x00);
    EXPECT_EQ(s.image.byte(3089), 0x76);
    EXPECT_EQ(s.image.byte(3090), 0x98);
    EXPECT_EQ(s.image.byte(3091), 0x07);
    const std::uint8_t gtBytes[] = {0x56, 0x34, 0x12, 0x90, 0x78, 0x56, 0x34, 0x12};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(s.image.byte(3093 + i), gtBytes[i]) << i;
    EXPECT_EQ(saved_file(), image());
    open_editor();
    EXPECT_EQ(gt()->text(), "1234567890123456");
    EXPECT_LT(gt()->fontMetrics().horizontalAdvance(gt()->text()), gt()->width()) << "all 16 digits in view";
}

// A four-digit counter with the focus shows its plain number; a 0 stays "0".
TEST_F(SystemOptions, AFourDigitCounterDropsItsLeadingZerosWithTheFocus)
{
    s.image.set_bcd(s.codecs, 3087, 2, 42LL);
    open_editor();
    auto* consecutive = field<QLineEdit>("E_ConsecutiveReceipt");
    auto* z1 = field<QLineEdit>("E_Z1CounterSetting");
    focus(consecutive);
    EXPECT_EQ(consecutive->text(), "42");
    focus(z1);
    EXPECT_EQ(z1->text(), "0");
    EXPECT_EQ(consecutive->text(), "0042");
    focus(consecutive);
    EXPECT_EQ(z1->text(), "0000");
}

TEST_F(SystemOptions, TheGtReadsEachByteByItsLeadingDigitAndKeepsItsZerosWithTheFocus)
{
    s.image.set_byte(3093, 0x4A);
    s.image.set_byte(3094, 0x01);
    open_editor();
    EXPECT_EQ(gt()->text(), "0000000000000104");
    focus(gt());
    EXPECT_EQ(gt()->text(), "0000000000000104");
    EXPECT_TRUE(h.log().empty());
}

TEST_F(SystemOptions, DecimalPositionAndRoundingAreStoredAndThePricesUseTheNewDecimalsAtOnce)
{
    s.image.set_byte(60, 2);
    s.image.set_byte(61, 0x01);
    s.image.set_bcd(s.codecs, dept::offset_of(1) + dept::kPrice, 4, 12345LL);
    open_editor();
    EXPECT_EQ(field<ChoiceField>("Cmb_DecimalPosition")->currentText(), "2. (ex x.xx)");
    EXPECT_EQ(field<ChoiceField>("Cmb_FractionRound")->currentText(), "1. ROUND OFF");
    choose("Cmb_DecimalPosition", 3);
    choose("Cmb_FractionRound", 2);
    save();
    EXPECT_EQ(s.image.byte(60), 3);
    EXPECT_EQ(s.image.byte(61), 0x02);
    EXPECT_EQ(s.DecimalPosition, 3);
    open<FrmDepartmentProgram>();
    EXPECT_EQ(field<QLineEdit>("E_Price")->text(), QLocale().toString(12.345, 'f', 3));
}

TEST_F(SystemOptions, AFractionByteOutsideItsListShowsNothingAndSavesZero)
{
    s.image.set_byte(61, 0x12);
    s.image.set_byte(60, 7);
    s.DecimalPosition = 7;
    open_editor();
    EXPECT_EQ(chosen("Cmb_FractionRound"), -1);
    EXPECT_EQ(chosen("Cmb_DecimalPosition"), -1);
    save();
    EXPECT_EQ(s.image.byte(61), 0);
    EXPECT_EQ(s.image.byte(60), 0);
    EXPECT_EQ(s.DecimalPosition, 0);
}

// An emptied GT holds no number: Save stops after the other counters, logs
// the reason and writes no file.
TEST_F(SystemOptions, AnEmptiedGtStopsSaveBeforeTheFile)
{
    s.image.set_byte(60, 2);
    s.image.set_bcd(s.codecs, 3093, 8, 5LL);
    open_editor();
    type_into("E_ConsecutiveReceipt", "12");
    choose("Cmb_DecimalPosition", 1);
    focus(gt());
    gt()->clear();
    focus(field("E_ConsecutiveReceipt"));
    EXPECT_EQ(gt()->text(), "") << "an emptied GT stays empty";
    save();
    EXPECT_FALSE(std::filesystem::exists(s.dirs.DataDir + "PRG_MODE.BIN"));
    ASSERT_FALSE(h.log().empty());
    EXPECT_EQ(h.log().back().rfind("FrmSystemOption Salva: ", 0), 0u) << h.log().back();
    EXPECT_EQ(s.image.byte(3087), 0x12) << "the counters before the GT are in the image";
    EXPECT_EQ(s.image.byte(3093), 0x05) << "the GT is not";
    EXPECT_EQ(s.image.byte(60), 2) << "nor the decimal position";
    EXPECT_EQ(s.DecimalPosition, 2);

    type_into("E_GTCounterSetting", "9");
    save();
    EXPECT_EQ(saved_file(), image());
    EXPECT_EQ(s.image.byte(3093), 0x09);
    EXPECT_EQ(s.image.byte(60), 1);
}

}  // namespace
}  // namespace tw::test
