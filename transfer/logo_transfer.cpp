#include "transfer/logo_transfer.h"

#include <exception>
#include <stdexcept>

#include "base/effects.h"
#include "base/run_log.h"
#include "image/file_access.h"
#include "image/logo_conversion.h"
#include "transfer/bridge_binding.h"
#include "transfer/end_process.h"
#include "transfer/result_codes.h"
#include "transfer/transfer_procedures.h"
#include "transfer/wait_seconds.h"

namespace tw {

namespace {

// tillpict's code for a conversion that ended before it finished.
constexpr std::int32_t kPictQuit = 0x02010000;

// Copies crash-safely: DataDir keeps its old logo when the copy fails.
void copy_whole_file(const std::string& from, const std::string& to)
{
    Bytes content;
    bool missing = false;
    if (!read_whole_file(from, content, missing) || missing)
        throw std::runtime_error(from + " cannot be read");
    if (!replace_file_atomically(to, content))
        throw std::runtime_error(to + " cannot be written");
}

bool convert_and_send(const TransferLink& link, TransferRun& run, const std::string& dataDir,
                      const std::string& bitmapDir, const std::string& bitmapName, std::int32_t pollCount)
{
    // After a Cancel no converter starts: the run ends as discontinued, as
    // one ended while it ran.
    std::int32_t code = kDiscontinued;
    if (!run.stop.stop_requested() &&
        link.bridge.util_send_logo_to_ecr(link.appDir, bitmapDir, bitmapName, code, pollCount) != 1) {
        link.log.write_log("Send_PrgModeToEcr error using tillpict");
        return false;
    }
    if (!is_pict_success(std::uint32_t(code))) {
        link.log.write_log("Send_LogoToEcr conversion error. Code: " + hex_code(code) +
                           " Desc:" + NumToDesc_TillPict(code));
        run.failed = true;
        // The user who pressed Cancel reads tillpict's own words for a quit.
        run.toolReason = NumToDesc_TillPict(run.stop.stop_requested() ? kPictQuit : code);
        // Left running, a converter could still write GRAPHIC.BIN into the
        // bitmap's folder during a later conversion.
        if (code == TILLBRIDGE_TIMEOUT)
            end_process(link.effects, kTillPictProcessName);
        return false;
    }
    copy_whole_file(bitmapDir + "GRAPHIC.BIN", dataDir + "GRAPHIC.BIN");
    wait_seconds(0.1, {});
    return transfer_step(link, run, kToRegister, kFileGraphic, pollCount, "Send_LogoToEcr");
}

}  // namespace

bool Send_LogoToEcr(const TransferLink& link, TransferRun& run, const std::string& dataDir,
                    const std::string& bitmapDir, const std::string& bitmapName, std::int32_t pollCount)
{
    std::string failure;
    try {
        return convert_and_send(link, run, dataDir, bitmapDir, bitmapName, pollCount);
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "unknown error";
    }
    link.log.write_log("Send_PrgModeToEcr: " + failure);
    link.effects.message_box("Error", MsgButtons::Ok, MsgIcon::None);
    return false;
}

}  // namespace tw
