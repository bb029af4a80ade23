#pragma once
#include <string>

#include "app/MenuScreen.h"
#include "app/open_programming.h"

namespace tw {

// The main screen of the chosen model: a new programming from the model's
// defaults, the programming read from the register (or the files already
// in DataDir), and the logo.
class FrmPrincipale : public MenuScreen {
    Q_OBJECT
public:
    FrmPrincipale(ScreenContext& context, QWidget* caller);

    void C_NuovaProgrammazione();
    void C_ModificaProgrammazione();
    void C_Logo();

protected:
    void on_load() override;
    QString title_suffix() override;

private:
    // Shows the setup menu over the programming just read.
    void open_setup();

    std::string newQuestion_;
    std::string modifyQuestion_;
    std::string noModel_;
    ReceiveMessages receive_;
};

}  // namespace tw
