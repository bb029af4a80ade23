// The percentage keys and the PO, RA and +/- keys editors.
#include <QLabel>
#include <QPushButton>

#include "option_screens.h"

namespace tw::test {
namespace {

class PercentageKeys : public OptionFixture {
protected:
    void open_editor() { open<FrmPercentageMenu>(); }
};

TEST_F(PercentageKeys, RatesShowInHundredthsOfAPercentAndTheStoredIntegerWithTheFocus)
{
    s.image.set_byte(47, 0x50);
    s.image.set_byte(48, 0x12);
    s.image.set_byte(53, 0x99);
    s.image.set_byte(54, 0x99);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Program % Key");
    EXPECT_EQ(field<QLabel>("L_Titolo")->text(), "PROGRAM % KEY");
    auto* rate = field<QLineEdit>("E_P1KeyRate");
    EXPECT_EQ(rate->text(), "12.50 %");
    EXPECT_EQ(field<QLineEdit>("E_P2KeyRateLimit")->text(), "99.99 %");
    EXPECT_EQ(field<QLineEdit>("E_P1KeyRateLimit")->text(), "0.00 %");
    EXPECT_EQ(field<QLabel>("L_RateMax")->text(), "(Max Value 9999)");
    focus(rate);
    EXPECT_EQ(rate->text(), "1250");
    focus(field("E_P1KeyRateLimit"));
    EXPECT_EQ(field<QLineEdit>("E_P1KeyRateLimit")->text(), "") << "a 0 empties";
    focus(rate);
    EXPECT_EQ(field<QLineEdit>("E_P1KeyRateLimit")->text(), "0.00 %");
    save();
    EXPECT_EQ(s.image.byte(47), 0x50);
    EXPECT_EQ(s.image.byte(48), 0x12);
    EXPECT_EQ(saved_file(), image());
}

TEST_F(PercentageKeys, AFifthDigitIsRefusedWithTheMessageAndEnterGoesToSave)
{
    open_editor();
    type_into("E_P2KeyRate", "12345");
    auto* rate = field<QLineEdit>("E_P2KeyRate");
    EXPECT_EQ(rate->text(), "1234");
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Value insert to high!");
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Error);
    QTest::keyClick(rate, Qt::Key_Return);
    EXPECT_TRUE(field<QPushButton>("C_Salva")->hasFocus());
    EXPECT_EQ(rate->text(), "12.34 %");
    save();
    EXPECT_EQ(s.image.byte(51), 0x34);
    EXPECT_EQ(s.image.byte(52), 0x12);
    open_editor();
    EXPECT_EQ(field<QLineEdit>("E_P2KeyRate")->text(), "12.34 %") << "reopening shows what was saved";
}

TEST_F(PercentageKeys, FunctionsAreBitsZeroAndOneOfByte59Only)
{
    s.image.set_byte(59, 0xFE);
    open_editor();
    EXPECT_EQ(field<ChoiceField>("Cmb_P1Sign")->currentText(), "0. ADD ON");
    EXPECT_EQ(field<ChoiceField>("Cmb_P2Sign")->currentText(), "1. DISCOUNT");
    choose("Cmb_P1Sign", 1);
    choose("Cmb_P2Sign", 0);
    save();
    EXPECT_EQ(s.image.byte(59), 0xFD);
}

TEST_F(PercentageKeys, ACaptionTextFollowsThePointWithoutASpace)
{
    s.language.captions.set("FRM_ALL_DISCOUNT", "SCONTO");
    open_editor();
    auto* sign = field<ChoiceField>("Cmb_P1Sign");
    EXPECT_EQ(sign->itemText(0), "0. ADD ON");
    EXPECT_EQ(sign->itemText(1), "1.SCONTO");
    choose("Cmb_P1Sign", 1);
    save();
    EXPECT_EQ(s.image.byte(59) & 0x01, 1);
}

class PoRaKeys : public OptionFixture {
protected:
    void open_editor() { open<FrmPORAMPKeyMenu>(); }
};

TEST_F(PoRaKeys, AnHdloOutsideItsListShowsNothingAndSavesZero)
{
    s.image.set_byte(55, 4);
    s.image.set_byte(56, 6);
    s.image.set_byte(57, 2);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Program PO, RA and -/+ Keys");
    EXPECT_EQ(field<ChoiceField>("Cmb_RAKeyHDLOSetting")->currentText(), "4. (0 - 999.99)");
    EXPECT_EQ(chosen("Cmb_POKeyHDLOSetting"), -1);
    EXPECT_EQ(field<ChoiceField>("Cmb_PMKeyHDLOSetting")->currentText(), "2. (0 - 9.99)");
    EXPECT_EQ(field<ChoiceField>("Cmb_POKeyHDLOSetting")->itemText(0), "0. NO LIMIT");
    save();
    EXPECT_EQ(s.image.byte(55), 4);
    EXPECT_EQ(s.image.byte(56), 0);
    EXPECT_EQ(s.image.byte(57), 2);
}

TEST_F(PoRaKeys, EveryChoiceAtOneSetsBitsTwoToFiveAndKeepsTheRestAndByte58)
{
    s.image.set_byte(58, 0xA5);
    s.image.set_byte(59, 0xC3);
    open_editor();
    for (const char* name : {"Cmb_POHeaderPrint", "Cmb_RAHeaderPrint", "Cmb_PM1Sign", "Cmb_PM2Sign",
                             "Cmb_POKeyHDLOSetting", "Cmb_RAKeyHDLOSetting", "Cmb_PMKeyHDLOSetting"})
        choose(name, 1);
    save();
    EXPECT_EQ(s.image.byte(59), 0xFF);
    EXPECT_EQ(s.image.byte(58), 0xA5);
    EXPECT_EQ(s.image.byte(55), 1);
    open_editor();
    EXPECT_EQ(field<ChoiceField>("Cmb_POHeaderPrint")->currentText(), "1. NOT PRINT");
    EXPECT_EQ(field<ChoiceField>("Cmb_PM2Sign")->currentText(), "1. DISCOUNT");
}

TEST_F(PoRaKeys, EachSignAndHeaderIsItsOwnBit)
{
    const std::pair<const char*, std::uint8_t> cases[] = {
        {"Cmb_PM1Sign", 0x04}, {"Cmb_PM2Sign", 0x08}, {"Cmb_RAHeaderPrint", 0x10}, {"Cmb_POHeaderPrint", 0x20}};
    for (const auto& [name, bit] : cases) {
        s.image.set_byte(59, 0);
        open_editor();
        choose(name, 1);
        save();
        EXPECT_EQ(s.image.byte(59), bit) << name;
    }
}

}  // namespace
}  // namespace tw::test
