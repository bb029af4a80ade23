#pragma once
#include <string_view>
#include <vector>

namespace tw {

// The lines of a text file, each without its end: a line ends at CR, LF or
// CR LF; a last line without an end counts, an empty file has none.
std::vector<std::string_view> text_lines(std::string_view content);

}  // namespace tw
