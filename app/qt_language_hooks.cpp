#include "app/qt_language_hooks.h"

#include <QLabel>

#include "app/ui_text.h"

namespace tw {

void QtLanguageHooks::set_help_file(const std::string& path) { helpFile_ = path_to_qt(path); }

void QtLanguageHooks::show_flag(const std::string& picturePath)
{
    // A missing picture leaves the flag empty; the language step logs it.
    if (!flag_.load(path_to_qt(picturePath)))
        flag_ = QPixmap();
    if (picture_)
        picture_->setPixmap(flag_);
}

void QtLanguageHooks::attach_flag(QLabel* picture)
{
    picture_ = picture;
    if (picture_)
        picture_->setPixmap(flag_);
}

}  // namespace tw
