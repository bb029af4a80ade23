#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/effects.h"
#include "base/run_log.h"
#include "image/file_access.h"

namespace tw {

// KEY_DEFAULT.BIN: the default keyboard layout, one key code per key
// position, the same 53 bytes as the KeyboardLayout member of PRG_MODE.BIN.
inline constexpr std::size_t kKeyDefaultSize = 53;
inline constexpr std::uint8_t kNoOperationKey = 255;
using KeyDefaultBuffer = std::array<std::uint8_t, kKeyDefaultSize>;

// The name of a model's default file: "ECR4430_" + name for model 1,
// "ECR4410_" + name otherwise (the prefix follows the model, not the folder).
std::string model_default_file_name(int modelCode, const std::string& name);

// What replacing the programming files by a model's defaults reaches.
struct DefaultFileCopy {
    const std::string& modelDataDir;
    int modelCode;
    const std::string& dataDir;
    Effects& effects;
    const std::string& modeCopyError;  // MsgCopyPrgModeError
    const std::string& pluCopyError;   // MsgCopyPrgPluError
    const RunLog& log;
};

// Replaces DataDir's PRG_MODE.BIN and PRG_PLU.BIN by the chosen model's
// defaults from ModelDataDir: delete both, then copy both. Every step runs
// whatever became of the earlier ones; each failure logs "copia_def_file: "
// + error number + " " + description, and a failed copy shows
// MsgCopyPrgModeError or MsgCopyPrgPluError (OK button). A copy appears
// whole or not at all.
void copia_def_file(const DefaultFileCopy& copy);

// Fills the buffer from DataDir + "KEY_DEFAULT.BIN" with three attempts; a
// missing or short file fails an attempt. After the third failure it logs
// "Write_Key_Default: Superati 3 tentativi di lettura" and the buffer holds
// NO OPERATION (255) in every position.
void Write_Key_Default(KeyDefaultBuffer& buffer, const std::string& dataDir, const ThreeAttemptFile& access,
                       const RunLog& log);

}  // namespace tw
