#include "editors/common/OptionEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/NumericField.h"
#include <stdexcept>

#include "app/ui_text.h"

namespace tw {

namespace {
void collect_fields(std::span<const OptionGroup> groups, std::vector<const Field*>& into)
{
    for (const OptionGroup& g : groups) {
        for (const Field& f : g.fields)
            into.push_back(&f);
        collect_fields(g.columns, into);
        for (const OptionTab& t : g.tabs)
            collect_fields(t.groups, into);
    }
}
}  // namespace

std::vector<const Field*> page_fields(std::span<const OptionGroup> groups)
{
    std::vector<const Field*> all;
    collect_fields(groups, all);
    return all;
}

OptionEditor::OptionEditor(ScreenContext& context, QWidget* caller, const OptionPage& page)
    : EditorScreen(context, caller, page.setup), fields_(page_fields(page.groups).size())
{
    auto* column = new QVBoxLayout;
    build(page.groups, this, column);
    body()->addLayout(column);
    for (TabSetControl& set : tabSets_)
        connect(set.widget, &QTabWidget::currentChanged, this, [this, &set](int index) { tab_chosen(set, index); });
}

void OptionEditor::build(std::span<const OptionGroup> groups, QWidget* parent, QVBoxLayout* into)
{
    for (const OptionGroup& g : groups) {
        switch (g.kind) {
        case OptionGroup::Kind::Rows: {
            auto* grid = new QGridLayout;
            add_rows(g.fields, parent, grid);
            into->addLayout(grid);
            break;
        }
        case OptionGroup::Kind::Frame: {
            auto* box = new QGroupBox(parent);
            box->setObjectName(QString::fromLatin1(g.name));
            auto* grid = new QGridLayout(box);
            add_rows(g.fields, box, grid);
            into->addWidget(box);
            frames_.push_back({box, &g});
            break;
        }
        case OptionGroup::Kind::TabSet: {
            auto* tabs = new QTabWidget(parent);
            tabs->setObjectName(QString::fromLatin1(g.name));
            // Every tab stays in sight: the screen grows to show them all.
            tabs->setUsesScrollButtons(false);
            for (const OptionTab& t : g.tabs) {
                auto* page = new QWidget(tabs);
                auto* layout = new QVBoxLayout(page);
                build(t.groups, page, layout);
                layout->addStretch();
                tabs->addTab(page, QString::fromLatin1(t.english));
            }
            into->addWidget(tabs);
            tabSets_.push_back({tabs, g.tabs, g.refusalTab, 0});
            break;
        }
        case OptionGroup::Kind::Columns: {
            auto* row = new QHBoxLayout;
            for (const OptionGroup& column : g.columns) {
                auto* layout = new QVBoxLayout;
                build({&column, 1}, parent, layout);
                layout->addStretch();
                row->addLayout(layout);
            }
            into->addLayout(row);
            break;
        }
        case OptionGroup::Kind::Slot: {
            auto* w = new QWidget(parent);
            w->setObjectName(QString::fromLatin1(g.name));
            into->addWidget(w);
            break;
        }
        }
    }
}

void OptionEditor::add_rows(std::span<const Field> fields, QWidget* parent, QGridLayout* grid)
{
    grid->setColumnStretch(1, 1);
    for (const Field& f : fields) {
        const FieldControl& c = fields_.add(session(), f, parent);
        const int row = grid->rowCount();
        if (c.label())
            grid->addWidget(c.label(), row, 0);
        grid->addWidget(c.control(), row, 1);
        if (c.hint())
            grid->addWidget(c.hint(), row, 2);
        if (c.numeric() && f.number.enterToSave)
            c.numeric()->set_enter_target(save_button());
    }
}

void OptionEditor::prepare_fields()
{
    // Setting the tab captions and the first tabs asks the user nothing.
    settingCaptions_ = true;
    for (TabSetControl& set : tabSets_) {
        for (int i = 0; i < int(set.tabs.size()); ++i)
            set.widget->setTabText(i, text(set.tabs[std::size_t(i)].key, set.tabs[std::size_t(i)].english));
        set.widget->setCurrentIndex(0);
        set.shown = 0;
    }
    settingCaptions_ = false;
    for (FrameControl& f : frames_)
        f.widget->setTitle(text(f.group->titleKey, f.group->title));
    fields_.prepare();
}

void OptionEditor::tab_chosen(TabSetControl& set, int index)
{
    if (settingCaptions_ || index < 0)
        return;
    const bool refused = session().ModelCode == 0 && index < int(set.tabs.size()) &&
                         set.tabs[std::size_t(index)].on4410 == TabOn4410::Refused;
    if (!refused) {
        set.shown = index;
        tab_shown(set.widget, index);
        return;
    }
    session().effects.message_box(session().messages.MsgOptionNot4410, MsgButtons::Ok, MsgIcon::None);
    const int before = set.shown;
    if (set.refusalTab >= 0)
        set.shown = set.refusalTab;
    {
        const QSignalBlocker quiet(set.widget);
        set.widget->setCurrentIndex(set.shown);
    }
    if (set.shown != before)
        tab_shown(set.widget, set.shown);
}

QWidget* OptionEditor::slot_widget(const char* name) const
{
    auto* w = findChild<QWidget*>(QString::fromLatin1(name));
    if (!w)
        throw std::out_of_range(std::string("no slot ") + name);
    return w;
}

void OptionEditor::load_fields() { fields_.load(session().image.bytes); }

void OptionEditor::save_fields() { fields_.save(session().image.bytes); }

}  // namespace tw
