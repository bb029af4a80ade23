#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/run_log.h"
#include "image/codecs.h"

namespace tw {

// A double-width character is written as this marker followed by the
// character; the register stores the marker as code 255.
inline constexpr char kDoubleWidthMarker = '\xB7';

// One character cell of a printed-line preview.
struct PreviewCell {
    char character = ' ';  // a marker's cell shows empty
    bool bold = false;      // the character after a marker
    bool red = false;       // "×": a register code without a PC character
};

// The cells of a line of `width` positions, from its PC text (shorter text
// leaves empty cells).
std::vector<PreviewCell> preview_cells(std::string_view pcText, std::size_t width);

// DescCaption.ini: the descriptions of the 74 register texts, then the
// labels of other lines 1 to 18 (read through the register's character
// set). Reading stops at line 93 with the run-log line "Number of caption
// description to High".
struct CaptionDescriptions {
    std::vector<std::string> definitions;  // at most 74
    std::vector<std::string> otherLabels;  // at most 18
};
inline constexpr std::size_t kRegisterCaptionCount = 74;
inline constexpr std::size_t kLabelledOtherLines = 18;

CaptionDescriptions read_caption_descriptions(std::string_view content, const Codecs& codecs, const RunLog& log);
// SetupDir + "DescCaption.ini"; nothing when the file is missing.
std::optional<CaptionDescriptions> load_caption_descriptions(const std::string& setupDir, const Codecs& codecs,
                                                             const RunLog& log);

}  // namespace tw
