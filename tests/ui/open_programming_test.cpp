// New programming, modify programming (Cancel, No, Yes and the failures of
// the receive) and reset, against tillxfer and its virtual register.
#include <QPointer>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/open_programming.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

Bytes image_bytes(const Session& s) { return Bytes(s.image.bytes.begin(), s.image.bytes.end()); }

// The start screen, model 4430 chosen: the main screen is showing.
struct MainScreen {
    explicit MainScreen(const RigSettings& settings = {})
    {
        RigSettings s = settings;
        s.model = "4430";
        rig.write_settings(s);
        h.start();
        click("C_4430");
    }
    TillXferRig rig;
    UiHarness h{rig.app_dir()};
};

TEST(NewProgramming, YesCopiesTheModelDefaultsReadsThemAndOpensTheSetupMenu)
{
    MainScreen m;
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 90));
    click("C_NuovaProgrammazione");
    ASSERT_EQ(m.h.effects.boxes.size(), 1u);
    EXPECT_EQ(m.h.effects.boxes[0].text, "Overwrite current setting with default?");
    EXPECT_EQ(m.h.effects.boxes[0].buttons, MsgButtons::YesNo);

    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), TillXferRig::factory_prg_mode(4430));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), TillXferRig::factory_prg_plu(4430));
    EXPECT_EQ(image_bytes(m.h.session), TillXferRig::factory_prg_mode(4430));
    EXPECT_EQ(m.h.session.plu.PluCount, 3);
    EXPECT_EQ(m.h.session.DecimalPosition, TillXferRig::factory_prg_mode(4430)[60]);
}

TEST(NewProgramming, NoChangesNothing)
{
    MainScreen m;
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 90));
    m.h.effects.answers = {MsgAnswer::No};
    click("C_NuovaProgrammazione");
    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), pattern(7078, 90));
    EXPECT_FALSE(fs::exists(m.rig.data("PRG_PLU.BIN")));
}

TEST(ModifyProgramming, CancelDoesNothing)
{
    MainScreen m;
    m.h.effects.answers = {MsgAnswer::Cancel};
    click("C_ModificaProgrammazione");
    ASSERT_EQ(m.h.effects.boxes.size(), 1u);
    EXPECT_EQ(m.h.effects.boxes[0].text, "Get Setting from Cash register?");
    EXPECT_EQ(m.h.effects.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    EXPECT_FALSE(fs::exists(m.rig.data("PRG_MODE.BIN")));
    EXPECT_TRUE(fs::is_empty(m.rig.path("Register"))) << "the register was not asked";
}

TEST(ModifyProgramming, NoWithAnEmptyDataDirCopiesTheModelDefaultsAndOpens)
{
    MainScreen m;
    m.h.effects.answers = {MsgAnswer::No};
    click("C_ModificaProgrammazione");
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), TillXferRig::factory_prg_mode(4430));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), TillXferRig::factory_prg_plu(4430));
    EXPECT_EQ(image_bytes(m.h.session), TillXferRig::factory_prg_mode(4430));
}

TEST(ModifyProgramming, NoKeepsTheFilesAlreadyInDataDir)
{
    MainScreen m;
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 91));
    m.h.effects.answers = {MsgAnswer::No};
    click("C_ModificaProgrammazione");
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
    EXPECT_EQ(image_bytes(m.h.session), pattern(7078, 91));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), TillXferRig::factory_prg_plu(4430)) << "only the missing one";
}

TEST(ModifyProgramming, NoWithAMissingDefaultLogsAndStaysOnTheMainScreen)
{
    MainScreen m;
    fs::remove(m.rig.path("Dati/ECR4430/ECR4430_PRG_MODE.BIN"));
    m.h.effects.answers = {MsgAnswer::No};
    click("C_ModificaProgrammazione");
    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    ASSERT_FALSE(m.h.log().empty());
    EXPECT_EQ(m.h.log().back().rfind("FrmPrincipale C_ModificaProgrammazione: File not found: ", 0), 0u)
        << m.h.log().back();
}

TEST(ModifyProgramming, YesOpensTheRegistersProgramming)
{
    MainScreen m;
    write_bytes(m.rig.memory("PRG_MODE.BIN"), pattern(7078, 92));
    write_bytes(m.rig.memory("PRG_PLU.BIN"), plu_file(5, 5, 93));
    write_bytes(m.rig.data("PRG_PLU.BIN"), plu_file(2, 2, 94));
    click("C_ModificaProgrammazione");

    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
    EXPECT_EQ(m.h.effects.boxes.size(), 1u) << "only the question";
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), pattern(7078, 92));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), plu_file(5, 5, 93));
    EXPECT_EQ(image_bytes(m.h.session), pattern(7078, 92));
    EXPECT_EQ(m.h.session.plu.PluCount, 5);
    EXPECT_FALSE(fs::exists(m.rig.data(kPluAsideName)));
    EXPECT_EQ(m.h.log().size(), 1u) << "the start line only";
    EXPECT_EQ(m.h.ui.busyDepth, 0);
    EXPECT_EQ(m.h.ui.maxBusyDepth, 1) << "the busy pointer showed while receiving";
}

TEST(ModifyProgramming, YesWithTheRegisterSwitchedOffShowsTheCommunicationErrorAndStays)
{
    RigSettings off;
    off.power = "off";
    MainScreen m(off);
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 95));
    click("C_ModificaProgrammazione");

    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    ASSERT_EQ(m.h.effects.boxes.size(), 2u);
    EXPECT_EQ(m.h.effects.boxes[1].text, "Comunicatione error: The USB-COM port cannot be opened.");
    EXPECT_EQ(m.h.effects.boxes[1].icon, MsgIcon::Error);
    EXPECT_EQ(m.h.log().back(), "TILLXFER return error: 401 . File 0");
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), pattern(7078, 95));
}

TEST(ModifyProgramming, YesWithTheToolMissingTellsSoAndOpensTheFilesInDataDir)
{
    MainScreen m;
    fs::remove(m.rig.path("tillxfer"));
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 96));
    write_bytes(m.rig.data("PRG_PLU.BIN"), plu_file(4, 4, 97));
    click("C_ModificaProgrammazione");

    ASSERT_EQ(m.h.effects.boxes.size(), 2u);
    EXPECT_EQ(m.h.effects.boxes[1].text, "Control the right installation of tillxfer.exe. Getting data failed");
    EXPECT_EQ(m.h.effects.boxes[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(m.h.log().back(), "Errore nella chiamata di TILLXFER. File 0");
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
    EXPECT_EQ(image_bytes(m.h.session), pattern(7078, 96));
    EXPECT_EQ(m.h.session.plu.PluCount, 4);
}

// An update is all or nothing: when any receive fails, both programming
// files on the PC stay byte for byte as they were, and the message comes
// after the progress dialog has closed.
struct FailedUpdate {
    const char* what;
    const char* faultFiles;
    std::string message;
    std::string logLine;

    friend void PrintTo(const FailedUpdate& c, std::ostream* os) { *os << c.what; }
};

class ModifyProgrammingFailure : public testing::TestWithParam<FailedUpdate> {};

TEST_P(ModifyProgrammingFailure, LeavesBothFilesAsTheyWere)
{
    const FailedUpdate& c = GetParam();
    RigSettings busy;
    busy.fault = "busy";
    busy.faultFiles = c.faultFiles;
    MainScreen m(busy);
    write_bytes(m.rig.memory("PRG_MODE.BIN"), pattern(7078, 98));
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 97));
    write_bytes(m.rig.data("PRG_PLU.BIN"), plu_file(6, 6, 99));
    bool dialogGoneAtTheBox = false;
    m.h.effects.onBox = [&](const RecordingEffects::Box&) {
        dialogGoneAtTheBox = QApplication::activeModalWidget() == nullptr;
    };
    click("C_ModificaProgrammazione");

    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), pattern(7078, 97));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), plu_file(6, 6, 99));
    EXPECT_FALSE(fs::exists(m.rig.data(kPrgModeAsideName)));
    EXPECT_FALSE(fs::exists(m.rig.data(kPluAsideName)));
    ASSERT_EQ(m.h.effects.boxes.size(), 2u);
    EXPECT_EQ(m.h.effects.boxes[1].text, c.message);
    EXPECT_EQ(m.h.effects.boxes[1].icon, MsgIcon::Error);
    EXPECT_TRUE(dialogGoneAtTheBox) << "the progress dialog closes before the message";
    EXPECT_EQ(m.h.log().back(), c.logLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModifyProgrammingFailure,
    testing::Values(
        FailedUpdate{"programming", "0", "Comunicatione error: The ECR side is in the state of BUSY.",
                     "TILLXFER return error: 1001 . File 0"},
        // The PLU file's message has one more space after the prefix.
        FailedUpdate{"PLUs after the programming", "1", "Comunicatione error:  The ECR side is in the state of BUSY.",
                     "TILLXFER return error: 1001 Desc: The ECR side is in the state of BUSY. . File 1"}),
    case_name<FailedUpdate>);

// With no programming on the PC before, a failed update leaves none either:
// the programming received before the PLU receive failed does not stay.
TEST(ModifyProgramming, AFailedUpdateOverAnEmptyDataDirLeavesNoFile)
{
    RigSettings busy;
    busy.fault = "busy";
    busy.faultFiles = "1";
    MainScreen m(busy);
    write_bytes(m.rig.memory("PRG_MODE.BIN"), pattern(7078, 98));
    click("C_ModificaProgrammazione");

    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    EXPECT_FALSE(fs::exists(m.rig.data("PRG_MODE.BIN")));
    EXPECT_FALSE(fs::exists(m.rig.data("PRG_PLU.BIN")));
}

// Enter on a question that can destroy work gives the harmless answer.
TEST(DestructiveQuestions, EnterChangesNothing)
{
    MainScreen m;
    write_bytes(m.rig.data("PRG_MODE.BIN"), pattern(7078, 90));
    write_bytes(m.rig.data("PRG_PLU.BIN"), plu_file(2, 2, 91));
    write_bytes(m.rig.memory("PRG_MODE.BIN"), pattern(7078, 92));
    m.h.effects.pressEnter = true;

    click("C_NuovaProgrammazione");
    click("C_ModificaProgrammazione");
    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
    ASSERT_EQ(m.h.effects.boxes.size(), 2u);
    EXPECT_EQ(m.h.effects.boxes[0].enter, MsgAnswer::No);
    EXPECT_EQ(m.h.effects.boxes[1].enter, MsgAnswer::Cancel);

    m.h.effects.pressEnter = false;
    m.h.effects.answers = {MsgAnswer::No};
    click("C_ModificaProgrammazione");  // open the PC's programming
    ASSERT_EQ(visible_window()->objectName(), "FrmSetup");
    m.h.effects.pressEnter = true;
    click("C_Reset");
    ASSERT_EQ(m.h.effects.boxes.size(), 4u);
    EXPECT_EQ(m.h.effects.boxes[3].text, "Are you sure you want to RESET the cash register?");
    EXPECT_EQ(m.h.effects.boxes[3].enter, MsgAnswer::No);

    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), pattern(7078, 90));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), plu_file(2, 2, 91));
    EXPECT_EQ(read_bytes(m.rig.memory("PRG_MODE.BIN")), pattern(7078, 92)) << "the register was not reset";
}

TEST(ModifyProgramming, TheCommunicationErrorTextComesFromTheCaptionFile)
{
    RigSettings off;
    off.power = "off";
    MainScreen m(off);
    m.h.session.language.captions.set("FRM_PRINCIPALE_COMUNICATION_ERROR_MSG", "Errore di comunicazione: ");
    click("C_Back");
    click("C_4430");  // the main screen prepares its messages when it loads
    click("C_ModificaProgrammazione");
    ASSERT_EQ(m.h.effects.boxes.size(), 2u);
    EXPECT_EQ(m.h.effects.boxes[1].text, "Errore di comunicazione: The USB-COM port cannot be opened.");
}

struct SetupMenu : MainScreen {
    SetupMenu()
    {
        write_bytes(rig.data("PRG_MODE.BIN"), pattern(7078, 80));
        write_bytes(rig.data("PRG_PLU.BIN"), plu_file(2, 2, 81));
        h.effects.answers = {MsgAnswer::No};
        click("C_ModificaProgrammazione");
        h.effects.boxes.clear();
    }
};

TEST(Reset, NoChangesNothing)
{
    SetupMenu m;
    m.h.effects.answers = {MsgAnswer::No};
    click("C_Reset");
    ASSERT_EQ(m.h.effects.boxes.size(), 1u);
    EXPECT_EQ(m.h.effects.boxes[0].text, "Are you sure you want to RESET the cash register?");
    EXPECT_EQ(m.h.effects.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), pattern(7078, 80));
    EXPECT_TRUE(fs::is_empty(m.rig.path("Register")));
}

TEST(Reset, YesReplacesBothFilesWithTheDefaultsAndSendsThemLeavingMemoryAsItWas)
{
    SetupMenu m;
    m.h.session.language.captions.set("MSG_TITLE_RESET", "RESET");
    click("C_Exit");  // the setup menu prepares its question when it loads
    m.h.effects.answers = {MsgAnswer::No};
    click("C_ModificaProgrammazione");
    m.h.effects.boxes.clear();
    click("C_Reset");
    ASSERT_EQ(m.h.effects.boxes.size(), 1u) << "no result is shown";
    EXPECT_EQ(m.h.effects.boxes[0].title, "RESET");
    EXPECT_EQ(read_bytes(m.rig.data("PRG_MODE.BIN")), TillXferRig::factory_prg_mode(4430));
    EXPECT_EQ(read_bytes(m.rig.data("PRG_PLU.BIN")), TillXferRig::factory_prg_plu(4430));
    EXPECT_EQ(read_bytes(m.rig.memory("PRG_MODE.BIN")), TillXferRig::factory_prg_mode(4430));
    EXPECT_EQ(read_bytes(m.rig.memory("PRG_PLU.BIN")), TillXferRig::factory_prg_plu(4430));
    EXPECT_EQ(image_bytes(m.h.session), pattern(7078, 80)) << "the open programming stays in memory";
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
}

TEST(Reset, AFailedSendReachesOnlyTheRunLog)
{
    SetupMenu m;
    RigSettings off;
    off.model = "4430";
    off.power = "off";
    m.rig.write_settings(off);
    click("C_Reset");
    EXPECT_EQ(m.h.effects.boxes.size(), 1u);
    const auto log = m.h.log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "Send_PrgModeToEcr error. Code: 401 Desc: The USB-COM port cannot be opened.");
    EXPECT_EQ(log.back(), "Send_PrgPluToEcr error. Code: 401 Desc: The USB-COM port cannot be opened.");
}

}  // namespace
}  // namespace tw::test
