// What every editor of the menus shares: captions applied on
// opening, Back discards, Save writes the file, Send sends the file as last
// saved, a failed send shows MsgSendFailed. One line of the table per editor.
#include <QCheckBox>
#include <filesystem>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

struct EditorLine {
    const char* menu;    // the setup menu's button: "C_ProgramMode" or "C_SettingMode"; null
                         // for an editor on the setup menu itself
    const char* button;  // the editor's button on that menu
    const char* screen;  // the editor's name
    const char* file;    // the file its Save writes and its Send sends
    const char* field = nullptr;  // the list to change, when not the first (whose change asks a question)
};

const EditorLine kEditors[] = {
    {"C_ProgramMode", "C_SetVatRate", "FrmSetVatRate", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_DepartmentProgram", "FrmDepartmentProgram", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_PluProgram", "FrmPrgPlu", "PRG_PLU.BIN"},
    {"C_ProgramMode", "C_ClerkSystemProgram", "FrmClerkSystemProgram", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_DeptGroupProgram", "FrmDeptGroupSetting", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_PluPageProgram", "FrmPluPageProgram", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_InstoreBarcodeSetting", "FrmInstoreBarcodeSetting", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_TenderProgram", "FrmTenderMenuSetting", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_ForeignCurrencyProgram", "FrmFCRatingSetting", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_PercentageProgram", "FrmPercentageMenu", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_PO_RA_M_P_Key_Program", "FrmPORAMPKeyMenu", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_NSProgram", "FrmNSMenuSetting", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_PermissionProgram", "FrmPermissionProgram", "PRG_MODE.BIN"},
    {"C_ProgramMode", "C_SystemOption", "FrmSystemOption", "PRG_MODE.BIN"},
    {"C_SettingMode", "C_Initial_Setup", "FrmInitialMenu", "PRG_MODE.BIN", "Cmb_DateFormat"},
    {"C_SettingMode", "C_Working_Mode", "FrmWorkingMode", "PRG_MODE.BIN"},
    {"C_SettingMode", "C_Print_Out_Mode", "FrmPrintMode", "PRG_MODE.BIN"},
    {"C_SettingMode", "C_Clerk_Setup", "FrmClerkMenuSetup", "PRG_MODE.BIN"},
    {"C_SettingMode", "C_EJ_Setup", "FrmEJSetup", "PRG_MODE.BIN"},
    {"C_SettingMode", "C_Report_Setup", "FrmReportSetup", "PRG_MODE.BIN"},
    {"C_SettingMode", "C_Hospitality_Setup", "FrmHospitalitySetup", "PRG_MODE.BIN"},
    {nullptr, "C_AdvancedSetting", "FrmAdvancedSetting", "PRG_MODE.BIN"},
    {nullptr, "C_MessageSetup", "FrmCaptionSetting", "PRG_MODE.BIN"},
};

// The menu an editor returns to.
QString menu_screen(const EditorLine& e)
{
    if (!e.menu)
        return "FrmSetup";
    return e.menu == std::string("C_ProgramMode") ? "FrmProgramMode" : "FrmSettingMode";
}

// The model 4430's programming, opened as the user opens it: start screen,
// model, modify the files already present, setup menu.
struct OpenProgramming {
    explicit OpenProgramming(const RigSettings& settings = {})
    {
        settings_ = settings;
        settings_.model = "4430";
        rig.write_settings(settings_);
        // The files the program ships in Setup/ (DescCaption.ini, the languages).
        std::filesystem::copy(std::filesystem::path(TW_BUNDLE_DIR) / "Setup", rig.app_dir() + "Setup",
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
        h.start();
        click("C_4430");
        h.effects.answers = {MsgAnswer::No};
        click("C_ModificaProgrammazione");
        h.effects.boxes.clear();
        // A register language of the eight, so that saving asks nothing.
        h.session.image.set_byte(0, 0);
    }
    QWidget* open(const EditorLine& e)
    {
        if (e.menu)
            click(e.menu);
        click(e.button);
        QWidget* w = visible_window();
        EXPECT_EQ(w->objectName(), e.screen);
        return w;
    }
    Bytes file(const EditorLine& e) const { return read_bytes(rig.data(e.file)); }

    RigSettings settings_;
    TillXferRig rig;
    UiHarness h{rig.app_dir()};
};

// Changes the first field of the screen that the user can change: another
// choice, other digits, another text or a check box. The record choosers only choose.
void change_a_field(QWidget* screen, const char* field = nullptr)
{
    for (ChoiceField* c : screen->findChildren<ChoiceField*>()) {
        const QString name = c->objectName();
        if (!c->isVisible() || c->count() < 2 || (name.startsWith("Cmb_") && name.endsWith("Number")) ||
            (field && name != field))
            continue;
        const int other = c->currentIndex() <= 0 ? 1 : 0;
        c->setCurrentIndex(other);
        Q_EMIT c->activated(other);
        return;
    }
    for (NumericField* n : screen->findChildren<NumericField*>()) {
        if (!n->isVisible())
            continue;
        focus(n);
        QTest::keyClicks(n, n->value() == 1 ? "2" : "1");
        focus(screen->findChild<QPushButton*>("C_Salva"));
        return;
    }
    for (QLineEdit* t : screen->findChildren<QLineEdit*>()) {
        if (!t->isVisible() || !t->isEnabled() || t->isReadOnly())
            continue;
        focus(t);
        QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(t, t->text().startsWith("Z") ? "Y" : "Z");
        focus(screen->findChild<QPushButton*>("C_Salva"));
        return;
    }
    for (QCheckBox* b : screen->findChildren<QCheckBox*>()) {
        if (!b->isVisible())
            continue;
        b->click();
        return;
    }
    ADD_FAILURE() << screen->objectName().toStdString() << " has no field to change";
}

// Send is `C_Invia_Ecr`, on some screens `C_InviaEcr`.
void click_send(QWidget* screen)
{
    for (QPushButton* b : screen->findChildren<QPushButton*>())
        if (b->objectName() == "C_Invia_Ecr" || b->objectName() == "C_InviaEcr")
            return click(b->objectName().toLatin1().constData());
    ADD_FAILURE() << "no send button";
}

class EditorConventions : public testing::TestWithParam<EditorLine> {};

TEST_P(EditorConventions, CaptionsOfTheLanguageApplyOnOpening)
{
    OpenProgramming p;
    p.h.session.language.captions.set("FRM_ALL_C_SALVA", "Speichern");
    p.h.session.language.captions.set("FRM_ALL_C_ANNULLA", "Zur\xFC" "ck");
    QWidget* screen = p.open(GetParam());
    EXPECT_EQ(control<QPushButton>(screen, "C_Salva")->text(), "Speichern");
    EXPECT_EQ(control<QPushButton>(screen, "C_Annulla")->text(), QString::fromUtf8("Zur\xC3\xBC" "ck"));
    EXPECT_FALSE(screen->windowTitle().isEmpty());
}

TEST_P(EditorConventions, BackDiscardsAndSaveWritesTheFile)
{
    OpenProgramming p;
    const EditorLine& e = GetParam();
    const Bytes before = p.file(e);
    const auto image = p.h.session.image.bytes;

    change_a_field(p.open(e), e.field);
    click("C_Annulla");
    EXPECT_EQ(visible_window()->objectName(), menu_screen(e));
    EXPECT_EQ(p.h.session.image.bytes, image) << "Back keeps the image as it was";
    EXPECT_EQ(p.file(e), before);

    click(e.button);
    change_a_field(visible_window(), e.field);
    click("C_Salva");
    EXPECT_NE(p.file(e), before) << "Save writes the change";
    if (e.file == std::string("PRG_MODE.BIN")) {
        EXPECT_EQ(p.file(e), Bytes(p.h.session.image.bytes.begin(), p.h.session.image.bytes.end()));
    }
    EXPECT_TRUE(p.h.effects.boxes.empty()) << "Save is silent";
}

TEST_P(EditorConventions, SendSendsTheFileAsLastSaved)
{
    OpenProgramming p;
    const EditorLine& e = GetParam();
    QWidget* screen = p.open(e);
    click("C_Salva");
    const Bytes saved = p.file(e);
    change_a_field(screen, e.field);
    click_send(screen);
    EXPECT_EQ(read_bytes(p.rig.memory(e.file)), saved) << "the unsaved change stays on the PC";
    EXPECT_TRUE(p.h.effects.boxes.empty()) << "Send is silent on success";
}

TEST_P(EditorConventions, AFailedSendShowsMsgSendFailed)
{
    RigSettings off;
    off.power = "off";
    OpenProgramming p(off);
    click_send(p.open(GetParam()));
    ASSERT_EQ(p.h.effects.boxes.size(), 1u);
    EXPECT_EQ(p.h.effects.boxes[0].text, "Programmation sending Failed");
    EXPECT_EQ(p.h.effects.boxes[0].icon, MsgIcon::Error);
}

INSTANTIATE_TEST_SUITE_P(Editors, EditorConventions, testing::ValuesIn(kEditors),
                         [](const testing::TestParamInfo<EditorLine>& info) { return std::string(info.param.screen); });

// Every editor button a menu enables has its line above.
TEST(EditorConventionsTable, CoversEveryEnabledEditor)
{
    OpenProgramming p;
    for (const char* menu : {"C_ProgramMode", "C_SettingMode"}) {
        click(menu);
        QWidget* w = visible_window();
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            const QString name = b->objectName();
            if (!b->isEnabled() || !b->isVisible() || name == "C_Exit")
                continue;
            const bool listed = std::any_of(std::begin(kEditors), std::end(kEditors),
                                            [&](const EditorLine& e) { return name == e.button; });
            EXPECT_TRUE(listed) << name.toStdString() << " of " << menu << " has no line in the table";
        }
        click("C_Exit");
    }
}

}  // namespace
}  // namespace tw::test
