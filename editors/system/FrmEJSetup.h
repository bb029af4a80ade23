#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The electronic journal: its kind, what it stores, its beeps and (model
// 4430 only, kept on 4410) which receipts go into it.
class FrmEJSetup : public OptionEditor {
    Q_OBJECT
public:
    FrmEJSetup(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
