#include "editors/sales/FrmDepartmentProgram.h"

#include "app/session.h"
#include "editors/common/choice_sets.h"
#include "editors/sales/department_record.h"

namespace tw {

namespace {
constexpr NumberFormat kGroupFormat{.maximum = FrmDepartmentProgram::kMaxGroup, .emptyZero = true};
constexpr NumberFormat kPriceFormat{.maximum = FrmDepartmentProgram::kMaxPrice, .scaleFromPrices = true};

// The name shows its trailing spaces, and sheds them while it is edited so
// that a full 12-character field still takes what the user types.
constexpr Field kFields[] = {
    {.name = "E_DeptName", .labelKey = "FRM_DEPARTMENT_PROGRAM_L_DEPT_NAME", .label = "Department Name:",
     .place = dept::kNamePlace, .padded = true},
    {"E_Price", "FRM_DEPARTMENT_PROGRAM_L_PRICE", "Price :", dept::kPricePlace, {}, kPriceFormat,
     On4410::Shown, nullptr, false, {"L_PriceMax", "FRM_DEPARTMENT_PROGRAM_L_PRICE_MAX", "(Max Value 9999999)"}},
    {"Cmb_Status1", "FRM_DEPARTMENT_PROGRAM_L_STATUS1", "Status 1", dept::kSignPlace, kPositiveNegative},
    {"Cmb_Status2", "FRM_DEPARTMENT_PROGRAM_L_STATUS2", "Status 2", dept::kSinglePlace, kNormalSingle},
    {"E_DeptGroupNumber", "FRM_DEPARTMENT_PROGRAM_L_DEPT_GROUP_NUMBER", "Dept Group Number", dept::kGroupPlace,
     {}, kGroupFormat, On4410::Shown, nullptr, false,
     {"L_DeptGroupMax", "FRM_DEPARTMENT_PROGRAM_L_DEPT_GROUP_MAX", "(Max Value 10)"}},
    {"Cmb_Halo", "FRM_DEPARTMENT_PROGRAM_L_HALO", "HDLO", dept::kHdloPlace, kHdlo},
    {"Cmb_Tax", "FRM_DEPARTMENT_PROGRAM_L_TAX", "TAX", dept::kTaxPlace, kTax},
    {"Cmb_TakeOutTax", "FRM_DEPARTMENT_PROGRAM_L_TAKE_OUT_TAX", "Take Out Tax", dept::kTakeOutTaxPlace, kTax},
    {"Cmb_PriceType", "FRM_DEPT_PRICE_TYPE_MSG", "Price Type", dept::kPriceTypePlace, kOpenNormalPreset},
};

constexpr GridColumn kColumns[] = {
    {"FRM_DEPT_COL_DEPT_MSG", "Dept", 600},
    {"FRM_DEPT_COL_NAME_MSG", "Name", 1600, "E_DeptName"},
    {"FRM_DEPT_COL_STATUS1_MSG", "Status 1", 1140, "Cmb_Status1"},
    {"FRM_DEPT_COL_STATUS2_MSG", "Status 2", 1100, "Cmb_Status2"},
    {"FRM_DEPT_COL_DEPT_GROUP_NUMBER_MSG", "Group", 650, "E_DeptGroupNumber"},
    {"FRM_DEPT_COL_TAX_MSG", "Tax", 1500, "Cmb_Tax"},
    {"FRM_DEPT_COL_TAKEOUTTAX_MSG", "Take Out Tax", 1500, "Cmb_TakeOutTax"},
    {"FRM_DEPT_COL_HDLO_MSG", "HDLO", 1870, "Cmb_Halo"},
    {"FRM_DEPT_COL_PRICE_MSG", "Price", 1400, "E_Price"},
};

const RecordSetup kSetup{
    {"FrmDepartmentProgram", "FRM_DEPARTMENT_PROGRAM_TITLE", "Department Program", nullptr, nullptr},
    "Cmb_DepartmentNumber", "FRM_DEPARTMENT_PROGRAM_L_DEPARTMENT_NUMBER", "Department Number:",
    "Fg_Department", "Carica_Department", kColumns, kFields,
};
}  // namespace

FrmDepartmentProgram::FrmDepartmentProgram(ScreenContext& context, QWidget* caller)
    : RecordEditor(context, caller, kSetup)
{
}

int FrmDepartmentProgram::record_count() const { return dept::kCount; }

int FrmDepartmentProgram::next_record(int saved) const { return next_department(saved); }

std::span<std::uint8_t> FrmDepartmentProgram::record_bytes(int n) { return dept::bytes_of(session().image, n); }

void FrmDepartmentProgram::store_record(int n)
{
    RecordEditor::store_record(n);
    write_number(record_bytes(n), dept::kAlwaysSetPlace, 1, session().codecs);
}

}  // namespace tw
