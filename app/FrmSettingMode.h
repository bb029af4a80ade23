#pragma once
#include "app/MenuScreen.h"

namespace tw {

// The setting-mode menu: the option editors of the register's setting mode.
class FrmSettingMode : public MenuScreen {
    Q_OBJECT
public:
    FrmSettingMode(ScreenContext& context, QWidget* caller);
};

}  // namespace tw
