#include "app/FrmPres.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FrmPrincipale.h"
#include "app/PictureLabel.h"
#include "app/open_programming.h"
#include "app/qt_language_hooks.h"
#include "app/startup.h"
#include "app/ui_text.h"
#include "app/usb_drivers.h"
#include "languages/FrmLanguage.h"

namespace tw {

namespace {
QPushButton* make_button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);  // Enter presses it while it has the focus
    b->setMinimumHeight(36);
    return b;
}
}  // namespace

FrmPres::FrmPres(ScreenContext& context) : Screen(context, nullptr, "FrmPres")
{
    logo_ = new PictureLabel("I_logo", this);
    velmora_ = new PictureLabel("I_Velmora", this);
    flag_ = new PictureLabel("I_lingua", this);
    flag_->setMinimumSize(48, 32);
    title2_ = new QLabel(this);
    title2_->setObjectName("L_Titolo2");
    QFont font = title2_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.8);
    title2_->setFont(font);
    title2_->setAlignment(Qt::AlignCenter);

    model4410_ = make_button("C_4410", "ECR4410", this);
    model4430_ = make_button("C_4430", "ECR4430", this);
    language_ = make_button("C_LinguaSel", "Language Selection", this);
    exit_ = make_button("C_Exit", "EXIT", this);
    for (QPushButton* b : {model4410_, model4430_})
        b->setMinimumSize(180, 64);

    auto* top = new QHBoxLayout;
    top->addWidget(logo_, 0, Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(title2_, 1);
    top->addWidget(velmora_, 0, Qt::AlignRight | Qt::AlignTop);
    auto* models = new QHBoxLayout;
    models->addStretch();
    models->addWidget(model4410_);
    models->addSpacing(24);
    models->addWidget(model4430_);
    models->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(flag_);
    bottom->addWidget(language_);
    bottom->addStretch();
    bottom->addWidget(make_help_picture());
    bottom->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(24);
    layout->addLayout(models);
    layout->addSpacing(24);
    layout->addLayout(bottom);

    connect(model4410_, &QPushButton::clicked, this, [this] { choose_model(0); });
    connect(model4430_, &QPushButton::clicked, this, [this] { choose_model(1); });
    connect(language_, &QPushButton::clicked, this, &FrmPres::open_language_selection);
    connect(exit_, &QPushButton::clicked, this, &Screen::unload);
}

void FrmPres::on_load()
{
    handle("Form_Load", [&] {
        setWindowTitle(QString::fromLatin1(kStoredTitle) + QString(116, QLatin1Char(' ')) +
                       QString::fromStdString(VersionText()));
        logo_->load_picture(path_to_qt(session().dirs.SetupDir + "Logo_Angolo.bmp"));
        velmora_->load_picture(path_to_qt(session().dirs.SetupDir + "velmora.bmp"));
        context().language.attach_flag(flag_);
        carica_messaggi();
        const char separator = decimal_separator();
        install_usb_serial_drivers(session(), platform_version(), separator);
        log_start_line(session(), separator);
    });
}

void FrmPres::carica_messaggi()
{
    exit_->setText(text("FRM_PRES_C_EXIT", "EXIT"));
    title2_->setText(text("FRM_PRES_TITLE2", "ECR Programming Utility"));
}

void FrmPres::choose_model(int modelCode)
{
    handle(modelCode == 1 ? "C_4430" : "C_4410", [&] {
        tw::choose_model(session(), modelCode);
        open_screen<FrmPrincipale>();
    });
}

void FrmPres::open_language_selection()
{
    handle("C_LinguaSel", [&] {
        FrmLanguage dialog(context(), this);
        connect(&dialog, &FrmLanguage::language_saved, this, &FrmPres::carica_messaggi);
        dialog.exec();
    });
}

void FrmPres::closeEvent(QCloseEvent* event)
{
    event->accept();
    log_end_line(session());
    QCoreApplication::quit();
}

}  // namespace tw
