#pragma once
#include <string>

#include "base/directories.h"
#include "base/effects.h"
#include "base/run_log.h"
#include "base/shared_messages.h"
#include "image/char_tables.h"
#include "image/codecs.h"
#include "image/default_files.h"
#include "image/file_access.h"
#include "image/plu_file.h"
#include "image/programming_image.h"
#include "languages/caption_file.h"
#include "languages/language.h"
#include "transfer/bridge_binding.h"
#include "transfer/transfer_procedures.h"

namespace tw {

// The program-wide values, created once at start-up and handed to the
// screens. Tests build their own over a temporary application directory.
// Subsystems add their members here as they arrive.
struct Session {
    Session(const Directories& directories, Effects& fx, Clock clock = system_local_time)
        : dirs(directories),
          log(dirs.LogDir + "memo_log.txt", std::move(clock)),
          effects(fx),
          tables(build_char_tables()),
          codecs(log, tables),
          files(effects, log),
          messages(english_shared_messages())
    {
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Directories dirs;
    RunLog log;
    Effects& effects;
    CharTables tables;
    Codecs codecs;
    ThreeAttemptFile files;
    SharedMessages messages;

    // The chosen model: 0 = 4410, 1 = 4430; -1 before the choice.
    int ModelCode = -1;
    std::string ModelDataDir;
    int PluCapacity = 2000;

    ProgrammingImage image;  // the open programming's PRG_MODE.BIN
    int DecimalPosition = 0;
    PluTable plu;            // the open programming's PRG_PLU.BIN, with PluCount
    KeyDefaultBuffer KeyDefault{};  // KEY_DEFAULT.BIN, read by Write_Key_Default

    // The current language (dirs.HelpDir is its help directory).
    LanguageState language;

    // tillbridge, bound from AppDir on the first transfer.
    BridgeBinding bridge{dirs.AppDir};

    // The pieces the core procedures take.
    CaptionFileSource caption_files() { return {dirs.SetupDir, effects, messages.MsgLanguageFileMissing, log}; }
    TransferLink transfer_link() { return {bridge, dirs.AppDir, log, effects}; }
    DefaultFileCopy default_file_copy()
    {
        return {ModelDataDir, ModelCode, dirs.DataDir, effects, messages.MsgCopyPrgModeError,
                messages.MsgCopyPrgPluError, log};
    }
};

}  // namespace tw
