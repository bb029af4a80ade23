#include "editors/system/FrmHospitalitySetup.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// Every option is YES with its bit clear.
constexpr Field option(const char* name, const char* labelKey, const char* label, std::size_t offset, int bit)
{
    return {name, labelKey, label, bit_at(offset, bit), kYesNo};
}

constexpr Field kFields[] = {
    option("Cmb_TableCompulsory", "FRM_HOSPITALITY_SETUP_L_TABLE_COMPULSORY", "Table Compulsory", 11, 5),
    option("Cmb_GuestCompulsory", "FRM_HOSPITALITY_SETUP_L_GUEST_COMPULSORY", "Guest Compulsory", 11, 6),
    option("Cmb_ExclusiveClerk", "FRM_HOSPITALITY_SETUP_L_EXCLUSIVE_CLERK", "Exclusive Clerk", 11, 7),
    option("Cmb_Review_ProformaReceipt", "FRM_HOSPITALITY_SETUP_L_REVIEW_PROFORMA_RECEIPT",
           "Review / Proforma Receipt", 12, 0),
    option("Cmb_ConsUpdateOnNewBalance", "FRM_HOSPITALITY_SETUP_L_CONS_UPDATE_ON_NEW_BALANCE",
           "Cons # Update On New Balance", 12, 1),
    option("Cmb_ConsUpdateOnInvoice", "FRM_HOSPITALITY_SETUP_L_CONS_UPDATE_ON_NEW_INVOICE", "Cons # Update On Invoice",
           12, 2),
    option("Cmb_ConsUpdateOnReview_Proforma", "FRM_HOSPITALITY_SETUP_L_CONS_UPDATE_ON_NEW_REVIEW_PROFORMA",
           "Cons # Update On Review/Proforma", 12, 3),
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmHospitalitySetup", "FRM_HOSPITALITY_SETUP_TITLE", "Hospitality Setup",
                        "FRM_HOSPITALITY_SETUP_L_TITOLO", "HOSPITALITY SETUP", "FrmHospitalitySetup Form_load: "},
                       kGroups};
}  // namespace

FrmHospitalitySetup::FrmHospitalitySetup(ScreenContext& context, QWidget* caller)
    : OptionEditor(context, caller, kPage)
{
}

const OptionPage& FrmHospitalitySetup::page() { return kPage; }

}  // namespace tw
