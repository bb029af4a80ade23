#include "app/FrmSettingMode.h"

#include "editors/system/FrmClerkMenuSetup.h"
#include "editors/system/FrmEJSetup.h"
#include "editors/system/FrmHospitalitySetup.h"
#include "editors/system/FrmInitialMenu.h"
#include "editors/system/FrmPrintMode.h"
#include "editors/system/FrmReportSetup.h"
#include "editors/system/FrmWorkingMode.h"

#include <QPushButton>

namespace tw {

namespace {
// An editor's button opens it once its factory is set here.
const MenuEntry kEditors[] = {
    {"C_Initial_Setup", "FRM_SETTING_C_INITIAL_SETUP", "Initial Setup", make_screen<FrmInitialMenu>},
    {"C_Working_Mode", "FRM_SETTING_C_WORKING_MODE", "Operating Mode", make_screen<FrmWorkingMode>},
    {"C_Print_Out_Mode", "FRM_SETTING_C_PRINTOUT_MODE", "Print Mode", make_screen<FrmPrintMode>},
    {"C_Clerk_Setup", "FRM_SETTING_C_CLERK_SETUP", "Clerk Setup", make_screen<FrmClerkMenuSetup>},
    {"C_EJ_Setup", "FRM_SETTING_C_EJ_SETUP", "EJ Setup", make_screen<FrmEJSetup>},
    {"C_Report_Setup", "FRM_SETTING_C_REPORT_SETUP", "Report Setup", make_screen<FrmReportSetup>},
    {"C_Hospitality_Setup", "FRM_SETTING_C_HOSPITALITY", "Hospitality Setup", make_screen<FrmHospitalitySetup>, true},
};
}  // namespace

FrmSettingMode::FrmSettingMode(ScreenContext& context, QWidget* caller)
    : MenuScreen(context, caller, "FrmSettingMode", "FRM_SETTING_MODE_TITLE", "Setup Mode")
{
    add_entries(kEditors);
    connect(add_button("C_Exit", "FRM_SETTING_C_EXIT", "BACK"), &QPushButton::clicked, this, &Screen::unload);
}

}  // namespace tw
