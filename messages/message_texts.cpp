#include "messages/message_texts.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "image/file_access.h"
#include "image/text_lines.h"

namespace tw {

namespace {
constexpr char kNoPcCharacter = '\xD7';  // ×
constexpr std::size_t kLastLine = kRegisterCaptionCount + kLabelledOtherLines;
}  // namespace

std::vector<PreviewCell> preview_cells(std::string_view pcText, std::size_t width)
{
    std::vector<PreviewCell> cells(width);
    bool afterMarker = false;
    for (std::size_t i = 0; i < width && i < pcText.size(); ++i) {
        const char c = pcText[i];
        PreviewCell& cell = cells[i];
        cell.bold = afterMarker;
        afterMarker = c == kDoubleWidthMarker;
        cell.character = afterMarker ? ' ' : c;
        cell.red = c == kNoPcCharacter;
    }
    return cells;
}

CaptionDescriptions read_caption_descriptions(std::string_view content, const Codecs& codecs, const RunLog& log)
{
    CaptionDescriptions d;
    std::size_t n = 0;
    for (std::string_view text : text_lines(content)) {
        if (++n > kLastLine) {
            log.write_log("Number of caption description to High");
            break;
        }
        const std::string line(text);
        if (n <= kRegisterCaptionCount)
            d.definitions.push_back(line);
        else
            d.otherLabels.push_back(codecs.sostituzione_from_ecr(line));
    }
    return d;
}

std::optional<CaptionDescriptions> load_caption_descriptions(const std::string& setupDir, const Codecs& codecs,
                                                             const RunLog& log)
{
    const std::string path = setupDir + "DescCaption.ini";
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    Bytes content;
    bool missing = false;
    if (!read_whole_file(path, content, missing) || missing)
        throw std::runtime_error("cannot read DescCaption.ini");
    return read_caption_descriptions({reinterpret_cast<const char*>(content.data()), content.size()}, codecs, log);
}

}  // namespace tw
