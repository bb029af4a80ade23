#pragma once
#include "app/Screen.h"

class QLabel;
class QPushButton;

namespace tw {

class PictureLabel;

// The start screen: the model choice, the language choice and the exit.
// Unloading it ends the program.
class FrmPres : public Screen {
    Q_OBJECT
public:
    explicit FrmPres(ScreenContext& context);

    // Applies the current language's captions to the start screen.
    void carica_messaggi();

    // The model buttons: the model's values, then the main screen.
    void choose_model(int modelCode);
    void open_language_selection();

    // The stored title, before the version is appended.
    static constexpr const char* kStoredTitle = "Velmora ECR Programming Utility";

protected:
    void on_load() override;
    void closeEvent(QCloseEvent* event) override;

private:
    PictureLabel* logo_;
    PictureLabel* velmora_;
    PictureLabel* flag_;
    QLabel* title2_;
    QPushButton* model4410_;
    QPushButton* model4430_;
    QPushButton* language_;
    QPushButton* exit_;
};

}  // namespace tw
