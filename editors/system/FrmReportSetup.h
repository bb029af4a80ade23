#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// What the Z report resets, duplicate Z and zero skip. The sense of YES
// differs from option to option.
class FrmReportSetup : public OptionEditor {
    Q_OBJECT
public:
    FrmReportSetup(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
