// TillXfer.ini as the tool reads it, and the result codes its problems give.
#include <gtest/gtest.h>

#include "tillxfer_rig.h"
#include "reports/report_names.h"
#include "tools/tillxfer/settings.h"

namespace tw::xfer {
namespace {

TEST(TillXferSettings, ReadsEverySetting)
{
    const Settings s = parse_settings(
        "; comment\r\n"
        "# another\r\n"
        "[register]\r\n"
        "  model =  4430  \r\n"
        "FOLDER = /var/ecr one\r\n"
        "Power = OFF\r\n"
        "LineSpeed = on\r\n"
        "Fault = write-error\r\n"
        "FaultFiles = 2, 0\r\n"
        "\r\n"
        "[Files]\r\n"
        "0 = PRG_MODE.BIN, 0\r\n"
        "19 = DAILY EJ.bin , 1\r\n");
    EXPECT_EQ(s.filesError, "");
    EXPECT_EQ(s.registerError, "");
    EXPECT_EQ(s.reg.model, 4430);
    EXPECT_EQ(s.reg.folder, "/var/ecr one");
    EXPECT_FALSE(s.reg.powerOn);
    EXPECT_TRUE(s.reg.lineSpeed);
    EXPECT_EQ(s.reg.fault, Fault::WriteError);
    EXPECT_EQ(s.reg.faultFiles, (std::set<int>{0, 2}));
    ASSERT_EQ(s.files.size(), 2u);
    EXPECT_EQ(s.files.at(0).name, "PRG_MODE.BIN");
    EXPECT_FALSE(s.files.at(0).report);
    EXPECT_EQ(s.files.at(19).name, "DAILY EJ.bin");
    EXPECT_TRUE(s.files.at(19).report);
    EXPECT_TRUE(s.fault_hits(2));
    EXPECT_FALSE(s.fault_hits(1));
}

TEST(TillXferSettings, AbsentSettingsKeepTheirDefaults)
{
    const Settings s = parse_settings("[Register]\n[Files]\n1 = PRG_PLU.BIN,0");
    EXPECT_EQ(s.registerError, "");
    EXPECT_EQ(s.reg.model, 4410);
    EXPECT_EQ(s.reg.folder, "Register");
    EXPECT_TRUE(s.reg.powerOn);
    EXPECT_FALSE(s.reg.lineSpeed);
    EXPECT_EQ(s.reg.fault, Fault::None);
    EXPECT_FALSE(s.fault_hits(1));
    EXPECT_EQ(s.files.at(1).name, "PRG_PLU.BIN");
}

// The settings the bundle ships: the three files and the reports, a register reached at
// the link's own pace, no fault.
TEST(TillXferSettings, BundleSettingsAreComplete)
{
    const std::string text = test::read_text(std::string(TW_BUNDLE_DIR) + "/TillXfer.ini");
    const Settings s = parse_settings(text);
    EXPECT_EQ(s.filesError, "");
    EXPECT_EQ(s.registerError, "");
    ASSERT_EQ(s.files.size(), 20u);
    EXPECT_EQ(s.files.at(0).name, "PRG_MODE.BIN");
    EXPECT_EQ(s.files.at(1).name, "PRG_PLU.BIN");
    EXPECT_EQ(s.files.at(2).name, "GRAPHIC.BIN");
    for (const auto& [number, entry] : s.files) {
        EXPECT_EQ(entry.report, number >= 3) << number;
        // A report's file begins with its name, as the program searches it.
        if (number >= 3) {
            EXPECT_EQ(entry.name, ReportNames[std::size_t(number)] + ".bin");
        }
    }
    EXPECT_EQ(s.reg.model, 4410);
    EXPECT_EQ(s.reg.folder, "Register");
    EXPECT_TRUE(s.reg.powerOn);
    EXPECT_TRUE(s.reg.lineSpeed);
    EXPECT_EQ(s.reg.fault, Fault::None);
}

// Each problem lands in the slot of its section, with its line number.
struct ProblemCase {
    const char* what;
    const char* text;
    const char* filesError;
    const char* registerError;

    friend void PrintTo(const ProblemCase& c, std::ostream* os) { *os << c.what; }
};

class TillXferSettingsProblems : public testing::TestWithParam<ProblemCase> {};

TEST_P(TillXferSettingsProblems, AreKeptWithTheirLine)
{
    const ProblemCase& c = GetParam();
    const Settings s = parse_settings(c.text);
    EXPECT_EQ(s.filesError, c.filesError);
    EXPECT_EQ(s.registerError, c.registerError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TillXferSettingsProblems,
    testing::Values(
        ProblemCase{"flag missing", "[Files]\n0 = PRG_MODE.BIN",
                    "TillXfer.ini line 2: file 0 needs a name and a report flag, separated by a comma", ""},
        ProblemCase{"flag 2", "[Files]\n0 = PRG_MODE.BIN, 2",
                    "TillXfer.ini line 2: the report flag of file 0 is not 0 or 1", ""},
        ProblemCase{"flag empty", "[Files]\n0 = PRG_MODE.BIN,",
                    "TillXfer.ini line 2: the report flag of file 0 is not 0 or 1", ""},
        ProblemCase{"number not a number", "[Files]\nx = A.BIN, 0",
                    "TillXfer.ini line 2: file number \"x\" is not a number from 0 to 255", ""},
        ProblemCase{"number too big", "[Files]\n256 = A.BIN, 0",
                    "TillXfer.ini line 2: file number \"256\" is not a number from 0 to 255", ""},
        ProblemCase{"number twice", "[Files]\n1 = A.BIN, 0\n1 = B.BIN, 0",
                    "TillXfer.ini line 3: file number 1 is listed twice", ""},
        ProblemCase{"name with a path", "[Files]\n1 = ../A.BIN, 0",
                    "TillXfer.ini line 2: file 1 has no plain file name", ""},
        ProblemCase{"name empty", "[Files]\n1 = , 0", "TillXfer.ini line 2: file 1 has no plain file name", ""},
        ProblemCase{"first problem wins", "[Files]\n1 = A.BIN\n2 = B.BIN, 7",
                    "TillXfer.ini line 2: file 1 needs a name and a report flag, separated by a comma", ""},
        ProblemCase{"model", "[Register]\nModel = 4420", "", "TillXfer.ini line 2: Model is not 4410 or 4430"},
        ProblemCase{"power", "[Register]\nPower = maybe", "", "TillXfer.ini line 2: Power is not on or off"},
        ProblemCase{"line speed", "[Register]\nLineSpeed = 1", "", "TillXfer.ini line 2: LineSpeed is not on or off"},
        ProblemCase{"fault", "[Register]\nFault = bussy", "",
                    "TillXfer.ini line 2: Fault is not none, busy, write-error or hang"},
        ProblemCase{"fault files", "[Register]\nFaultFiles = 1, x", "",
                    "TillXfer.ini line 2: FaultFiles holds \"x\", not a file number"},
        ProblemCase{"folder empty", "[Register]\nFolder =", "", "TillXfer.ini line 2: Folder is empty"},
        ProblemCase{"unknown name", "[Register]\nColour = red", "", "TillXfer.ini line 2: unknown setting \"Colour\""},
        ProblemCase{"unknown section", "[Printer]\nWidth = 42", "", "TillXfer.ini line 1: unknown section [Printer]"},
        ProblemCase{"before any section", "Model = 4410", "",
                    "TillXfer.ini line 1: a setting before the first section"},
        ProblemCase{"no equals sign", "[Register]\nPower on", "", "TillXfer.ini line 2: not a setting (name = value)"},
        ProblemCase{"both sections", "[Register]\nPower = no\n[Files]\n0 = A.BIN, x",
                    "TillXfer.ini line 4: the report flag of file 0 is not 0 or 1",
                    "TillXfer.ini line 2: Power is not on or off"}),
    test::case_name<ProblemCase>);

}  // namespace
}  // namespace tw::xfer
