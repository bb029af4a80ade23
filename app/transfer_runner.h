#pragma once
#include <QString>
#include <functional>
#include <optional>

#include "app/screen_context.h"

class QWidget;

namespace tw {

// Runs a transfer's procedure on a worker thread while the modal progress
// dialog names what is being transferred and counts the seconds against the
// time limit, with the busy pointer. The window keeps processing events and
// no other window takes input meanwhile. The procedure may ask for message
// boxes (they are shown on the user-interface thread). An exception thrown by
// the procedure is thrown again here, on the calling thread.
void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                  const std::function<void()>& procedure);

// What a transfer of several steps tells the progress dialog from its worker
// thread, and how it learns that the user pressed Cancel.
class TransferSteps {
public:
    virtual ~TransferSteps() = default;
    // The step now starting: what it moves and its time limit.
    virtual void step(const QString& what, int limitSeconds) = 0;
    // True once the user pressed Cancel: the procedure stops before its next step.
    virtual bool stop_requested() const = 0;
};

// run_transfer for a procedure of several steps, with Cancel offered.
void run_transfer_steps(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                        const std::function<void(TransferSteps&)>& procedure);

template <class R>
R run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
               const std::function<R()>& procedure)
{
    std::optional<R> result;
    run_transfer(context, owner, what, limitSeconds, std::function<void()>([&] { result = procedure(); }));
    return *result;
}

}  // namespace tw
