#include "app/transfer_runner.h"

#include <QThread>
#include <exception>
#include <memory>

#include "app/TransferProgress.h"
#include "app/ui_effects.h"

namespace tw {

void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                  const std::function<void()>& procedure)
{
    std::exception_ptr failure;
    TransferProgress progress(owner, what, limitSeconds);
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            procedure();
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

}  // namespace tw
