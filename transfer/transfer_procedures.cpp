// The transfer procedures the screens call. They may run on a worker thread
// while the window shows a progress dialog: they keep no state of their own,
// and the bridge binding lets one transfer run at a time.
#include "transfer/transfer_procedures.h"

#include "base/guard.h"
#include "transfer/bridge_binding.h"
#include "transfer/end_process.h"
#include "transfer/result_codes.h"

namespace tw {

std::string TransferRun::reason(const std::string& notStarted) const
{
    if (!failed)
        return {};
    if (!toolReason.empty())
        return toolReason;
    return started ? NumToDesc_TillXfer(code) : notStarted;
}

std::int32_t run_tillxfer(const TransferLink& s, TransferRun& run, std::uint8_t direction, std::uint8_t fileNumber,
                          std::int32_t pollCount, std::int32_t& exitCode)
{
    std::int32_t started = 1;
    if (run.stop.stop_requested()) {
        exitCode = kDiscontinued;
    } else {
        if (run.onStep)
            run.onStep(direction, fileNumber);
        started = s.bridge.util_send_cmd_to_ecr(s.appDir, direction, fileNumber, exitCode, pollCount);
    }
    if (started != 1 || exitCode != 0) {
        run.failed = true;
        run.started = started == 1;
        run.code = started == 1 ? exitCode : 0;
    }
    return started;
}

bool transfer_step(const TransferLink& s, TransferRun& run, std::uint8_t direction, std::uint8_t fileNumber,
                   std::int32_t pollCount, const std::string& logName)
{
    std::int32_t exitCode = 0;
    if (run_tillxfer(s, run, direction, fileNumber, pollCount, exitCode) != 1) {
        s.log.write_log(logName + " error using tillxfer");
        return false;
    }
    if (exitCode != 0) {
        s.log.write_log(logName + " error. Code: " + hex_code(exitCode) + " Desc: " + NumToDesc_TillXfer(exitCode));
        // The hanging tool holds the port: end it so that the next run can open it.
        if (exitCode == TILLBRIDGE_TIMEOUT)
            end_process(s.effects, kTillXferProcessName);
        return false;
    }
    return true;
}

bool transfer_step(const TransferLink& s, std::uint8_t direction, std::uint8_t fileNumber, std::int32_t pollCount,
                   const std::string& logName)
{
    TransferRun run;
    return transfer_step(s, run, direction, fileNumber, pollCount, logName);
}

bool Receive_GraphicEcr(const TransferLink& s, TransferRun& run)
{
    return guarded(s.log, "Receive_GraphicEcr : ",
                   [&] { return transfer_step(s, run, kFromRegister, kFileGraphic, 60, "Receive_GraphicEcr"); },
                   false);
}

bool Send_PrgModeToEcr(const TransferLink& s, TransferRun& run)
{
    return guarded(s.log, "Send_PrgModeToEcr : ", [&] {
        if (!Receive_GraphicEcr(s, run))
            s.log.write_log("Send_PrgModeToEcr: Get logo Failed");
        // The logo's failure does not stop the send: only the send's own tells.
        run.failed = false;
        return transfer_step(s, run, kToRegister, kFilePrgMode, 120, "Send_PrgModeToEcr");
    }, false);
}

bool Send_PrgPluToEcr(const TransferLink& s, TransferRun& run)
{
    return guarded(s.log, "Send_PrgPluToEcr : ",
                   [&] { return transfer_step(s, run, kToRegister, kFilePrgPlu, 180, "Send_PrgPluToEcr"); }, false);
}

bool Receive_GraphicEcr(const TransferLink& s)
{
    TransferRun run;
    return Receive_GraphicEcr(s, run);
}

bool Send_PrgModeToEcr(const TransferLink& s)
{
    TransferRun run;
    return Send_PrgModeToEcr(s, run);
}

bool Send_PrgPluToEcr(const TransferLink& s)
{
    TransferRun run;
    return Send_PrgPluToEcr(s, run);
}

}  // namespace tw
