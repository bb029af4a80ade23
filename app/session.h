#pragma once
#include <string>

#include "app/directories.h"
#include "app/effects.h"
#include "app/run_log.h"
#include "app/shared_messages.h"
#include "image/char_tables.h"
#include "image/codecs.h"
#include "image/default_files.h"
#include "image/file_access.h"
#include "image/plu_file.h"
#include "image/programming_image.h"
#include "languages/caption_texts.h"
#include "languages/language.h"
#include "transfer/bridge_binding.h"

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

    // The current language: its code, caption texts and files (dirs.HelpDir
    // is its help directory). The hooks reach the screens on a change.
    std::uint8_t LanguageCode = 0;
    CaptionTexts captions;
    std::string CaptionFileName;
    std::string HelpFileName;
    std::string FlagFileName;
    LanguageHooks* languageHooks = nullptr;

    // tillbridge, bound from AppDir on the first transfer.
    BridgeBinding bridge{dirs.AppDir};
};

}  // namespace tw
