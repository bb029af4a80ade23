#include "editors/sales/FrmSetVatRate.h"

#include "image/programming_image.h"

namespace tw {

namespace {
constexpr NumberFormat kRateFormat{.maximum = FrmSetVatRate::kMaximum, .scale = FrmSetVatRate::kScale,
                                   .decimals = 3, .unit = " %", .enterToSave = true, .rightAligned = true};

constexpr std::size_t rate_offset(int n) { return prg::VatRates.offset + 4 * std::size_t(n - 1); }
static_assert(rate_offset(FrmSetVatRate::kRates) + 4 == prg::VatRates.end());

constexpr Field rate(const char* name, const char* key, const char* label, int n, const char* hintName)
{
    return {name, key, label, bcd_at(rate_offset(n), 4), {}, kRateFormat, On4410::Shown, nullptr, false,
            {hintName, "FRM_SET_VAT_RATE_L_MAX_VALUE", "(Max Value 99999)"}};
}

constexpr Field kRates[FrmSetVatRate::kRates] = {
    rate("E_VatRate1", "FRM_SET_VAT_RATE_L_VAT_RATE1", "VAT Rate 1:", 1, "L_MaxValue1"),
    rate("E_VatRate2", "FRM_SET_VAT_RATE_L_VAT_RATE2", "VAT Rate 2:", 2, "L_MaxValue2"),
    rate("E_VatRate3", "FRM_SET_VAT_RATE_L_VAT_RATE3", "VAT Rate 3", 3, "L_MaxValue3"),
    rate("E_VatRate4", "FRM_SET_VAT_RATE_L_VAT_RATE4", "VAT Rate 4", 4, "L_MaxValue4"),
};

const OptionGroup kGroups[] = {rows(kRates)};

const OptionPage kPage{
    {"FrmSetVatRate", "FRM_SET_VAT_RATE_TITLE", "Set VAT Rate", "FRM_SET_VAT_RATE_L_TITOLO", "SET VAT RATE"},
    kGroups,
};
}  // namespace

FrmSetVatRate::FrmSetVatRate(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

}  // namespace tw
