#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The four VAT rates, kept by the register in thousandths of a percent: 22 %
// is stored as 22000, packed BCD in 4 bytes from offset 31 + 4 x (n - 1).
class FrmSetVatRate : public OptionEditor {
    Q_OBJECT
public:
    FrmSetVatRate(ScreenContext& context, QWidget* caller);

    static constexpr int kRates = 4;
    static constexpr int kScale = 1000;
    static constexpr long long kMaximum = 99999;  // 99.999 %
};

}  // namespace tw
