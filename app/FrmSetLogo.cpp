#include "app/FrmSetLogo.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PictureLabel.h"
#include "app/transfer_runner.h"
#include "app/ui_effects.h"
#include "app/ui_text.h"
#include "image/graphic_file.h"
#include "image/logo_conversion.h"
#include "transfer/logo_transfer.h"
#include "transfer/result_codes.h"
#include "transfer/transfer_procedures.h"

namespace tw {

namespace {

// Converting (60 polls), then sending GRAPHIC.BIN (60).
constexpr int kSendLimitSeconds = 60 + 60;

// The logo's dots as the register prints them: black on white paper.
QImage paper_image(const DotPicture& logo)
{
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < logo.width; ++x)
            if (logo.black(x, y))
                image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

PictureLabel* make_preview(const char* name, QWidget* parent)
{
    auto* preview = new PictureLabel(QString::fromLatin1(name), parent);
    preview->setFrameShape(QFrame::Box);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFixedSize(kLogoWidth + 2 * preview->frameWidth(), kLogoHeight + 2 * preview->frameWidth());
    return preview;
}

QLabel* make_note(const char* name, QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setObjectName(QString::fromLatin1(name));
    note->setWordWrap(true);
    note->setFixedWidth(kLogoWidth);
    // Room for a reason of two lines, so that the window keeps its size.
    note->setMinimumHeight(2 * note->fontMetrics().lineSpacing());
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

}  // namespace

FrmSetLogo::FrmSetLogo(ScreenContext& context, QWidget* caller) : Screen(context, caller, "FrmSetLogo")
{
    heading_ = make_heading();

    browse_ = new QPushButton(this);
    browse_->setObjectName("C_Sfoglia");
    path_ = new QLabel(this);
    path_->setObjectName("L_percorso");
    path_->setFrameShape(QFrame::StyledPanel);
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    path_->setMinimumWidth(kLogoWidth);

    picture_ = make_preview("I_Anteprima", this);
    logo_ = make_preview("I_AnteprimaEcr", this);
    pictureNote_ = make_note("L_Anteprima", this);
    logoNote_ = make_note("L_AnteprimaEcr", this);

    back_ = new QPushButton(this);
    back_->setObjectName("C_Annulla");
    send_ = new QPushButton(this);
    send_->setObjectName("C_Invia_Ecr");
    for (QPushButton* b : {browse_, back_, send_})
        b->setAutoDefault(true);  // Enter presses the focused button

    auto* choose = new QHBoxLayout;
    choose->addWidget(browse_);
    choose->addWidget(path_, 1);
    auto* previews = new QGridLayout;
    previews->addWidget(picture_, 0, 0);
    previews->addWidget(logo_, 0, 1);
    previews->addWidget(pictureNote_, 1, 0, Qt::AlignTop);
    previews->addWidget(logoNote_, 1, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(make_help_picture());
    buttons->addStretch();
    buttons->addWidget(back_);
    buttons->addWidget(send_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(choose);
    layout->addLayout(previews);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(browse_, &QPushButton::clicked, this, &FrmSetLogo::Sfoglia);
    connect(send_, &QPushButton::clicked, this, &FrmSetLogo::Invia_Ecr);
    connect(back_, &QPushButton::clicked, this, &Screen::unload);
}

void FrmSetLogo::on_load()
{
    handle("Form_Load", [&] {
        setWindowTitle(text("FRM_SET_LOGO_TITLE", "Set Logo"));
        heading_->setText(text("FRM_SET_LOGO_L_TITOLO", "SET LOGO"));
        browse_->setText(text("FRM_SET_LOGO_C_SFOGLIA", "Browse"));
        back_->setText(text("FRM_ALL_C_ANNULLA", "Back"));
        send_->setText(text("FRM_ALL_C_INVIA_ECR", "Send to ECR"));
        const CaptionTexts& c = session().language.captions;
        noFile_ = c.caption("FRM_SET_LOGO_SEL_FILE_SEND_MSG", "Select the file to send");
        programmed_ = c.caption("FRM_SET_LOGO_PROGRAMMED_MSG", "Logo Programmed");
        pathError_ = c.caption("FRM_SET_LOGO_PATH_ERROR_MSG",
                               "Is not spossible send a logo that has a Space (' ') in the source path.");
        pictureNote_->setText(text("FRM_SET_LOGO_CHOSEN_MSG", "The chosen picture"));
        show_logo_preview({});
    });
}

void FrmSetLogo::Sfoglia()
{
    handle("Sfoglia", [&] {
        const QString file = context().ui.open_file_name(this, QStringLiteral("Percorso Immagine"), path_->text(),
                                                         QStringLiteral("File Bitmap(*.bmp)"));
        if (file.isEmpty())
            return;
        path_->setText(QDir::toNativeSeparators(file));
        show_previews();
    });
}

void FrmSetLogo::show_previews()
{
    // A bitmap that cannot be shown leaves the picture as it was.
    QPixmap picture;
    if (picture.load(path_->text())) {
        if (picture.width() > kLogoWidth || picture.height() > kLogoHeight)
            picture = picture.scaled(kLogoWidth, kLogoHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture_->setPixmap(picture);
    }
    show_logo_preview(path_to_core(path_->text()));
}

// The logo the register will print, converted here as tillpict converts it
// with the bridge's parameters; or why it cannot be converted.
void FrmSetLogo::show_logo_preview(const std::string& path)
{
    DotPicture logo(kLogoWidth, kLogoHeight);
    QString note = text("FRM_SET_LOGO_PRINTED_MSG", "As the register prints it: %1 x %2 dots").arg(kLogoWidth).arg(kLogoHeight);
    if (!path.empty()) {
        Bytes bmp;
        bool missing = false;
        LogoConversion conversion{std::uint32_t(PictResult::FileNotOpened), {}};
        if (read_whole_file(path, bmp, missing) && !missing)
            conversion = convert_logo(bmp, kBridgeLogoParameters);
        if (is_pict_success(conversion.code))
            logo = decode_graphic(conversion.graphic);
        else
            note = text("FRM_SET_LOGO_CANNOT_PRINT_MSG", "The register cannot print this picture: %1")
                       .arg(to_qt(NumToDesc_TillPict(std::int32_t(conversion.code))));
    }
    logo_->setPixmap(QPixmap::fromImage(paper_image(logo)));
    logoNote_->setText(note);
}

void FrmSetLogo::Invia_Ecr()
{
    handle("Invia Ecr", [&] {
        const QString shown = path_->text();
        if (shown.isEmpty()) {
            session().effects.message_box(noFile_, MsgButtons::Ok, MsgIcon::Information);
            return;
        }
        // The tools' command lines are not quoted: a space would split the path.
        if (shown.contains(QLatin1Char(' '))) {
            session().effects.message_box(pathError_, MsgButtons::Ok, MsgIcon::Error);
            return;
        }
        const std::string path = path_to_core(shown);
        // Split after the last separator (a path without one is all name).
        const std::string::size_type cut = path.rfind(kPathSeparator) + 1;
        const std::string dir = path.substr(0, cut), name = path.substr(cut);
        TransferRun run;
        const bool sent = run_transfer<bool>(
            context(), this, text("FRM_SET_LOGO_SEND_PROGRESS_MSG", "Converting the logo and sending it (GRAPHIC.BIN) to the register"),
            kSendLimitSeconds, run,
            [&] { return Send_LogoToEcr(session().transfer_link(), run, session().dirs.DataDir, dir, name); });
        if (sent)
            session().effects.message_box(programmed_, MsgButtons::Ok, MsgIcon::None);
        else
            session().effects.message_box(
                session().messages.MsgSendFailed, MsgButtons::Ok, MsgIcon::Error, {},
                run.reason(to_core(text("FRM_ALL_TRANSFER_TILLXFER_KO_MSG", "tillxfer could not be started."))));
    });
}

}  // namespace tw
