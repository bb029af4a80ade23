#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The paid-out, received-on-account and plus/minus keys: their high digit
// lock-outs, whether PO and RA print the receipt header, the +/- signs.
class FrmPORAMPKeyMenu : public OptionEditor {
    Q_OBJECT
public:
    FrmPORAMPKeyMenu(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
