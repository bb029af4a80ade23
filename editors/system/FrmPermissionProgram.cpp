#include "editors/system/FrmPermissionProgram.h"

namespace tw {

namespace {
// Four digits shown; a 0 empties while the field has the focus.
constexpr NumberFormat kPassword{.maximum = 9999, .minDigits = 4, .emptyZero = true};

constexpr Field password(const char* name, const char* labelKey, const char* label, std::size_t offset,
                         const char* maxLabel)
{
    return {name, labelKey, label, bcd_at(offset, 2), {}, kPassword, On4410::Shown, nullptr, false,
            {maxLabel, "MSG_MAX_9999", "(Max Value 9999)"}};
}

// Bytes 21 and 22 hold no password of this program.
constexpr Field kFields[] = {
    password("E_Prg_ZModePasswordSetting", "FRM_PERMISSION_PROGRAM_L_PRG_Z_MODE_PASSWORD_SETTING",
             "PRG/Z Mode Password Setting", 23, "L_MaxValue1"),
    password("E_XModePasswordSetting", "FRM_PERMISSION_PROGRAM_L_X_MODE_PASSWORD_SETTING", "X Mode Password Setting",
             25, "L_MaxValue2"),
    password("E_TrainingModePasswordSetting", "FRM_PERMISSION_PROGRAM_L_TRAINING_MODE_PASSWORD_SETTING",
             "Training Mode Password Setting", 29, "L_MaxValue3"),
    password("E_ManagerModePassword", "FRM_PERMISSION_PROGRAM_L_MANAGER_MODE_PASSWORD",
             "Manager Mode Password Setting", 27, "L_MaxValue4"),
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmPermissionProgram", "FRM_PERMISSION_PROGRAM_TITLE", "Set Passwords",
                        "FRM_PERMISSION_PROGRAM_L_TITOLO", "SET PASSWORDS"},
                       kGroups};
}  // namespace

FrmPermissionProgram::FrmPermissionProgram(ScreenContext& context, QWidget* caller)
    : OptionEditor(context, caller, kPage)
{
}

const OptionPage& FrmPermissionProgram::page() { return kPage; }

}  // namespace tw
