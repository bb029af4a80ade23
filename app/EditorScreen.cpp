#include "app/EditorScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PictureLabel.h"
#include "app/transfer_runner.h"
#include "app/ui_text.h"
#include "transfer/transfer_procedures.h"

namespace tw {

EditorScreen::EditorScreen(ScreenContext& context, QWidget* caller, const Setup& setup)
    : Screen(context, caller, setup.name), setup_(setup)
{
    loadPrefix_ = setup.loadPrefix ? setup.loadPrefix : name() + " form_load: ";
    savePrefix_ = setup.savePrefix ? setup.savePrefix : name() + " Salva: ";

    auto* layout = new QVBoxLayout(this);
    if (setup.headingKey) {
        heading_ = make_heading();
        layout->addWidget(heading_);
    }
    body_ = new QVBoxLayout;
    layout->addLayout(body_);
    layout->addStretch();

    back_ = new QPushButton(this);
    back_->setObjectName("C_Annulla");
    save_ = new QPushButton(this);
    save_->setObjectName("C_Salva");
    send_ = new QPushButton(this);
    send_->setObjectName(QString::fromLatin1(setup.sendButtonName));
    // Enter presses the focused button, as Space does: a field whose Enter
    // moves the focus to Save is saved with a second Enter. (Screens are no
    // dialogs, so no button becomes a default one.)
    for (QPushButton* b : {back_, save_, send_})
        b->setAutoDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(make_help_picture());
    buttons->addStretch();
    buttons->addWidget(back_);
    buttons->addWidget(save_);
    buttons->addWidget(send_);
    layout->addLayout(buttons);

    connect(back_, &QPushButton::clicked, this, &Screen::unload);
    connect(save_, &QPushButton::clicked, this, &EditorScreen::Salva);
    connect(send_, &QPushButton::clicked, this, &EditorScreen::Invia_Ecr);
}

void EditorScreen::on_load()
{
    guarded(session().log, loadPrefix_, [&] {
        setWindowTitle(text(setup_.titleKey, setup_.title));
        if (heading_)
            heading_->setText(text(setup_.headingKey, setup_.heading));
        back_->setText(text("FRM_ALL_C_ANNULLA", "Back"));
        save_->setText(text("FRM_ALL_C_SALVA", "Save Setup"));
        send_->setText(text("FRM_ALL_C_INVIA_ECR", "Send to ECR"));
        prepare_fields();
        load_fields();
    });
}

void EditorScreen::Salva()
{
    guarded(session().log, savePrefix_, [&] {
        save_fields();
        write_file();
        after_save();
    });
}

void EditorScreen::Invia_Ecr()
{
    handle("Invia_Ecr", [&] {
        TransferRun run;
        const bool sent = run_transfer<bool>(context(), this, send_description(), send_limit_seconds(), run,
                                             [&] { return send_file(run); });
        if (!sent)
            session().effects.message_box(
                session().messages.MsgSendFailed, MsgButtons::Ok, MsgIcon::Error, {},
                run.reason(to_core(text("FRM_ALL_TRANSFER_TILLXFER_KO_MSG", "tillxfer could not be started."))));
    });
}

void EditorScreen::write_file() { Write_PrgMode(session().image, session().dirs.DataDir, session().files); }

bool EditorScreen::send_file(TransferRun& run) { return Send_PrgModeToEcr(session().transfer_link(), run); }

QString EditorScreen::send_description() const { return send_prg_mode_text(session()); }

// Receiving the logo first (60 polls), then sending the programming (120).
int EditorScreen::send_limit_seconds() const { return 180; }

}  // namespace tw
