#pragma once
#include <array>

#include "app/EditorScreen.h"

class QLabel;

namespace tw {

class NumericField;

// The four VAT rates, kept by the register in thousandths of a percent: 22 %
// is stored as 22000, packed BCD in 4 bytes from offset 31 + 4 x (n - 1).
class FrmSetVatRate : public EditorScreen {
    Q_OBJECT
public:
    FrmSetVatRate(ScreenContext& context, QWidget* caller);

    static constexpr int kRates = 4;
    static constexpr int kScale = 1000;
    static constexpr long long kMaximum = 99999;  // 99.999 %

    NumericField* rate_field(int n) const { return rates_.at(std::size_t(n - 1)); }

protected:
    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;

private:
    std::array<QLabel*, kRates> labels_{};
    std::array<NumericField*, kRates> rates_{};
    std::array<QLabel*, kRates> maxValues_{};
};

}  // namespace tw
