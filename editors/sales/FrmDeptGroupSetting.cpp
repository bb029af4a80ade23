#include "editors/sales/FrmDeptGroupSetting.h"

#include "app/session.h"
#include "editors/sales/dept_group_record.h"

namespace tw {

namespace {
// The name loads with its trailing spaces, as the register keeps it.
constexpr Field kFields[] = {
    {"E_Name", "FRM_DEPT_GROUP_SETTING_L_NAME", "Name", register_text_at(0, dept_group::kNameWidth), {}, {},
     On4410::Shown, nullptr, true},
};

const RecordSetup kSetup{
    {"FrmDeptGroupSetting", "FRM_DEPT_GROUP_SETTING_TITLE", "Program Dept. Groups", "FRM_DEPT_GROUP_SETTING_L_TITOLO",
     "PROGRAM DEPT. GROUPS", "FrmDeptGroupSetting Form_Load: "},
    "Cmb_DeptGroupNumber", "FRM_DEPT_GROUP_SETTING_L_DEPT_GROUP_NUMBER", "Dept Group Number",
    nullptr, "Carica_DGN", {}, kFields,
};
}  // namespace

FrmDeptGroupSetting::FrmDeptGroupSetting(ScreenContext& context, QWidget* caller)
    : RecordEditor(context, caller, kSetup)
{
}

int FrmDeptGroupSetting::record_count() const { return dept_group::kCount; }

int FrmDeptGroupSetting::next_record(int saved) const { return saved; }

std::span<std::uint8_t> FrmDeptGroupSetting::record_bytes(int n)
{
    return std::span<std::uint8_t>(session().image.bytes).subspan(dept_group::offset_of(n), dept_group::kNameWidth);
}

}  // namespace tw
