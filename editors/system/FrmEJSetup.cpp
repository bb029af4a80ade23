#include "editors/system/FrmEJSetup.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
constexpr Choice kSystem[] = {{0, "FRM_EJ_SETUP_CMB_EJ_SYSTEM0_MSG", "STANDARD"},
                              {1, "FRM_EJ_SETUP_CMB_EJ_SYSTEM1_MSG", "DYNAMIC"},
                              {2, "FRM_EJ_SETUP_CMB_EJ_SYSTEM2_MSG", "SD"}};
constexpr Choice kStore[] = {{0, "FRM_EJ_SETUP_CMB_EJ_STORE0_MSG", "SALES ONLY"},
                             {1, "FRM_EJ_SETUP_CMB_EJ_STORE1_MSG", "ALL TRANSACTION"}};

constexpr std::size_t kOptions = 13;  // bits 6 and 7 belong to no screen

constexpr Field to_journal(const char* name, const char* labelKey, const char* label, int bit)
{
    return {name, labelKey, label, bit_at(kOptions, bit), kInputNoInput, {}, On4410::Hidden};
}

constexpr Field kFields[] = {
    {"Cmb_EJSystem", "FRM_EJ_SETUP_L_EJ_SYSTEM", "EJ System", byte_at(8), {kSystem}},
    {"Cmb_EJStore", "FRM_EJ_SETUP_L_EJ_STORE", "EJ Store", bit_at(kOptions, 0), {kStore}},
    {"Cmb_BeepStartOfTransaction", "FRM_EJ_SETUP_L_BEEP_START_OF_TRANSACTION", "Beep Start Of Transaction",
     bit_at(kOptions, 1), kSoundNoSound},
    {"Cmb_BeepEndOfTransaction", "FRM_EJ_SETUP_L_BEEP_END_OF_TRANSACTION", "Beep End Of Transaction",
     bit_at(kOptions, 2), kSoundNoSound},
    to_journal("Cmb_NewBalanceReceipttoEJ", "FRM_EJ_SETUP_L_NEW_BALANCE_RECEIPTTO_EJ", "New Balance Receipt to EJ", 3),
    to_journal("Cmb_InvoiceReceipttoEJ", "FRM_EJ_SETUP_L_INVOICE_RECEIPT_TO_EJ", "Invoice Receipt to EJ", 4),
    to_journal("Cmb_Review_ProformaReceiptToEJ", "FRM_EJ_SETUP_L_REVIEW_PROFORMA_RECEIPT_TO_EJ",
               "Review/Proforma Receipt To EJ", 5),
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmEJSetup", "FRM_EJ_SETUP_TITLE", "EJ SETUP", "FRM_EJ_SETUP_L_TITOLO", "EJ SETUP",
                        "FrmEjSetup Form load: ", "FrmEjSetup : "},
                       kGroups};
}  // namespace

FrmEJSetup::FrmEJSetup(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmEJSetup::page() { return kPage; }

}  // namespace tw
