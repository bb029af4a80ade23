#include "editors/sales/FrmPORAMPKeyMenu.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// A stored HDLO outside 0 to 4 shows no choice and saves 0.
constexpr Field kFields[] = {
    {"Cmb_POHeaderPrint", "FRM_PO_RA_MP_KEY_MENU_L_PO_HEADER_PRINT", "PO Header Print", bit_at(59, 5),
     kPrintNotPrint},
    {"Cmb_POKeyHDLOSetting", "FRM_PO_RA_MP_KEY_MENU_L_PO_KEY_HDLO_SETTING", "PO Key HDLO Setting", byte_at(56), kHdlo},
    {"Cmb_RAHeaderPrint", "FRM_PO_RA_MP_KEY_MENU_L_RA_HEADER_PRINT", "RA Header Print", bit_at(59, 4),
     kPrintNotPrint},
    {"Cmb_RAKeyHDLOSetting", "FRM_PO_RA_MP_KEY_MENU_L_RA_KEY_HDLO_SETTING", "RA Key HDLO Setting", byte_at(55), kHdlo},
    {"Cmb_PM1Sign", "FRM_PO_RA_MP_KEY_MENU_L_PM1_SIGN", "+/-1 Sign", bit_at(59, 2), kAddOnDiscount},
    {"Cmb_PM2Sign", "FRM_PO_RA_MP_KEY_MENU_L_PM2_SIGN", "+/-2 Sign", bit_at(59, 3), kAddOnDiscount},
    {"Cmb_PMKeyHDLOSetting", "FRM_PO_RA_MP_KEY_MENU_L_PM_KEY_HDLO_SETTING", "+/- Key HDLO Setting", byte_at(57),
     kHdlo},
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmPORAMPKeyMenu", "FRM_PO_RA_MP_KEY_MENU_TITLE", "Program PO, RA and -/+ Keys",
                        "FRM_PO_RA_MP_KEY_MENU_L_TITOLO", "PROGRAM PO, RA AND -/+ KEYS"},
                       kGroups};
}  // namespace

FrmPORAMPKeyMenu::FrmPORAMPKeyMenu(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmPORAMPKeyMenu::page() { return kPage; }

}  // namespace tw
