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

}  // namespace
}  // namespace tw::test
