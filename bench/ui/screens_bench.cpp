// Start-up to the visible start screen, and the opening of each screen on the
// way to an editor: the work between the user's click and the painted window.
// Targets: start-up under 300 ms, each screen under 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "app/FrmPres.h"
#include "app/FrmPrincipale.h"
#include "app/FrmProgramMode.h"
#include "app/FrmSettingMode.h"
#include "app/FrmSetup.h"
#include "app/qt_language_hooks.h"
#include "app/startup.h"
#include "app/ui_effects.h"
#include "editors/sales/FrmDeptGroupSetting.h"
#include "editors/sales/FrmFCRatingSetting.h"
#include "editors/sales/FrmInstoreBarcodeSetting.h"
#include "editors/sales/FrmPluPageProgram.h"
#include "editors/sales/FrmPORAMPKeyMenu.h"
#include "editors/sales/FrmPercentageMenu.h"
#include "editors/sales/FrmSetVatRate.h"
#include "editors/system/FrmClerkMenuSetup.h"
#include "editors/system/FrmClerkSystemProgram.h"
#include "editors/system/FrmEJSetup.h"
#include "editors/system/FrmHospitalitySetup.h"
#include "editors/system/FrmNSMenuSetting.h"
#include "editors/system/FrmPermissionProgram.h"
#include "editors/system/FrmPrintMode.h"
#include "editors/sales/FrmTenderMenuSetting.h"
#include "editors/system/FrmReportSetup.h"
#include "editors/system/FrmSystemOption.h"
#include "editors/system/FrmWorkingMode.h"
#include "editors/system/FrmInitialMenu.h"
#include "image/default_files.h"
#include "messages/FrmCaptionSetting.h"
#include "keyboard/FrmAdvancedSetting.h"
#include "languages/FrmLanguage.h"
#include "support/recording_effects.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// One QApplication for the whole benchmark program, which other files of it
// may have made already.
void application()
{
    static int argc = 1;
    static char name[] = "ui_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app;
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
}

class QuietUiEffects : public UiEffects {
public:
    QString open_file_name(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString save_file_name(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void show_help(QWidget*, const QString&, const QString&) override {}
    void open_folder(const QString&) override {}
    void set_busy(bool) override {}
};

// An application directory holding the bundle's Setup, help and Dati.
struct Bundle {
    Bundle()
    {
        for (const char* folder : {"Setup", "help", "Dati"})
            fs::copy(fs::path(TW_BUNDLE_DIR) / folder, root.path() / folder, fs::copy_options::recursive);
    }
    test::TempDir root;
};

// Shows a screen as the program does and waits until it is painted.
void show_painted(QWidget& w)
{
    w.show();
    w.repaint();
    QCoreApplication::processEvents();
}

// Program start after the process and QApplication exist: the start-up
// sequence (directories, language, captions) and the painted start screen.
void BM_StartUpToVisibleStartScreen(benchmark::State& state)
{
    application();
    Bundle bundle;
    for (auto _ : state) {
        test::RecordingEffects effects;
        QuietUiEffects ui;
        QtLanguageHooks language;
        Session session(Directories::from_app_dir(bundle.root.str()), effects);
        session.language.hooks = &language;
        run_startup(session);
        ScreenContext context{session, ui, language};
        FrmPres pres(context);
        pres.load();
        show_painted(pres);
    }
}
BENCHMARK(BM_StartUpToVisibleStartScreen)->Unit(benchmark::kMillisecond);

// One screen opened over the start screen, painted, then unloaded.
// A started program over a copy of the bundle, model 4430 chosen.
struct StartedProgram {
    StartedProgram()
    {
        session.language.hooks = &language;
        run_startup(session);
        session.ModelCode = 1;
        // The factory programming, every text filled.
        const auto image = test::read_bytes(bundle.root.path() / "Dati" / "ECR4430" /
                                            model_default_file_name(1, "PRG_MODE.BIN"));
        std::copy_n(image.begin(), std::min(image.size(), session.image.bytes.size()), session.image.bytes.begin());
    }
    // The QApplication before any member: the language hooks need it.
    struct Application {
        Application() { application(); }
    } app;
    Bundle bundle;
    test::RecordingEffects effects;
    QuietUiEffects ui;
    QtLanguageHooks language;
    Session session{Directories::from_app_dir(bundle.root.str()), effects};
    ScreenContext context{session, ui, language};
};

template <class T>
void BM_OpenScreen(benchmark::State& state)
{
    StartedProgram program;
    ScreenContext& context = program.context;
    FrmPres pres(context);
    pres.load();
    show_painted(pres);
    for (auto _ : state) {
        auto* screen = new T(context, &pres);
        screen->load();
        show_painted(*screen);
        state.PauseTiming();
        delete screen;
        state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmPrincipale)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmSetup)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmProgramMode)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmSettingMode)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmSetVatRate)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmClerkSystemProgram)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmPrintMode)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmPercentageMenu)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmPORAMPKeyMenu)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmPermissionProgram)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmSystemOption)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmNSMenuSetting)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmWorkingMode)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmReportSetup)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmEJSetup)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmClerkMenuSetup)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmHospitalitySetup)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmAdvancedSetting)->Unit(benchmark::kMillisecond);

// Saving one clerk: the record, PRG_MODE.BIN, the grid read again and the
// next clerk loaded.
void BM_SaveOneClerkWithGridRefresh(benchmark::State& state)
{
    StartedProgram program;
    FrmClerkSystemProgram screen(program.context, nullptr);
    screen.load();
    show_painted(screen);
    auto* save = screen.findChild<QPushButton*>("C_Salva");
    for (auto _ : state) {
        save->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SaveOneClerkWithGridRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmDeptGroupSetting)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmPluPageProgram)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmInstoreBarcodeSetting)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmTenderMenuSetting)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmFCRatingSetting)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmInitialMenu)->Unit(benchmark::kMillisecond);
// The message editor over the full factory image opens under 100 ms.
BENCHMARK_TEMPLATE(BM_OpenScreen, FrmCaptionSetting)->Unit(benchmark::kMillisecond);

// A key typed into a header line redraws its preview: under 5 ms.
void BM_TypeIntoMessageLine(benchmark::State& state)
{
    StartedProgram program;
    FrmCaptionSetting screen(program.context, nullptr);
    screen.load();
    show_painted(screen);
    auto* line = screen.findChild<QLineEdit*>(QStringLiteral("E_ReceiptHeader1"));
    line->setFocus();
    auto* preview = screen.findChild<QWidget*>(QStringLiteral("Anteprima"));
    for (auto _ : state) {
        QTest::keyClick(line, Qt::Key_A);
        preview->repaint();
        state.PauseTiming();
        line->clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeIntoMessageLine)->Unit(benchmark::kMillisecond);

void BM_OpenLanguageSelection(benchmark::State& state)
{
    StartedProgram program;
    for (auto _ : state) {
        FrmLanguage dialog(program.context, nullptr);
        show_painted(dialog);
    }
}
BENCHMARK(BM_OpenLanguageSelection)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
