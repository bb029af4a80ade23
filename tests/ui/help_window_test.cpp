#include <QTextBrowser>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/HelpWindow.h"
#include "support/temp_dir.h"

namespace tw::test {
namespace {

TEST(HelpWindow, ShowsTheEnglishUserGuideFromItsStart)
{
    const QString guide = QString::fromUtf8(TW_SOURCE_DIR) + "/data/help/eng/VelmoraECRProgrammingUtilityHelp(GB).html";
    HelpWindow help;
    help.show_file(guide);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.browser()->source().toLocalFile(), guide);
    EXPECT_EQ(help.browser()->documentTitle(), "Velmora ECR Programming Utility - Help");
    EXPECT_TRUE(help.browser()->toPlainText().contains("Setting the VAT rates"));

    help.browser()->setSource(QUrl::fromLocalFile(guide + "#vat"));
    help.show_file(guide);
    EXPECT_EQ(help.browser()->source().fragment(), "") << "opened again at its start";
}

TEST(HelpWindow, AMissingFileSaysWhereItWasLookedFor)
{
    TempDir dir;
    const QString missing = QString::fromStdString(dir.str()) + "help/sv/ECRProgrammeringsverktyg(SV).html";
    HelpWindow help;
    help.show_file(missing);
    EXPECT_TRUE(help.browser()->toPlainText().contains("ECRProgrammeringsverktyg(SV).html"));
}

}  // namespace
}  // namespace tw::test
