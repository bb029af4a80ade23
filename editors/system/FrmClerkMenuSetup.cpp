#include "editors/system/FrmClerkMenuSetup.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// The clerk system is active with its bit set, the login display with its
// bit clear. Bits 0 to 3 of the byte belong to other screens or to none.
constexpr Field kFields[] = {
    {"Cmb_ClerkSystem", "FRM_CLERK_MENU_SETUP_CLERK_SYSTEM", "Clerk System", bit_at(9, 4), kInactiveActive},
    {"Cmb_MustClerkPassword", "FRM_CLERK_MENU_SETUP_L_MUST_CLERK_PASSWORD", "Clerk Password", bit_at(9, 5), kNoYes},
    {"Cmb_EachTransactionOfClerk", "FRM_CLERK_MENU_SETUP_L_EACH_TRANSACTION_OF_CLERK",
     "Clerk Pwd for Each Transaction", bit_at(9, 6), kNoYes},
    {"Cmb_LoginClerkDisplay", "FRM_CLERK_MENU_SETUP_LOGIN_CLERK_DISPLAY", "Login Clerk Display", bit_at(9, 7),
     kActiveInactive},
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmClerkMenuSetup", "FRM_CLERK_MENU_SETUP_TITLE", "Clerk Setup",
                        "FRM_CLERK_MENU_SETUP_L_TITOLO", "CLERK SETUP"},
                       kGroups};
}  // namespace

FrmClerkMenuSetup::FrmClerkMenuSetup(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmClerkMenuSetup::page() { return kPage; }

}  // namespace tw
