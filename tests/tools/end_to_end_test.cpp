// The program's transfer procedures against tillxfer and its virtual
// register: real bridge, real processes, real run log.
#include <chrono>

#include <gtest/gtest.h>

#include "app/session.h"
#include "image/logo_conversion.h"
#include "support/bmp_fixtures.h"
#include "support/recording_effects.h"
#include "tillxfer_rig.h"
#include "transfer/end_process.h"
#include "transfer/logo_transfer.h"
#include "transfer/transfer_procedures.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

// A session of the program over the rig's application directory.
struct ProgramOverRig {
    explicit ProgramOverRig(TillXferRig& r) : rig(r) { create_missing_directories(dirs); }

    std::vector<std::string> log() const { return log_texts(session.log.path()); }

    TillXferRig& rig;
    Directories dirs = Directories::from_app_dir(rig.app_dir());
    RecordingEffects effects;
    Session session{dirs, effects, [] { return LocalTime{2025, 12, 8, 9, 5, 7}; }};
};

TEST(TransferToVirtualRegister, SendPrgModeReceivesTheLogoThenSends)
{
    TillXferRig rig;
    ProgramOverRig program(rig);
    write_bytes(rig.memory("GRAPHIC.BIN"), pattern(7776, 60));
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 61));
    write_bytes(rig.data("PRG_PLU.BIN"), plu_file(12, 12, 62));

    EXPECT_TRUE(Send_PrgModeToEcr(program.session.transfer_link()));
    EXPECT_TRUE(Send_PrgPluToEcr(program.session.transfer_link()));

    EXPECT_EQ(read_bytes(rig.data("GRAPHIC.BIN")), pattern(7776, 60));
    EXPECT_EQ(read_bytes(rig.memory("PRG_MODE.BIN")), pattern(7078, 61));
    EXPECT_EQ(read_bytes(rig.memory("PRG_PLU.BIN")), plu_file(12, 12, 62));
    EXPECT_TRUE(program.log().empty());
}

TEST(TransferToVirtualRegister, SwitchedOffRegisterFailsTheSendWithCode401)
{
    TillXferRig rig;
    RigSettings off;
    off.power = "off";
    rig.write_settings(off);
    ProgramOverRig program(rig);
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 63));

    EXPECT_FALSE(Send_PrgModeToEcr(program.session.transfer_link()));
    EXPECT_EQ(program.log(), (std::vector<std::string>{
                                 "Receive_GraphicEcr error. Code: 401 Desc: The USB-COM port cannot be opened.",
                                 "Send_PrgModeToEcr: Get logo Failed",
                                 "Send_PrgModeToEcr error. Code: 401 Desc: The USB-COM port cannot be opened.",
                             }));
    EXPECT_FALSE(fs::exists(rig.memory("PRG_MODE.BIN")));
}

TEST(TransferToVirtualRegister, SendLogoConvertsTheBitmapAndTheRegisterKeepsTheLogo)
{
    TillXferRig rig;
    ProgramOverRig program(rig);
    fs::create_directory(rig.path("Logos"));
    const Bytes bmp = bmp_file(dots(120, 60, [](int x, int y) { return (x - 60) * (x - 60) + 4 * (y - 30) * (y - 30) < 900; }));
    write_bytes(rig.path("Logos/shop.bmp"), bmp);

    TransferRun run;
    EXPECT_TRUE(Send_LogoToEcr(program.session.transfer_link(), run, program.dirs.DataDir,
                               rig.path("Logos").string() + "/", "shop.bmp"));

    const Bytes logo = convert_logo(bmp, kBridgeLogoParameters).graphic;
    ASSERT_EQ(logo.size(), 7776u);
    EXPECT_EQ(read_bytes(rig.path("Logos/GRAPHIC.BIN")), logo);
    EXPECT_EQ(read_bytes(rig.data("GRAPHIC.BIN")), logo);
    EXPECT_EQ(read_bytes(rig.memory("GRAPHIC.BIN")), logo);
    EXPECT_TRUE(program.log().empty());
}

// A hanging tool holds the port until it is ended; ended, it leaves no
// process behind, the register's memory as it was, and the port free.
TEST(TransferToVirtualRegister, HangingToolIsEndedAndFreesThePort)
{
    TillXferRig rig;
    RigSettings hang;
    hang.fault = "hang";
    rig.write_settings(hang);
    ProgramOverRig program(rig);
    write_bytes(rig.memory("PRG_MODE.BIN"), pattern(7078, 64));
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 65));

    EXPECT_EQ(rig.bridge_transfer(1, 0, 2), 9999);
    const std::vector<long> hanging = rig.running_tools();
    ASSERT_EQ(hanging.size(), 1u);
    EXPECT_EQ(rig.run_code(TillXferRig::line(0, 2)), 0x401u);

    EXPECT_TRUE(end_process(program.session.effects, kTillXferProcessName));
    EXPECT_TRUE(rig.running_tools().empty());
    EXPECT_FALSE(fs::exists("/proc/" + std::to_string(hanging[0]))) << "left as a zombie";
    EXPECT_TRUE(program.effects.boxes.empty());
    EXPECT_EQ(read_bytes(rig.memory("PRG_MODE.BIN")), pattern(7078, 64));

    rig.write_settings(RigSettings{});
    EXPECT_EQ(rig.run_code(TillXferRig::line(1, 0)), 0u);
    EXPECT_EQ(read_bytes(rig.memory("PRG_MODE.BIN")), pattern(7078, 65));
}

// At 19200 baud and 10 bits per byte, 7078 bytes take 3.686 s.
TEST(TransferToVirtualRegister, LineSpeedPacesASendOfPrgMode)
{
    TillXferRig rig;
    RigSettings paced;
    paced.lineSpeed = "on";
    rig.write_settings(paced);
    write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 66));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(rig.run_code(TillXferRig::line(1, 0)), 0u);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took.count(), 3.68);
    EXPECT_LT(took.count(), 4.6);
}

}  // namespace
}  // namespace tw::test
