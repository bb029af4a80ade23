#include "editors/system/FrmNSMenuSetting.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
constexpr Choice kPositioning[] = {{0, "FRM_NS_MENU_SETTING_CMB_CONTROL_KEY_POSITIONING_0_MSG", "REG & MGR"},
                                   {1, "FRM_NS_MENU_SETTING_CMB_CONTROL_KEY_POSITIONING_1_MSG", "MGR ONLY"}};
// This screen's English text for the second choice says NOT INPUT.
constexpr Choice kEjInput[] = {{0, "FRM_ALL_INPUT", "INPUT"}, {1, "FRM_ALL_NOINPUT", "NOT INPUT"}};
constexpr Choice kIncrement[] = {{0, "FRM_NS_MENU_SETTING_CMB_CONSECUTIVE_INCREMENT_0_MSG", "UPDATE"},
                                 {1, "FRM_NS_MENU_SETTING_CMB_CONSECUTIVE_INCREMENT_1_MSG", "NOT UPDATE"}};

constexpr std::size_t kOptions = 62;  // bits 6 and 7 belong to no screen

constexpr Field kFields[] = {
    {"Cmb_DrawerOpen", "FRM_NS_MENU_SETTING_L_DRAWER_OPEN", "Drawer Open", bit_at(kOptions, 0), kOpenClosed},
    {"Cmb_ControlKeyPositioning", "FRM_NS_MENU_SETTING_L_CONTROL_KEY_POSITIONING", "Control Key Positioning",
     bit_at(kOptions, 1), {kPositioning}},
    {"Cmb_ReceiptPrint", "FRM_NS_MENU_SETTING_L_RECEIPT_PRINT", "Receipt Print", bit_at(kOptions, 2), kPrintNotPrint},
    {"Cmb_ReceiptHeaderPrint", "FRM_NS_MENU_SETTING_L_RECEIPT_HEADER_PRINT", "Receipt Header Print",
     bit_at(kOptions, 3), kPrintNotPrint},
    {"Cmb_EJInput", "FRM_NS_MENU_SETTING_L_EJ_INPUT", "EJ Input", bit_at(kOptions, 4), {kEjInput}},
    {"Cmb_ConsecutiveIncrement", "FRM_NS_MENU_SETTING_L_CONSECUTIVE_INCREMENT", "Consecutive # Increment",
     bit_at(kOptions, 5), {kIncrement}},
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmNSMenuSetting", "FRM_NS_MENU_SETTING_TITLE", "Program #/NS Key",
                        "FRM_NS_MENU_SETTING_L_TITOLO", "PROGRAM #/NS KEY", "FrmNsMenuSetting form_load: ",
                        "FrmNsMenuSetting Salva: "},
                       kGroups};
}  // namespace

FrmNSMenuSetting::FrmNSMenuSetting(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmNSMenuSetting::page() { return kPage; }

}  // namespace tw
