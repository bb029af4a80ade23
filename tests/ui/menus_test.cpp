// The start screen, the menus, and the way from one screen to the next.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/FrmPrincipale.h"
#include "app/FrmProgramMode.h"
#include "app/FrmSettingMode.h"
#include "app/FrmSetup.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

// The editor buttons a menu shows, without its Back button.
std::vector<QPushButton*> visible_editor_buttons(const QWidget* menu)
{
    std::vector<QPushButton*> shown;
    for (QPushButton* b : menu->findChildren<QPushButton*>())
        if (b->isVisible() && b->objectName() != "C_Exit")
            shown.push_back(b);
    return shown;
}

struct ModelCase {
    const char* button;
    int programModeButtons;
    int settingModeButtons;
    bool pluPagesShown;
    bool hospitalityShown;
};

void PrintTo(const ModelCase& c, std::ostream* out) { *out << c.button; }

class MenusOfTheModel : public testing::TestWithParam<ModelCase> {};

TEST_P(MenusOfTheModel, ShowTheModelsEditorButtonsWithOnlyTheBuiltOnesEnabled)
{
    const ModelCase& c = GetParam();
    TillXferRig rig;
    UiHarness h(rig.app_dir());
    h.start();
    click(c.button);
    click("C_NuovaProgrammazione");  // answered Yes
    ASSERT_EQ(visible_window()->objectName(), "FrmSetup");

    click("C_ProgramMode");
    QWidget* programMode = visible_window();
    ASSERT_EQ(programMode->objectName(), "FrmProgramMode");
    const auto editors = visible_editor_buttons(programMode);
    const QStringList built = {"C_SetVatRate",          "C_DepartmentProgram",      "C_DeptGroupProgram",
                               "C_PluProgram",          "C_PluPageProgram",         "C_TenderProgram",
                               "C_ForeignCurrencyProgram", "C_ClerkSystemProgram", "C_InstoreBarcodeSetting",
                               "C_PercentageProgram",   "C_PO_RA_M_P_Key_Program",  "C_NSProgram",
                               "C_PermissionProgram",   "C_SystemOption"};
    EXPECT_EQ(int(editors.size()), c.programModeButtons);
    EXPECT_EQ(control(programMode, "C_PluPageProgram")->isVisible(), c.pluPagesShown);
    for (QPushButton* b : editors)
        EXPECT_EQ(b->isEnabled(), built.contains(b->objectName())) << b->objectName().toStdString();
    click("C_Exit");

    click("C_SettingMode");
    QWidget* settingMode = visible_window();
    ASSERT_EQ(settingMode->objectName(), "FrmSettingMode");
    const auto settings = visible_editor_buttons(settingMode);
    EXPECT_EQ(int(settings.size()), c.settingModeButtons);
    for (QPushButton* b : settings)
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(control(settingMode, "C_Hospitality_Setup")->isVisible(), c.hospitalityShown);
    click("C_Exit");
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");

    click("C_AdvancedSetting");
    EXPECT_EQ(visible_window()->objectName(), "FrmAdvancedSetting");
    click("C_Annulla");
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
}

INSTANTIATE_TEST_SUITE_P(Models, MenusOfTheModel,
                         testing::Values(ModelCase{"C_4410", 13, 6, false, false},
                                         ModelCase{"C_4430", 14, 7, true, true}),
                         [](const auto& info) { return std::string(info.param.button).substr(2); });

// Each enabled editor button opens its editor in place of the menu; the
// editor's Back shows the menu again.
struct EditorButton {
    const char* menuButton;
    const char* menu;
    const char* button;
    const char* screen;
};

void PrintTo(const EditorButton& c, std::ostream* out) { *out << c.button; }

class EditorButtons : public testing::TestWithParam<EditorButton> {};

TEST_P(EditorButtons, OpenTheirEditorAndBackShowsTheMenu)
{
    const EditorButton& c = GetParam();
    for (const char* model : {"C_4410", "C_4430"}) {
        TillXferRig rig;
        UiHarness h(rig.app_dir());
        h.start();
        click(model);
        click("C_NuovaProgrammazione");
        click(c.menuButton);
        QWidget* menu = visible_window();
        ASSERT_EQ(menu->objectName(), c.menu);
        if (!control(menu, c.button)->isVisible())
            continue;  // the model lacks this editor
        click(c.button);
        ASSERT_EQ(visible_window()->objectName(), c.screen) << model;
        EXPECT_FALSE(menu->isVisible());
        click("C_Annulla");
        EXPECT_EQ(visible_window(), menu) << model;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, EditorButtons,
    testing::Values(EditorButton{"C_ProgramMode", "FrmProgramMode", "C_PercentageProgram", "FrmPercentageMenu"},
                    EditorButton{"C_ProgramMode", "FrmProgramMode", "C_PO_RA_M_P_Key_Program", "FrmPORAMPKeyMenu"},
                    EditorButton{"C_ProgramMode", "FrmProgramMode", "C_NSProgram", "FrmNSMenuSetting"},
                    EditorButton{"C_ProgramMode", "FrmProgramMode", "C_PermissionProgram", "FrmPermissionProgram"},
                    EditorButton{"C_ProgramMode", "FrmProgramMode", "C_SystemOption", "FrmSystemOption"},
                    EditorButton{"C_SettingMode", "FrmSettingMode", "C_Working_Mode", "FrmWorkingMode"},
                    EditorButton{"C_SettingMode", "FrmSettingMode", "C_Print_Out_Mode", "FrmPrintMode"},
                    EditorButton{"C_SettingMode", "FrmSettingMode", "C_Clerk_Setup", "FrmClerkMenuSetup"},
                    EditorButton{"C_SettingMode", "FrmSettingMode", "C_EJ_Setup", "FrmEJSetup"},
                    EditorButton{"C_SettingMode", "FrmSettingMode", "C_Report_Setup", "FrmReportSetup"},
                    EditorButton{"C_SettingMode", "FrmSettingMode", "C_Hospitality_Setup", "FrmHospitalitySetup"}),
    [](const auto& info) { return std::string(info.param.button).substr(2); });

TEST(Menus, OneWindowAtATimeAndUnloadingShowsTheCallerAsItWasLeft)
{
    TillXferRig rig;
    UiHarness h(rig.app_dir());
    FrmPres& pres = h.start();
    click("C_4430");
    QPointer<QWidget> principale = visible_window();
    ASSERT_EQ(principale->objectName(), "FrmPrincipale");
    EXPECT_EQ(principale->windowTitle(), "Velmora ECR Programming Tool -    ECR4430");
    EXPECT_FALSE(pres.isVisible());
    EXPECT_EQ(h.session.ModelCode, 1);
    EXPECT_EQ(h.session.PluCapacity, 1500);
    EXPECT_EQ(h.session.ModelDataDir, h.dirs.DataDir + "ECR4430/");

    click("C_NuovaProgrammazione");
    QPointer<QWidget> setup = visible_window();
    ASSERT_EQ(setup->objectName(), "FrmSetup");
    click("C_Exit");
    EXPECT_TRUE(setup.isNull()) << "an unloaded screen is destroyed";
    EXPECT_EQ(visible_window(), principale.data()) << "the hidden main screen is shown again";

    click("C_NuovaProgrammazione");
    EXPECT_NE(visible_window(), nullptr);
    EXPECT_EQ(visible_window()->objectName(), "FrmSetup");
    click("C_Exit");
    click("C_Back");
    EXPECT_TRUE(principale.isNull());
    EXPECT_EQ(visible_window(), &pres);

    click("C_4410");
    EXPECT_EQ(visible_window()->windowTitle(), "Velmora ECR Programming Tool -    ECR4410");
    EXPECT_EQ(h.session.PluCapacity, 2000);
}

TEST(Menus, CaptionsOfTheCurrentLanguageReplaceTheBuiltInTextsWhenNotEmpty)
{
    TillXferRig rig;
    UiHarness h(rig.app_dir());
    h.session.language.captions.set("FRM_PRINCIPALE_TITLE", "Programmatore - ");
    h.session.language.captions.set("FRM_PRINCIPALE_C_BACK", "INDIETRO");
    h.session.language.captions.set("FRM_PROGRAM_MODE_TITLE", "Modo programmazione");
    h.session.language.captions.set("FRM_PROGRAM_MODE_C_SET_VAT_RATE", "Aliquote IVA");
    h.session.language.captions.set("FRM_ALL_C_ANNULLA", "");
    h.start();
    click("C_4410");
    QWidget* principale = visible_window();
    EXPECT_EQ(principale->windowTitle(), "Programmatore -    ECR4410");
    EXPECT_EQ(control<QPushButton>(principale, "C_Back")->text(), "INDIETRO");
    EXPECT_EQ(control<QPushButton>(principale, "C_Logo")->text(), "SET UP A LOGO");

    click("C_NuovaProgrammazione");
    click("C_ProgramMode");
    QWidget* programMode = visible_window();
    EXPECT_EQ(programMode->windowTitle(), "Modo programmazione");
    EXPECT_EQ(control<QPushButton>(programMode, "C_SetVatRate")->text(), "Aliquote IVA");
    EXPECT_EQ(control<QPushButton>(programMode, "C_Exit")->text(), "Back");
}

TEST(Menus, MainScreenWithoutAModelLogsTheNoModelMessage)
{
    test::TempDir root;
    UiHarness h(root.str());
    h.start();
    h.pres->open_screen<FrmPrincipale>();
    EXPECT_EQ(visible_window()->windowTitle(), "Velmora ECR Programming Tool - ");
    ASSERT_FALSE(h.log().empty());
    EXPECT_EQ(h.log().back(), "Select the model of cash register please.");
}

TEST(StartScreen, ShowsTitleVersionPicturesAndLogsStartAndEnd)
{
    test::TempDir root;
    UiHarness h(root.str());
    fs::copy_file(fs::path(TW_SOURCE_DIR) / "data/Setup/Logo_Angolo.bmp", h.dirs.SetupDir + "Logo_Angolo.bmp");
    h.session.language.captions.set("FRM_PRES_TITLE2", "Programmazione registratori");
    FrmPres& pres = h.start();

    EXPECT_EQ(pres.windowTitle(), "Velmora ECR Programming Utility" + QString(116, ' ') + "V. 3.1.8");
    EXPECT_FALSE(control<QLabel>(&pres, "I_logo")->pixmap().isNull());
    EXPECT_TRUE(control<QLabel>(&pres, "I_Velmora")->pixmap().isNull()) << "a missing bitmap leaves it empty";
    EXPECT_EQ(control<QLabel>(&pres, "L_Titolo2")->text(), "Programmazione registratori");
    EXPECT_EQ(control<QPushButton>(&pres, "C_Exit")->text(), "EXIT");
    ASSERT_EQ(h.log().size(), 1u);
    EXPECT_EQ(h.log()[0].rfind("Start Programm V. 3.1.8 So: ", 0), 0u) << h.log()[0];

    click("C_Exit");
    EXPECT_FALSE(pres.isVisible());
    EXPECT_EQ(h.log().back(), "End Programm");
}

TEST(StartScreen, HelpPictureAndF1OpenTheHelpOfTheCurrentLanguage)
{
    test::TempDir root;
    UiHarness h(root.str());
    h.language.set_help_file(h.dirs.AppDir + "help/dk/ECRProgrammeringshj\xC3\xA6lp(DK).html");
    FrmPres& pres = h.start();
    QTest::mouseClick(control(&pres, "I_Help"), Qt::LeftButton);
    focus(control(&pres, "C_4410"));
    QTest::keyClick(&pres, Qt::Key_F1);
    ASSERT_EQ(h.ui.helpFiles.size(), 2u);
    for (const QString& file : h.ui.helpFiles)
        EXPECT_EQ(file, QString::fromStdString(h.dirs.AppDir) + QString::fromUtf8("help/dk/ECRProgrammeringshjælp(DK).html"));
}

// F1 opens the help at the section named after the screen the user is in.
TEST(Help, F1OpensTheHelpAtTheSectionOfTheCurrentScreen)
{
    TillXferRig rig;
    UiHarness h{rig.app_dir()};
    h.start();
    std::vector<QString> expected;
    const auto press_f1 = [&] {
        QWidget* window = visible_window();
        focus(window);
        QTest::keyClick(window, Qt::Key_F1);
        expected.push_back(window->objectName());
    };
    press_f1();  // FrmPres
    click("C_4410");
    press_f1();  // FrmPrincipale
    h.effects.answers = {MsgAnswer::No};
    click("C_ModificaProgrammazione");
    press_f1();  // FrmSetup
    click("C_ProgramMode");
    press_f1();  // FrmProgramMode
    for (const char* editor : {"C_SetVatRate", "C_DepartmentProgram", "C_PluProgram"}) {
        click(editor);
        press_f1();
        click("C_Annulla");
    }
    EXPECT_EQ(h.ui.helpSections, expected);
    EXPECT_EQ(expected, (std::vector<QString>{"FrmPres", "FrmPrincipale", "FrmSetup", "FrmProgramMode", "FrmSetVatRate",
                                              "FrmDepartmentProgram", "FrmPrgPlu"}));
}

}  // namespace
}  // namespace tw::test
