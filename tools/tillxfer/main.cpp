// tillxfer, the stand-in for the register maker's transfer tool: the same
// command line, data files and result codes, with a virtual register (a
// folder) behind it instead of a serial link. See tools/README.md.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/directories.h"
#include "tools/tillxfer/transfer.h"

namespace {

// The directory the tool was started from: TillXfer.ini lies beside the tool
// as it was named on the command line, so a link to it in another directory
// works with that directory's settings.
std::filesystem::path tool_directory(const std::string& argv0)
{
    const std::filesystem::path started(argv0);
    if (started.has_parent_path()) {
        std::error_code ec;
        return std::filesystem::absolute(started, ec).parent_path();
    }
    return tw::program_directory();
}

// The full result code through the bridge's side channel: unsigned decimal
// digits in the file named by TILLBRIDGE_RESULT_FILE, written once.
void report_result(std::uint32_t code)
{
    const char* path = std::getenv("TILLBRIDGE_RESULT_FILE");
    if (!path || !*path)
        return;
    std::FILE* f = std::fopen(path, "wb");
    if (!f) {
        std::fprintf(stderr, "tillxfer: cannot write the result file %s\n", path);
        return;
    }
    std::fprintf(f, "%lu\n", static_cast<unsigned long>(code));
    std::fclose(f);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv, argv + argc);
    const std::filesystem::path toolDir = tool_directory(args.empty() ? std::string() : args[0]);
    const tw::xfer::Result result = tw::xfer::run_tillxfer(args, toolDir);
    const auto code = static_cast<std::uint32_t>(result);
    report_result(code);
#ifdef _WIN32
    return int(code);  // the exit code holds all 32 bits there
#else
    return tw::xfer::exit_status(result);
#endif
}
