#include "editors/system/FrmClerkSystemProgram.h"

#include "app/session.h"
#include "editors/common/choice_sets.h"
#include "editors/system/clerk_record.h"

namespace tw {

namespace {
constexpr Choice kModes[] = {
    {0, "FRM_CLERK_SYSTEM_PROGRAM_CMB_MODE_0_MSG", "NORMAL"},
    {1, "FRM_CLERK_SYSTEM_PROGRAM_CMB_MODE_1_MSG", "TRAINING"},
};

constexpr Field switch_field(const char* name, const char* labelKey, const char* label, int bit,
                             On4410 on4410 = On4410::Shown)
{
    return {name, labelKey, label, bit_at(clerk::kPermissions, bit), kEnableDisable, {}, on4410};
}

constexpr Field kFields[] = {
    {"E_Name", "FRM_CLERK_SYSTEM_PROGRAM_L_DEPT_NAME", "Clerk Name:", register_text_at(clerk::kName, 24)},
    {"E_Password", "FRM_CLERK_SYSTEM_PROGRAM_L_PASSWORD", "Password:", bcd_at(clerk::kPassword, 2), {},
     {.maximum = clerk::kMaxPassword, .minDigits = 3, .emptyZero = true}, On4410::Shown, nullptr, false,
     {"L_PswMax", "FRM_CLERK_SYSTEM_PROGRAM_L_PSW_MAX", "(Max 999)"}},
    switch_field("Cmb_Void", "FRM_CLERK_SYSTEM_PROGRAM_L_VOID", "Void", 0),
    switch_field("Cmb_Refund", "FRM_CLERK_SYSTEM_PROGRAM_L_REFUND", "Refund", 1),
    switch_field("Cmb_Discount", "FRM_CLERK_SYSTEM_PROGRAM_L_DISCOUNT", "Discount", 2),
    switch_field("Cmb_PaidOut", "FRM_CLERK_SYSTEM_PROGRAM_L_PAID_OUT", "Paid Out", 3),
    switch_field("Cmb_NegativeDeptPlu", "FRM_CLERK_SYSTEM_PROGRAM_L_NEGATIVE_DEPT_PLU", "Negative Dept && PLU", 4),
    switch_field("Cmb_Coupon", "FRM_CLERK_SYSTEM_PROGRAM_L_COUPON", "Coupon", 5),
    switch_field("Cmb_ExtraInvoice", "FRM_CLERK_SYSTEM_PROGRAM_L_EXTRA_INVOICE", "Extra Invoice", 6, On4410::Hidden),
    {"Cmb_Mode", "FRM_CLERK_SYSTEM_PROGRAM_L_MODE", "Mode", bit_at(clerk::kPermissions, 7), {kModes}},
};

constexpr GridColumn kColumns[] = {
    {"FRM_CLERK_SYSTEM_COL_TITOLO_MSG", "Clerk", 570},
    {"FRM_CLERK_SYSTEM_COL_NAME_MSG", "Name", 3005, "E_Name"},
    {"FRM_CLERK_SYSTEM_COL_PASSWORD_MSG", "Pdw", 540, "E_Password"},
    {"FRM_CLERK_SYSTEM_COL_VOID_MSG", "Void", 870, "Cmb_Void", On4410::Shown, true},
    {"FRM_CLERK_SYSTEM_COL_REFUND_MSG", "Refund", 870, "Cmb_Refund", On4410::Shown, true},
    {"FRM_CLERK_SYSTEM_COL_DISCOUNT_MSG", "Discount", 905, "Cmb_Discount", On4410::Shown, true},
    {"FRM_CLERK_SYSTEM_COL_COUPON_MSG", "Coupon", 890, "Cmb_Coupon", On4410::Shown, true},
    {nullptr, "E.Invoice", 910, "Cmb_ExtraInvoice", On4410::Hidden, true},
    {nullptr, "Paid Out", 880, "Cmb_PaidOut", On4410::Shown, true},
    {nullptr, "N. Dep&PLU", 1235, "Cmb_NegativeDeptPlu", On4410::Shown, true},
    {nullptr, "Mode", 770, "Cmb_Mode", On4410::Shown, true},
};

const RecordSetup kSetup{
    {"FrmClerkSystemProgram", "FRM_CLERK_SYSTEM_PROGRAM_TITLE", "Program Clerk System", nullptr, nullptr,
     "FrmClerkSystemProgram Form_Load: "},
    "Cmb_ClerkNumber", "FRM_CLERK_SYSTEM_PROGRAM_L_CLERK_NUMBER", "Clerk Number:",
    "Fg_Clerk", "Carica_Clerk", kColumns, kFields,
};
}  // namespace

FrmClerkSystemProgram::FrmClerkSystemProgram(ScreenContext& context, QWidget* caller)
    : RecordEditor(context, caller, kSetup)
{
}

int FrmClerkSystemProgram::record_count() const { return clerk::kCount; }

int FrmClerkSystemProgram::next_record(int saved) const { return clerk::next_after(saved); }

std::span<std::uint8_t> FrmClerkSystemProgram::record_bytes(int n)
{
    return std::span<std::uint8_t>(session().image.bytes).subspan(clerk::offset_of(n), prg::kClerkSize);
}

}  // namespace tw
