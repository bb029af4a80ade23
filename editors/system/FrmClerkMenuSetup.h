#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// How the register uses clerks as a whole: four bits of one byte, with
// opposite senses for the clerk system and the login display.
class FrmClerkMenuSetup : public OptionEditor {
    Q_OBJECT
public:
    FrmClerkMenuSetup(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
