// A transfer of several steps: the dialog follows the steps, and its Cancel
// asks the procedure to stop before its next step.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "app/TransferProgress.h"
#include "app/transfer_runner.h"
#include "support/test_session.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

struct Steps : testing::Test {
    TestSession t;
    RecordingUiEffects ui;
    QtLanguageHooks language;
    ScreenContext context{t.session, ui, language};
    QWidget owner;
};

TEST_F(Steps, CancelStopsBeforeTheNextStepAndTheDialogShowsTheCurrentOne)
{
    QString shown;
    bool cancelShown = false;
    // The user reads the dialog once the second step shows, then presses Cancel.
    std::function<void()> watch = [&] {
        auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget());
        const QString text = progress ? control<QLabel>(progress, "L_Transfer")->text() : QString();
        if (text != "Step 2 of 3") {
            QTimer::singleShot(10, watch);
            return;
        }
        shown = text;
        auto* cancel = control<QPushButton>(progress, "C_Annulla");
        cancelShown = cancel->isVisible();
        QTest::mouseClick(cancel, Qt::LeftButton);
    };
    QTimer::singleShot(0, watch);

    std::vector<int> done;
    run_transfer_steps(context, &owner, "Step 1 of 3", 60, [&](TransferSteps& steps) {
        for (int i = 1; i <= 3; ++i) {
            if (steps.stop_requested())
                return;
            steps.step(QString("Step %1 of 3").arg(i), 60);
            // Each step runs until the user has pressed Cancel (ten seconds at most).
            for (int wait = 0; wait < 1000 && i == 2 && !steps.stop_requested(); ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            done.push_back(i);
        }
    });
    EXPECT_EQ(shown, "Step 2 of 3");
    EXPECT_TRUE(cancelShown);
    EXPECT_EQ(done, (std::vector<int>{1, 2})) << "the step under way ends, the next does not start";
}

TEST_F(Steps, ASingleTransferOffersNoCancel)
{
    bool cancelShown = true;
    QTimer::singleShot(0, [&] {
        auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget());
        if (progress)
            cancelShown = control<QPushButton>(progress, "C_Annulla")->isVisible();
    });
    run_transfer(context, &owner, "Sending", 60, [] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
    EXPECT_FALSE(cancelShown);
}

}  // namespace
}  // namespace tw::test
