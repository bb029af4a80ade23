#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The four mode passwords, 0 to 9999 each, shown with four digits. The
// manager password is stored between the X and the training passwords
// although the screen lists it last.
class FrmPermissionProgram : public OptionEditor {
    Q_OBJECT
public:
    FrmPermissionProgram(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
