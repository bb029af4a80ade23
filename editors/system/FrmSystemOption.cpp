#include "editors/system/FrmSystemOption.h"

#include "app/session.h"

namespace tw {

namespace {
constexpr Choice kDecimals[] = {
    {0, "FRM_SYSTEM_OPTION_DECIMAL_POINT_POSITION_SETTING_0_MSG", "(ex x)"},
    {1, "FRM_SYSTEM_OPTION_DECIMAL_POINT_POSITION_SETTING_1_MSG", "(ex x.x)"},
    {2, "FRM_SYSTEM_OPTION_DECIMAL_POINT_POSITION_SETTING_2_MSG", "(ex x.xx)"},
    {3, "FRM_SYSTEM_OPTION_DECIMAL_POINT_POSITION_SETTING_3_MSG", "(ex x.xxx)"},
};
constexpr Choice kRounding[] = {
    {0, "FRM_SYSTEM_OPTION_FRACTION_ROUNDING_SETTING_0_MSG", "ROUND DOWN"},
    {1, "FRM_SYSTEM_OPTION_FRACTION_ROUNDING_SETTING_1_MSG", "ROUND OFF"},
    {2, "FRM_SYSTEM_OPTION_FRACTION_ROUNDING_SETTING_2_MSG", "ROUND UP"},
};

constexpr std::size_t kDecimalPosition = 60;

constexpr Field kValues[] = {
    {"Cmb_DecimalPosition", "FRM_SYSTEM_OPTION_L_DECIMAL_POSITION", "Decimal Position", byte_at(kDecimalPosition),
     {kDecimals}},
    // One BCD byte, read by its leading decimal digits.
    {"Cmb_FractionRound", "FRM_SYSTEM_OPTION_L_FRACTION_ROUND", "Fraction Rounding ", bcd_lenient_at(61, 1),
     {kRounding}},
};

// Counters show leading zeros to their full width and take no more digits.
constexpr NumberFormat kCounter{.maximum = 9999, .minDigits = 4, .maxChars = 4};
constexpr FieldHint kMax4{nullptr, "MSG_MAX_9999", "(Max Value 9999)"};

constexpr Field counter(const char* name, const char* labelKey, const char* label, std::size_t offset,
                        const char* maxLabel)
{
    return {name, labelKey, label, bcd_at(offset, 2), {}, kCounter, On4410::Shown, nullptr, false,
            {maxLabel, kMax4.key, kMax4.english}};
}

constexpr Field kCounters[] = {
    counter("E_ConsecutiveReceipt", "FRM_SYSTEM_OPTION_L_CONSECUTIVE_RECEIPT", "Consecutive Receipt #", 3087,
            "L_MaxValue1"),
    counter("E_Z1CounterSetting", "FRM_SYSTEM_OPTION_L_Z1_COUNTER_SETTING", "Z1 Counter Setting", 3089,
            "L_MaxValue2"),
    counter("E_Z2CounterSetting", "FRM_SYSTEM_OPTION_L_Z2_COUNTER_SETTING", "Z2 Counter Setting", 3091,
            "L_MaxValue3"),
    // 16 digits, read like the register's own counters (bad nibbles by their
    // leading digit); an emptied GT holds no number and stops Save.
    {"E_GTCounterSetting", "FRM_SYSTEM_OPTION_L_GT_COUNTER_SETTING", "GT Counter Setting", bcd_lenient_at(3093, 8),
     {}, {.maximum = 9999999999999999, .minDigits = 16, .maxChars = 16, .emptyFails = true}, On4410::Shown,
     nullptr, false, {"L_MaxValue4", "MSG_MAX_9999999999999999", "(Max Value 9999999999999999)"}},
};

constexpr OptionGroup kGroups[] = {
    frame("F_ValueDescription", "FRM_SYSTEM_OPTION_F_VALUE_DESCRIPTION", "Value Description", kValues),
    frame("F_Counter", "FRM_SYSTEM_OPTION_F_COUNTER", "Advanced Counter Setting", kCounters),
};
const OptionPage kPage{{"FrmSystemOption", "FRM_SYSTEM_OPTION_TITLE", "System Options", "FRM_SYSTEM_OPTION_L_TITOLO",
                        "SYSTEM OPTIONS"},
                       kGroups};
}  // namespace

FrmSystemOption::FrmSystemOption(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmSystemOption::page() { return kPage; }

void FrmSystemOption::save_fields()
{
    // The counters first: a GT that holds no number stops Save here, with
    // the other counters already in the image and the file not written.
    std::span<std::uint8_t> bytes = session().image.bytes;
    for (const Field& f : kCounters)
        field(f.name).save(bytes);
    for (const Field& f : kValues)
        field(f.name).save(bytes);
    session().DecimalPosition = session().image.byte(kDecimalPosition);
}

}  // namespace tw
