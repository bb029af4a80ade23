#include "editors/sales/FrmFCRatingSetting.h"

#include "app/NumericField.h"
#include "app/session.h"
#include "editors/common/choice_sets.h"
#include "editors/common/indexed_name.h"
#include "editors/sales/currency_record.h"

namespace tw {

namespace {
using currency::kCount;

// Control arrays indexed by currency (0 to 3).
constexpr auto kName = indexed_names<kCount>("E_Name");
constexpr auto kNameLabel = indexed_names<kCount>("L_Nome");
constexpr auto kRate = indexed_names<kCount>("E_ExchangeRate");
constexpr auto kDecimalsForRate = indexed_names<kCount>("Cmb_DecimalPositionForRate");
constexpr auto kRateDecimals = indexed_names<kCount>("Cmb_DecimalPositionForExchangedRate");
constexpr auto kFrame = indexed_names<kCount>("F_FC", 1);
constexpr auto kFrameKey = indexed_names<kCount>("FRM_FC_RATING_SETTING_F_FC", 1, "_TITLE");
constexpr auto kFrameTitle = indexed_names<kCount>("Foreign Currency ", 1, " Setting");

// The name shows without leading and trailing spaces; the rate shows its
// stored whole number over 10 to the power of the exchanged-rate decimals.
constexpr std::array<Field, 4> currency_fields(int i)
{
    const std::size_t at = currency::offset_of(i);
    Field name{kName[i].c_str(), "FRM_FC_RATING_SETTING_L_NOME", "Name",
               register_text_at(at + currency::kName, int(prg::kCurrencyNameWidth)), {}, {}, On4410::Shown,
               kNameLabel[i].c_str()};
    name.trimLeading = true;
    return {name,
            {kRate[i].c_str(), "FRM_FC_RATING_SETTING_L_EXCHANGE_RATE", "Exchange Rate",
             bcd_at(at + currency::kRate, currency::kRateBytes), {}, {.decimalsFrom = kRateDecimals[i].c_str(), .enterToSave = true}},
            {kDecimalsForRate[i].c_str(), "FRM_FC_RATING_SETTING_L_DECIMAL_POSITION_FOR_RATE",
             "Decimal Position for Rate", byte_at(at + currency::kDecimalsForRate), numbers_up_to(8)},
            {kRateDecimals[i].c_str(), "FRM_FC_RATING_SETTING_L_DECIMAL_POSITION_FOR_EXCHANGED_RATE",
             "Decimal Position for Exchanged Rate", byte_at(at + currency::kRateDecimals), numbers_up_to(3)}};
}

constexpr auto kCurrencies = [] {
    std::array<std::array<Field, 4>, kCount> all{};
    for (int i = 0; i < kCount; ++i)
        all[std::size_t(i)] = currency_fields(i);
    return all;
}();

constexpr auto kGroups = [] {
    std::array<OptionGroup, kCount> groups{};
    for (std::size_t i = 0; i < kCount; ++i)
        groups[i] = frame(kFrame[i].c_str(), kFrameKey[i].c_str(), kFrameTitle[i].c_str(), kCurrencies[i]);
    return groups;
}();

const OptionPage kPage{
    {"FrmFCRatingSetting", "FRM_FC_RATING_SETTING_TITLE", "Program Foreign Currencies", nullptr, nullptr,
     "FrmEcRatingSetting Form load: ", "FrmEcRatingSetting Salva: "},
    kGroups,
};
}  // namespace

FrmFCRatingSetting::FrmFCRatingSetting(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage)
{
}

void FrmFCRatingSetting::load_fields()
{
    OptionEditor::load_fields();
    // The typing limit follows the decimals as stored when the screen opened.
    for (int i = 0; i < kCount; ++i) {
        const int stored = session().image.byte(currency::offset_of(i) + currency::kRateDecimals);
        field(kRate[std::size_t(i)].c_str()).numeric()->set_length_limit(currency::rate_length_limit(stored));
    }
}

}  // namespace tw
