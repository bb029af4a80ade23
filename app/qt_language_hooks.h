#pragma once
#include <QPixmap>
#include <QPointer>
#include <QString>

#include "languages/language.h"

class QLabel;

namespace tw {

// Where a language change reaches the screens: the help file that F1 and the
// help pictures open, and the flag shown by the start screen's `I_lingua`.
class QtLanguageHooks : public LanguageHooks {
public:
    void set_help_file(const std::string& path) override;
    void show_flag(const std::string& picturePath) override;

    const QString& help_file() const { return helpFile_; }
    // The picture that shows the flag from now on, starting with the current one.
    void attach_flag(QLabel* picture);

private:
    QString helpFile_;
    QPixmap flag_;
    QPointer<QLabel> picture_;
};

}  // namespace tw
