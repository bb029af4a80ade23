#pragma once
#include <cstdint>
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

// One run of tillxfer (direction 1 sends to the register, 0 receives) for
// one file of DataDir, with the run-log lines of the procedure `logName`:
// "<logName> error using tillxfer" when the tool did not start (or the
// bridge library is missing), "<logName> error. Code: <hex> Desc: <text>"
// when it ended with a code other than 0; a timeout (9999) also ends the
// hanging tool. True when the tool ended with 0.
bool transfer_step(const TransferLink& link, std::uint8_t direction, std::uint8_t fileNumber, std::int32_t pollCount,
                   const std::string& logName);

// The file numbers of tillxfer's settings.
inline constexpr std::uint8_t kFilePrgMode = 0;   // PRG_MODE.BIN
inline constexpr std::uint8_t kFilePrgPlu = 1;    // PRG_PLU.BIN
inline constexpr std::uint8_t kFileGraphic = 2;   // GRAPHIC.BIN
inline constexpr std::uint8_t kToRegister = 1;
inline constexpr std::uint8_t kFromRegister = 0;

// Receives the register's logo first (its failure is logged and the send
// goes on), then sends PRG_MODE.BIN; true when the send succeeded.
bool Send_PrgModeToEcr(const TransferLink& link);
// Sends PRG_PLU.BIN.
bool Send_PrgPluToEcr(const TransferLink& link);
// Receives GRAPHIC.BIN into DataDir.
bool Receive_GraphicEcr(const TransferLink& link);

}  // namespace tw
