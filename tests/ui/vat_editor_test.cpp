// FrmSetVatRate and the editor conventions it shares with every editor:
// numeric fields, the two forms of a scaled field, Back, Save, Send, Help.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

#include "app/EditorScreen.h"
#include "app/NumericField.h"
#include "app/TransferProgress.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

// PRG_MODE.BIN with the four rates stored as 4-byte BCD from offset 31.
Bytes programming_with_rates(const std::array<Bytes, 4>& rates)
{
    Bytes b = pattern(7078, 70);
    for (std::size_t n = 0; n < 4; ++n)
        std::copy(rates[n].begin(), rates[n].end(), b.begin() + std::ptrdiff_t(31 + 4 * n));
    return b;
}

const Bytes k22000{0x00, 0x20, 0x02, 0x00};
const Bytes k22500{0x00, 0x25, 0x02, 0x00};
const Bytes k4000{0x00, 0x40, 0x00, 0x00};
const Bytes kZero{0x00, 0x00, 0x00, 0x00};
const Bytes k99999{0x99, 0x99, 0x09, 0x00};

Bytes rate_bytes(const Bytes& file, int n) { return Bytes(file.begin() + 31 + 4 * (n - 1), file.begin() + 35 + 4 * (n - 1)); }

// The VAT editor opened from the program-mode menu over a programming whose
// rates are 22 %, 4 %, 0 % and 99.999 %.
struct VatEditor {
    explicit VatEditor(const RigSettings& settings = {})
    {
        rig.write_settings(settings);
        write_bytes(rig.data("PRG_MODE.BIN"), original);
        write_bytes(rig.data("PRG_PLU.BIN"), plu_file(1, 1, 71));
        h.start();
        click("C_4410");
        h.effects.answers = {MsgAnswer::No};
        click("C_ModificaProgrammazione");
        click("C_ProgramMode");
        open();
    }
    void open()
    {
        click("C_SetVatRate");
        h.effects.boxes.clear();
        screen = visible_window();
    }
    NumericField* rate(int n) const
    {
        return control<NumericField>(screen, ("E_VatRate" + std::to_string(n)).c_str());
    }
    int boxes_saying(const std::string& text) const
    {
        int n = 0;
        for (const auto& b : h.effects.boxes)
            n += b.text == text;
        return n;
    }

    const Bytes original = programming_with_rates({k22000, k4000, kZero, k99999});
    TillXferRig rig;
    UiHarness h{rig.app_dir()};
    QPointer<QWidget> screen;
};

TEST(VatEditor, OpensWithTheStoredRatesAndItsCaptions)
{
    VatEditor e;
    ASSERT_EQ(e.screen->objectName(), "FrmSetVatRate");
    EXPECT_EQ(e.screen->windowTitle(), "Set VAT Rate");
    EXPECT_EQ(control<QLabel>(e.screen, "L_Titolo")->text(), "SET VAT RATE");
    EXPECT_EQ(control<QLabel>(e.screen, "L_VatRate1")->text(), "VAT Rate 1:");
    EXPECT_EQ(control<QLabel>(e.screen, "L_VatRate3")->text(), "VAT Rate 3");
    EXPECT_EQ(control<QLabel>(e.screen, "L_MaxValue4")->text(), "(Max Value 99999)");
    EXPECT_EQ(control<QPushButton>(e.screen, "C_Annulla")->text(), "Back");
    EXPECT_EQ(control<QPushButton>(e.screen, "C_Salva")->text(), "Save Setup");
    EXPECT_EQ(control<QPushButton>(e.screen, "C_Invia_Ecr")->text(), "Send to ECR");
    EXPECT_EQ(e.rate(1)->text(), "22.000 %");
    EXPECT_EQ(e.rate(2)->text(), "4.000 %");
    EXPECT_EQ(e.rate(3)->text(), "0.000 %");
    EXPECT_EQ(e.rate(4)->text(), "99.999 %");
}

TEST(VatEditor, CaptionsOfTheLanguageApplyWhenTheEditorOpens)
{
    VatEditor e;
    e.h.session.language.captions.set("FRM_SET_VAT_RATE_TITLE", "Aliquote IVA");
    e.h.session.language.captions.set("FRM_SET_VAT_RATE_L_VAT_RATE1", "Aliquota 1:");
    e.h.session.language.captions.set("FRM_ALL_C_SALVA", "Salva");
    EXPECT_EQ(e.screen->windowTitle(), "Set VAT Rate") << "an open screen keeps its texts";
    click("C_Annulla");
    e.open();
    EXPECT_EQ(e.screen->windowTitle(), "Aliquote IVA");
    EXPECT_EQ(control<QLabel>(e.screen, "L_VatRate1")->text(), "Aliquota 1:");
    EXPECT_EQ(control<QLabel>(e.screen, "L_VatRate2")->text(), "VAT Rate 2:");
    EXPECT_EQ(control<QPushButton>(e.screen, "C_Salva")->text(), "Salva");
}

TEST(VatEditor, AScaledFieldShowsTheStoredIntegerWhileItHasTheFocus)
{
    VatEditor e;
    focus(e.rate(1));
    EXPECT_EQ(e.rate(1)->text(), "22000");
    focus(e.rate(2));
    EXPECT_EQ(e.rate(1)->text(), "22 %") << "a plain decimal number after the focus leaves";
    EXPECT_EQ(e.rate(2)->text(), "4000");

    focus(e.rate(3));
    EXPECT_EQ(e.rate(3)->text(), "") << "a stored 0 empties the field";
    focus(e.rate(4));
    EXPECT_EQ(e.rate(3)->text(), "0 %") << "an empty field becomes 0";
    EXPECT_EQ(e.rate(4)->text(), "99999");
    focus(e.rate(1));
    EXPECT_EQ(e.rate(4)->text(), "99.999 %");
}

TEST(VatEditor, TypedRateIsShownAsADecimalAndSavedAsBcd)
{
    VatEditor e;
    focus(e.rate(1));
    e.rate(1)->clear();
    QTest::keyClicks(e.rate(1), "22500");
    focus(e.rate(2));
    EXPECT_EQ(e.rate(1)->text(), "22.5 %");
    focus(e.rate(3));  // the emptied rate 3 is saved as 0
    click("C_Salva");

    const Bytes saved = read_bytes(e.rig.data("PRG_MODE.BIN"));
    EXPECT_EQ(rate_bytes(saved, 1), k22500);
    EXPECT_EQ(rate_bytes(saved, 2), k4000);
    EXPECT_EQ(rate_bytes(saved, 3), kZero);
    EXPECT_EQ(rate_bytes(saved, 4), k99999);
    Bytes expected = e.original;
    std::copy(k22500.begin(), k22500.end(), expected.begin() + 31);
    EXPECT_EQ(saved, expected) << "no other byte changes";
    EXPECT_EQ(Bytes(e.h.session.image.bytes.begin(), e.h.session.image.bytes.end()), expected);
    EXPECT_TRUE(e.h.effects.boxes.empty()) << "Save shows nothing on success";
}

TEST(VatEditor, SaveWhileAFieldHasTheFocusStoresWhatItHolds)
{
    VatEditor e;
    focus(e.rate(2));
    e.rate(2)->clear();
    QTest::keyClicks(e.rate(2), "10000");
    // Save by the keyboard: the field keeps its focus and its raw form.
    qobject_cast<EditorScreen*>(e.screen.data())->Salva();
    EXPECT_EQ(rate_bytes(read_bytes(e.rig.data("PRG_MODE.BIN")), 2), (Bytes{0x00, 0x00, 0x01, 0x00}));
}

TEST(VatEditor, SavingWithoutAnEditRewritesTheSameFile)
{
    VatEditor e;
    click("C_Salva");
    EXPECT_EQ(read_bytes(e.rig.data("PRG_MODE.BIN")), e.original);
}

TEST(VatEditor, KeysOtherThanDigitsAndBackspaceChangeNothing)
{
    VatEditor e;
    focus(e.rate(1));
    QTest::keyClick(e.rate(1), Qt::Key_End);
    for (const char* typed : {"a", "-", ".", ",", " ", "%", "+"}) {
        QTest::keyClicks(e.rate(1), typed);
        EXPECT_EQ(e.rate(1)->text(), "22000") << "typed " << typed;
    }
    QTest::keyClick(e.rate(1), Qt::Key_Backspace);
    EXPECT_EQ(e.rate(1)->text(), "2200");
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(e.rate(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.rate(1)->text(), "2200") << "a paste without digits adds nothing";
    EXPECT_TRUE(e.h.effects.boxes.empty());
}

TEST(VatEditor, TypingPastTheMaximumStopsAtFiveDigitsWithOneMessage)
{
    VatEditor e;
    focus(e.rate(3));
    QTest::keyClicks(e.rate(3), "123456");
    EXPECT_EQ(e.rate(3)->text(), "12345");
    ASSERT_EQ(e.h.effects.boxes.size(), 1u);
    EXPECT_EQ(e.h.effects.boxes[0].text, "Value insert to high!");
    EXPECT_EQ(e.h.effects.boxes[0].icon, MsgIcon::Error);
    EXPECT_EQ(e.h.effects.boxes[0].buttons, MsgButtons::Ok);
}

TEST(VatEditor, EnterMovesTheFocusToSaveAndIsDropped)
{
    VatEditor e;
    focus(e.rate(1));
    QTest::keyClick(e.rate(1), Qt::Key_Return);
    EXPECT_TRUE(control(e.screen, "C_Salva")->hasFocus());
    EXPECT_EQ(e.rate(1)->text(), "22 %");
    EXPECT_EQ(read_bytes(e.rig.data("PRG_MODE.BIN")), e.original) << "Enter itself saves nothing";
}

// Typed from the keyboard alone: the rate, Enter, Enter.
TEST(VatEditor, ASecondEnterPressesSave)
{
    VatEditor e;
    focus(e.rate(1));
    QTest::keyClicks(e.rate(1), "5000");
    QTest::keyClick(e.rate(1), Qt::Key_Return);
    EXPECT_EQ(read_bytes(e.rig.data("PRG_MODE.BIN")), e.original);
    QTest::keyClick(control(e.screen, "C_Salva"), Qt::Key_Return);
    Bytes expected = e.original;
    const Bytes rate{0x00, 0x50, 0x00, 0x00};  // 5000, BCD from the low digits
    std::copy(rate.begin(), rate.end(), expected.begin() + 31);
    EXPECT_EQ(read_bytes(e.rig.data("PRG_MODE.BIN")), expected);
}

TEST(VatEditor, BackDiscardsTheEditAndShowsTheMenuAgain)
{
    VatEditor e;
    focus(e.rate(1));
    e.rate(1)->clear();
    QTest::keyClicks(e.rate(1), "5000");
    click("C_Annulla");
    EXPECT_TRUE(e.screen.isNull());
    EXPECT_EQ(visible_window()->objectName(), "FrmProgramMode");
    EXPECT_EQ(read_bytes(e.rig.data("PRG_MODE.BIN")), e.original);
    e.open();
    EXPECT_EQ(e.rate(1)->text(), "22.000 %");
}

TEST(VatEditor, ClosingTheWindowUnloadsItLikeBack)
{
    VatEditor e;
    e.screen->close();
    UiHarness::flush_deletions();
    EXPECT_TRUE(e.screen.isNull());
    EXPECT_EQ(visible_window()->objectName(), "FrmProgramMode");
}

TEST(VatEditor, SendTransfersTheLastSavedProgrammingNotTheUnsavedField)
{
    VatEditor e;
    focus(e.rate(1));
    e.rate(1)->clear();
    QTest::keyClicks(e.rate(1), "22500");
    click("C_Salva");
    focus(e.rate(1));
    e.rate(1)->clear();
    QTest::keyClicks(e.rate(1), "10000");
    focus(e.rate(2));
    click("C_Invia_Ecr");

    const Bytes inRegister = read_bytes(e.rig.memory("PRG_MODE.BIN"));
    EXPECT_EQ(inRegister, read_bytes(e.rig.data("PRG_MODE.BIN")));
    EXPECT_EQ(rate_bytes(inRegister, 1), k22500);
    EXPECT_TRUE(e.h.effects.boxes.empty()) << "Send is silent on success";
    EXPECT_EQ(e.h.log().size(), 1u) << "the start line only";
    EXPECT_EQ(e.h.ui.busyDepth, 0);
    EXPECT_EQ(e.h.ui.maxBusyDepth, 1);
}

// A failed send keeps MsgSendFailed as its message and tells the reason
// below it: the tool's result text, or that tillxfer could not start.
struct SendFailure {
    const char* what;
    std::function<void(VatEditor&)> setup;
    std::string detail;
    std::string logLine;

    friend void PrintTo(const SendFailure& c, std::ostream* os) { *os << c.what; }
};

class VatEditorSendFailure : public testing::TestWithParam<SendFailure> {};

TEST_P(VatEditorSendFailure, ShowsMsgSendFailedWithTheReason)
{
    const SendFailure& c = GetParam();
    VatEditor e;
    c.setup(e);
    click("C_Invia_Ecr");
    ASSERT_EQ(e.h.effects.boxes.size(), 1u);
    EXPECT_EQ(e.h.effects.boxes[0].text, "Programmation sending Failed");
    EXPECT_EQ(e.h.effects.boxes[0].icon, MsgIcon::Error);
    EXPECT_EQ(e.h.effects.boxes[0].detail, c.detail);
    EXPECT_EQ(e.h.log().back(), c.logLine);
    EXPECT_EQ(visible_window(), e.screen.data()) << "the editor stays open";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VatEditorSendFailure,
    testing::Values(SendFailure{"register off",
                                [](VatEditor& e) {
                                    RigSettings off;
                                    off.power = "off";
                                    e.rig.write_settings(off);
                                },
                                "The USB-COM port cannot be opened.",
                                "Send_PrgModeToEcr error. Code: 401 Desc: The USB-COM port cannot be opened."},
                    SendFailure{"register busy with the programming only",
                                [](VatEditor& e) {
                                    RigSettings busy;
                                    busy.fault = "busy";
                                    busy.faultFiles = "0";
                                    e.rig.write_settings(busy);
                                },
                                "The ECR side is in the state of BUSY.",
                                "Send_PrgModeToEcr error. Code: 1001 Desc: The ECR side is in the state of BUSY."},
                    SendFailure{"tool missing", [](VatEditor& e) { fs::remove(e.rig.path("tillxfer")); },
                                "tillxfer could not be started.", "Send_PrgModeToEcr error using tillxfer"}),
    case_name<SendFailure>);

// Cancel on a hanging send ends the tool (our own child), and the send
// finishes as for a tool that was ended: code 1, logged and shown as any
// failure. No tool process and no result file is left behind.
TEST(VatEditor, CancelEndsAHangingSendAsDiscontinued)
{
    RigSettings hang;
    hang.fault = "hang";
    VatEditor e(hang);
    const TempDir results;  // the bridge's result files go here
    const std::string oldTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    ::setenv("TMPDIR", results.str().c_str(), 1);

    QString step;
    bool dialogGoneAtTheBox = false;
    e.h.effects.onBox = [&](const RecordingEffects::Box&) {
        dialogGoneAtTheBox = qobject_cast<TransferProgress*>(QApplication::activeModalWidget()) == nullptr;
    };
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget());
        if (!progress || e.rig.running_tools().empty())
            return;
        look.stop();
        step = control<QLabel>(progress, "L_Step")->text();
        QTest::mouseClick(control<QPushButton>(progress, "C_Cancel"), Qt::LeftButton);
    });
    look.start(20);
    click("C_Invia_Ecr");
    look.stop();
    if (oldTmp.empty())
        ::unsetenv("TMPDIR");
    else
        ::setenv("TMPDIR", oldTmp.c_str(), 1);

    EXPECT_EQ(step, "Receiving the register's logo (GRAPHIC.BIN)") << "a send first receives the logo";
    ASSERT_EQ(e.h.effects.boxes.size(), 1u);
    EXPECT_EQ(e.h.effects.boxes[0].text, "Programmation sending Failed");
    EXPECT_EQ(e.h.effects.boxes[0].detail, "It was discontinued while processing it.");
    EXPECT_TRUE(dialogGoneAtTheBox) << "the progress dialog closes before the result";
    const auto log = e.h.log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
              (std::vector<std::string>{"Receive_GraphicEcr error. Code: 1 Desc: It was discontinued while processing it.",
                                        "Send_PrgModeToEcr: Get logo Failed",
                                        "Send_PrgModeToEcr error. Code: 1 Desc: It was discontinued while processing it."}));
    EXPECT_TRUE(e.rig.running_tools().empty());
    EXPECT_TRUE(fs::is_empty(results.path())) << "no result file left";
    EXPECT_FALSE(fs::exists(e.h.dirs.LogDir + "running_tools.txt")) << "no tool left to end at the next start";
    // The register holds its factory defaults, or nothing when the Cancel
    // came while the tool was still seeding them; never the PC's programming.
    EXPECT_NE(read_bytes(e.rig.memory("PRG_MODE.BIN")), e.original) << "nothing was sent";
}

TEST(VatEditor, HelpPictureAndF1OpenTheHelp)
{
    VatEditor e;
    e.h.language.set_help_file(e.h.dirs.HelpDir + "VelmoraECRProgrammingUtilityHelp(GB).html");
    QTest::mouseClick(control(e.screen, "I_Help"), Qt::LeftButton);
    focus(e.rate(1));
    QTest::keyClick(e.rate(1), Qt::Key_F1);
    ASSERT_EQ(e.h.ui.helpFiles.size(), 2u);
    EXPECT_EQ(e.h.ui.helpFiles[1], QString::fromStdString(e.h.dirs.HelpDir) + "VelmoraECRProgrammingUtilityHelp(GB).html");
}

TEST(VatEditor, TheWindowKeepsProcessingEventsWhileAPacedSendRuns)
{
    RigSettings paced;
    paced.lineSpeed = "on";
    VatEditor e(paced);
    int ticks = 0;
    QString shownWhileSending;
    bool otherWindowsBlocked = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (auto* progress = qobject_cast<TransferProgress*>(QApplication::activeModalWidget())) {
            shownWhileSending = control<QLabel>(progress, "L_Transfer")->text();
            otherWindowsBlocked = progress->isModal() && progress->windowModality() == Qt::ApplicationModal;
        }
    });
    timer.start(50);
    click("C_Invia_Ecr");
    timer.stop();

    // Receiving the logo and sending PRG_MODE.BIN at 19200 baud take about 8 s.
    EXPECT_GT(ticks, 40);
    EXPECT_EQ(shownWhileSending, "Sending the programming (PRG_MODE.BIN) to the register");
    EXPECT_TRUE(otherWindowsBlocked);
    EXPECT_TRUE(e.h.effects.boxes.empty());
    EXPECT_EQ(read_bytes(e.rig.memory("PRG_MODE.BIN")), e.original);
}

}  // namespace
}  // namespace tw::test
