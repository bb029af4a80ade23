#include "image/text_lines.h"

namespace tw {

std::vector<std::string_view> text_lines(std::string_view content)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = content.size();
        lines.push_back(content.substr(pos, end - pos));
        pos = end + ((end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

}  // namespace tw
