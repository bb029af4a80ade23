#include "editors/system/FrmWorkingMode.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// The keys of the VAT calculation texts are numbered opposite to the choices.
constexpr Choice kVatCalculation[] = {{0, "FRM_WORKING_MODE_CMB_VAT_CALCULATION1_MSG", "VAT"},
                                      {1, "FRM_WORKING_MODE_CMB_VAT_CALCULATION0_MSG", "ADD ON TAX"}};
constexpr Choice kConversion[] = {{0, "FRM_WORKING_MODE_CMB_FC_CONVERT_CALC0_MSG", "DIVIDE"},
                                  {1, "FRM_WORKING_MODE_CMB_FC_CONVERT_CALC1_MSG", "MULTIPLE"}};
constexpr Choice kShiftRelease[] = {{0, "FRM_WORKING_MODE_EACHENTRY", "EACH ENTRY"},
                                    {1, "FRM_WORKING_MODE_ENDOFTRANSACTION", "END OF TRANSACTION"},
                                    {2, "FRM_WORKING_MODE_STAYDOWN", "STAY DOWN"}};

constexpr Field kFields[] = {
    {"Cmb_VatCalculation", "FRM_WORKING_MODE_L_VAT_CALCULATION", "VAT Calculation", byte_at(3), {kVatCalculation}},
    {"Cmb_FC_ConvertCalculation", "FRM_WORKING_MODE_L_FC_CONVERT_CALCULATION", " FC Convert Calculation",
     bit_at(11, 0), {kConversion}},
    {"Cmb_PM_Per_Result", "FRM_WORKING_MODE_L_PM_PER_RESULT", "\xB1%, \xB1 Result", bit_at(10, 7), kEnableDisable},
    {"Cmb_ZeroPriceRegistration", "FRM_WORKING_MODE_L_ZERO_PRICE_REGISTRATION", "Zero Price Registration",
     bit_at(10, 5), kYesNo},
    {"Cmb_PostTender", "FRM_WORKING_MODE_L_POST_TENDER", "Post Transaction Tender", bit_at(10, 4), kEnableDisable},
    {"Cmb_PluPageSelection", "FRM_WORKING_MODE_L_PLUPAGESELECTION", "PLU Page shift selection", byte_at(2),
     {kShiftRelease}, {}, On4410::Hidden},
    {"Cmb_Price1_2ShiftSel", "FRM_WORKING_MODE_L_PRICE_1_2_SHIFT_SEL", "Price 1/2 shift selection", byte_at(1),
     {kShiftRelease}, {}, On4410::Hidden},
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmWorkingMode", "FRM_WORKING_MODE_TITLE", "Operating Mode", "FRM_WORKING_MODE_L_TITOLO",
                        "OPERATING MODE"},
                       kGroups};
}  // namespace

FrmWorkingMode::FrmWorkingMode(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmWorkingMode::page() { return kPage; }

}  // namespace tw
