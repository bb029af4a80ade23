// The virtual register behind tillxfer: what it keeps, what it refuses and
// every result code, through the bridge library bound as the program binds
// it. Tables of many small cases run the tool directly, which is quicker than
// the bridge's one-second poll and reaches the same code.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <functional>

#include <gtest/gtest.h>

#include "tillxfer_rig.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

const std::string kNames[] = {"PRG_MODE.BIN", "PRG_PLU.BIN", "GRAPHIC.BIN"};

RigSettings with(std::function<void(RigSettings&)> change)
{
    RigSettings s;
    change(s);
    return s;
}

// The register's memory as left by earlier transfers: unlike the factory
// defaults and unlike the files in the data directory.
struct Memory {
    Bytes prgMode = pattern(7078, 40);
    Bytes prgPlu = plu_file(5, 5, 41);
    Bytes graphic = pattern(7776, 42);

    void store(const TillXferRig& rig) const
    {
        write_bytes(rig.memory("PRG_MODE.BIN"), prgMode);
        write_bytes(rig.memory("PRG_PLU.BIN"), prgPlu);
        write_bytes(rig.memory("GRAPHIC.BIN"), graphic);
    }
    void expect_kept(const TillXferRig& rig) const
    {
        EXPECT_EQ(read_bytes(rig.memory("PRG_MODE.BIN")), prgMode);
        EXPECT_EQ(read_bytes(rig.memory("PRG_PLU.BIN")), prgPlu);
        EXPECT_EQ(read_bytes(rig.memory("GRAPHIC.BIN")), graphic);
    }
};

TEST(VirtualRegister, SendThenReceiveReturnsEachFileByteForByte)
{
    TillXferRig rig;
    const Bytes contents[] = {pattern(7078, 1), plu_file(2000, 2000, 2), pattern(7776, 3)};
    for (int number = 0; number < 3; ++number) {
        const std::string& name = kNames[number];
        write_bytes(rig.data(name), contents[number]);
        EXPECT_EQ(rig.bridge_transfer(1, number), 0) << name;
        EXPECT_EQ(read_bytes(rig.memory(name)), contents[number]) << name;

        // The receive replaces an older, longer file of the same name.
        write_bytes(rig.data(name), pattern(contents[number].size() + 500, 9));
        EXPECT_EQ(rig.bridge_transfer(0, number), 0) << name;
        EXPECT_EQ(read_bytes(rig.data(name)), contents[number]) << name;
    }
}

// Every failure gives its code through the bridge, and leaves the register's
// memory as it was.
struct FailureCase {
    const char* what;
    std::function<void(TillXferRig&)> setup;
    int direction;
    int file;
    std::int32_t code;
    bool rangedReport = false;  // through util_get_range_report, range 99 to 1

    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.what; }
};

class VirtualRegisterFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(VirtualRegisterFailure, GivesItsCodeAndKeepsTheMemory)
{
    const FailureCase& c = GetParam();
    TillXferRig rig;
    const Memory before;
    before.store(rig);
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 50));
    write_bytes(rig.data("PRG_PLU.BIN"), plu_file(1, 1, 51));
    write_bytes(rig.data("GRAPHIC.BIN"), pattern(7776, 52));
    c.setup(rig);

    const auto code = c.rangedReport ? rig.bridge_range_report(c.file, 99, 1) : rig.bridge_transfer(c.direction, c.file);
    EXPECT_EQ(code, c.code);
    before.expect_kept(rig);
}

const std::string kWithReport = "0 = PRG_MODE.BIN, 0\n3 = C-I-D.bin, 1\n";
// The register keeps no totals of open tables: it cannot make that report.
const std::string kWithUnmadeReport = "0 = PRG_MODE.BIN, 0\n15 = OPEN TBL.bin, 1\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, VirtualRegisterFailure,
    testing::Values(
        FailureCase{"settings missing", [](TillXferRig& r) { fs::remove(r.path("TillXfer.ini")); }, 1, 0, 0x204},
        FailureCase{"file number not listed", [](TillXferRig&) {}, 0, 9, 0x205},
        FailureCase{"report flag illegal",
                    [](TillXferRig& r) {
                        r.write_settings(with([](RigSettings& s) { s.files = "0 = PRG_MODE.BIN, 0\n3 = C-I-D.bin, yes\n"; }));
                    },
                    1, 0, 0x206},
        FailureCase{"send of a report",
                    [](TillXferRig& r) {
                        r.write_settings(with([](RigSettings& s) { s.files = kWithReport; }));
                        write_bytes(r.data("C-I-D.bin"), pattern(64, 1));
                    },
                    1, 3, 0x207},
        FailureCase{"direction 2", [](TillXferRig&) {}, 2, 0, 0x202},
        FailureCase{"range reversed",
                    [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.files = kWithReport; })); }, 0, 3,
                    0x203, true},
        FailureCase{"switched off", [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.power = "off"; })); },
                    1, 0, 0x401},
        FailureCase{"folder missing",
                    [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.folder = "Gone"; })); }, 0, 0,
                    0x401},
        FailureCase{"register settings illegal",
                    [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.model = "4420"; })); }, 1, 0,
                    0x401},
        FailureCase{"busy", [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.fault = "busy"; })); }, 1,
                    0, 0x1001},
        FailureCase{"write error",
                    [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.fault = "write-error"; })); }, 1,
                    1, 0x402},
        FailureCase{"data file missing", [](TillXferRig& r) { fs::remove(r.data("PRG_MODE.BIN")); }, 1, 0, 0x801},
        FailureCase{"data file unreadable",
                    [](TillXferRig& r) {
                        fs::remove(r.data("PRG_PLU.BIN"));
                        fs::create_directory(r.data("PRG_PLU.BIN"));
                    },
                    1, 1, 0x802},
        FailureCase{"data directory missing", [](TillXferRig& r) { fs::remove_all(r.path("Dati")); }, 0, 2, 0x803},
        FailureCase{"data file cannot be written",
                    [](TillXferRig& r) {
                        fs::remove(r.data("GRAPHIC.BIN"));
                        fs::create_directory(r.data("GRAPHIC.BIN"));
                    },
                    0, 2, 0x804},
        FailureCase{"register refuses the file",
                    [](TillXferRig& r) { write_bytes(r.data("PRG_MODE.BIN"), pattern(7079, 50)); }, 1, 0, 0x1002},
        FailureCase{"register holds no such report",
                    [](TillXferRig& r) { r.write_settings(with([](RigSettings& s) { s.files = kWithUnmadeReport; })); },
                    0, 15, 0x1002}),
    case_name<FailureCase>);

// What the register takes on a send, by model.
struct CheckCase {
    const char* what;
    int model;
    int file;
    Bytes content;
    bool accepted;

    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.what; }
};

class VirtualRegisterCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(VirtualRegisterCheck, TakesOnlyWellFormedFiles)
{
    const CheckCase& c = GetParam();
    TillXferRig rig;
    rig.write_settings(with([&](RigSettings& s) { s.model = std::to_string(c.model); }));
    const Memory before;
    before.store(rig);
    write_bytes(rig.data(kNames[c.file]), c.content);

    EXPECT_EQ(rig.run_code(TillXferRig::line(1, c.file)), c.accepted ? 0u : 0x1002u);
    if (c.accepted)
        EXPECT_EQ(read_bytes(rig.memory(kNames[c.file])), c.content);
    else
        before.expect_kept(rig);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VirtualRegisterCheck,
    testing::Values(CheckCase{"programming of 7078 bytes", 4410, 0, pattern(7078, 1), true},
                    CheckCase{"programming one byte short", 4410, 0, pattern(7077, 1), false},
                    CheckCase{"programming one byte long", 4410, 0, pattern(7079, 1), false},
                    CheckCase{"programming empty", 4430, 0, {}, false},
                    CheckCase{"logo of 7776 bytes", 4430, 2, pattern(7776, 1), true},
                    CheckCase{"logo one byte short", 4410, 2, pattern(7775, 1), false},
                    CheckCase{"logo one byte long", 4410, 2, pattern(7777, 1), false},
                    CheckCase{"PLU file without records", 4410, 1, plu_file(0, 0, 1), true},
                    CheckCase{"PLU file full on 4410", 4410, 1, plu_file(2000, 2000, 1), true},
                    CheckCase{"PLU file over capacity on 4410", 4410, 1, plu_file(2001, 2001, 1), false},
                    CheckCase{"PLU file full on 4430", 4430, 1, plu_file(1500, 1500, 1), true},
                    CheckCase{"PLU file over capacity on 4430", 4430, 1, plu_file(1501, 1501, 1), false},
                    CheckCase{"PLU count above its records", 4410, 1, plu_file(3, 2, 1), false},
                    CheckCase{"PLU count below its records", 4410, 1, plu_file(2, 3, 1), false},
                    CheckCase{"PLU count negative", 4410, 1, plu_file(-1, 0, 1), false},
                    CheckCase{"PLU record cut short", 4410, 1,
                              [] {
                                  Bytes b = plu_file(2, 2, 1);
                                  b.pop_back();
                                  return b;
                              }(),
                              false},
                    CheckCase{"PLU file of one byte", 4410, 1, Bytes{0}, false},
                    CheckCase{"PLU file empty", 4410, 1, {}, false}),
    case_name<CheckCase>);

// On first use the register holds its model's factory defaults and a blank
// logo; memory it already holds is never replaced by them.
TEST(VirtualRegister, FirstUseHoldsTheModelsFactoryDefaults)
{
    for (int model : {4410, 4430}) {
        SCOPED_TRACE(model);
        TillXferRig rig;
        rig.write_settings(with([&](RigSettings& s) { s.model = std::to_string(model); }));
        for (int number = 0; number < 3; ++number)
            EXPECT_EQ(rig.run_code(TillXferRig::line(0, number)), 0u) << kNames[number];
        EXPECT_EQ(read_bytes(rig.data("PRG_MODE.BIN")), TillXferRig::factory_prg_mode(model));
        EXPECT_EQ(read_bytes(rig.data("PRG_PLU.BIN")), TillXferRig::factory_prg_plu(model));
        EXPECT_EQ(read_bytes(rig.data("GRAPHIC.BIN")), Bytes(7776, 0));
    }
}

TEST(VirtualRegister, MemoryItHoldsIsNotReplacedByTheDefaults)
{
    TillXferRig rig;
    const Memory before;
    before.store(rig);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 0)), 0u);
    EXPECT_EQ(read_bytes(rig.data("PRG_MODE.BIN")), before.prgMode);
    before.expect_kept(rig);
}

// The default files the build ships are ones their model's register takes.
TEST(VirtualRegister, FirstUseWithTheShippedDefaults)
{
    for (const std::string model : {"4410", "4430"}) {
        SCOPED_TRACE(model);
        TillXferRig rig;
        rig.write_settings(with([&](RigSettings& s) { s.model = model; }));
        const fs::path shipped = fs::path(TW_BUNDLE_DIR) / "Dati" / ("ECR" + model);
        for (int number = 0; number < 2; ++number) {
            const std::string file = "ECR" + model + "_" + kNames[number];
            ASSERT_TRUE(fs::exists(shipped / file)) << file;
            fs::copy_file(shipped / file, rig.path("Dati/ECR" + model + "/" + file),
                          fs::copy_options::overwrite_existing);
        }
        for (int number = 0; number < 2; ++number) {
            const std::string file = "ECR" + model + "_" + kNames[number];
            EXPECT_EQ(rig.run_code(TillXferRig::line(0, number)), 0u) << file;
            EXPECT_EQ(read_bytes(rig.data(kNames[number])), read_bytes(shipped / file)) << file;
        }
    }
}

// A default file that is missing or unfit leaves that file absent: a
// receive of it is refused, the other files are there.
TEST(VirtualRegister, UnusableDefaultsLeaveTheirFileAbsent)
{
    TillXferRig rig;
    fs::remove(rig.path("Dati/ECR4410/ECR4410_PRG_MODE.BIN"));
    write_bytes(rig.path("Dati/ECR4410/ECR4410_PRG_PLU.BIN"), plu_file(4, 3, 1));
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 0)), 0x1002u);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 1)), 0x1002u);
    EXPECT_FALSE(fs::exists(rig.memory("PRG_MODE.BIN")));
    EXPECT_FALSE(fs::exists(rig.memory("PRG_PLU.BIN")));
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 2)), 0u);

    // A send fills the gap.
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 5));
    EXPECT_EQ(rig.run_code(TillXferRig::line(1, 0)), 0u);
    EXPECT_EQ(read_bytes(rig.memory("PRG_MODE.BIN")), pattern(7078, 5));
}

// FaultFiles limits the fault: a register that cannot send its logo still
// takes its programming.
TEST(VirtualRegister, FaultHitsOnlyItsFiles)
{
    TillXferRig rig;
    rig.write_settings(with([](RigSettings& s) {
        s.fault = "busy";
        s.faultFiles = "2";
    }));
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 6));
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 2)), 0x1001u);
    EXPECT_EQ(rig.run_code(TillXferRig::line(1, 0)), 0u);
    EXPECT_EQ(read_bytes(rig.memory("PRG_MODE.BIN")), pattern(7078, 6));
}

// While one run talks to the register, the port is taken.
TEST(VirtualRegister, PortTakenByAnotherRunCannotBeOpened)
{
    TillXferRig rig;
    const int fd = ::open(rig.path("Register").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 2)), 0x401u);
    ::close(fd);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 2)), 0u);
}

// A report the register holds arrives under its name; the range does not
// change it.
TEST(VirtualRegister, ReportsAreReceivedWhole)
{
    TillXferRig rig;
    rig.write_settings(with([](RigSettings& s) { s.files += "5 = RANGE DEPT.bin, 1\n"; }));
    write_bytes(rig.memory("RANGE DEPT.bin"), pattern(300, 7));
    EXPECT_EQ(rig.bridge_range_report(5, 1, 99), 0);
    EXPECT_EQ(read_bytes(rig.data("RANGE DEPT.bin")), pattern(300, 7));
}

}  // namespace
}  // namespace tw::test
