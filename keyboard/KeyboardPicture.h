#pragma once
#include <QWidget>
#include <array>

#include "keyboard/keyboard_layout.h"

class QPushButton;

namespace tw {

// A picture of the register's keyboard: a key for each of the 53 positions
// in its row and column. The 33 assignable ones are the buttons `L_key1` to
// `L_key33` showing their function's name, in red while changed; the fixed
// keys are greyed and nameless.
class KeyboardPicture : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardPicture(QWidget* parent);

    void show_key(int previewKey, const QString& name, bool changed);
    bool changed(int previewKey) const;

    static constexpr QSize kKeySize{86, 54};

Q_SIGNALS:
    void key_clicked(int previewKey);

private:
    std::array<QPushButton*, keyboard::kPreviewKeys> keys_{};
};

}  // namespace tw
