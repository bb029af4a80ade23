#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The two percentage keys: each adds on or discounts, at a rate and up to a
// rate limit kept in hundredths of a percent (1250 is 12.50 %).
class FrmPercentageMenu : public OptionEditor {
    Q_OBJECT
public:
    FrmPercentageMenu(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
