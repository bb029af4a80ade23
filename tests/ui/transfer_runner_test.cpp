// The worker thread behind every transfer, its progress dialog, and message
// boxes asked for from the worker.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "app/TransferProgress.h"
#include "app/qt_effects.h"
#include "app/transfer_runner.h"
#include "support/test_session.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

struct Runner : testing::Test {
    TestSession t;
    RecordingUiEffects ui;
    QtLanguageHooks language;
    ScreenContext context{t.session, ui, language};
    QWidget owner;
};

TEST_F(Runner, RunsTheProcedureOffTheCallingThreadAndReturnsItsResult)
{
    Qt::HANDLE worker = nullptr;
    const int result = run_transfer<int>(context, &owner, "Sending", 60, [&] {
        worker = QThread::currentThreadId();
        return 42;
    });
    EXPECT_EQ(result, 42);
    EXPECT_NE(worker, nullptr);
    EXPECT_NE(worker, QThread::currentThreadId());
    EXPECT_EQ(ui.maxBusyDepth, 1);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(Runner, ShowsWhatIsTransferredAndTheTimeLimitUntilTheProcedureEnds)
{
    std::atomic<bool> release{false};
    QString what, elapsed;
    bool escapeClosed = false;
    QTimer::singleShot(300, [&] {
        auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget());
        ASSERT_NE(progress, nullptr);
        what = control<QLabel>(progress, "L_Transfer")->text();
        elapsed = control<QLabel>(progress, "L_Elapsed")->text();
        QTest::keyClick(progress, Qt::Key_Escape);
        progress->close();
        escapeClosed = !progress->isVisible();
        release = true;
    });
    run_transfer(context, &owner, "Receiving the programming", 300, [&] {
        while (!release)
            QThread::msleep(10);
    });
    EXPECT_EQ(what, "Receiving the programming");
    EXPECT_EQ(elapsed, "0 s elapsed of at most 300 s");
    EXPECT_FALSE(escapeClosed) << "the user cannot close the dialog while the transfer runs";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Runner, AnExceptionOfTheProcedureIsThrownAgainOnTheCallingThread)
{
    EXPECT_THROW(run_transfer(context, &owner, "Sending", 60, [] { throw std::runtime_error("port lost"); }),
                 std::runtime_error);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST(QtEffects, AMessageBoxAskedForByAWorkerIsShownOnTheUserInterfaceThread)
{
    QtEffects effects;
    Qt::HANDLE shownOn = nullptr;
    QString text;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownOn = QThread::currentThreadId();
            text = box->text();
            box->button(QMessageBox::No)->click();
        }
    });
    answer.start(20);

    std::atomic<bool> done{false};
    MsgAnswer got = MsgAnswer::Ok;
    std::thread worker([&] {
        got = effects.message_box("Caf\xE9 ferm\xE9?", MsgButtons::YesNo, MsgIcon::Question);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    worker.join();

    EXPECT_EQ(got, MsgAnswer::No);
    EXPECT_EQ(shownOn, QThread::currentThreadId());
    EXPECT_EQ(text, QString::fromUtf8("Café fermé?")) << "Windows-1252 text becomes Unicode";
}

}  // namespace
}  // namespace tw::test
