#include "app/FrmProgramMode.h"

#include <QPushButton>

#include "editors/sales/FrmDepartmentProgram.h"
#include "editors/sales/FrmDeptGroupSetting.h"
#include "editors/sales/FrmFCRatingSetting.h"
#include "editors/sales/FrmInstoreBarcodeSetting.h"
#include "editors/sales/FrmPluPageProgram.h"
#include "editors/sales/FrmPORAMPKeyMenu.h"
#include "editors/sales/FrmPercentageMenu.h"
#include "editors/sales/FrmPrgPlu.h"
#include "editors/sales/FrmSetVatRate.h"
#include "editors/sales/FrmTenderMenuSetting.h"
#include "editors/system/FrmClerkSystemProgram.h"
#include "editors/system/FrmNSMenuSetting.h"
#include "editors/system/FrmPermissionProgram.h"
#include "editors/system/FrmSystemOption.h"

namespace tw {

namespace {
// An editor's button opens it once its factory is set here.
const MenuEntry kEditors[] = {
    {"C_SetVatRate", "FRM_PROGRAM_MODE_C_SET_VAT_RATE", "Set VAT Rate", make_screen<FrmSetVatRate>},
    {"C_DepartmentProgram", "FRM_PROGRAM_MODE_C_DEPARTMENT_PROGRAM", "Program Departments",
     make_screen<FrmDepartmentProgram>},
    {"C_DeptGroupProgram", "FRM_PROGRAM_MODE_C_DEPT_GROUP_PROGRAM", "Program Dept. Groups",
     make_screen<FrmDeptGroupSetting>},
    {"C_PluProgram", "FRM_PROGRAM_MODE_C_PLU_PROGRAM", "Program PLUs", make_screen<FrmPrgPlu>},
    {"C_PluPageProgram", "FRM_PROGRAM_MODE_C_PLUPAGEPROGRAM", "Program PLU Pages",
     make_screen<FrmPluPageProgram>, true},
    {"C_PercentageProgram", "FRM_PROGRAM_MODE_C_PERCENTAGE_PROGRAM", "Program % Key", make_screen<FrmPercentageMenu>},
    {"C_PO_RA_M_P_Key_Program", "FRM_PROGRAM_MODE_C_PO_RA_M_P_KEY_PROGRAM", "Program PO, RA, +/- Keys",
     make_screen<FrmPORAMPKeyMenu>},
    {"C_TenderProgram", "FRM_PROGRAM_MODE_C_TENDER_PROGRAM", "Program Payment Media",
     make_screen<FrmTenderMenuSetting>},
    {"C_NSProgram", "FRM_PROGRAM_MODE_C_NS_PROGRAM", "Program #/NS key", make_screen<FrmNSMenuSetting>},
    {"C_ForeignCurrencyProgram", "FRM_PROGRAM_MODE_C_FOREIGN_CURRENCY_PROGRAM", "Program Foreign Currencies ",
     make_screen<FrmFCRatingSetting>},
    {"C_ClerkSystemProgram", "FRM_PROGRAM_MODE_C_CLERK_SYSTEM_PROGRAM", "Program Clerk System",
     make_screen<FrmClerkSystemProgram>},
    {"C_PermissionProgram", "FRM_PROGRAM_MODE_C_PERMISSION_PROGRAM", "Set Passwords",
     make_screen<FrmPermissionProgram>},
    {"C_InstoreBarcodeSetting", "FRM_PROGRAM_MODE_C_INSTORE_BARCODE_SETTING", "Program Instore Barcodes",
     make_screen<FrmInstoreBarcodeSetting>},
    {"C_SystemOption", "FRM_PROGRAM_MODE_C_SYSTEM_OPTION", "System Options", make_screen<FrmSystemOption>},
};
}  // namespace

FrmProgramMode::FrmProgramMode(ScreenContext& context, QWidget* caller)
    : MenuScreen(context, caller, "FrmProgramMode", "FRM_PROGRAM_MODE_TITLE", "Program Mode")
{
    add_entries(kEditors);
    connect(add_button("C_Exit", "FRM_ALL_C_ANNULLA", "Back"), &QPushButton::clicked, this, &Screen::unload);
}

}  // namespace tw
