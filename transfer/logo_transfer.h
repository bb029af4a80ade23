#pragma once
#include <cstdint>
#include <string>

#include "transfer/transfer_procedures.h"

namespace tw {

// Sends a logo: tillpict converts bitmapDir + bitmapName into GRAPHIC.BIN
// beside the bitmap (pollCount polls), the file is copied over dataDir's
// GRAPHIC.BIN, and after a pause of 0.1 s tillxfer sends it to the register
// as file 2 (pollCount polls). Run-log lines: "Send_PrgModeToEcr error using
// tillpict" when tillpict did not start; "Send_LogoToEcr conversion error.
// Code: <hex> Desc:<text>" for a result outside the success range; the
// transfer step's lines of "Send_LogoToEcr" for the send. A tillpict still
// running after its polls is ended. Any other failure writes
// "Send_PrgModeToEcr: <description>" and shows a box "Error" (OK). True only
// when the send succeeded. `run` gets the reason of a failed conversion or
// send and carries the user's request to stop.
bool Send_LogoToEcr(const TransferLink& link, TransferRun& run, const std::string& dataDir, const std::string& bitmapDir,
                    const std::string& bitmapName, std::int32_t pollCount = 60);

}  // namespace tw
