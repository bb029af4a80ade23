#pragma once
#include <string>
#include <string_view>

#include "base/effects.h"
#include "base/run_log.h"
#include "languages/caption_texts.h"

namespace tw {

// Reads the lines of a caption file into the texts. Lines end at CR, CR LF
// or LF. Trailing spaces go; a line whose first "=" stands after its first
// character, and which starts with neither ";" nor "[", is key "=" value
// (spaces belong to both); any other line is skipped. A known key takes the
// value (the last occurrence wins); an unknown one writes
// "Voce " + key + " Non presente" to the run log.
void read_caption_lines(std::string_view content, CaptionTexts& texts, const RunLog& log);

// What reading a caption file reaches besides the texts: the folder of the
// files, the notice shown for a missing one (MsgLanguageFileMissing) and the
// run log.
struct CaptionFileSource {
    const std::string& setupDir;
    Effects& effects;
    const std::string& missingNotice;
    const RunLog& log;
};

// setupDir + name into the texts. A missing file shows the notice
// (information icon, OK) and gives false; a file that cannot be opened gives
// false without a notice.
bool load_caption_file(CaptionTexts& texts, const CaptionFileSource& source, const std::string& name);

}  // namespace tw
