#pragma once
#include <span>
#include <vector>

#include "app/Screen.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tw {

// One button of a menu. A button whose screen is not built yet has no
// factory: it stays visible and disabled.
struct MenuEntry {
    const char* button;   // the button's name, "C_SetVatRate"
    const char* key;      // its caption key
    const char* english;  // its built-in caption
    ScreenFactory open = nullptr;
    bool hiddenOn4410 = false;
};

// A plain menu: a title, a column of buttons and the help picture. Opening a
// button's screen hides the menu; unloading that screen shows it again.
class MenuScreen : public Screen {
    Q_OBJECT
public:
    MenuScreen(ScreenContext& context, QWidget* caller, const char* name, const char* titleKey,
               const char* title);

protected:
    // A button of the column, with its caption applied on loading.
    QPushButton* add_button(const char* name, const char* key, const char* english);
    // The buttons of a table; those with a factory open their screen.
    void add_entries(std::span<const MenuEntry> entries);
    // Optional window-title text appended after the caption.
    virtual QString title_suffix() { return {}; }
    void on_load() override;

private:
    struct Caption {
        QPushButton* button;
        const char* key;
        const char* english;
        bool hiddenOn4410;
    };
    const char* titleKey_;
    const char* title_;
    QVBoxLayout* column_;
    std::vector<Caption> captions_;
};

}  // namespace tw
