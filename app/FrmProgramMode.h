#pragma once
#include "app/MenuScreen.h"

namespace tw {

// The program-mode menu: the sales and operator editors.
class FrmProgramMode : public MenuScreen {
    Q_OBJECT
public:
    FrmProgramMode(ScreenContext& context, QWidget* caller);
};

}  // namespace tw
