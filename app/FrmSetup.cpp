#include "app/FrmSetup.h"

#include <QPushButton>

#include "app/FrmProgramMode.h"
#include "app/FrmSettingMode.h"
#include "app/open_programming.h"
#include "app/transfer_runner.h"
#include "keyboard/FrmAdvancedSetting.h"
#include "reports/FrmReportExport.h"
#include "messages/FrmCaptionSetting.h"

namespace tw {

namespace {
// A screen's button opens it once its factory is set here.
const MenuEntry kScreens[] = {
    {"C_ProgramMode", "FRM_SETUP_C_PROGRAM_MODE", "Program Mode", make_screen<FrmProgramMode>},
    {"C_SettingMode", "FRM_SETUP_C_SETTING_MODE", "Setup Mode", make_screen<FrmSettingMode>},
    {"C_AdvancedSetting", "FRM_ADVANCED_SETTING_TITLE_MSG", "Advanced Setting", make_screen<FrmAdvancedSetting>},
    {"C_MessageSetup", "FRM_SETUP_C_MESSAGE_SETUP", "Caption Setup Mode", make_screen<FrmCaptionSetting>},
    {"C_Report", "FRM_SETUP_C_REPORT", "Reports", make_screen<FrmReportExport>},
};

// Sending PRG_MODE.BIN (60 + 120 polls), then PRG_PLU.BIN (180).
constexpr int kResetLimitSeconds = 60 + 120 + 180;
}  // namespace

FrmSetup::FrmSetup(ScreenContext& context, QWidget* caller)
    : MenuScreen(context, caller, "FrmSetup", nullptr, "Setup")
{
    add_entries(kScreens);
    connect(add_button("C_Reset", "FRM_SETUP_C_RESET", "RESET"), &QPushButton::clicked, this,
            &FrmSetup::Reset_click);
    connect(add_button("C_Exit", "FRM_SETUP_C_EXIT", "BACK"), &QPushButton::clicked, this, &Screen::unload);
}

void FrmSetup::on_load()
{
    handle("Form_Load", [&] {
        session().DecimalPosition = session().image.byte(prg::kDecimalPositionOffset);
        MenuScreen::on_load();
        resetQuestion_ =
            session().language.captions.caption("FRM_SETUP_RESET_MSG", "Are you sure you want to RESET the cash register?");
        resetTitle_ = session().language.captions.text("MSG_TITLE_RESET");
    });
}

void FrmSetup::Reset_click()
{
    handle("Reset_click", [&] {
        if (session().effects.message_box(resetQuestion_, MsgButtons::YesNo, MsgIcon::Question, resetTitle_, {},
                                          MsgAnswer::No) != MsgAnswer::Yes)
            return;
        TransferRun run;
        run_transfer(context(), this, text("FRM_SETUP_RESET_PROGRESS_MSG", "Resetting the register to the model's default programming"),
                     kResetLimitSeconds, run, [&] { reset_register(session(), run); });
    });
}

}  // namespace tw
