#pragma once
#include <QDialog>
#include <array>
#include <cstdint>

#include "app/screen_context.h"
#include "languages/language.h"

class QPushButton;
class QRadioButton;

namespace tw {

class PictureLabel;

// The language selection, modal over the start screen: eight options, each
// beside its flag. Save applies the chosen language, re-labels the start
// screen and stores the code in force; Back changes nothing.
class FrmLanguage : public QDialog {
    Q_OBJECT
public:
    FrmLanguage(ScreenContext& context, QWidget* parent);

    int selection() const { return selection_; }
    void select(int index);

    void C_Save();

Q_SIGNALS:
    // After the language is applied and before Language.ini is written: the
    // start screen re-labels itself.
    void language_saved();

private:
    void apply_captions();

    ScreenContext& context_;
    std::array<QRadioButton*, kLanguageCount> options_{};
    std::array<PictureLabel*, kLanguageCount> flags_{};
    QPushButton* save_;
    QPushButton* back_;
    int selection_ = 0;
};

}  // namespace tw
