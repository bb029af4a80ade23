// The print mode editor: 45 options on two nested tab sets.
#include <QTabWidget>

#include "editor_fixture.h"
#include "editors/common/FieldControl.h"
#include "editors/system/FrmPrintMode.h"

namespace tw::test {
namespace {

class PrintMode : public EditorFixture {
protected:
    explicit PrintMode(int model = 1) : EditorFixture(model) {}
    FrmPrintMode& open_editor() { return open<FrmPrintMode>(); }
    QTabWidget* tabs(const char* name) const { return field<QTabWidget>(name); }
};

class PrintMode4410 : public PrintMode {
protected:
    PrintMode4410() : PrintMode(0) {}
};

TEST_F(PrintMode, ZeroBytesShowYesNormalAndTheFirstChoices)
{
    s.image.set_byte(5, 1);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Print MODE");
    const auto& all = screen()->findChildren<ChoiceField*>();
    EXPECT_EQ(all.size(), 45);
    for (const char* yes : {"Cmb_TaxRatePrint", "Cmb_GTPrint", "Cmb_VoidTotalPrint", "Cmb_HeaderPrintOnInvoice"})
        EXPECT_EQ(field<ChoiceField>(yes)->currentText(), "0. YES") << yes;
    EXPECT_EQ(field<ChoiceField>("Cmb_X_ZReportHeaderPrint")->currentText(), "0. NO");
    EXPECT_EQ(field<ChoiceField>("Cmb_InvoicePrint")->currentText(), "0. NORMAL");
    EXPECT_EQ(field<ChoiceField>("Cmb_NewBalanceReceiptPrint")->currentText(), "0. NONE");
    EXPECT_EQ(field<ChoiceField>("Cmb_TaxDetailsPrintPosition")->currentText(), "0. AFTER TENDER");
    EXPECT_EQ(field<ChoiceField>("Cmb_MultipleReceipt")->currentText(), "0. DISABLE");
    EXPECT_EQ(field<ChoiceField>("Cmb_LineDistanceSel")->currentText(), "1. 1.0 mm");
    EXPECT_EQ(tabs("Tab_Print")->tabText(4), "ON REPORT/PRG");
    EXPECT_EQ(tabs("Tab_PrintReceipt")->tabText(2), "Item Selection");
    EXPECT_EQ(tabs("Tab_Print")->currentIndex(), 0);
}

// Each option writes its own bit or byte, whichever sense its choices have.
struct OptionCase {
    const char* field;
    int choice;
    std::size_t offset;
    std::uint8_t expected;  // the byte after saving over a zero image
};

class PrintModeOption : public PrintMode, public testing::WithParamInterface<OptionCase> {};

TEST_P(PrintModeOption, SavesOnlyItsOwnPlace)
{
    const OptionCase& c = GetParam();
    open_editor();
    const auto before = image();
    choose(c.field, c.choice);
    save();
    EXPECT_EQ(s.image.byte(c.offset), c.expected);
    expect_unchanged_outside(before, c.offset, c.offset + 1);
    EXPECT_EQ(saved_file(), image());
}

INSTANTIATE_TEST_SUITE_P(
    Options, PrintModeOption,
    testing::Values(OptionCase{"Cmb_X_ZReportHeaderPrint", 1, 19, 0x10},  // "1. YES" sets bit 4
                    OptionCase{"Cmb_RatioPerInDeptAndPluReportPrint", 1, 19, 0x20},  // "1. NO" sets bit 5
                    OptionCase{"Cmb_GraphicHeaderOnReview", 1, 16, 0x08},
                    OptionCase{"Cmb_GraphicHeaderOnInvoice", 1, 16, 0x04},
                    OptionCase{"Cmb_MultipleReceipt", 1, 11, 0x02},
                    OptionCase{"Cmb_TaxDetailsPrintPosition", 1, 10, 0x40},
                    OptionCase{"Cmb_VoidTotalPrint", 1, 20, 0x40},
                    OptionCase{"Cmb_ReceiptwithoutTableTrackingPrint", 2, 6, 2},
                    OptionCase{"Cmb_NewBalanceReceiptPrint", 3, 7, 3},
                    OptionCase{"Cmb_LineDistanceSel", 3, 5, 3}),
    [](const testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.field).substr(4); });

TEST_F(PrintMode, BytesOutsideTheirSetShowNothingAndSaveZero)
{
    s.image.set_byte(6, 3);
    s.image.set_byte(7, 4);
    open_editor();
    EXPECT_EQ(field<ChoiceField>("Cmb_ReceiptwithoutTableTrackingPrint")->currentIndex(), -1);
    EXPECT_EQ(field<ChoiceField>("Cmb_NewBalanceReceiptPrint")->currentIndex(), -1);
    save();
    EXPECT_EQ(s.image.byte(6), 0);
    EXPECT_EQ(s.image.byte(7), 0);
}

TEST_F(PrintMode4410, RefusesThreeTabsButKeepsTheirOptions)
{
    s.image.set_byte(20, 0x0F);
    s.image.set_byte(7, 2);
    open_editor();
    EXPECT_TRUE(h.effects.boxes.empty()) << "opening asks nothing";
    QTabWidget* print = tabs("Tab_Print");
    for (int refused : {1, 2, 3}) {
        print->setCurrentIndex(4);
        EXPECT_EQ(print->currentIndex(), 4);
        print->setCurrentIndex(refused);
        EXPECT_EQ(print->currentIndex(), 0) << "back to the first tab, whichever was shown before";
    }
    ASSERT_EQ(h.effects.boxes.size(), 3u);
    EXPECT_EQ(h.effects.boxes[0].text, "Option not supported on ECR4410");
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(h.effects.boxes[0].buttons, MsgButtons::Ok);
    save();
    EXPECT_EQ(s.image.byte(20), 0x0F);
    EXPECT_EQ(s.image.byte(7), 2);
}

// A save without changes leaves the image as it was, when the bytes 5 to 7
// hold values of their sets; bits of other screens never move.
TEST_F(PrintMode, SaveWithoutChangesKeepsRandomImages)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        random_image(seed);
        s.image.set_byte(5, std::uint8_t(seed % 4));
        s.image.set_byte(6, std::uint8_t(seed % 3));
        s.image.set_byte(7, std::uint8_t(seed % 4));
        const auto before = image();
        open_editor();
        save();
        ASSERT_EQ(image(), before) << "seed " << seed;
    }
}

TEST_F(PrintMode4410, SaveWithoutChangesKeepsRandomImages)
{
    for (unsigned seed = 100; seed < 120; ++seed) {
        random_image(seed);
        s.image.set_byte(5, 3);
        s.image.set_byte(6, 1);
        s.image.set_byte(7, 2);
        const auto before = image();
        open_editor();
        save();
        ASSERT_EQ(image(), before) << "seed " << seed;
    }
}

TEST_F(PrintMode, ReopeningShowsWhatWasSaved)
{
    open_editor();
    choose("Cmb_EJReportCompressed", 1);
    choose("Cmb_DatePrint", 1);
    save();
    open_editor();
    EXPECT_EQ(chosen("Cmb_EJReportCompressed"), 1);
    EXPECT_EQ(chosen("Cmb_DatePrint"), 1);
    EXPECT_EQ(s.image.byte(15), 0x02);
    EXPECT_EQ(s.image.byte(17), 0x01);
}

}  // namespace
}  // namespace tw::test
