#pragma once
#include <string>

#include "app/Screen.h"

class QLabel;
class QPushButton;

namespace tw {

class PictureLabel;

// The logo screen: choose a black-and-white bitmap, see it beside the logo
// the register will print from it, and send it (Send_LogoToEcr). Needs no
// open programming; its unloading shows FrmPrincipale.
class FrmSetLogo : public Screen {
    Q_OBJECT
public:
    FrmSetLogo(ScreenContext& context, QWidget* caller);

    void Sfoglia();
    void Invia_Ecr();

protected:
    void on_load() override;

private:
    // Both previews of the bitmap in L_percorso.
    void show_previews();
    void show_logo_preview(const std::string& path);

    QLabel* heading_;
    QPushButton* browse_;
    QLabel* path_;
    PictureLabel* picture_;
    PictureLabel* logo_;
    QLabel* pictureNote_;
    QLabel* logoNote_;
    QPushButton* back_;
    QPushButton* send_;

    std::string noFile_;
    std::string programmed_;
    std::string pathError_;
};

}  // namespace tw
