#include "editors/system/FrmPrintMode.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// Fonts and spacing of this screen. For YES/NO options a clear bit prints.
constexpr Choice kFont2[] = {{0, "FRM_PRINT_MODE_NORMAL", "NORMAL"}, {1, "FRM_PRINT_MODE_COMPRESSED", "COMPRESSED"}};
constexpr Choice kFont3[] = {{0, "FRM_PRINT_MODE_NORMAL", "NORMAL"},
                             {1, "FRM_PRINT_MODE_COMPRESSED", "COMPRESSED"},
                             {2, "FRM_PRINT_MODE_DOUBLEHEIGHT", "DOUBLE HEIGHT"}};
constexpr Choice kFont4[] = {{0, "FRM_PRINT_MODE_NONE", "NONE"},
                             {1, "FRM_PRINT_MODE_NORMAL", "NORMAL"},
                             {2, "FRM_PRINT_MODE_COMPRESSED", "COMPRESSED"},
                             {3, "FRM_PRINT_MODE_DOUBLEHEIGHT", "DOUBLE HEIGHT"}};
constexpr Choice kPosition[] = {{0, "FRM_PRINT_MODE_AFTERTENDER", "AFTER TENDER"},
                                {1, "FRM_PRINT_MODE_BEFORETOTAL", "BEFORE TOTAL"}};
constexpr Choice kSpacing[] = {{0, nullptr, "0.5 mm"}, {1, nullptr, "1.0 mm"}, {2, nullptr, "1.5 mm"}, {3, nullptr, "2.0 mm"}};

constexpr Field kTaxDetails[] = {
    {"Cmb_TaxRatePrint", "FRM_PRINT_MODE_L_TAX_RATE_PRINT", "Tax Rate", bit_at(18, 2), kYesNo},
    {"Cmb_TotalTaxAmountPrint", "FRM_PRINT_MODE_L_TOTAL_TAX_AMOUNT_PRINT", "Total Tax Amount", bit_at(18, 3), kYesNo},
    {"Cmb_TaxAmountPerRatePrint", "FRM_PRINT_MODE_L_TAX_AMOUNT_PER_RATE_PRINT", "Tax Amount per Rate", bit_at(18, 4),
     kYesNo},
    {"Cmb_TaxableAmountPerRatePrint", "FRM_PRINT_MODE_L_TAXABLE_AMOUNT_PER_RATE_PRINT", "Taxable Amount per Rate",
     bit_at(18, 5), kYesNo},
    {"Cmb_TotalTaxableAmountPrint", "FRM_PRINT_MODE_L_TOTAL_TAXABLE_AMOUNT_PRINT", "Total Taxable Amount",
     bit_at(18, 6), kYesNo},
    {"Cmb_TaxableAmtOutOfVatPerRatePrint", "FRM_PRINT_MODE_L_TAXABLE_AMT_OUT_OF_VAT_PER_RATE_PRINT",
     "Taxable Amt Without VAT per Rate", bit_at(18, 7), kYesNo},
    {"Cmb_TotalTaxableAmountOutOfVatPrint", "FRM_PRINT_MODE_L_TOTAL_TAXABLE_AMOUNT_OUT_OF_VAT_PRINT",
     "Total Taxable Amount Without VAT", bit_at(19, 0), kYesNo},
    {"Cmb_TaxSymbolPrint", "FRM_PRINT_MODE_L_TAXSYMBOLPRINT", "Tax Symbol", bit_at(19, 1), kYesNo},
    {"Cmb_VoidTotalPrint", "FRM_PRINT_MODE_L_VOID_TOTAL_PRINT", "Void Total print", bit_at(20, 6), kYesNo},
};
constexpr Field kHeaderFooter[] = {
    {"Cmb_GraphicHeaderPrintOnReceipt", "FRM_PRINT_MODE_L_GRAPHIC_HEADER_PRINT_ON_RECEIPT", "Print Graphic Header",
     bit_at(16, 0), kYesNo},
    {"Cmb_HeaderPrintWithoutTableTrackingPrint", "FRM_PRINT_MODE_L_HEADER_PRINT_WITHOUT_TABLE_TRACKING_PRINT",
     "Print Header", bit_at(19, 2), kYesNo},
    {"Cmb_FooterPrintWithoutTableTrackingPrint", "FRM_PRINT_MODE_L_FOOTER_PRINT_WITHOUT_TABLE_TRACKING_PRINT",
     "Print Footer", bit_at(19, 3), kYesNo},
};
constexpr Field kItemSelection[] = {
    {"Cmb_DatePrint", "FRM_PRINT_MODE_L_DATE_PRINT", "Date", bit_at(17, 0), kYesNo},
    {"Cmb_TimePrint", "FRM_PRINT_MODE_L_TIME_PRINT", "Time", bit_at(17, 1), kYesNo},
    {"Cmb_ClerkNamePrint", "FRM_PRINT_MODE_L_CLERK_NAME_PRINT", "Clerk Name", bit_at(17, 2), kYesNo},
    {"Cmb_MachinePrint", "FRM_PRINT_MODE_L_MACHINE_PRINT", "Machine", bit_at(17, 3), kYesNo},
    {"Cmb_ConsecutivePrint", "FRM_PRINT_MODE_L_CONSECUTIVEPRINT", "Consecutive", bit_at(17, 4), kYesNo},
    {"Cmb_PluNumberPrint", "FRM_PRINT_MODE_L_PLU_NUMBER_PRINT", "PLU Number", bit_at(17, 5), kYesNo},
    {"Cmb_SubtotalPrint", "FRM_PRINT_MODE_L_SUBTOTAL_PRINT", "Subtotal", bit_at(17, 6), kYesNo},
    {"Cmb_MultipleReceipt", "FRM_PRINT_MODE_L_MULTIPLE_RECEIPT", "Multiple Receipts", bit_at(11, 1), kDisableEnable},
};
constexpr Field kFormat[] = {
    {"Cmb_TaxDetailsPrintPosition", "FRM_PRINT_MODE_L_TAX_DETAILS_PRINT_POSITION", "Tax Details Position",
     bit_at(10, 6), {kPosition}},
    {"Cmb_ReceiptwithoutTableTrackingPrint", "FRM_PRINT_MODE_L_RECEIPT_WITHOUT_TABLE_TRACKING_PRINT", "Receipt Font",
     byte_at(6), {kFont3}},
    {"Cmb_LineDistanceSel", "FRM_PRINT_MODE_L_LINE_DISTANCE_SEL", "Line Distance Selection", byte_at(5), {kSpacing}},
};
constexpr Field kOnInvoice[] = {
    {"Cmb_InvoicePrint", "FRM_PRINT_MODE_L_INVOICE_PRINT", "Invoice Font", bit_at(15, 3), {kFont2}},
    {"Cmb_HeaderPrintOnInvoice", "FRM_PRINT_MODE_L_HEADER_PRINT_ON_INVOICE", "Print Header", bit_at(20, 0), kYesNo},
    {"Cmb_FooterPrintOnInvoice", "FRM_PRINT_MODE_L_FOOTER_PRINT_ON_INVOICE", "Print Footer", bit_at(20, 1), kYesNo},
    {"Cmb_GraphicHeaderOnInvoice", "FRM_PRINT_MODE_L_GRAPHIC_HEADER_ON_INVOICE", "Graphic Header On Invoice",
     bit_at(16, 2), kYesNo},
};
constexpr Field kOnReview[] = {
    {"Cmb_ReviewProformaPrint", "FRM_PRINT_MODE_L_REVIEW_PROFORMA_PRINT", "Review/Proforma Font", bit_at(15, 4),
     {kFont2}},
    {"Cmb_HeaderPrintOnReview_Proforma", "FRM_PRINT_MODE_L_HEADER_PRINT_ON_REVIEW_PROFORMA", "Print Header",
     bit_at(20, 2), kYesNo},
    {"Cmb_FooterPrintOnReview_Proforma", "FRM_PRINT_MODE_L_FOOTER_PRINT_ON_REVIEW_PROFORMA", "Print Footer",
     bit_at(20, 3), kYesNo},
    {"Cmb_VatAmountTaxableAmountAmountOutOfVatPrintOnProforma",
     "FRM_PRINT_MODE_L_VAT_AMOUNT_TAXABLE_AMOUNT_AMOUNT_OUT_OF_VAT_PRINT_ON_PROFORMA",
     "Print on Proforma - VAT Amount, Taxable Amount, Amount without VAT", bit_at(20, 5), kYesNo},
    {"Cmb_GraphicHeaderOnReview", "FRM_PRINT_MODE_L_GRAPHIC_HEADER_ON_NEW_REVIEW", "Print Graphic Header",
     bit_at(16, 3), kYesNo},
};
constexpr Field kOnNewBalance[] = {
    {"Cmb_NewBalanceReceiptPrint", "FRM_PRINT_MODE_L_NEW_BALANCE_PRINT", "New Balance Receipt Font", byte_at(7),
     {kFont4}},
    {"Cmb_HeaderPrintOnNewBalance", "FRM_PRINT_MODE_L_HEADER_PRINT_ON_NEW_BALANCE", "Print Header", bit_at(19, 6),
     kYesNo},
    {"Cmb_FooterPrintOnNewBalance", "FRM_PRINT_MODE_L_FOOTER_PRINT_ON_NEW_BALANCE", "Print Footer", bit_at(19, 7),
     kYesNo},
    {"Cmb_VatAmountTaxableAmountAmountOutOfVatPrintOnNewBalance",
     "FRM_PRINT_MODE_L_VAT_AMOUNT_TAXABLE_AMOUNT_AMOUNT_OUT_OF_VAT_PRINT_ON_NEW_BALANCE",
     "Print on New Balance - VAT Amount, Taxable Amount, Amount without VAT", bit_at(20, 4), kYesNo},
    {"Cmb_GraphicHeaderOnNewBalance", "FRM_PRINT_MODE_L_GRAPHIC_HEADER_ON_NEW_BALANCE", "Print Graphic Header",
     bit_at(16, 1), kYesNo},
};
constexpr Field kOnReport[] = {
    {"Cmb_X_YReportCompressed", "FRM_PRINT_MODE_L_X_Y_REPORT_COMPRESSED", "X/Z Report Font", bit_at(15, 0), {kFont2}},
    {"Cmb_EJReportCompressed", "FRM_PRINT_MODE_L_EJ_REPORT_COMPRESSED", "EJ Report Font", bit_at(15, 1), {kFont2}},
    {"Cmb_PrgModeCompressed", "FRM_PRINT_MODE_L_PRG_MODE_COMPRESSED", "Program Mode Font", bit_at(15, 2), {kFont2}},
    {"Cmb_Z1_Z2CounterPrint", "FRM_PRINT_MODE_L_Z1_Z2_COUNTER_PRINT", "Print Z1 and Z2 Counters", bit_at(17, 7),
     kYesNo},
    {"Cmb_GTPrint", "FRM_PRINT_MODE_L_GT_PRINT", "Print GT", bit_at(18, 0), kYesNo},
    {"Cmb_RefoundTotalPrint", "FRM_PRINT_MODE_L_REFOUND_TOTAL_PRINT", "Refund Total Print", bit_at(18, 1), kYesNo},
    // The one option whose set bit means YES.
    {"Cmb_X_ZReportHeaderPrint", "FRM_PRINT_MODE_L_X_Z_REPORT_HEADER_PRINT", "Print Header on X/Z Report",
     bit_at(19, 4), kNoYes},
    {"Cmb_RatioPerInDeptAndPluReportPrint", "FRM_PRINT_MODE_L_RATIO_PER_IN_DEPT_AND_PLU_REPORT_PRINT",
     "Ratio % In Dept and PLU Report Print", bit_at(19, 5), kYesNo},
};

constexpr OptionGroup kTaxDetailsPage[] = {rows(kTaxDetails)};
constexpr OptionGroup kHeaderFooterPage[] = {rows(kHeaderFooter)};
constexpr OptionGroup kItemSelectionPage[] = {rows(kItemSelection)};
constexpr OptionGroup kFormatPage[] = {rows(kFormat)};
constexpr OptionTab kReceiptTabs[] = {
    {"FRM_PRINT_MODE_TAB_PRINT_RECEIPT_TAB1", "Tax Details", kTaxDetailsPage},
    {"FRM_PRINT_MODE_TAB_PRINT_RECEIPT_TAB2", "Header/Footer", kHeaderFooterPage},
    {"FRM_PRINT_MODE_TAB_PRINT_RECEIPT_TAB3", "Item Selection", kItemSelectionPage},
    {"FRM_PRINT_MODE_TAB_PRINT_RECEIPT_TAB4", "Format", kFormatPage},
};
constexpr OptionGroup kOnReceiptPage[] = {tab_set("Tab_PrintReceipt", kReceiptTabs)};
constexpr OptionGroup kOnInvoicePage[] = {rows(kOnInvoice)};
constexpr OptionGroup kOnReviewPage[] = {rows(kOnReview)};
constexpr OptionGroup kOnNewBalancePage[] = {rows(kOnNewBalance)};
constexpr OptionGroup kOnReportPage[] = {rows(kOnReport)};
constexpr OptionTab kPrintTabs[] = {
    {"FRM_PRINT_MODE_TAB_PRINT_TAB1", "ON RECEIPT", kOnReceiptPage},
    {"FRM_PRINT_MODE_TAB_PRINT_TAB2", "ON INVOICE", kOnInvoicePage, TabOn4410::Refused},
    {"FRM_PRINT_MODE_TAB_PRINT_TAB3", "ON REVIEW/PROFORMA", kOnReviewPage, TabOn4410::Refused},
    {"FRM_PRINT_MODE_TAB_PRINT_TAB4", "ON NEW BALANCE", kOnNewBalancePage, TabOn4410::Refused},
    {"FRM_PRINT_MODE_TAB_PRINT_TAB5", "ON REPORT/PRG", kOnReportPage},
};
// A refused tab returns to the first tab, whichever tab was shown before.
constexpr OptionGroup kPage[] = {tab_set("Tab_Print", kPrintTabs, 0)};

const OptionPage kPrintMode{{"FrmPrintMode", "FRM_PRINT_MODE_TITLE", "Print MODE", nullptr, nullptr}, kPage};
}  // namespace

FrmPrintMode::FrmPrintMode(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPrintMode) {}

const OptionPage& FrmPrintMode::page() { return kPrintMode; }

}  // namespace tw
