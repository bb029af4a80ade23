// tillsales: rings up a day of sales on the virtual register behind tillxfer,
// so that its reports hold real totals. See tools/README.md.
//
//   tillsales <transactions> [seed]   adds a day of sales to the register's totals
//   tillsales clear                   clears the totals and the journal (a Z report)
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "base/directories.h"
#include "tools/tillxfer/register_totals.h"
#include "tools/tillxfer/sales_day.h"
#include "tools/tillxfer/settings.h"
#include "tools/tillxfer/virtual_register.h"

namespace fs = std::filesystem;
using namespace tw;
using namespace tw::xfer;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: tillsales <transactions> [seed]\n       tillsales clear\n");
    return 2;
}

Bytes read_or_empty(const fs::path& p)
{
    Bytes b;
    bool missing = false;
    read_whole_file(p.string(), b, missing);
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return usage();
    try {
        const fs::path started(argv[0]);
        const fs::path toolDir = started.has_parent_path() ? fs::absolute(started).parent_path()
                                                           : fs::path(program_directory());
        const Bytes ini = read_or_empty(toolDir / "TillXfer.ini");
        const Settings settings = parse_settings(std::string_view(reinterpret_cast<const char*>(ini.data()), ini.size()));
        if (!settings.registerError.empty()) {
            std::fprintf(stderr, "tillsales: TillXfer.ini: %s\n", settings.registerError.c_str());
            return 1;
        }
        const fs::path folder = toolDir / settings.reg.folder;
        if (!fs::is_directory(folder)) {
            std::fprintf(stderr, "tillsales: the register's folder %s is missing\n", folder.string().c_str());
            return 1;
        }
        const std::string what = argv[1];
        if (what == "clear") {
            fs::remove(folder / RegisterTotals::kFileName);
            std::printf("The register's totals and journal are cleared.\n");
            return 0;
        }
        char* end = nullptr;
        const long count = std::strtol(what.c_str(), &end, 10);
        const unsigned long long seed = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 1;
        if (*end != '\0' || count < 0 || count > 100000)
            return usage();

        const VirtualRegister ecr(folder, settings.reg.model, toolDir / "Dati");
        ecr.seed_factory_defaults();
        RegisterTotals totals = RegisterTotals::load(folder);
        ring_up_day(read_or_empty(folder / "PRG_MODE.BIN"), read_or_empty(folder / "PRG_PLU.BIN"),
                    VirtualRegister::plu_capacity(settings.reg.model), {seed, int(count)}, totals);
        if (!totals.save(folder)) {
            std::fprintf(stderr, "tillsales: cannot write %s\n", (folder / RegisterTotals::kFileName).string().c_str());
            return 1;
        }
        std::printf("%ld transactions rung up (seed %llu). Net sales of the day so far: %lld in the smallest unit; "
                    "%zu journal lines. Totals: %s\n",
                    count, seed, static_cast<long long>(totals.z1["NetSalesTotal"]), totals.journal.size(),
                    (folder / RegisterTotals::kFileName).string().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tillsales: %s\n", e.what());
        return 1;
    }
}
