#include "app/transfer_runner.h"

#include <QThread>
#include <QTimer>
#include <exception>
#include <memory>
#include <stop_token>
#include <vector>

#include "app/TransferProgress.h"
#include "app/session.h"
#include "app/ui_effects.h"
#include "app/ui_text.h"
#include "transfer/bridge_binding.h"
#include "transfer/end_process.h"

namespace tw {

namespace {

const std::vector<std::string>& tool_names()
{
    static const std::vector<std::string> names{kTillXferProcessName, kTillPictProcessName};
    return names;
}

bool same_tools(const std::vector<ToolProcess>& a, const std::vector<ToolProcess>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].pid != b[i].pid || a[i].startTime != b[i].startTime)
            return false;
    return true;
}

// Keeps LogDir's tool list up to date with the tools of ours that run.
class ToolList {
public:
    explicit ToolList(const Session& s) : file_(s.dirs.LogDir + kToolListFile) {}
    void update()
    {
        std::vector<ToolProcess> now = own_tool_processes(tool_names());
        if (same_tools(now, listed_))
            return;
        write_tool_list(file_, now);
        listed_ = std::move(now);
    }

private:
    std::string file_;
    std::vector<ToolProcess> listed_;
};

// The dialog's side of a run of several transfers.
class DialogSteps : public TransferSteps {
public:
    DialogSteps(TransferProgress& progress, const TransferRun& run) : progress_(progress), run_(run) {}
    void step(const QString& what, int limitSeconds) override
    {
        QMetaObject::invokeMethod(
            &progress_, [this, what, limitSeconds] { progress_.set_stage(what, limitSeconds); },
            Qt::QueuedConnection);
    }
    bool stop_requested() const override { return run_.stop.stop_requested(); }

private:
    TransferProgress& progress_;
    const TransferRun& run_;
};

void run_behind_progress(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                         TransferRun& run, const std::function<void(TransferProgress&)>& procedure)
{
    std::exception_ptr failure;
    std::stop_source stop;
    TransferProgress progress(owner, context.session, what, limitSeconds);
    run.stop = stop.get_token();
    run.onStep = [&progress, &context](std::uint8_t direction, std::uint8_t fileNumber) {
        QMetaObject::invokeMethod(&progress, [&progress, text = step_text(context.session, direction, fileNumber)] {
            progress.set_step(text);
        }, Qt::QueuedConnection);
    };
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            procedure(progress);
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(worker.get(), &QThread::finished, &progress, &TransferProgress::finish);

    // A tool may start after the Cancel (between the procedure's look at its
    // stop token and the start): the watch ends it too.
    ToolList tools(context.session);
    QTimer watch;
    watch.setInterval(100);
    QObject::connect(&watch, &QTimer::timeout, &progress, [&] {
        if (progress.cancel_requested())
            end_own_tools(tool_names());
        tools.update();
    });
    QObject::connect(&progress, &TransferProgress::cancelRequested, &progress, [&] {
        stop.request_stop();
        end_own_tools(tool_names());
    });

    context.ui.set_busy(true);
    worker->start();
    watch.start();
    progress.exec();
    watch.stop();
    worker->wait();
    tools.update();
    run.onStep = nullptr;
    context.ui.set_busy(false);
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace

QString step_text(const Session& session, std::uint8_t direction, std::uint8_t fileNumber)
{
    const bool send = direction == kToRegister;
    switch (fileNumber) {
    case kFilePrgMode:
        return send ? send_prg_mode_text(session)
                    : caption(session, "FRM_ALL_TRANSFER_RECEIVE_PRG_MODE_MSG",
                              "Receiving the programming (PRG_MODE.BIN) from the register");
    case kFilePrgPlu:
        return send ? send_prg_plu_text(session)
                    : caption(session, "FRM_ALL_TRANSFER_RECEIVE_PRG_PLU_MSG",
                              "Receiving the PLUs (PRG_PLU.BIN) from the register");
    case kFileGraphic:
        return send ? caption(session, "FRM_ALL_TRANSFER_SEND_LOGO_MSG", "Sending the logo (GRAPHIC.BIN) to the register")
                    : caption(session, "FRM_ALL_TRANSFER_RECEIVE_LOGO_MSG", "Receiving the register's logo (GRAPHIC.BIN)");
    default:
        return send ? caption(session, "FRM_ALL_TRANSFER_SEND_FILE_MSG", "Sending file %1 to the register").arg(fileNumber)
                    : caption(session, "FRM_ALL_TRANSFER_RECEIVE_FILE_MSG", "Receiving file %1 from the register")
                          .arg(fileNumber);
    }
}

QString send_prg_mode_text(const Session& session)
{
    return caption(session, "FRM_ALL_TRANSFER_SEND_PRG_MODE_MSG",
                   "Sending the programming (PRG_MODE.BIN) to the register");
}

QString send_prg_plu_text(const Session& session)
{
    return caption(session, "FRM_ALL_TRANSFER_SEND_PRG_PLU_MSG", "Sending the PLUs (PRG_PLU.BIN) to the register");
}

void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds, TransferRun& run,
                  const std::function<void()>& procedure)
{
    run_behind_progress(context, owner, what, limitSeconds, run, [&](TransferProgress&) { procedure(); });
}

void run_transfer(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                  const std::function<void()>& procedure)
{
    TransferRun run;
    run_transfer(context, owner, what, limitSeconds, run, procedure);
}

void run_transfer_steps(ScreenContext& context, QWidget* owner, const QString& what, int limitSeconds,
                        const std::function<void(TransferSteps&)>& procedure)
{
    TransferRun run;
    run_behind_progress(context, owner, what, limitSeconds, run, [&](TransferProgress& progress) {
        DialogSteps steps(progress, run);
        procedure(steps);
    });
}

}  // namespace tw
