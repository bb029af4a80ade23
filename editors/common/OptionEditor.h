#pragma once
#include <span>
#include <vector>

#include "app/EditorScreen.h"
#include "editors/common/FieldControl.h"

class QGridLayout;
class QGroupBox;
class QTabWidget;
class QVBoxLayout;

namespace tw {

// An option screen described as data: groups of fields (a plain run of rows,
// a titled frame, or a tab set whose tabs hold groups again), built, loaded
// from and saved into the programming image by one piece of code. Columns
// put groups side by side; a slot is an empty named widget that the screen
// fills with controls of its own (a preview, a grid).
struct OptionTab;

struct OptionGroup {
    enum class Kind { Rows, Frame, TabSet, Columns, Slot };
    Kind kind;
    const char* name = nullptr;      // Frame: `F_…`; TabSet: `Tab_…`; Slot: its widget
    const char* titleKey = nullptr;  // Frame: its title
    const char* title = nullptr;
    std::span<const Field> fields{};      // Rows, Frame
    std::span<const OptionTab> tabs{};    // TabSet
    std::span<const OptionGroup> columns{};  // Columns
    int refusalTab = -1;  // TabSet: where a refused tab returns to; -1: the tab shown before
};

// A tab the model 4410 refuses shows MsgOptionNot4410 and returns to the tab
// shown before (or to the tab set's own return tab); its fields still load
// and save.
enum class TabOn4410 { Offered, Refused };

struct OptionTab {
    const char* key;
    const char* english;
    std::span<const OptionGroup> groups;
    TabOn4410 on4410 = TabOn4410::Offered;
};

inline constexpr OptionGroup rows(std::span<const Field> fields) { return {OptionGroup::Kind::Rows, nullptr, nullptr, nullptr, fields, {}}; }
inline constexpr OptionGroup frame(const char* name, const char* titleKey, const char* title,
                                   std::span<const Field> fields)
{
    return {OptionGroup::Kind::Frame, name, titleKey, title, fields, {}};
}
inline constexpr OptionGroup tab_set(const char* name, std::span<const OptionTab> tabs, int refusalTab = -1)
{
    return {OptionGroup::Kind::TabSet, name, nullptr, nullptr, {}, tabs, {}, refusalTab};
}

inline constexpr OptionGroup columns(std::span<const OptionGroup> groups)
{
    return {OptionGroup::Kind::Columns, nullptr, nullptr, nullptr, {}, {}, groups};
}
inline constexpr OptionGroup slot(const char* name) { return {OptionGroup::Kind::Slot, name, nullptr, nullptr, {}, {}}; }

struct OptionPage {
    EditorScreen::Setup setup;
    std::span<const OptionGroup> groups;
};

// Every field of the groups, tabs and frames included, in page order.
std::vector<const Field*> page_fields(std::span<const OptionGroup> groups);

class OptionEditor : public EditorScreen {
    Q_OBJECT
public:
    OptionEditor(ScreenContext& context, QWidget* caller, const OptionPage& page);

    const FieldControl& field(const char* name) const { return fields_.at(name); }
    // The widget of a slot group; throws when there is none.
    QWidget* slot_widget(const char* name) const;

protected:
    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;

private:
    struct TabSetControl {
        QTabWidget* widget;
        std::span<const OptionTab> tabs;
        int refusalTab;
        int shown = 0;  // the tab shown before the user's choice
    };
    struct FrameControl {
        QGroupBox* widget;
        const OptionGroup* group;
    };

    void build(std::span<const OptionGroup> groups, QWidget* parent, QVBoxLayout* into);
    void add_rows(std::span<const Field> fields, QWidget* parent, QGridLayout* grid);
    void tab_chosen(TabSetControl& set, int index);

protected:
    // The tab set's shown tab changed (a refusal back to the tab shown before changes none).
    virtual void tab_shown(const QTabWidget* /*set*/, int /*index*/) {}

private:

    FieldControls fields_;
    std::vector<TabSetControl> tabSets_;
    std::vector<FrameControl> frames_;
    bool settingCaptions_ = false;
};

}  // namespace tw
