#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tw::pict {

// One run of tillpict. The command line, positions 0 to 8:
//   0 tool path, 1 the bitmap's directory, 2 the bitmap's file name,
//   3 the output file's name (written into the bitmap's directory),
//   4 rotation, 5 dot-resolution check, 6 continued lines,
//   7 ratio of the continued-line areas, 8 ratio of the whole area.
// Returns the result code: a success code or a PictResult. Never throws.
std::uint32_t run_tillpict(const std::vector<std::string>& args) noexcept;

}  // namespace tw::pict
