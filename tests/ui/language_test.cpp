// FrmLanguage: the language choice, modal over the start screen.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include <gtest/gtest.h>

#include "languages/FrmLanguage.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

void write_text(const std::string& path, const std::string& text) { write_bytes(path, Bytes(text.begin(), text.end())); }

// A start screen in English, with the shipped flags and two caption files.
struct LanguageScreens {
    LanguageScreens()
    {
        for (const auto& entry : fs::directory_iterator(fs::path(TW_SOURCE_DIR) / "data/Setup"))
            if (entry.path().extension() == ".gif")
                fs::copy_file(entry.path(), h.dirs.SetupDir + entry.path().filename().string());
        write_text(h.dirs.SetupDir + "FrmDescEng.txt", "FRM_PRES_C_EXIT=EXIT\r\n");
        write_text(h.dirs.SetupDir + "FrmDescSve.txt",
                   "FRM_PRES_C_EXIT=AVSLUTA\r\nFRM_LANGUAGE_OPT_LANG8=Svenska\r\n");
        Read_Language(h.session.language.LanguageCode, h.session.dirs.SetupDir, h.session.files, h.session.log);
        selezione_lingua(h.session.language, h.session.dirs, h.session.caption_files(), h.session.language.LanguageCode);
        h.start();
    }
    Bytes language_ini() const { return read_bytes(h.dirs.SetupDir + "Language.ini"); }
    QImage flag_shown() const { return control<QLabel>(h.pres.get(), "I_lingua")->pixmap().toImage(); }
    QImage flag_file(const char* name) const
    {
        return QImage(QString::fromStdString(h.dirs.SetupDir) + name).convertToFormat(flag_shown().format());
    }

    TempDir root;
    UiHarness h{root.str()};
};

TEST(LanguageSelection, SaveAppliesTheLanguageAtOnceOnTheStartScreenAndStoresIt)
{
    LanguageScreens l;
    EXPECT_EQ(l.language_ini(), Bytes{0}) << "first start writes English";
    EXPECT_EQ(l.flag_shown(), l.flag_file("UK.gif"));

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FrmLanguage*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(control(dialog, "I_Lang7"), Qt::LeftButton);  // the Swedish flag
        EXPECT_TRUE(control<QRadioButton>(dialog, "Opt_Lang7")->isChecked());
        QTest::mouseClick(control(dialog, "C_Save"), Qt::LeftButton);
    });
    click("C_LinguaSel");

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Save closes the selection";
    EXPECT_EQ(control<QPushButton>(l.h.pres.get(), "C_Exit")->text(), "AVSLUTA");
    EXPECT_EQ(l.flag_shown(), l.flag_file("Sweden.gif"));
    EXPECT_EQ(l.language_ini(), Bytes{7});
    EXPECT_EQ(l.h.language.help_file(),
              QString::fromStdString(l.h.dirs.AppDir) + "help/sv/ECRProgrammeringsverktyg(SV).html");
}

TEST(LanguageSelection, OpensOnTheCurrentLanguageWithItsCaptions)
{
    LanguageScreens l;
    l.h.session.language.LanguageCode = 6;
    l.h.session.language.captions.set("FRM_LANGUAGE_OPT_LANG1", "Engelsk");
    l.h.session.language.captions.set("FRM_LANGUAGE_TITLE", "Sprogvalg");
    FrmLanguage dialog(l.h.context, l.h.pres.get());
    EXPECT_EQ(dialog.windowTitle(), "Sprogvalg");
    EXPECT_TRUE(control<QRadioButton>(&dialog, "Opt_Lang6")->isChecked());
    EXPECT_EQ(dialog.selection(), 6);
    EXPECT_EQ(control<QRadioButton>(&dialog, "Opt_Lang0")->text(), "Engelsk");
    EXPECT_EQ(control<QRadioButton>(&dialog, "Opt_Lang4")->text(), "Datch");
    EXPECT_EQ(control<QPushButton>(&dialog, "C_Save")->text(), "Save");
    EXPECT_EQ(control<QPushButton>(&dialog, "C_Annulla")->text(), "Back");
    EXPECT_FALSE(control<QLabel>(&dialog, "I_Lang3")->pixmap().isNull());
}

TEST(LanguageSelection, SavingALanguageWithoutItsCaptionFileFallsBackToEnglishAndStoresIt)
{
    LanguageScreens l;
    FrmLanguage dialog(l.h.context, l.h.pres.get());
    dialog.select(2);  // French: no FrmDescFra.txt
    dialog.C_Save();
    ASSERT_EQ(l.h.effects.boxes.size(), 1u);
    EXPECT_EQ(l.h.effects.boxes[0].text, l.h.session.messages.MsgLanguageFileMissing);
    EXPECT_EQ(l.h.effects.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(l.h.session.language.LanguageCode, 0);
    EXPECT_EQ(l.language_ini(), Bytes{0});
    EXPECT_EQ(l.flag_shown(), l.flag_file("UK.gif"));
}

TEST(LanguageSelection, BackChangesNothing)
{
    LanguageScreens l;
    FrmLanguage dialog(l.h.context, l.h.pres.get());
    QObject::connect(&dialog, &FrmLanguage::language_saved, [] { ADD_FAILURE() << "nothing to re-label"; });
    QTest::mouseClick(control(&dialog, "Opt_Lang7"), Qt::LeftButton);
    EXPECT_EQ(dialog.selection(), 7);
    QTest::mouseClick(control(&dialog, "C_Annulla"), Qt::LeftButton);
    EXPECT_EQ(l.language_ini(), Bytes{0});
    EXPECT_EQ(l.h.session.language.LanguageCode, 0);
    EXPECT_EQ(control<QPushButton>(l.h.pres.get(), "C_Exit")->text(), "EXIT");
}

// F1 opens the current language's help here as on every other screen.
TEST(LanguageSelection, F1OpensTheHelpOfTheCurrentLanguage)
{
    LanguageScreens l;
    FrmLanguage dialog(l.h.context, l.h.pres.get());
    dialog.show();
    focus(control(&dialog, "Opt_Lang0"));
    QTest::keyClick(control(&dialog, "Opt_Lang0"), Qt::Key_F1);
    ASSERT_EQ(l.h.ui.helpFiles.size(), 1u);
    EXPECT_EQ(l.h.ui.helpFiles[0],
              QString::fromStdString(l.h.dirs.AppDir) + "help/eng/VelmoraECRProgrammingUtilityHelp(GB).html");
}

// One language as the program ships it: its flag, its help, and three of
// its captions (UTF-8 here).
struct ShippedLanguage {
    std::uint8_t code;
    const char* name;
    const char* flag;
    const char* help;  // below AppDir
    const char* exit;  // FRM_PRES_C_EXIT
    const char* back;  // FRM_PRINCIPALE_C_BACK
    // FRM_PRINCIPALE_TITLE, empty for the built-in one; a translated one ends
    // in a no-break space, since the caption file drops spaces at line ends.
    const char* title;
};

void PrintTo(const ShippedLanguage& l, std::ostream* out) { *out << l.name; }

class ShippedLanguageSwitch : public testing::TestWithParam<ShippedLanguage> {};

// From the start screen in another language: choose the language's flag,
// Save; the start screen, the help and Language.ini follow at once, and the
// next screen opened speaks the language.
TEST_P(ShippedLanguageSwitch, SaveRelabelsTheStartScreenPointsTheHelpAndStoresTheCode)
{
    const ShippedLanguage& l = GetParam();
    TempDir root;
    copy_shipped_files(root.path());
    const std::uint8_t before = l.code == 0 ? 7 : 0;
    write_bytes(root.path() / "Setup/Language.ini", Bytes{before});
    UiHarness h(root.str());
    LanguageState& language = h.session.language;
    Read_Language(language.LanguageCode, h.dirs.SetupDir, h.session.files, h.session.log);
    selezione_lingua(language, h.session.dirs, h.session.caption_files(), language.LanguageCode);
    ASSERT_EQ(language.LanguageCode, before);
    FrmPres& pres = h.start();
    const std::size_t logBefore = h.log().size();

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FrmLanguage*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(control(dialog, ("I_Lang" + std::to_string(l.code)).c_str()), Qt::LeftButton);
        QTest::mouseClick(control(dialog, "C_Save"), Qt::LeftButton);
    });
    click("C_LinguaSel");

    EXPECT_EQ(h.effects.boxes.size(), 0u) << "the caption file is there";
    EXPECT_EQ(read_bytes(root.path() / "Setup/Language.ini"), Bytes{l.code});
    EXPECT_EQ(control<QPushButton>(&pres, "C_Exit")->text(), QString::fromUtf8(l.exit));
    const QImage flag = control<QLabel>(&pres, "I_lingua")->pixmap().toImage();
    EXPECT_EQ(flag, QImage(QString::fromStdString(h.dirs.SetupDir) + l.flag).convertToFormat(flag.format()));
    focus(control(&pres, "C_4430"));
    QTest::keyClick(&pres, Qt::Key_F1);
    ASSERT_EQ(h.ui.helpFiles.size(), 1u);
    EXPECT_EQ(h.ui.helpFiles[0], QString::fromStdString(h.dirs.AppDir) + QString::fromUtf8(l.help));
    EXPECT_TRUE(fs::is_regular_file(h.dirs.AppDir + l.help)) << "the guide ships";
    const std::vector<std::string> log = h.log();
    for (std::size_t i = logBefore; i < log.size(); ++i)
        EXPECT_EQ(log[i].find("selezione_lingua"), std::string::npos) << log[i];

    click("C_4430");
    QWidget* principale = visible_window();
    EXPECT_EQ(control<QPushButton>(principale, "C_Back")->text(), QString::fromUtf8(l.back));
    const QString title = *l.title ? QString::fromUtf8(l.title) : QStringLiteral("Velmora ECR Programming Tool - ");
    EXPECT_EQ(principale->windowTitle(), title + "   ECR4430");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ShippedLanguageSwitch,
    testing::Values(
        ShippedLanguage{0, "English", "UK.gif", "help/eng/VelmoraECRProgrammingUtilityHelp(GB).html", "EXIT", "BACK",
                        ""},
        ShippedLanguage{1, "Spanish", "Spain.gif", "help/es/UtilidaddeprogramacióndeECRVelmora(ES).html", "SALIR",
                        "ATRÁS", "Herramienta de programación ECR Velmora -\u00A0"},
        ShippedLanguage{2, "French", "France.gif", "help/fr/UtilitairedeprogrammationECR(FR).html", "QUITTER",
                        "RETOUR", "Outil de programmation ECR Velmora -\u00A0"},
        ShippedLanguage{3, "German", "Germany.gif", "help/ge/VelmoraECR-Anwendungsprogramm(GE).html", "BEENDEN",
                        "ZURÜCK", "Velmora ECR-Programmierwerkzeug -\u00A0"},
        ShippedLanguage{4, "Dutch", "Netherlands.gif", "help/nl/VelmoraECRHulpprogrammavoorprogrammering(NL).html",
                        "AFSLUITEN", "TERUG", "Velmora ECR-programmeertool -\u00A0"},
        ShippedLanguage{5, "Portuguese", "Portugal.gif", "help/pt/UtilitáriodeProgramaçãoECR(PT).html", "SAIR",
                        "VOLTAR", "Ferramenta de programação ECR Velmora -\u00A0"},
        ShippedLanguage{6, "Danish", "Denmark.gif", "help/dk/ECRProgrammeringshjælp(DK).html", "AFSLUT", "TILBAGE",
                        "Velmora ECR-programmeringsværktøj -\u00A0"},
        ShippedLanguage{7, "Swedish", "Sweden.gif", "help/sv/ECRProgrammeringsverktyg(SV).html", "AVSLUTA",
                        "TILLBAKA", "Velmora ECR-programmeringsverktyg -\u00A0"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw::test
