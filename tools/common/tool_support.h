#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "image/file_access.h"

// What the stand-in tools share: the tool contract's result channel and exit
// status, and the small pieces of their command lines and files.
namespace tw::tools {

// The exit status that goes with a result code: 0 exactly for 0, otherwise
// the code's low 8 bits, or 1 when those are 0 (POSIX keeps 8 bits only).
int exit_status(std::uint32_t code);

// Ends a tool's run: the full code goes to the bridge's side channel (the
// file named by TILLBRIDGE_RESULT_FILE, as decimal digits, written once) and
// the returned value is the process's exit code (all 32 bits on Windows).
int finish(std::uint32_t code, const char* toolName);

// The directory the tool was started from: its settings and data lie beside
// the tool as it was named on the command line, so a link to it in another
// directory works with that directory's files.
std::filesystem::path tool_directory(const std::string& argv0);

// A decimal number of digits only, at most `max`; empty otherwise.
std::optional<unsigned> parse_decimal(const std::string& text, unsigned max);

// Reading a whole input file: it cannot be opened (missing, no access), or it
// opened but cannot be read whole (a directory, a read error).
enum class InputFile { Read, NotOpened, NotRead };
InputFile read_input_file(const std::filesystem::path& path, Bytes& out);

// Whether new files can be made in `dir`: it exists and may be written.
bool can_make_files_in(const std::filesystem::path& dir);

}  // namespace tw::tools
