#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// How the register calculates and registers sales. The model 4410 has no PLU
// page or price shift; their bytes still load and save.
class FrmWorkingMode : public OptionEditor {
    Q_OBJECT
public:
    FrmWorkingMode(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
