#include "keyboard/FrmAdvancedSetting.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ChoiceField.h"
#include "app/ui_text.h"
#include "keyboard/KeyboardPicture.h"

namespace tw {

using namespace keyboard;

namespace {
const EditorScreen::Setup kSetup{"FrmAdvancedSetting", "FRM_ADVANCED_SETTING_TITLE_MSG", "Advanced Setting",
                                 nullptr, nullptr};
constexpr int kPopColumns = 3;

// The chain and pop-up tabs bear the names of the keys that call them.
QString key_name(int code) { return QString::fromLatin1(key_code_name(std::uint8_t(code))); }
}  // namespace

FrmAdvancedSetting::FrmAdvancedSetting(ScreenContext& context, QWidget* caller)
    : EditorScreen(context, caller, kSetup)
{
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("Tab_AdvancedOption");
    tabs_->addTab(build_chain_page(), {});
    tabs_->addTab(build_key_page(), {});
    tabs_->addTab(build_pop_page(), {});
    body()->addWidget(tabs_);
}

FrmAdvancedSetting::~FrmAdvancedSetting() = default;

QWidget* FrmAdvancedSetting::build_chain_page()
{
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);
    chainTabs_ = new QTabBar(page);
    chainTabs_->setObjectName("Tab_Chain");
    for (int n = 0; n < kChains; ++n)
        chainTabs_->addTab(key_name(50 + n));
    connect(chainTabs_, &QTabBar::currentChanged, this, &FrmAdvancedSetting::chain_chosen);
    column->addWidget(chainTabs_);
    chainBoxes_ = std::make_unique<FlagBoxes>(chain_reports(), QString(), page, 1);
    column->addLayout(chainBoxes_->grid());
    column->addStretch();
    return page;
}

QWidget* FrmAdvancedSetting::build_key_page()
{
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);
    picture_ = new KeyboardPicture(page);
    connect(picture_, &KeyboardPicture::key_clicked, this, &FrmAdvancedSetting::key_clicked);
    column->addWidget(picture_);

    auto* chooser = new QGridLayout;
    keyListLabel_ = new QLabel(page);
    keyListLabel_->setObjectName("L_KeyList");
    keyList_ = new ChoiceField(session(), "Cmb_KeyList", page);
    keyListLabel_->setBuddy(keyList_);
    connect(keyList_, &QComboBox::currentIndexChanged, this, &FrmAdvancedSetting::list_chosen);
    preview_ = new QLabel(page);
    preview_->setObjectName("L_Preview");
    preview_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFixedSize(KeyboardPicture::kKeySize.width() * 2, KeyboardPicture::kKeySize.height());
    restore_ = new QPushButton(page);
    restore_->setObjectName("C_RestoreDefault");
    restore_->setAutoDefault(false);
    connect(restore_, &QPushButton::clicked, this, &FrmAdvancedSetting::restore_default_keys);
    help_ = new QLabel(page);
    help_->setObjectName("L_KeyAssignHelp");
    help_->setWordWrap(true);
    chooser->addWidget(keyListLabel_, 0, 0);
    chooser->addWidget(keyList_, 0, 1);
    chooser->addWidget(preview_, 0, 2, 2, 1);
    chooser->addWidget(restore_, 0, 3);
    chooser->addWidget(help_, 1, 0, 1, 2);
    chooser->setColumnStretch(1, 1);
    column->addLayout(chooser);
    column->addStretch();
    return page;
}

QWidget* FrmAdvancedSetting::build_pop_page()
{
    popTabs_ = new QTabWidget(tabs_);
    popTabs_->setObjectName("Tab_PopList");
    popLists_.reserve(kPopLists);
    for (int n = 0; n < kPopLists; ++n) {
        auto* page = new QWidget(popTabs_);
        auto* column = new QVBoxLayout(page);
        column->addLayout(popLists_.emplace_back(pop_list_functions(), QString::number(n), page, kPopColumns).grid());
        auto* restore = new QPushButton(page);
        restore->setObjectName(QStringLiteral("C_RestoreDefaultPop%1").arg(n));
        restore->setAutoDefault(false);
        connect(restore, &QPushButton::clicked, this, [this, n] { restore_default_pop(n); });
        popRestore_[std::size_t(n)] = restore;
        column->addWidget(restore, 0, Qt::AlignLeft);
        column->addStretch();
        popTabs_->addTab(page, key_name(55 + n));
    }
    return popTabs_;
}

void FrmAdvancedSetting::prepare_fields()
{
    tabs_->setTabText(0, text("FRM_ADVANCED_SETTINF_TAB1_ADVANCED_OPTION", "CHAIN REPORT SELECT"));
    tabs_->setTabText(1, text("FRM_ADVANCED_SETTINF_TAB2_ADVANCED_OPTION", "FREE KEY LAYOUT"));
    tabs_->setTabText(2, text("FRM_ADVANCED_SETTINF_TAB3_ADVANCED_OPTION", "POP UP KEY SELECT"));
    chainBoxes_->set_texts([this](const BitFlag& f) { return text(f.key, f.english); });
    for (int n = 0; n < kPopLists; ++n) {
        popLists_[std::size_t(n)].set_texts([this, n](const BitFlag& f) { return text(f.key, pop_list_caption(f, n)); });
        popRestore_[std::size_t(n)]->setText(text("FRM_ADVANCED_SETTING_C_RESTORE_DEFAULT_MSG", "Restore Defaut"));
    }
    keyListLabel_->setText(text("FRM_ADVANCED_SETTING_L_KEY_LIST", "Key List:"));
    preview_->setText(text("FRM_CAPTION_PREVIEW", "Preview"));
    help_->setText(text("FRM_ADVANCED_SETTING_L_KEY_ASSIGN_HELP",
                        "To assigne a function to a key select the function in the key list then click on the "
                        "desired button."));
    restore_->setText(text("FRM_ADVANCED_SETTING_C_RESTORE_DEFAULT_MSG", "Restore Default"));
    QStringList entries;
    for (const KeyName& k : named_key_codes())
        entries << QStringLiteral("%1. %2").arg(k.code).arg(QString::fromLatin1(k.name));
    const QSignalBlocker quiet(keyList_);
    keyList_->set_choices(entries);
    keyList_->setCurrentIndex(-1);
}

void FrmAdvancedSetting::load_fields()
{
    {
        const QSignalBlocker quiet(chainTabs_);
        chainTabs_->setCurrentIndex(0);
    }
    chainShown_ = 0;
    load_boxes();
    layout_ = read_layout(session().image);
    for (int p = 0; p < kPositions; ++p)
        show_key(p, false);
}

void FrmAdvancedSetting::load_boxes()
{
    ProgrammingImage& image = session().image;
    chainBoxes_->load(chain_bytes(image, chainShown_), session().codecs);
    for (int n = 0; n < kPopLists; ++n)
        popLists_[std::size_t(n)].load(pop_list_bytes(image, n), session().codecs);
}

void FrmAdvancedSetting::save_fields()
{
    ProgrammingImage& image = session().image;
    chainBoxes_->save(chain_bytes(image, chainShown_), session().codecs);
    store_shown_keys(image, layout_);
    for (int n = 0; n < kPopLists; ++n)
        popLists_[std::size_t(n)].save(pop_list_bytes(image, n), session().codecs);
}

void FrmAdvancedSetting::show_key(int position, bool changed)
{
    const int k = preview_key_of(position);
    if (k == 0)
        return;
    const std::uint8_t code = layout_[std::size_t(position)];
    const std::string name = key_code_name(code);
    picture_->show_key(k, name.empty() ? QString::number(code) : QString::fromLatin1(name), changed);
}

bool FrmAdvancedSetting::key_changed(int previewKey) const
{
    return picture_->changed(previewKey);
}

void FrmAdvancedSetting::key_clicked(int previewKey)
{
    handle("L_key_Click", [&] {
        const int chosen = keyList_->number();
        const std::uint8_t code = chosen == 0 ? kNoOperationKey : std::uint8_t(chosen);
        const int position = position_of(previewKey);
        for (int p : put_key(layout_, position, code))
            show_key(p, true);
        show_key(position, true);
    });
}

void FrmAdvancedSetting::list_chosen()
{
    handle("Cmb_KeyList_Click", [&] {
        preview_->setText(to_qt(Codecs::text_after_space(to_core(keyList_->currentText()))));
        preview_->setToolTip(preview_->text());
    });
}

void FrmAdvancedSetting::chain_chosen(int chain)
{
    handle("Tab_Chain_Click", [&] {
        if (chain < 0)
            return;
        chainShown_ = chain;
        load_boxes();
    });
}

void FrmAdvancedSetting::restore_default_keys()
{
    handle("C_RestoreDefault_Click", [&] {
        Write_Key_Default(session().KeyDefault, session().dirs.DataDir, session().files, session().log);
        layout_ = session().KeyDefault;
        for (int p = 0; p < kPositions; ++p)
            show_key(p, false);
    });
}

void FrmAdvancedSetting::restore_default_pop(int list)
{
    handle("C_RestoreDefaultPop_Click", [&] {
        popLists_[std::size_t(list)].tick([list](const BitFlag& f) { return ticked_by_default(f, list); });
    });
}

}  // namespace tw
