#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The nine tenders at once: name, HDLO and three switches each. Charge in a
// frame, the six cards on a tab set, check and cash (TOTAL) in two frames.
class FrmTenderMenuSetting : public OptionEditor {
    Q_OBJECT
public:
    FrmTenderMenuSetting(ScreenContext& context, QWidget* caller);
};

}  // namespace tw
