#include "languages/FrmLanguage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <string>

#include "app/PictureLabel.h"
#include "app/Screen.h"
#include "app/qt_language_hooks.h"
#include "app/ui_effects.h"
#include "base/guard.h"
#include "app/session.h"
#include "app/ui_text.h"

namespace tw {

FrmLanguage::FrmLanguage(ScreenContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName("FrmLanguage");
    setModal(true);
    Session& s = context.session;

    auto* grid = new QGridLayout;
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < kLanguageCount; ++k) {
        const QString index = QString::number(k);
        const LanguageRow& row = LanguageTable[std::size_t(k)];
        auto* flag = new PictureLabel("I_Lang" + index, this);
        flag->load_picture(path_to_qt(s.dirs.SetupDir + std::string(row.flagFile)));
        flag->setMinimumSize(48, 32);
        flag->setCursor(Qt::PointingHandCursor);
        auto* option = new QRadioButton(this);
        option->setObjectName("Opt_Lang" + index);
        group->addButton(option, k);
        grid->addWidget(flag, k, 0);
        grid->addWidget(option, k, 1);
        connect(flag, &PictureLabel::clicked, this, [this, k] { select(k); });
        connect(option, &QRadioButton::clicked, this, [this, k] { select(k); });
        flags_[std::size_t(k)] = flag;
        options_[std::size_t(k)] = option;
    }

    save_ = new QPushButton(this);
    save_->setObjectName("C_Save");
    back_ = new QPushButton(this);
    back_->setObjectName("C_Annulla");
    save_->setAutoDefault(false);
    back_->setAutoDefault(false);
    connect(save_, &QPushButton::clicked, this, &FrmLanguage::C_Save);
    connect(back_, &QPushButton::clicked, this, &QDialog::reject);

    // F1 opens the current language's help, as on every screen.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { context_.ui.show_help(this, context_.language.help_file()); });

    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(back_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    if (s.language.LanguageCode < kLanguageCount)
        select(s.language.LanguageCode);
    apply_captions();
    fit_to_contents(*this);
}

void FrmLanguage::apply_captions()
{
    const CaptionTexts& c = context_.session.language.captions;
    setWindowTitle(to_qt(c.caption("FRM_LANGUAGE_TITLE", "Language Selection")));
    save_->setText(to_qt(c.caption("FRM_LANGUAGE_C_SAVE", "Save")));
    back_->setText(to_qt(c.caption("FRM_LANGUAGE_C_ANNULLA", "Back")));
    for (int k = 0; k < kLanguageCount; ++k)
        options_[std::size_t(k)]->setText(to_qt(
            c.caption("FRM_LANGUAGE_OPT_LANG" + std::to_string(k + 1), LanguageTable[std::size_t(k)].option)));
}

void FrmLanguage::select(int index)
{
    if (index < 0 || index >= kLanguageCount)
        return;
    selection_ = index;
    options_[std::size_t(index)]->setChecked(true);
}

void FrmLanguage::C_Save()
{
    Session& s = context_.session;
    guarded(s.log, "FrmLanguage C_Save: ", [&] {
        selezione_lingua(s.language, s.dirs, s.caption_files(), std::uint8_t(selection_));
        Q_EMIT language_saved();
        Write_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
    });
    accept();
}

}  // namespace tw
