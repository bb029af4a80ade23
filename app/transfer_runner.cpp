#include "app/transfer_runner.h"

#include <QThread>
#include <exception>
#include <memory>

#include "app/TransferProgress.h"
#include "app/ui_effects.h"

namespace tw {

namespace {

class DialogSteps : public TransferSteps {
public:
    explicit DialogSteps(TransferProgress& progress) : progress_(progress) {}
    void step(const QString& what, int limitSeconds) override
    {
        QMetaObject::invokeMethod(
            &progress_, [this, what, limitSeconds] { progress_.set_step(what, limitSeconds); },
            Qt::QueuedConnection);
    }
    bool stop_requested() const override { return progress_.stop_requested(); }

private:
    TransferProgress& progress_;
};

void run_behind_progress(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                         bool cancellable, const std::function<void(TransferSteps&)>& procedure)
{
    std::exception_ptr failure;
    TransferProgress progress(owner, what, limitSeconds);
    if (cancellable)
        progress.offer_cancel();
    DialogSteps steps(progress);
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            procedure(steps);
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(worker.get(), &QThread::finished, &progress, &TransferProgress::finish);

    context.ui.set_busy(true);
    worker->start();
    progress.exec();
    worker->wait();
    context.ui.set_busy(false);
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace

void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                  const std::function<void()>& procedure)
{
    run_behind_progress(context, owner, what, limitSeconds, false, [&](TransferSteps&) { procedure(); });
}

void run_transfer_steps(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                        const std::function<void(TransferSteps&)>& procedure)
{
    run_behind_progress(context, owner, what, limitSeconds, true, procedure);
}

}  // namespace tw
