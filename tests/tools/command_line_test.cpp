// The eleven positions of the command line, checked by real runs of the
// tool. The bridge always builds a well-formed line, so these run the tool
// directly; the result file and the exit status must agree on every code.
#include <gtest/gtest.h>

#include "tillxfer_rig.h"

namespace tw::test {
namespace {

using Positions = std::vector<std::string>;

// Positions 1 to 10 of a receive of file 0 with one position replaced.
Positions receive_with(std::size_t position, const std::string& value)
{
    Positions p = TillXferRig::line(0, 0);
    p[position - 1] = value;
    return p;
}

struct LineCase {
    const char* what;
    Positions positions;
    std::uint32_t code;

    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.what; }
};

class TillXferCommandLine : public testing::TestWithParam<LineCase> {};

TEST_P(TillXferCommandLine, GivesItsCode)
{
    TillXferRig rig;
    EXPECT_EQ(rig.run_code(GetParam().positions), GetParam().code);
}

Positions without_last()
{
    Positions p = TillXferRig::line(0, 0);
    p.pop_back();
    return p;
}

Positions with_extra()
{
    Positions p = TillXferRig::line(0, 0);
    p.push_back("0");
    return p;
}

Positions range(const std::string& start, const std::string& end)
{
    Positions p = TillXferRig::line(0, 0);
    p[7] = start;
    p[8] = end;
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TillXferCommandLine,
    testing::Values(
        LineCase{"well formed receive", TillXferRig::line(0, 0), 0},
        LineCase{"no positions", {}, 0x201},
        LineCase{"ten positions", without_last(), 0x201},
        LineCase{"twelve positions", with_extra(), 0x201},
        LineCase{"line speed not a number", receive_with(2, "fast"), 0x201},
        LineCase{"line speed zero", receive_with(2, "0"), 0x201},
        LineCase{"direction 2", receive_with(3, "2"), 0x202},
        LineCase{"direction 01", receive_with(3, "01"), 0x202},
        LineCase{"direction a sign", receive_with(3, "-"), 0x202},
        LineCase{"range count 3", receive_with(7, "3"), 0x208},
        LineCase{"range count 0", receive_with(7, "0"), 0x208},
        LineCase{"range start not a number", range("a", "9"), 0x208},
        LineCase{"range end 256", range("0", "256"), 0x208},
        LineCase{"range start above end", range("5", "4"), 0x203},
        LineCase{"range start equal to end", range("5", "5"), 0},
        LineCase{"full range", range("0", "255"), 0},
        LineCase{"file number 256", receive_with(5, "256"), 0x205},
        LineCase{"file number not a number", receive_with(5, "PRG"), 0x205},
        LineCase{"file number not listed", receive_with(5, "7"), 0x205},
        LineCase{"first bad position wins", [] {
                     Positions p = range("9", "1");
                     p[2] = "5";
                     return p;
                 }(), 0x202}),
    case_name<LineCase>);

// A tool started without the side channel still tells success from failure
// by its exit status.
TEST(TillXferResultChannel, ExitStatusAloneWithoutTheResultFile)
{
    TillXferRig rig;
    const ToolRun ok = rig.run_tool(TillXferRig::line(0, 2), false);
    EXPECT_TRUE(ok.exited);
    EXPECT_EQ(ok.exitStatus, 0);
    EXPECT_FALSE(ok.reported);

    const ToolRun refused = rig.run_tool(receive_with(3, "2"), false);
    EXPECT_EQ(refused.exitStatus, 0x02);
    EXPECT_FALSE(refused.reported);
}

}  // namespace
}  // namespace tw::test
