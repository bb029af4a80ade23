#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/sales/FrmDepartmentProgram.h"
#include "editors/sales/FrmPrgPlu.h"
#include "ui/ui_harness.h"

namespace tw {
namespace {

// One QApplication for the whole program, on the offscreen platform; made
// before any widget or picture.
struct Application {
    Application()
    {
        static int argc = 1;
        static char name[] = "ui_bench";
        static char* argv[] = {name, nullptr};
        static std::unique_ptr<QApplication> app;
        if (!QCoreApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QApplication>(argc, argv);
        }
    }
};

// A model 4410 programming with all 2000 PLUs in use.
struct FullTable {
    FullTable()
    {
        Session& s = h.session;
        s.ModelCode = 0;
        s.PluCapacity = 2000;
        s.DecimalPosition = 2;
        for (int n = 1; n <= 2000; ++n) {
            PluRecord& r = s.plu.slot(n);
            r.set_code(s.codecs, 8000000000000LL + 10 * n);
            r.set_name(s.codecs, "ARTICLE " + std::to_string(n));
            r.set_price_type(1);
            r.set_department(s.codecs, n % 99 + 1);
            r.set_tax_class(std::uint8_t(n % 5));
            r.set_price(s.codecs, 1, n * 10);
        }
        s.plu.PluCount = 2000;
    }
    Application application;
    test::TempDir root;
    test::UiHarness h{root.str()};
};

// Opening the PLU editor: captions, the grid of 2000 rows, the first PLU.
void BM_OpenFrmPrgPlu2000(benchmark::State& state)
{
    FullTable t;
    for (auto _ : state) {
        FrmPrgPlu screen(t.h.context, nullptr);
        screen.load();
        screen.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenFrmPrgPlu2000)->Unit(benchmark::kMillisecond);

// Saving one PLU whose new code moves it: the sort, PRG_PLU.BIN and the
// rebuilt grid.
void BM_SaveOnePluWithGridRefresh(benchmark::State& state)
{
    FullTable t;
    FrmPrgPlu screen(t.h.context, nullptr);
    screen.load();
    screen.show();
    auto* code = screen.findChild<QLineEdit*>("E_FreeCode");
    auto* save = screen.findChild<QPushButton*>("C_Salva");
    long long next = 1;
    for (auto _ : state) {
        state.PauseTiming();
        code->setText(QString::number(8000000000000LL + 10 * (next++ % 2000) + 5));
        state.ResumeTiming();
        save->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SaveOnePluWithGridRefresh)->Unit(benchmark::kMillisecond);

void BM_OpenFrmDepartmentProgram(benchmark::State& state)
{
    FullTable t;
    for (auto _ : state) {
        FrmDepartmentProgram screen(t.h.context, nullptr);
        screen.load();
        screen.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenFrmDepartmentProgram)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
