#include "tools/common/tool_support.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "base/directories.h"

namespace tw::tools {

namespace fs = std::filesystem;

int exit_status(std::uint32_t code)
{
    if (code == 0)
        return 0;
    return (code & 0xFF) != 0 ? int(code & 0xFF) : 1;
}

int finish(std::uint32_t code, const char* toolName)
{
    if (const char* path = std::getenv("TILLBRIDGE_RESULT_FILE"); path && *path) {
        if (std::FILE* f = std::fopen(path, "wb")) {
            std::fprintf(f, "%lu\n", static_cast<unsigned long>(code));
            std::fclose(f);
        } else {
            std::fprintf(stderr, "%s: cannot write the result file %s\n", toolName, path);
        }
    }
#ifdef _WIN32
    return int(code);
#else
    return exit_status(code);
#endif
}

fs::path tool_directory(const std::string& argv0)
{
    const fs::path started(argv0);
    if (started.has_parent_path()) {
        std::error_code ec;
        return fs::absolute(started, ec).parent_path();
    }
    return program_directory();
}

std::optional<unsigned> parse_decimal(const std::string& text, unsigned max)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + unsigned(c - '0');
    }
    if (value > max)
        return std::nullopt;
    return unsigned(value);
}

InputFile read_input_file(const fs::path& path, Bytes& out)
{
    std::FILE* f = std::fopen(path.string().c_str(), "rb");
    if (!f)
        return InputFile::NotOpened;
    std::fclose(f);
    bool missing = false;
    return read_whole_file(path.string(), out, missing) && !missing ? InputFile::Read : InputFile::NotRead;
}

bool can_make_files_in(const fs::path& dir)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
#ifndef _WIN32
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
#else
    return true;
#endif
}

}  // namespace tw::tools
