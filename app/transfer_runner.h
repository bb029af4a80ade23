#pragma once
#include <QString>
#include <functional>
#include <optional>

#include "app/screen_context.h"
#include "transfer/transfer_procedures.h"

class QWidget;

namespace tw {

// Runs a transfer's procedure on a worker thread while the modal progress
// dialog names what is being transferred and the step that runs (reported
// through run.onStep), and counts the seconds against the time limit, with
// the busy pointer. The window keeps processing events and no other window
// takes input meanwhile. The dialog closes the moment the procedure ends, so
// that result messages come after it. An exception thrown by the procedure
// is thrown again here, on the calling thread.
//
// The dialog's Cancel asks the procedure to stop through run.stop (a
// procedure of several steps polls it between steps) and ends the running
// tool, our own child only; the procedure then finishes as for a tool that
// was ended (code 1, discontinued).
//
// While a tool runs, the program keeps its process in LogDir's tool list, so
// that a start after a crash can end a tool left behind.
void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds, TransferRun& run,
                  const std::function<void()>& procedure);
void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                  const std::function<void()>& procedure);

template <class R>
R run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds, TransferRun& run,
               const std::function<R()>& procedure)
{
    std::optional<R> result;
    run_transfer(context, owner, what, limitSeconds, run, std::function<void()>([&] { result = procedure(); }));
    return *result;
}

template <class R>
R run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
               const std::function<R()>& procedure)
{
    TransferRun run;
    return run_transfer<R>(context, owner, what, limitSeconds, run, procedure);
}

// What a run of several transfers tells the progress dialog from its worker
// thread, and how it learns that the user pressed Cancel.
class TransferSteps {
public:
    virtual ~TransferSteps() = default;
    // The transfer now starting: what it moves and its time limit.
    virtual void step(const QString& what, int limitSeconds) = 0;
    // True once the user pressed Cancel: the procedure stops before its next
    // transfer (the running tool has been ended).
    virtual bool stop_requested() const = 0;
};

// run_transfer for a procedure of several transfers, each with its own limit.
void run_transfer_steps(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                        const std::function<void(TransferSteps&)>& procedure);

// The progress dialog's words for one step.
QString step_text(const Session& session, std::uint8_t direction, std::uint8_t fileNumber);
// The words for sending PRG_MODE.BIN and PRG_PLU.BIN, shared by the editors.
QString send_prg_mode_text(const Session& session);
QString send_prg_plu_text(const Session& session);

}  // namespace tw
