#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The PLU code that starts each of the register's three PLU pages (model
// 4430 only).
class FrmPluPageProgram : public OptionEditor {
    Q_OBJECT
public:
    FrmPluPageProgram(ScreenContext& context, QWidget* caller);

    static constexpr long long kMaxPluCode = 9999999999999;  // 13 digits, as a PLU code
};

}  // namespace tw
