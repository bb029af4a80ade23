#include "languages/caption_file.h"

#include <filesystem>
#include <system_error>

#include "base/guard.h"
#include "image/file_access.h"
#include "image/text_lines.h"

namespace tw {

void read_caption_lines(std::string_view content, CaptionTexts& texts, const RunLog& log)
{
    for (std::string_view line : text_lines(content)) {
        const std::size_t last = line.find_last_not_of(' ');
        line = last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0 || line[0] == ';' || line[0] == '[')
            continue;
        const std::string_view key = line.substr(0, equals);
        if (!texts.set(key, std::string(line.substr(equals + 1))))
            log.write_log("Voce " + std::string(key) + " Non presente");
    }
}

bool load_caption_file(CaptionTexts& texts, const CaptionFileSource& s, const std::string& name)
{
    return guarded(s.log, "load_caption_file: ", [&] {
        namespace fs = std::filesystem;
        const std::string path = s.setupDir + name;
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            s.effects.message_box(s.missingNotice, MsgButtons::Ok, MsgIcon::Information);
            return false;
        }
        // A name that leads to anything but a readable file cannot be opened.
        Bytes content;
        bool missing = false;
        if (name.empty() || !fs::is_regular_file(path, ec) || !read_whole_file(path, content, missing) || missing)
            return false;
        read_caption_lines(std::string_view(reinterpret_cast<const char*>(content.data()), content.size()),
                           texts, s.log);
        return true;
    }, false);
}

}  // namespace tw
