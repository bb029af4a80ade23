#pragma once
#include <string>

#include "base/effects.h"

namespace tw {

struct Session;
struct TransferRun;

// The model choice: ModelCode (0 = 4410, 1 = 4430), ModelDataDir and
// PluCapacity (2000 on model 4410, 1500 on model 4430).
void choose_model(Session& session, int modelCode);

// Opening a programming: PRG_MODE.BIN into the programming image and
// PRG_PLU.BIN into the PLU table, both from DataDir.
void read_programming(Session& session);

// Modify programming, answer No: each of PRG_MODE.BIN and PRG_PLU.BIN that
// DataDir lacks is copied from the model's defaults. Throws when a copy fails
// (the caller's handler logs it and nothing opens).
void copy_missing_programming_files(const Session& session);

// The texts of FrmPrincipale that the receive shows.
struct ReceiveMessages {
    std::string toolNotStarted;      // FRM_PRINCIPALE_ECR_TILLXFER_KO_MSG
    std::string communicationError;  // FRM_PRINCIPALE_COMUNICATION_ERROR_MSG
};

// What the receive tells the main screen once its transfer has ended:
// whether the programming opens, and the message of a failure (none when
// empty).
struct ReceiveOutcome {
    bool open = false;
    std::string message;
    MsgIcon icon = MsgIcon::None;
};

// Modify programming, answer Yes: receives PRG_MODE.BIN (file 0, 120 polls)
// and, when that worked, PRG_PLU.BIN (file 1, 180 polls), with the run-log
// lines of each failure. The programming is to be opened when the last
// transfer that ran ended with 0, or when the tool did not start at all (the
// files already in DataDir then open).
//
// All or nothing: both programming files are moved aside before the first
// receive and both put back when any receive fails, so a failed update
// leaves the PC's programming exactly as it was. Throws (nothing opens) when
// a file cannot be moved aside.
ReceiveOutcome receive_programming(Session& session, TransferRun& run, const ReceiveMessages& messages);

// Reset: the model's defaults into DataDir, then PRG_MODE.BIN and
// PRG_PLU.BIN sent to the register. The outcome reaches only the run log;
// the programming in memory stays as it was.
void reset_register(Session& session, TransferRun& run);

// The names the programming files have while an update runs.
inline constexpr char kPrgModeAsideName[] = "PRG_MODE.BIN.old";
inline constexpr char kPluAsideName[] = "PRG_PLU.BIN.old";

}  // namespace tw
