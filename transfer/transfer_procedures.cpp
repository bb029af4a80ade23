// The transfer procedures the screens call. They may run on a worker thread
// while the window shows a progress dialog: they keep no state of their own,
// and the bridge binding lets one transfer run at a time.
#include "transfer/transfer_procedures.h"

#include "base/guard.h"
#include "transfer/bridge_binding.h"
#include "transfer/end_process.h"
#include "transfer/result_codes.h"

namespace tw {

bool transfer_step(const TransferLink& s, std::uint8_t direction, std::uint8_t fileNumber, std::int32_t pollCount,
                   const std::string& logName)
{
    std::int32_t exitCode = 0;
    if (s.bridge.util_send_cmd_to_ecr(s.appDir, direction, fileNumber, exitCode, pollCount) != 1) {
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

bool Receive_GraphicEcr(const TransferLink& s)
{
    return guarded(s.log, "Receive_GraphicEcr : ",
                   [&] { return transfer_step(s, kFromRegister, kFileGraphic, 60, "Receive_GraphicEcr"); }, false);
}

bool Send_PrgModeToEcr(const TransferLink& s)
{
    return guarded(s.log, "Send_PrgModeToEcr : ", [&] {
        if (!Receive_GraphicEcr(s))
            s.log.write_log("Send_PrgModeToEcr: Get logo Failed");
        return transfer_step(s, kToRegister, kFilePrgMode, 120, "Send_PrgModeToEcr");
    }, false);
}

bool Send_PrgPluToEcr(const TransferLink& s)
{
    return guarded(s.log, "Send_PrgPluToEcr : ",
                   [&] { return transfer_step(s, kToRegister, kFilePrgPlu, 180, "Send_PrgPluToEcr"); }, false);
}

}  // namespace tw
