// The bit and byte editors: no-sale key, working mode, report setup, EJ
// setup, clerk menu and hospitality. The sense of YES flips from option to
// option, so each screen's first choices over zero bytes are checked by name.
#include <QLabel>

#include "option_screens.h"

namespace tw::test {
namespace {

class SettingOptions : public OptionFixture {
protected:
    explicit SettingOptions(int model = 1) : OptionFixture(model) {}
    void expect_shown(std::initializer_list<std::pair<const char*, const char*>> shown)
    {
        for (const auto& [name, text] : shown)
            EXPECT_EQ(field<ChoiceField>(name)->currentText(), text) << name;
    }
};

class SettingOptions4410 : public SettingOptions {
protected:
    SettingOptions4410() : SettingOptions(0) {}
};

TEST_F(SettingOptions, NoSaleKeyBitsOfByte62)
{
    open<FrmNSMenuSetting>();
    EXPECT_EQ(screen()->windowTitle(), "Program #/NS Key");
    expect_shown({{"Cmb_DrawerOpen", "0. OPEN"}, {"Cmb_ControlKeyPositioning", "0. REG & MGR"},
                  {"Cmb_ReceiptPrint", "0. PRINT"}, {"Cmb_ReceiptHeaderPrint", "0. PRINT"},
                  {"Cmb_EJInput", "0. INPUT"}, {"Cmb_ConsecutiveIncrement", "0. UPDATE"}});
    EXPECT_EQ(field<ChoiceField>("Cmb_EJInput")->itemText(1), "1. NOT INPUT");
    choose("Cmb_ControlKeyPositioning", 1);
    choose("Cmb_ConsecutiveIncrement", 1);
    save();
    EXPECT_EQ(s.image.byte(62), 0x22);

    s.image.set_byte(62, 0xC0);
    open<FrmNSMenuSetting>();
    choose("Cmb_DrawerOpen", 1);
    save();
    EXPECT_EQ(s.image.byte(62), 0xC1);
    open<FrmNSMenuSetting>();
    expect_shown({{"Cmb_DrawerOpen", "1. CLOSED"}});
}

TEST_F(SettingOptions, WorkingModeKeepsTheOtherScreensBits)
{
    s.image.set_byte(10, 0x4F);
    s.image.set_byte(11, 0xFE);
    s.image.set_byte(3, 5);
    s.language.captions.set("FRM_WORKING_MODE_CMB_VAT_CALCULATION1_MSG", "IVA");
    open<FrmWorkingMode>();
    EXPECT_EQ(chosen("Cmb_VatCalculation"), -1) << "a VAT byte of 5 shows nothing";
    EXPECT_EQ(field<ChoiceField>("Cmb_VatCalculation")->itemText(0), "0. IVA") << "keys numbered opposite";
    EXPECT_EQ(field<ChoiceField>("Cmb_VatCalculation")->itemText(1), "1. ADD ON TAX");
    EXPECT_EQ(field<QLabel>("L_FC_ConvertCalculation")->text(), " FC Convert Calculation");
    EXPECT_EQ(field<QLabel>("L_PM_Per_Result")->text(), QString::fromUtf8("±%, ± Result"));
    choose("Cmb_FC_ConvertCalculation", 1);
    choose("Cmb_PM_Per_Result", 1);
    save();
    EXPECT_EQ(s.image.byte(3), 0);
    EXPECT_EQ(s.image.byte(11), 0xFF);
    EXPECT_EQ(s.image.byte(10), 0xCF) << "bit 7 set; bit 6 and bits 0 to 3 kept";
}

TEST_F(SettingOptions4410, WorkingModeHidesTheShiftsButKeepsTheirBytes)
{
    s.image.set_byte(1, 2);
    s.image.set_byte(2, 1);
    open<FrmWorkingMode>();
    for (const char* name : {"Cmb_PluPageSelection", "Cmb_Price1_2ShiftSel", "L_PluPageSelection", "L_Price1_2ShiftSel"})
        EXPECT_FALSE(field(name)->isVisible()) << name;
    EXPECT_TRUE(field("Cmb_VatCalculation")->isVisible());
    choose("Cmb_ZeroPriceRegistration", 1);
    save();
    EXPECT_EQ(s.image.byte(1), 2);
    EXPECT_EQ(s.image.byte(2), 1);
    EXPECT_EQ(s.image.byte(10), 0x20);
}

TEST_F(SettingOptions, ReportSetupSensesOfYes)
{
    s.image.set_byte(10, 0xF1);
    s.image.set_byte(11, 0x00);
    open<FrmReportSetup>();
    expect_shown({{"Cmb_ConsecutiveReset", "0. YES"}, {"Cmb_GTReset", "0. NO"}, {"Cmb_Z1_Z2CounterReset", "0. NO"},
                  {"Cmb_DuplicateZ", "0. ACTIVE"}, {"Cmb_ZeroSkip", "0. YES"}});
    choose("Cmb_GTReset", 1);
    choose("Cmb_DuplicateZ", 1);
    save();
    EXPECT_EQ(s.image.byte(10), 0xF5);
    EXPECT_EQ(s.image.byte(11), 0x04);
    open<FrmReportSetup>();
    expect_shown({{"Cmb_GTReset", "1. YES"}, {"Cmb_DuplicateZ", "1. INACTIVE"}});
}

TEST_F(SettingOptions, EjSetupSystemByteAndJournalBits)
{
    s.image.set_byte(13, 0x10);
    s.image.set_byte(8, 2);
    open<FrmEJSetup>();
    EXPECT_EQ(screen()->windowTitle(), "EJ SETUP");
    expect_shown({{"Cmb_EJSystem", "2. SD"}, {"Cmb_InvoiceReceipttoEJ", "1. NO INPUT"},
                  {"Cmb_NewBalanceReceipttoEJ", "0. INPUT"}, {"Cmb_EJStore", "0. SALES ONLY"}});
    save();
    EXPECT_EQ(s.image.byte(13), 0x10);
    choose("Cmb_EJStore", 1);
    save();
    EXPECT_EQ(s.image.byte(13), 0x11);
    open<FrmEJSetup>();
    expect_shown({{"Cmb_EJStore", "1. ALL TRANSACTION"}});

    s.image.set_byte(8, 3);
    open<FrmEJSetup>();
    EXPECT_EQ(chosen("Cmb_EJSystem"), -1);
}

TEST_F(SettingOptions4410, EjSetupHidesThreeJournalFieldsButKeepsTheirBits)
{
    s.image.set_byte(13, 0x38);
    open<FrmEJSetup>();
    for (const char* name : {"Cmb_NewBalanceReceipttoEJ", "Cmb_InvoiceReceipttoEJ", "Cmb_Review_ProformaReceiptToEJ"})
        EXPECT_FALSE(field(name)->isVisible()) << name;
    EXPECT_TRUE(field("Cmb_EJStore")->isVisible());
    choose("Cmb_BeepEndOfTransaction", 1);
    save();
    EXPECT_EQ(s.image.byte(13), 0x3C);
}

TEST_F(SettingOptions, ClerkMenuOppositeSenses)
{
    open<FrmClerkMenuSetup>();
    expect_shown({{"Cmb_ClerkSystem", "0. INACTIVE"}, {"Cmb_MustClerkPassword", "0. NO"},
                  {"Cmb_EachTransactionOfClerk", "0. NO"}, {"Cmb_LoginClerkDisplay", "0. ACTIVE"}});
    s.image.set_byte(9, 0x05);
    open<FrmClerkMenuSetup>();
    choose("Cmb_ClerkSystem", 1);
    choose("Cmb_MustClerkPassword", 1);
    save();
    EXPECT_EQ(s.image.byte(9), 0x35);
}

constexpr const char* kHospitality[] = {"Cmb_TableCompulsory",        "Cmb_GuestCompulsory",
                                        "Cmb_ExclusiveClerk",         "Cmb_Review_ProformaReceipt",
                                        "Cmb_ConsUpdateOnNewBalance", "Cmb_ConsUpdateOnInvoice",
                                        "Cmb_ConsUpdateOnReview_Proforma"};

TEST_F(SettingOptions, HospitalityAllNoSetsItsSevenBits)
{
    s.image.set_byte(11, 0x1F);
    s.image.set_byte(12, 0xA0);
    open<FrmHospitalitySetup>();
    EXPECT_EQ(screen()->windowTitle(), "Hospitality Setup");
    for (const char* name : kHospitality) {
        EXPECT_EQ(field<ChoiceField>(name)->currentText(), "0. YES") << name;
        choose(name, 1);
    }
    save();
    EXPECT_EQ(s.image.byte(11), 0xFF) << "bits 0 to 4 kept";
    EXPECT_EQ(s.image.byte(12), 0xAF) << "bits 4 to 7 kept";
    s.image.set_byte(11, 0);
    s.image.set_byte(12, 0);
    open<FrmHospitalitySetup>();
    for (const char* name : kHospitality)
        choose(name, 1);
    save();
    EXPECT_EQ(s.image.byte(11), 0xE0);
    EXPECT_EQ(s.image.byte(12), 0x0F);
}

}  // namespace
}  // namespace tw::test
