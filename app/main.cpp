// tillwright: the programming tool for the 4410 and 4430 cash registers.
#include <QApplication>
#include <QScreen>

#include "app/FrmPres.h"
#include "app/qt_effects.h"
#include "app/qt_language_hooks.h"
#include "app/session.h"
#include "app/startup.h"
#include "base/directories.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program ends when the start screen is unloaded, not when the last
    // window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);

    tw::QtEffects effects;
    tw::QtUiEffects ui;
    tw::QtLanguageHooks language;
    tw::Session session(tw::Directories::from_app_dir(tw::program_directory()), effects);
    session.language.hooks = &language;
    effects.use_captions(session.language.captions);
    tw::run_startup(session);

    tw::ScreenContext context{session, ui, language};
    tw::FrmPres start(context);
    start.present(start.screen()->availableGeometry());
    return application.exec();
}
