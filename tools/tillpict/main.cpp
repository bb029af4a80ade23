// tillpict, the stand-in for the register maker's logo converter: the same
// command line and result codes, converting a black-and-white BMP into the
// register's GRAPHIC.BIN. See tools/README.md.
#include <string>
#include <vector>

#include "tools/common/tool_support.h"
#include "tools/tillpict/convert.h"

int main(int argc, char** argv)
{
    return tw::tools::finish(tw::pict::run_tillpict(std::vector<std::string>(argv, argv + argc)), "tillpict");
}
