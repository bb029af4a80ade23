#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// What the register prints on receipts, invoices, review/pro-forma and
// new-balance receipts and reports, and with which fonts: 45 options on two
// nested tab sets. The model 4410 refuses the invoice, review/pro-forma and
// new-balance tabs; their options keep their values.
class FrmPrintMode : public OptionEditor {
    Q_OBJECT
public:
    FrmPrintMode(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
