#pragma once
#include <array>
#include <memory>
#include <vector>

#include "app/EditorScreen.h"
#include "keyboard/FlagBoxes.h"
#include "keyboard/keyboard_layout.h"

class QLabel;
class QPushButton;
class QTabBar;
class QTabWidget;

namespace tw {

class ChoiceField;
class KeyboardPicture;

// The register's keyboard: the function on each freely assignable key, the
// five report chains and the five pop-up key lists. Clicking a preview key
// puts the function chosen in the key list on it (in red); a function is on
// one key at most. Switching chains reloads the chain and the pop-up lists
// from the image. Save writes the chain shown, the shown keys and all five
// pop-up lists.
class FrmAdvancedSetting : public EditorScreen {
    Q_OBJECT
public:
    FrmAdvancedSetting(ScreenContext& context, QWidget* caller);
    ~FrmAdvancedSetting() override;

    // The layout being edited, one code per key position.
    const keyboard::KeyLayout& working_layout() const { return layout_; }
    // Whether preview key k (1 to 33) shows a change not yet saved (red).
    bool key_changed(int previewKey) const;

protected:
    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;

private:
    QWidget* build_chain_page();
    QWidget* build_key_page();
    QWidget* build_pop_page();
    void load_boxes();
    void show_key(int position, bool changed);
    void key_clicked(int previewKey);
    void chain_chosen(int chain);
    void list_chosen();
    void restore_default_keys();
    void restore_default_pop(int list);

    keyboard::KeyLayout layout_{};
    int chainShown_ = 0;
    QTabWidget* tabs_ = nullptr;
    QTabBar* chainTabs_ = nullptr;
    std::unique_ptr<FlagBoxes> chainBoxes_;
    std::vector<FlagBoxes> popLists_;
    std::array<QPushButton*, keyboard::kPopLists> popRestore_{};
    QTabWidget* popTabs_ = nullptr;
    KeyboardPicture* picture_ = nullptr;
    ChoiceField* keyList_ = nullptr;
    QLabel* keyListLabel_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* help_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace tw
