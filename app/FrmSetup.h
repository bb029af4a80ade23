#pragma once
#include <string>

#include "app/MenuScreen.h"

namespace tw {

// The menu of an open programming: the editor menus, the other setup
// screens and the reset of the register.
class FrmSetup : public MenuScreen {
    Q_OBJECT
public:
    FrmSetup(ScreenContext& context, QWidget* caller);

    void Reset_click();

protected:
    void on_load() override;

private:
    std::string resetQuestion_;
    std::string resetTitle_;
};

}  // namespace tw
