#pragma once
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

#include "base/effects.h"
#include "base/run_log.h"
#include "transfer/bridge_binding.h"

namespace tw {

// What a transfer reaches: the bridge, the application directory the tools
// are started from, the run log, and the effects (ending a hanging tool may
// report a failure).
struct TransferLink {
    BridgeBinding& bridge;
    const std::string& appDir;
    const RunLog& log;
    Effects& effects;
};

// The file numbers of tillxfer's settings.
inline constexpr std::uint8_t kFilePrgMode = 0;   // PRG_MODE.BIN
inline constexpr std::uint8_t kFilePrgPlu = 1;    // PRG_PLU.BIN
inline constexpr std::uint8_t kFileGraphic = 2;   // GRAPHIC.BIN
inline constexpr std::uint8_t kToRegister = 1;
inline constexpr std::uint8_t kFromRegister = 0;

// tillxfer's code for a run that was ended before it finished.
inline constexpr std::int32_t kDiscontinued = 1;

// One run of a transfer procedure as its caller follows it: the user's
// request to stop, the step that is starting, and why the last failed step
// failed. A procedure of several steps polls `stop` between its steps; a step
// asked to stop starts no tool and ends as discontinued (code 1), exactly as
// a tool that was ended while it ran.
struct TransferRun {
    std::stop_token stop;
    std::function<void(std::uint8_t direction, std::uint8_t fileNumber)> onStep;

    bool failed = false;   // a step failed
    bool started = false;  // ... after its tool started, with this code
    std::int32_t code = 0;
    // The reason a tool other than tillxfer gave (tillpict's result text).
    std::string toolReason;

    // What the user is told of the last failure: the tool's result text, or
    // `notStarted` (the screen's caption) when tillxfer could not be started.
    std::string reason(const std::string& notStarted) const;
};

// Starts tillxfer for one step through the bridge (direction 1 sends to the
// register, 0 receives; pollCount seconds at most) and returns the bridge's
// result: 1 when the tool started, with its code in exitCode. When the user
// asked to stop, no tool starts and the step gives 1 with code 1. Failures
// are noted in `run`; the caller logs them.
std::int32_t run_tillxfer(const TransferLink& link, TransferRun& run, std::uint8_t direction, std::uint8_t fileNumber,
                          std::int32_t pollCount, std::int32_t& exitCode);

// One run of tillxfer for one file of DataDir, with the run-log lines of the
// procedure `logName`: "<logName> error using tillxfer" when the tool did not
// start (or the bridge library is missing), "<logName> error. Code: <hex>
// Desc: <text>" when it ended with a code other than 0; a timeout (9999) also
// ends the hanging tool. True when the tool ended with 0.
bool transfer_step(const TransferLink& link, TransferRun& run, std::uint8_t direction, std::uint8_t fileNumber,
                   std::int32_t pollCount, const std::string& logName);
bool transfer_step(const TransferLink& link, std::uint8_t direction, std::uint8_t fileNumber, std::int32_t pollCount,
                   const std::string& logName);

// Receives the register's logo first (its failure is logged and the send
// goes on), then sends PRG_MODE.BIN; true when the send succeeded.
bool Send_PrgModeToEcr(const TransferLink& link, TransferRun& run);
bool Send_PrgModeToEcr(const TransferLink& link);
// Sends PRG_PLU.BIN.
bool Send_PrgPluToEcr(const TransferLink& link, TransferRun& run);
bool Send_PrgPluToEcr(const TransferLink& link);
// Receives GRAPHIC.BIN into DataDir.
bool Receive_GraphicEcr(const TransferLink& link, TransferRun& run);
bool Receive_GraphicEcr(const TransferLink& link);

}  // namespace tw
