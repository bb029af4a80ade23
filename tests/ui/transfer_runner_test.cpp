// The worker thread behind every transfer, its progress dialog, and message
// boxes asked for from the worker.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <functional>
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

    // Runs a transfer whose procedure names one step, and hands `look` the
    // dialog once it shows that step; the procedure then ends.
    void look_at_the_dialog(const QString& what, int limitSeconds, std::uint8_t direction, std::uint8_t fileNumber,
                            const std::function<void(TransferProgress*)>& look)
    {
        std::atomic<bool> release{false};
        TransferRun run;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget());
            if (!progress || control<QLabel>(progress, "L_Step")->text().isEmpty())
                return;
            poll.stop();
            look(progress);
            release = true;
        });
        poll.start(10);
        run_transfer(context, &owner, what, limitSeconds, run, [&] {
            run.onStep(direction, fileNumber);
            while (!release)
                QThread::msleep(10);
        });
    }
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

TEST_F(Runner, ShowsWhatIsTransferredTheStepAndTheTimeLimitUntilTheProcedureEnds)
{
    QString what, step, elapsed;
    look_at_the_dialog("Sending the programming", 180, kFromRegister, kFileGraphic, [&](TransferProgress* progress) {
        what = control<QLabel>(progress, "L_Transfer")->text();
        step = control<QLabel>(progress, "L_Step")->text();
        elapsed = control<QLabel>(progress, "L_Elapsed")->text();
    });
    EXPECT_EQ(what, "Sending the programming");
    EXPECT_EQ(step, "Receiving the register's logo (GRAPHIC.BIN)");
    EXPECT_TRUE(elapsed.endsWith(" s elapsed of at most 180 s")) << elapsed.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog closed with the procedure";
}

// The dialog's own texts and its step texts come through the caption rule.
TEST_F(Runner, TheDialogAndItsStepsSpeakTheSessionsLanguage)
{
    CaptionTexts& c = t.session.language.captions;
    ASSERT_TRUE(c.set("FRM_ALL_TRANSFER_TITLE", "\xDC" "bertragung"));  // Windows-1252
    ASSERT_TRUE(c.set("FRM_ALL_TRANSFER_C_CANCEL", "Abbrechen"));
    ASSERT_TRUE(c.set("FRM_ALL_TRANSFER_ELAPSED_MSG", "%1 s von h\xF6" "chstens %2 s vergangen"));
    ASSERT_TRUE(c.set("FRM_ALL_TRANSFER_SEND_FILE_MSG", "Datei %1 wird an die Kasse gesendet"));
    QString title, cancel, step, elapsed;
    look_at_the_dialog("Senden", 90, kToRegister, 7, [&](TransferProgress* progress) {
        title = progress->windowTitle();
        cancel = control<QPushButton>(progress, "C_Cancel")->text();
        step = control<QLabel>(progress, "L_Step")->text();
        elapsed = control<QLabel>(progress, "L_Elapsed")->text();
    });
    EXPECT_EQ(title, QString::fromUtf8("\u00DCbertragung"));
    EXPECT_EQ(cancel, "Abbrechen");
    EXPECT_EQ(step, "Datei 7 wird an die Kasse gesendet");
    EXPECT_TRUE(elapsed.endsWith(QString::fromUtf8(" s von h\u00F6chstens 90 s vergangen"))) << elapsed.toStdString();
}

// Cancel, Escape and the close button each ask the procedure to stop; the
// dialog stays until the procedure has ended.
TEST_F(Runner, CancelEscapeAndCloseAskTheProcedureToStop)
{
    const std::function<void(TransferProgress*)> ways[] = {
        [](TransferProgress* p) { control<QPushButton>(p, "C_Cancel")->click(); },
        [](TransferProgress* p) { QTest::keyClick(p, Qt::Key_Escape); },
        [](TransferProgress* p) { p->close(); },
    };
    for (const auto& cancel : ways) {
        TransferRun run;
        bool stayedOpen = false;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget())) {
                look.stop();
                cancel(progress);
                stayedOpen = progress->isVisible();
            }
        });
        look.start(10);
        bool sawStop = false;
        run_transfer(context, &owner, "Receiving", 60, run, [&] {
            while (!run.stop.stop_requested())
                QThread::msleep(10);
            sawStop = true;
        });
        EXPECT_TRUE(sawStop);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
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

// Enter answers with the button the question names; the detail text stands
// below the message.
TEST(QtEffects, EnterGivesTheNamedAnswerAndTheDetailStandsBelowTheText)
{
    struct Case {
        MsgButtons buttons;
        MsgAnswer enter;
    };
    const Case cases[] = {{MsgButtons::YesNo, MsgAnswer::No},
                          {MsgButtons::YesNoCancel, MsgAnswer::Cancel},
                          {MsgButtons::YesNo, MsgAnswer::Yes}};
    for (const Case& k : cases) {
        QtEffects effects;
        QString detail;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answer.stop();
                detail = box->informativeText();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answer.start(10);
        EXPECT_EQ(effects.message_box("Overwrite?", k.buttons, MsgIcon::Question, {}, "The PC's programming", k.enter),
                  k.enter);
        EXPECT_EQ(detail, "The PC's programming");
    }
}

// The buttons speak the language of the captions; a key without a text
// leaves the toolkit's own button text.
TEST(QtEffects, TheButtonsTakeTheCaptionsTexts)
{
    CaptionTexts captions;
    ASSERT_TRUE(captions.set("FRM_ALL_MSGBOX_C_YES", "Ja"));
    ASSERT_TRUE(captions.set("FRM_ALL_MSGBOX_C_NO", "N\xE3o & nunca"));  // Windows-1252
    QtEffects effects;
    effects.use_captions(captions);
    QStringList shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer.stop();
            for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                shown << box->button(button)->text();
            box->button(QMessageBox::Cancel)->click();
        }
    });
    answer.start(10);
    EXPECT_EQ(effects.message_box("Overwrite?", MsgButtons::YesNoCancel, MsgIcon::Question), MsgAnswer::Cancel);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], "&Ja");
    EXPECT_EQ(shown[1], QString::fromUtf8("&N\u00E3o && nunca"));
    EXPECT_EQ(shown[2], QMessageBox(QMessageBox::NoIcon, "", "", QMessageBox::Cancel).button(QMessageBox::Cancel)->text());
}

}  // namespace
}  // namespace tw::test
