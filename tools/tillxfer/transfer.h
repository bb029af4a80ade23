#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "tools/tillxfer/result_codes.h"

namespace tw::xfer {

// One run of tillxfer: checks the command line and TillXfer.ini (found in
// `toolDir`), then moves the numbered file between the data directory and the
// virtual register. Returns the result code; never throws. With the hang
// fault it does not return at all.
Result run_tillxfer(const std::vector<std::string>& args, const std::filesystem::path& toolDir) noexcept;

}  // namespace tw::xfer
