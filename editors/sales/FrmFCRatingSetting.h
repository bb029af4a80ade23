#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The four foreign currencies at once: name, exchange rate and two decimal
// positions each. The rate shows the decimals chosen for it and is typed as
// a whole number.
class FrmFCRatingSetting : public OptionEditor {
    Q_OBJECT
public:
    FrmFCRatingSetting(ScreenContext& context, QWidget* caller);

protected:
    void load_fields() override;
};

}  // namespace tw
