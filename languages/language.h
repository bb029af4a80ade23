#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/directories.h"
#include "image/file_access.h"
#include "languages/caption_file.h"
#include "languages/caption_texts.h"

namespace tw {

// One row of the language table. Texts are Windows-1252; help files are
// HTML and keep the base names of the register maker's help.
struct LanguageRow {
    std::string_view option;       // the option caption on FrmLanguage
    std::string_view helpFolder;   // below AppDir + "help"
    std::string_view captionFile;  // in SetupDir
    std::string_view helpFile;     // in the help directory
    std::string_view flagFile;     // in SetupDir
};

inline constexpr int kLanguageCount = 8;
// Codes 0 (English) to 7 (Swedish).
extern const std::array<LanguageRow, kLanguageCount> LanguageTable;

// A file name of the table as the file system spells it (Windows-1252 on
// Windows, UTF-8 elsewhere).
std::string file_system_name(std::string_view cp1252Name);

// The steps of a language change that reach the screens: the help file that
// F1 opens and the flag on the start screen. Either may throw to report a
// failure, which selezione_lingua logs.
class LanguageHooks {
public:
    virtual ~LanguageHooks() = default;
    virtual void set_help_file(const std::string& path) = 0;
    virtual void show_flag(const std::string& picturePath) = 0;
};

// The current language: its code, caption texts and files (the help
// directory is Directories::HelpDir). The hooks reach the screens on a change.
struct LanguageState {
    std::uint8_t LanguageCode = 0;
    CaptionTexts captions;
    std::string CaptionFileName;
    std::string HelpFileName;
    std::string FlagFileName;
    LanguageHooks* hooks = nullptr;
};

// Language.ini in SetupDir: one byte, the language code, no line end.
// Read: a missing file means code 0 and is written; after three failed
// attempts "Superati 3 tentativi di lettura LANGUAGE_FILE" and the code
// stays. An empty file reads as 0.
void Read_Language(std::uint8_t& code, const std::string& setupDir, const ThreeAttemptFile& files,
                   const RunLog& log);
// Write: after three failed attempts "Superati 3 tentativi di Scrittura
// LANGUAGE_FILE".
void Write_Language(std::uint8_t code, const std::string& setupDir, const ThreeAttemptFile& files,
                    const RunLog& log);

// Applies a language code: dirs.HelpDir, CaptionFileName, HelpFileName and
// FlagFileName from its row (a code above 7 keeps them), loads its caption
// file and falls back to English when that fails. Then the help file and the
// flag go to the hooks (when set). Afterwards LanguageCode is the code in
// force. A failed step does not stop the later ones; the last failure is
// logged as "selezione_lingua " + description. Language.ini is not written.
void selezione_lingua(LanguageState& language, Directories& dirs, const CaptionFileSource& captionFiles,
                      std::uint8_t code);

}  // namespace tw
