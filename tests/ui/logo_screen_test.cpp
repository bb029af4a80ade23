// The logo screen: choosing a bitmap, its two previews, and sending it
// through the real tillpict and tillxfer to the virtual register.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>

#include <gtest/gtest.h>

#include "image/graphic_file.h"
#include "support/bmp_fixtures.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

// An irregular picture of exactly the logo's size: the bridge's parameters
// leave it dot for dot.
const DotPicture kShop = dots(kLogoWidth, kLogoHeight, [](int x, int y) {
    return (x * x + 3 * y) % 7 < 3 || (x > 100 && x < 140 && y > 20 && y < 60);
});

// The logo screen opened from the main screen of model 4410, with a folder
// of pictures.
struct LogoScreen {
    LogoScreen()
    {
        fs::create_directory(logos);
        write_bytes(logos / "shop.bmp", bmp_file(kShop));
        write_bytes(logos / "colour.bmp", bmp_file(kShop, {false, true, false, 24}));
        h.start();
        click("C_4410");
        click("C_Logo");
    }

    // Browse, answering the file dialog with `file` (empty: cancelled).
    void choose(const fs::path& file)
    {
        h.ui.fileAnswers.push_back(QString::fromStdString(file.string()));
        click("C_Sfoglia");
    }
    QString path_shown() const { return control<QLabel>(visible_window(), "L_percorso")->text(); }
    QString note() const { return control<QLabel>(visible_window(), "L_AnteprimaEcr")->text(); }
    QPixmap picture() const { return control<QLabel>(visible_window(), "I_Anteprima")->pixmap(); }
    // The dots the register preview shows: black pixels.
    DotPicture preview() const
    {
        const QImage image = control<QLabel>(visible_window(), "I_AnteprimaEcr")->pixmap().toImage();
        return dots(image.width(), image.height(), [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; });
    }
    // No tool ran: the register's folder is still empty and nothing was logged.
    void expect_no_tool_ran() const
    {
        EXPECT_TRUE(fs::is_empty(rig.path("Register")));
        EXPECT_EQ(h.ui.maxBusyDepth, 0) << "no progress dialog";
        EXPECT_TRUE(h.log().size() == 1) << "only the start line";
    }

    TillXferRig rig;
    UiHarness h{rig.app_dir()};
    fs::path logos = rig.path("Logos");
};

TEST(LogoScreen, OpensFromTheMainScreenWithoutAProgrammingAndBackReturns)
{
    LogoScreen s;
    QWidget* screen = visible_window();
    ASSERT_EQ(screen->objectName(), "FrmSetLogo");
    EXPECT_FALSE(fs::exists(s.h.dirs.DataDir + "PRG_MODE.BIN")) << "no programming opened";
    EXPECT_EQ(screen->windowTitle(), "Set Logo");
    EXPECT_EQ(control<QLabel>(screen, "L_Titolo")->text(), "SET LOGO");
    EXPECT_EQ(control<QPushButton>(screen, "C_Sfoglia")->text(), "Browse");
    EXPECT_EQ(control<QPushButton>(screen, "C_Invia_Ecr")->text(), "Send to ECR");
    EXPECT_EQ(control<QPushButton>(screen, "C_Annulla")->text(), "Back");
    EXPECT_TRUE(s.path_shown().isEmpty());
    EXPECT_NE(control(screen, "I_Help"), nullptr);
    EXPECT_EQ(s.preview(), DotPicture(kLogoWidth, kLogoHeight)) << "blank paper until a picture is chosen";

    click("C_Annulla");
    EXPECT_EQ(visible_window()->objectName(), "FrmPrincipale");
}

TEST(LogoScreen, CaptionsOfTheCurrentLanguageReplaceTheBuiltInTexts)
{
    TillXferRig rig;
    UiHarness h(rig.app_dir());
    h.session.language.captions.set("FRM_SET_LOGO_TITLE", "Imposta logo");
    h.session.language.captions.set("FRM_SET_LOGO_C_SFOGLIA", "Sfoglia");
    h.session.language.captions.set("FRM_SET_LOGO_SEL_FILE_SEND_MSG", "Scegliere il file");
    h.session.language.captions.set("FRM_ALL_C_ANNULLA", "Indietro");
    h.start();
    click("C_4430");
    click("C_Logo");
    QWidget* screen = visible_window();
    EXPECT_EQ(screen->windowTitle(), "Imposta logo");
    EXPECT_EQ(control<QPushButton>(screen, "C_Sfoglia")->text(), "Sfoglia");
    EXPECT_EQ(control<QPushButton>(screen, "C_Annulla")->text(), "Indietro");
    EXPECT_EQ(control<QLabel>(screen, "L_Titolo")->text(), "SET LOGO");
    click("C_Invia_Ecr");
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Scegliere il file");
}

TEST(LogoScreen, BrowseShowsThePathThePictureAndTheLogoAsTheRegisterWillPrintIt)
{
    LogoScreen s;
    const fs::path shop = s.logos / "shop.bmp";
    s.choose(shop);
    ASSERT_EQ(s.h.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(s.h.ui.fileDialogs[0].title, "Percorso Immagine");
    EXPECT_EQ(s.h.ui.fileDialogs[0].filter, "File Bitmap(*.bmp)");
    EXPECT_TRUE(s.h.ui.fileDialogs[0].directory.isEmpty());
    EXPECT_EQ(s.path_shown().toStdString(), shop.string());
    EXPECT_EQ(s.picture().size(), QSize(kLogoWidth, kLogoHeight));
    EXPECT_EQ(s.preview(), kShop);
    EXPECT_EQ(s.note(), "As the register prints it: 384 x 162 dots");

    s.choose({});  // cancelled: the dialog started at the chosen file
    EXPECT_EQ(s.h.ui.fileDialogs[1].directory.toStdString(), shop.string());
    EXPECT_EQ(s.path_shown().toStdString(), shop.string());
    EXPECT_EQ(s.preview(), kShop);

    // A file that is no picture at all: the chosen picture stays, the
    // register preview says why it cannot print it.
    write_bytes(s.logos / "notes.bmp", {'h', 'i'});
    s.choose(s.logos / "notes.bmp");
    EXPECT_EQ(s.path_shown().toStdString(), (s.logos / "notes.bmp").string());
    EXPECT_EQ(s.picture().size(), QSize(kLogoWidth, kLogoHeight));
    EXPECT_EQ(s.preview(), DotPicture(kLogoWidth, kLogoHeight));
    EXPECT_EQ(s.note(), "The register cannot print this picture: Unknown file type.");
    s.expect_no_tool_ran();
}

TEST(LogoScreen, SendWithoutAFileAsksForOneAndStartsNoTool)
{
    LogoScreen s;
    click("C_Invia_Ecr");
    ASSERT_EQ(s.h.effects.boxes.size(), 1u);
    EXPECT_EQ(s.h.effects.boxes[0].text, "Select the file to send");
    EXPECT_EQ(s.h.effects.boxes[0].icon, MsgIcon::Information);
    s.expect_no_tool_ran();
}

TEST(LogoScreen, APathWithASpaceIsRefusedBeforeAnyToolStarts)
{
    LogoScreen s;
    fs::create_directory(s.logos / "My Logos");
    fs::copy_file(s.logos / "shop.bmp", s.logos / "My Logos" / "a.bmp");
    s.choose(s.logos / "My Logos" / "a.bmp");
    EXPECT_EQ(s.preview(), kShop) << "the preview works for any path";
    click("C_Invia_Ecr");
    ASSERT_EQ(s.h.effects.boxes.size(), 1u);
    EXPECT_EQ(s.h.effects.boxes[0].text,
              "Is not spossible send a logo that has a Space (' ') in the source path.");
    EXPECT_EQ(s.h.effects.boxes[0].icon, MsgIcon::Error);
    EXPECT_FALSE(fs::exists(s.logos / "My Logos" / "GRAPHIC.BIN"));
    s.expect_no_tool_ran();
}

TEST(LogoScreen, AColourBitmapFailsTheConversionWithItsReasonInTheRunLog)
{
    LogoScreen s;
    s.choose(s.logos / "colour.bmp");
    EXPECT_FALSE(s.picture().isNull()) << "a colour picture can be shown";
    EXPECT_EQ(s.note(), "The register cannot print this picture: The original BMP file has not been prepared as a "
                        "black-and-white data.");
    click("C_Invia_Ecr");

    ASSERT_EQ(s.h.effects.boxes.size(), 1u);
    EXPECT_EQ(s.h.effects.boxes[0].text, "Programmation sending Failed");
    EXPECT_EQ(s.h.effects.boxes[0].icon, MsgIcon::Error);
    EXPECT_EQ(s.h.effects.boxes[0].detail, "The original BMP file has not been prepared as a black-and-white data.");
    const auto log = s.h.log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "Send_LogoToEcr conversion error. Code: 10020000 Desc:The original BMP file has not been "
                      "prepared as a black-and-white data.");
    EXPECT_FALSE(fs::exists(s.logos / "GRAPHIC.BIN"));
    EXPECT_FALSE(fs::exists(s.h.dirs.DataDir + "GRAPHIC.BIN"));
    EXPECT_TRUE(fs::is_empty(s.rig.path("Register"))) << "tillxfer did not run";
}

TEST(LogoScreen, ASentLogoLiesBesideTheBitmapInDataDirAndInTheRegisterAsPreviewed)
{
    LogoScreen s;
    s.choose(s.logos / "shop.bmp");
    const DotPicture previewed = s.preview();
    click("C_Invia_Ecr");

    ASSERT_EQ(s.h.effects.boxes.size(), 1u);
    EXPECT_EQ(s.h.effects.boxes[0].text, "Logo Programmed");
    EXPECT_EQ(s.h.effects.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(s.h.ui.maxBusyDepth, 1) << "behind the progress dialog";
    const Bytes beside = read_bytes(s.logos / "GRAPHIC.BIN");
    ASSERT_EQ(beside.size(), 7776u);
    EXPECT_EQ(read_bytes(s.h.dirs.DataDir + "GRAPHIC.BIN"), beside);
    EXPECT_EQ(read_bytes(s.rig.memory("GRAPHIC.BIN")), beside);
    EXPECT_EQ(decode_graphic(beside), previewed);
    EXPECT_EQ(s.h.log().size(), 1u) << "no error line";
    EXPECT_EQ(visible_window()->objectName(), "FrmSetLogo");
}

}  // namespace
}  // namespace tw::test
