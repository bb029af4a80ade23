#include "editors/sales/FrmPercentageMenu.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// Hundredths of a percent, shown as 12.50 %; Enter goes on to Save.
constexpr NumberFormat kRate{.maximum = 9999, .scale = 100, .decimals = 2, .unit = " %", .fixedDecimals = true,
                             .grouped = true, .enterToSave = true};
constexpr FieldHint kRateMax{"L_RateMax", nullptr, "(Max Value 9999)"};
constexpr FieldHint kRateLimitMax{"L_RateLimitMax", nullptr, "(Max Value 9999)"};

constexpr Field rate(const char* name, const char* labelKey, const char* label, std::size_t offset,
                     const FieldHint& hint)
{
    return {name, labelKey, label, bcd_at(offset, 2), {}, kRate, On4410::Shown, nullptr, false, hint};
}

constexpr Field kFields[] = {
    {"Cmb_P1Sign", "FRM_PERCENTAGE_MENU_L_P1_SIGN", "Key %1 Function:", bit_at(59, 0), kAddOnDiscount},
    rate("E_P1KeyRate", "FRM_PERCENTAGE_MENU_L_P1_KEY_RATE", "Key %1 Rate", 47, kRateMax),
    rate("E_P1KeyRateLimit", "FRM_PERCENTAGE_MENU_L_P1_KEY_RATE_LIMIT", "Key %1 Rate Limit", 49, kRateLimitMax),
    {"Cmb_P2Sign", "FRM_PERCENTAGE_MENU_L_P2_SIGN", "Key %2 Function:", bit_at(59, 1), kAddOnDiscount},
    rate("E_P2KeyRate", "FRM_PERCENTAGE_MENU_L_P2_KEY_RATE", "Key %2 Rate", 51, kRateMax),
    rate("E_P2KeyRateLimit", "FRM_PERCENTAGE_MENU_L_P2_KEY_RATE_LIMIT", "Key %2 Rate Limit", 53, kRateLimitMax),
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmPercentageMenu", "FRM_PERCENTAGE_MENU_TITLE", "Program % Key",
                        "FRM_PERCENTAGE_MENU_L_TITOLO", "PROGRAM % KEY"},
                       kGroups};
}  // namespace

FrmPercentageMenu::FrmPercentageMenu(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmPercentageMenu::page() { return kPage; }

}  // namespace tw
