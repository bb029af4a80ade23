#include "editors/sales/FrmSetVatRate.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "app/NumericField.h"

namespace tw {

namespace {
const EditorScreen::Setup kSetup{
    "FrmSetVatRate", "FRM_SET_VAT_RATE_TITLE", "Set VAT Rate", "FRM_SET_VAT_RATE_L_TITOLO", "SET VAT RATE",
};

struct RateLabel {
    const char* key;
    const char* english;
};
constexpr RateLabel kRateLabels[FrmSetVatRate::kRates] = {
    {"FRM_SET_VAT_RATE_L_VAT_RATE1", "VAT Rate 1:"},
    {"FRM_SET_VAT_RATE_L_VAT_RATE2", "VAT Rate 2:"},
    {"FRM_SET_VAT_RATE_L_VAT_RATE3", "VAT Rate 3"},
    {"FRM_SET_VAT_RATE_L_VAT_RATE4", "VAT Rate 4"},
};

constexpr std::size_t rate_offset(int n) { return prg::VatRates.offset + 4 * std::size_t(n - 1); }
static_assert(rate_offset(FrmSetVatRate::kRates) + 4 == prg::VatRates.end());
}  // namespace

FrmSetVatRate::FrmSetVatRate(ScreenContext& context, QWidget* caller) : EditorScreen(context, caller, kSetup)
{
    auto* grid = new QGridLayout;
    for (int n = 1; n <= kRates; ++n) {
        const QString index = QString::number(n);
        auto* label = new QLabel(this);
        label->setObjectName("L_VatRate" + index);
        auto* field = new NumericField(session(), "E_VatRate" + index, this);
        field->set_scale(kScale, 3, QStringLiteral(" %"));
        field->set_maximum(kMaximum);
        field->set_enter_target(save_button());
        field->setAlignment(Qt::AlignRight);
        auto* maxValue = new QLabel(this);
        maxValue->setObjectName("L_MaxValue" + index);
        grid->addWidget(label, n - 1, 0);
        grid->addWidget(field, n - 1, 1);
        grid->addWidget(maxValue, n - 1, 2);
        labels_[std::size_t(n - 1)] = label;
        rates_[std::size_t(n - 1)] = field;
        maxValues_[std::size_t(n - 1)] = maxValue;
    }
    body()->addLayout(grid);
}

void FrmSetVatRate::prepare_fields()
{
    for (int i = 0; i < kRates; ++i) {
        labels_[std::size_t(i)]->setText(text(kRateLabels[i].key, kRateLabels[i].english));
        maxValues_[std::size_t(i)]->setText(text("FRM_SET_VAT_RATE_L_MAX_VALUE", "(Max Value 99999)"));
    }
}

void FrmSetVatRate::load_fields()
{
    for (int n = 1; n <= kRates; ++n)
        rate_field(n)->show_value(std::stoll(session().image.bcd(session().codecs, rate_offset(n), 4)));
}

void FrmSetVatRate::save_fields()
{
    for (int n = 1; n <= kRates; ++n)
        session().image.set_bcd(session().codecs, rate_offset(n), 4, rate_field(n)->value());
}

}  // namespace tw
