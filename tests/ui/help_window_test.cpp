#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/HelpWindow.h"
#include "app/session.h"
#include "editors/sales/plu_csv.h"
#include "languages/language.h"
#include "support/recording_effects.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "screen_walk.h"
#include "ui_harness.h"

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

// Each screen's section is found by the screen's name and shown at the top
// of the window; an unknown section leaves the help at its start.
TEST(HelpWindow, OpensAtTheSectionNamedAfterAScreen)
{
    const QString guide = QString::fromUtf8(TW_SOURCE_DIR) + "/data/help/eng/VelmoraECRProgrammingUtilityHelp(GB).html";
    const std::pair<const char*, const char*> sections[] = {
        {"FrmPrincipale", "Opening a programming"},
        {"FrmProgramMode", "The setup menu and the two editor menus"},
        {"FrmSetVatRate", "Setting the VAT rates"},
        {"FrmDepartmentProgram", "Programming the departments"},
        {"FrmPrgPlu", "Programming the PLUs"},
        {"PluCsv", "The PLU file for spreadsheets (CSV)"},
    };
    HelpWindow help;
    for (const auto& [section, heading] : sections) {
        help.show_file(guide, section);
        QCoreApplication::processEvents();
        const QTextCursor top = help.browser()->cursorForPosition(QPoint(4, 4));
        // The heading, after its section number.
        EXPECT_TRUE(top.block().text().endsWith(QString(". ") + heading)) << section << ": "
                                                                          << top.block().text().toStdString();
    }
    help.show_file(guide, "FrmNoSuchScreen");
    EXPECT_EQ(help.browser()->verticalScrollBar()->value(), 0);
}

// The section of PLU CSV files holds an example that the import takes.
TEST(HelpWindow, ThePluCsvExampleImports)
{
    const std::string html = read_text(std::string(TW_SOURCE_DIR) + "/data/help/eng/VelmoraECRProgrammingUtilityHelp(GB).html");
    const std::size_t start = html.find("<pre>\n", html.find("id=\"PluCsv\""));
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = html.find("</pre>", start);
    std::string example = html.substr(start + 6, end - start - 6);
    std::string crlf;
    for (char ch : example)
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);

    RecordingEffects fx;
    TempDir root;
    Session s(Directories::from_app_dir(root.str()), fx);
    const PluCsvOutcome outcome = read_plu_csv(crlf, s.plu, s.codecs, false, 2000, ".");
    ASSERT_TRUE(outcome.ok) << outcome.description();
    EXPECT_EQ(outcome.count, 3);
    EXPECT_EQ(s.plu.slot(1).name(s.codecs), "COFFEE          ");
    EXPECT_EQ(s.plu.slot(1).code(s.codecs), "8001234567890");
}

// The guide each language ships: every section of the English guide, under
// the same names, in the same order and with the same numbers, so that F1 on
// any screen opens the section of that screen in every language.
class ShippedGuide : public testing::TestWithParam<std::size_t> {};

std::string shipped_guide_path(const LanguageRow& row)
{
    return std::string(TW_SOURCE_DIR) + "/data/help/" + std::string(row.helpFolder) + "/" +
           file_system_name(row.helpFile);
}

// The names the program opens the guide at, in the order they come.
std::vector<std::string> anchor_names(const std::string& html)
{
    std::vector<std::string> names;
    static const std::regex anchor(R"re(\s(?:id|name)="([^"]*)")re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), anchor); it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1]);
    return names;
}

std::string plu_csv_example(const std::string& html)
{
    const std::size_t start = html.find("<pre>", html.find("id=\"PluCsv\""));
    return start == std::string::npos ? std::string() : html.substr(start, html.find("</pre>", start) - start);
}

TEST_P(ShippedGuide, HoldsEverySectionOfTheEnglishGuideUnderItsName)
{
    const LanguageRow& row = LanguageTable[GetParam()];
    const std::string english = read_text(shipped_guide_path(LanguageTable[0]));
    const std::string path = shipped_guide_path(row);
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const std::string guide = read_text(path);

    EXPECT_EQ(anchor_names(guide), anchor_names(english));
    EXPECT_NE(guide.find("<meta charset=\"utf-8\">"), std::string::npos);
    // The example is what the import reads: it stays as the program writes it.
    EXPECT_EQ(plu_csv_example(guide), plu_csv_example(english));
    EXPECT_FALSE(plu_csv_example(guide).empty());

    // Each screen's section opens at its heading, numbered as in English.
    HelpWindow englishHelp, help;
    const QString englishFile = QString::fromStdString(shipped_guide_path(LanguageTable[0]));
    const QString file = QString::fromStdString(path);
    for (const char* section : {"FrmPres", "FrmSetVatRate", "FrmPrgPlu", "PluCsv", "options", "FrmInitialMenu", "FrmCaptionSetting",
                                "FrmReportExport", "FrmSetLogo", "FrmLanguage"}) {
        englishHelp.show_file(englishFile, section);
        help.show_file(file, section);
        QCoreApplication::processEvents();
        const QString englishHeading = englishHelp.browser()->cursorForPosition(QPoint(4, 4)).block().text();
        const QString heading = help.browser()->cursorForPosition(QPoint(4, 4)).block().text();
        const QString number = englishHeading.left(englishHeading.indexOf(". ") + 2);
        EXPECT_TRUE(number.size() > 2 && heading.startsWith(number))
            << section << ": " << heading.toStdString() << " (English: " << englishHeading.toStdString() << ")";
    }
    EXPECT_FALSE(help.browser()->documentTitle().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedGuide, testing::Range<std::size_t>(0, kLanguageCount),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return std::string(LanguageTable[info.param].helpFolder);
                         });

TEST(HelpWindow, AMissingFileSaysWhereItWasLookedFor)
{
    TempDir dir;
    const QString missing = QString::fromStdString(dir.str()) + "help/sv/ECRProgrammeringsverktyg(SV).html";
    HelpWindow help;
    help.show_file(missing);
    EXPECT_TRUE(help.browser()->toPlainText().contains("ECRProgrammeringsverktyg(SV).html"));
}

// Every screen a user reaches has its section in the guide, named after the
// screen, so F1 on it opens there; the other languages hold the same
// sections (ShippedGuide).
TEST(UserGuide, HoldsASectionForEveryScreen)
{
    TempDir root;
    copy_shipped_files(root.path());
    UiHarness h(root.str());
    h.effects.unqueuedAnswer = MsgAnswer::No;  // open the files present, send nothing
    std::set<std::string> screens;
    ScreenWalk walk([&](QWidget* w) { screens.insert(w->objectName().toStdString()); });
    walk.screen(&h.start());
    walk_both_models(walk);

    const std::vector<std::string> names = anchor_names(read_text(shipped_guide_path(LanguageTable[0])));
    const std::set<std::string> sections(names.begin(), names.end());
    std::vector<std::string> missing;
    for (const std::string& screen : screens)
        if (!sections.count(screen))
            missing.push_back(screen);
    EXPECT_GE(screens.size(), 25u) << "the walk reached the screens";
    EXPECT_EQ(missing, std::vector<std::string>{});
}

// The window takes the texts of the session's language; the missing-file
// page still names the file.
TEST(HelpWindow, SpeaksTheLanguageItIsGiven)
{
    TempDir dir;
    TestSession t;
    CaptionTexts& c = t.session.language.captions;
    ASSERT_TRUE(c.set("FRM_HELP_TITLE", "Hj\xE4lp"));  // Windows-1252
    ASSERT_TRUE(c.set("FRM_HELP_NOT_FOUND_MSG", "<h2>Ingen hj\xE4lp tillg\xE4nglig</h2><p><tt>%1</tt></p>"));
    HelpWindow help;
    help.apply_captions(t.session);
    help.show_file(QString::fromStdString(dir.str()) + "missing.html");
    EXPECT_EQ(help.windowTitle(), QString::fromUtf8("Hj\u00E4lp"));
    const QString page = help.browser()->toPlainText();
    EXPECT_TRUE(page.contains(QString::fromUtf8("Ingen hj\u00E4lp tillg\u00E4nglig"))) << page.toStdString();
    EXPECT_TRUE(page.contains("missing.html")) << page.toStdString();
}

}  // namespace
}  // namespace tw::test
