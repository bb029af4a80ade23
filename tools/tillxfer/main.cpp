// tillxfer, the stand-in for the register maker's transfer tool: the same
// command line, data files and result codes, with a virtual register (a
// folder) behind it instead of a serial link. See tools/README.md.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/tool_support.h"
#include "tools/tillxfer/transfer.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv, argv + argc);
    const auto toolDir = tw::tools::tool_directory(args.empty() ? std::string() : args[0]);
    const tw::xfer::Result result = tw::xfer::run_tillxfer(args, toolDir);
    return tw::tools::finish(static_cast<std::uint32_t>(result), "tillxfer");
}
