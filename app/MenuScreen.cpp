#include "app/MenuScreen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PictureLabel.h"

namespace tw {

MenuScreen::MenuScreen(ScreenContext& context, QWidget* caller, const char* name, const char* titleKey,
                       const char* title)
    : Screen(context, caller, name), titleKey_(titleKey), title_(title)
{
    auto* layout = new QVBoxLayout(this);
    column_ = new QVBoxLayout;
    column_->setSpacing(6);
    layout->addLayout(column_);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(make_help_picture());
    bottom->addStretch();
    layout->addLayout(bottom);
    setMinimumWidth(380);
}

QPushButton* MenuScreen::add_button(const char* name, const char* key, const char* english)
{
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);  // Enter presses it while it has the focus
    b->setMinimumHeight(34);
    column_->addWidget(b);
    captions_.push_back({b, key, english, false});
    return b;
}

void MenuScreen::add_entries(std::span<const MenuEntry> entries)
{
    for (const MenuEntry& e : entries) {
        QPushButton* b = add_button(e.button, e.key, e.english);
        captions_.back().hiddenOn4410 = e.hiddenOn4410;
        b->setEnabled(e.open != nullptr);
        if (e.open) {
            const ScreenFactory open = e.open;
            const char* handler = e.button;
            connect(b, &QPushButton::clicked, this, [this, open, handler] {
                handle(handler, [&] { show_in_place(open(context(), this)); });
            });
        }
    }
}

void MenuScreen::on_load()
{
    setWindowTitle(text(titleKey_, title_) + title_suffix());
    const bool model4410 = session().ModelCode == 0;
    for (const Caption& c : captions_) {
        c.button->setText(text(c.key, c.english));
        c.button->setHidden(c.hiddenOn4410 && model4410);
    }
}

}  // namespace tw
