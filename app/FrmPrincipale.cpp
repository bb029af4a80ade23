#include "app/FrmPrincipale.h"

#include <QCoreApplication>
#include <QPushButton>

#include "app/FrmSetup.h"
#include "app/transfer_runner.h"
#include "app/FrmSetLogo.h"
#include "transfer/wait_seconds.h"

namespace tw {

namespace {
// Receiving PRG_MODE.BIN (120 polls), then PRG_PLU.BIN (180).
constexpr int kReceiveLimitSeconds = 120 + 180;
}  // namespace

FrmPrincipale::FrmPrincipale(ScreenContext& context, QWidget* caller)
    : MenuScreen(context, caller, "FrmPrincipale", "FRM_PRINCIPALE_TITLE", "Velmora ECR Programming Tool - ")
{
    connect(add_button("C_NuovaProgrammazione", "FRM_PRINCIPALE_C_NUOVA_PROGRAMMAZIONE",
                       "PROGRAM A NEW CASH REGISTER"),
            &QPushButton::clicked, this, &FrmPrincipale::C_NuovaProgrammazione);
    connect(add_button("C_ModificaProgrammazione", "FRM_PRINCIPALE_C_MODIFICA_PROGRAMMAZIONE",
                       "UPDATE CASH REGISTER PROGRAMMING"),
            &QPushButton::clicked, this, &FrmPrincipale::C_ModificaProgrammazione);
    connect(add_button("C_Logo", "FRM_PRINCIPALE_C_LOGO", "SET UP A LOGO"), &QPushButton::clicked, this,
            &FrmPrincipale::C_Logo);
    connect(add_button("C_Back", "FRM_PRINCIPALE_C_BACK", "BACK"), &QPushButton::clicked, this, &Screen::unload);
}

void FrmPrincipale::on_load()
{
    const CaptionTexts& c = session().language.captions;
    newQuestion_ = c.caption("FRM_PRINCIPALE_NUOVA_PRG_MSG", "Overwrite current setting with default?");
    modifyQuestion_ = c.caption("FRM_PRINCIPALE_MODIFICA_PRG_MSG", "Get Setting from Cash register?");
    noModel_ = c.caption("FRM_PRINCIPALE_ECR_NO_SEL_MSG", "Select the model of cash register please.");
    receive_.toolNotStarted = c.caption("FRM_PRINCIPALE_ECR_TILLXFER_KO_MSG",
                                        "Control the right installation of tillxfer.exe. Getting data failed");
    receive_.communicationError = c.caption("FRM_PRINCIPALE_COMUNICATION_ERROR_MSG", "Comunicatione error: ");
    MenuScreen::on_load();
}

QString FrmPrincipale::title_suffix()
{
    switch (session().ModelCode) {
    case 0: return QStringLiteral("   ECR4410");
    case 1: return QStringLiteral("   ECR4430");
    default: session().log.write_log(noModel_); return {};
    }
}

void FrmPrincipale::C_NuovaProgrammazione()
{
    handle("C_NuovaProgrammazione", [&] {
        // Enter keeps the programming: only a deliberate Yes overwrites it.
        if (session().effects.message_box(newQuestion_, MsgButtons::YesNo, MsgIcon::Question, {}, {},
                                          MsgAnswer::No) != MsgAnswer::Yes)
            return;
        copia_def_file(session().default_file_copy());
        read_programming(session());
        open_setup();
    });
}

void FrmPrincipale::C_ModificaProgrammazione()
{
    handle("C_ModificaProgrammazione", [&] {
        const MsgAnswer answer = session().effects.message_box(modifyQuestion_, MsgButtons::YesNoCancel,
                                                               MsgIcon::Question, {}, {}, MsgAnswer::Cancel);
        if (answer == MsgAnswer::No) {
            copy_missing_programming_files(session());
            read_programming(session());
            open_setup();
            return;
        }
        if (answer != MsgAnswer::Yes)
            return;
        TransferRun run;
        ReceiveOutcome outcome;
        run_transfer(context(), this, text("FRM_PRINCIPALE_RECEIVE_PRG_MSG", "Receiving the programming from the register"), kReceiveLimitSeconds, run,
                     [&] { outcome = receive_programming(session(), run, receive_); });
        // The receive's message comes after its progress dialog has closed.
        if (!outcome.message.empty())
            session().effects.message_box(outcome.message, MsgButtons::Ok, outcome.icon);
        if (!outcome.open)
            return;
        read_programming(session());
        wait_seconds(0.1, [] { QCoreApplication::processEvents(); });
        open_setup();
    });
}

void FrmPrincipale::C_Logo()
{
    handle("C_Logo", [&] { open_screen<FrmSetLogo>(); });
}

void FrmPrincipale::open_setup() { open_screen<FrmSetup>(); }

}  // namespace tw
