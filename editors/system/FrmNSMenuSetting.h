#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The no-sale key: drawer, key-lock positions, receipt and header print, EJ
// and the consecutive number; six bits of one byte.
class FrmNSMenuSetting : public OptionEditor {
    Q_OBJECT
public:
    FrmNSMenuSetting(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
