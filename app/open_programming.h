#pragma once
#include <string>

namespace tw {

struct Session;

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

// Modify programming, answer Yes: receives PRG_MODE.BIN (file 0, 120 polls)
// and, when that worked, PRG_PLU.BIN (file 1, 180 polls), with the run-log
// lines and message boxes of each failure. Returns whether the programming is
// to be opened: when the last transfer that ran ended with 0, or when the tool
// did not start at all (the files already in DataDir then open).
//
// The old PRG_PLU.BIN is moved aside before its receive and put back when
// the receive fails, so a failed receive never loses it. Throws (nothing
// opens) when it cannot be moved aside.
bool receive_programming(Session& session, const ReceiveMessages& messages);

// Reset: the model's defaults into DataDir, then PRG_MODE.BIN and
// PRG_PLU.BIN sent to the register. The outcome reaches only the run log;
// the programming in memory stays as it was.
void reset_register(Session& session);

// The name PRG_PLU.BIN has while its receive runs.
inline constexpr char kPluAsideName[] = "PRG_PLU.BIN.old";

}  // namespace tw
