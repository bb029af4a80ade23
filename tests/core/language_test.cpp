#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "app/startup.h"
#include "languages/language.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// What the screens were told.
struct RecordingHooks : LanguageHooks {
    void set_help_file(const std::string& path) override { help.push_back(path); }
    void show_flag(const std::string& path) override
    {
        flags.push_back(path);
        if (flagFails)
            throw std::runtime_error("Invalid picture");
    }
    std::vector<std::string> help, flags;
    bool flagFails = false;
};

class LanguageTest : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    const std::string sep = std::string(1, kPathSeparator);

    fs::path setup(const std::string& name) const { return fs::path(s.dirs.SetupDir) / name; }
    void caption_file(const std::string& name, const std::string& text)
    {
        test::write_bytes(setup(name), std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    void language_ini(std::vector<std::uint8_t> bytes) { test::write_bytes(setup("Language.ini"), bytes); }
    // The help file and flag of a language, so that selezione_lingua has
    // nothing to complain about.
    void help_and_flag(int code)
    {
        const LanguageRow& row = LanguageTable[std::size_t(code)];
        const fs::path dir = fs::path(s.dirs.AppDir) / "help" / std::string(row.helpFolder);
        fs::create_directories(dir);
        test::write_bytes(dir / file_system_name(row.helpFile), {'<'});
        test::write_bytes(setup(std::string(row.flagFile)), {'G'});
    }
};

TEST_F(LanguageTest, FirstStartWritesCodeZeroAndLoadsEnglish)
{
    caption_file("FrmDescEng.txt", "FRM_LANGUAGE_C_SAVE=Save\r\n");
    Read_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
    selezione_lingua(s.language, s.dirs, s.caption_files(), s.language.LanguageCode);
    EXPECT_EQ(test::read_bytes(setup("Language.ini")), (std::vector<std::uint8_t>{0}));
    EXPECT_EQ(s.language.LanguageCode, 0);
    EXPECT_EQ(s.language.captions.text("FRM_LANGUAGE_C_SAVE"), "Save");
    EXPECT_EQ(s.dirs.HelpDir, s.dirs.AppDir + "help" + sep + "eng" + sep);
}

TEST_F(LanguageTest, EachCodeTakesItsRowOfTheTable)
{
    struct Case {
        int code;
        const char* helpFolder;
        const char* captionFile;
        const char* helpFile;  // Windows-1252
        const char* flag;
    };
    const Case cases[] = {
        {0, "eng", "FrmDescEng.txt", "VelmoraECRProgrammingUtilityHelp(GB).html", "UK.gif"},
        {1, "es", "FrmDescSpa.txt", "Utilidaddeprogramaci\xF3ndeECRVelmora(ES).html", "Spain.gif"},
        {2, "fr", "FrmDescFra.txt", "UtilitairedeprogrammationECR(FR).html", "France.gif"},
        {3, "ge", "FrmDescGer.txt", "VelmoraECR-Anwendungsprogramm(GE).html", "Germany.gif"},
        {4, "nl", "FrmDescOla.txt", "VelmoraECRHulpprogrammavoorprogrammering(NL).html", "Netherlands.gif"},
        {5, "pt", "FrmDescPor.txt", "Utilit\xE1riodePrograma\xE7\xE3oECR(PT).html", "Portugal.gif"},
        {6, "dk", "FrmDescDan.txt", "ECRProgrammeringshj\xE6lp(DK).html", "Denmark.gif"},
        {7, "sv", "FrmDescSve.txt", "ECRProgrammeringsverktyg(SV).html", "Sweden.gif"},
    };
    for (const Case& c : cases) {
        test::TestSession fresh;
        Session& f = fresh.session;
        const std::string text = "FRM_LANGUAGE_C_SAVE=" + std::string(c.captionFile) + "\r\n";
        test::write_bytes(fs::path(f.dirs.SetupDir) / c.captionFile, std::vector<std::uint8_t>(text.begin(), text.end()));
        test::write_bytes(fs::path(f.dirs.SetupDir) / "Language.ini", {std::uint8_t(c.code)});
        Read_Language(f.language.LanguageCode, f.dirs.SetupDir, f.files, f.log);
        selezione_lingua(f.language, f.dirs, f.caption_files(), f.language.LanguageCode);
        EXPECT_EQ(f.language.LanguageCode, c.code);
        EXPECT_EQ(f.dirs.HelpDir, f.dirs.AppDir + "help" + sep + c.helpFolder + sep) << c.code;
        EXPECT_EQ(f.language.CaptionFileName, c.captionFile);
        EXPECT_EQ(f.language.HelpFileName, file_system_name(c.helpFile));
        EXPECT_EQ(f.language.FlagFileName, c.flag);
        EXPECT_EQ(f.language.captions.text("FRM_LANGUAGE_C_SAVE"), c.captionFile);
        EXPECT_TRUE(fresh.effects.boxes.empty());
    }
}

#ifndef _WIN32
TEST(LanguageFileNames, AreSpelledInUtf8ForTheFileSystem)
{
    EXPECT_EQ(file_system_name(LanguageTable[6].helpFile), "ECRProgrammeringshj\xC3\xA6lp(DK).html");
}
#endif

TEST_F(LanguageTest, ACodeWithoutARowEndsInEnglish)
{
    caption_file("FrmDescEng.txt", "FRM_LANGUAGE_C_SAVE=Save\r\n");
    language_ini({9});
    Read_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
    EXPECT_EQ(s.language.LanguageCode, 9);
    selezione_lingua(s.language, s.dirs, s.caption_files(), s.language.LanguageCode);
    EXPECT_EQ(s.language.LanguageCode, 0);
    EXPECT_EQ(s.language.CaptionFileName, "FrmDescEng.txt");
    EXPECT_EQ(s.language.captions.text("FRM_LANGUAGE_C_SAVE"), "Save");
    EXPECT_EQ(test::read_bytes(setup("Language.ini")), (std::vector<std::uint8_t>{9}));  // not written
}

TEST_F(LanguageTest, AMissingCaptionFileGivesOneNoticeAndEnglish)
{
    caption_file("FrmDescEng.txt", "FRM_LANGUAGE_C_SAVE=Save\r\n");
    selezione_lingua(s.language, s.dirs, s.caption_files(), 7);
    EXPECT_EQ(t.effects.boxes.size(), 1u);
    EXPECT_EQ(s.language.LanguageCode, 0);
    EXPECT_EQ(s.language.FlagFileName, "UK.gif");
    EXPECT_EQ(s.language.captions.text("FRM_LANGUAGE_C_SAVE"), "Save");
    // Save on the language screen then stores the code in force.
    Write_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
    EXPECT_EQ(test::read_bytes(setup("Language.ini")), (std::vector<std::uint8_t>{0}));
}

TEST_F(LanguageTest, WithoutAnyCaptionFileTheFallbackStopsAtEnglish)
{
    selezione_lingua(s.language, s.dirs, s.caption_files(), 3);
    EXPECT_EQ(t.effects.boxes.size(), 2u);  // German, then English
    EXPECT_EQ(s.language.LanguageCode, 0);
    EXPECT_EQ(s.language.captions.text("FRM_LANGUAGE_C_SAVE"), "");
}

TEST_F(LanguageTest, HelpAndFlagReachTheScreensAndTheirFailuresAreLogged)
{
    RecordingHooks hooks;
    s.language.hooks = &hooks;
    caption_file("FrmDescDan.txt", "");
    help_and_flag(6);
    selezione_lingua(s.language, s.dirs, s.caption_files(), 6);
    EXPECT_EQ(hooks.help, (std::vector<std::string>{s.dirs.HelpDir + s.language.HelpFileName}));
    EXPECT_EQ(hooks.flags, (std::vector<std::string>{s.dirs.SetupDir + "Denmark.gif"}));
    EXPECT_TRUE(t.log().empty());

    // A missing flag picture: the flag step still runs, and one line tells.
    fs::remove(setup("Denmark.gif"));
    selezione_lingua(s.language, s.dirs, s.caption_files(), 6);
    EXPECT_EQ(hooks.flags.size(), 2u);
    EXPECT_EQ(t.log(), (std::vector<std::string>{"selezione_lingua File not found: " + s.dirs.SetupDir + "Denmark.gif"}));

    // A screen that fails to show the flag is logged the same way.
    help_and_flag(6);
    hooks.flagFails = true;
    selezione_lingua(s.language, s.dirs, s.caption_files(), 6);
    EXPECT_EQ(t.log().back(), "selezione_lingua Invalid picture");
    EXPECT_EQ(s.language.LanguageCode, 6);
}

TEST_F(LanguageTest, AMissingHelpFileIsLoggedAndTheFlagStillShows)
{
    RecordingHooks hooks;
    s.language.hooks = &hooks;
    caption_file("FrmDescEng.txt", "");
    test::write_bytes(setup("UK.gif"), {'G'});
    selezione_lingua(s.language, s.dirs, s.caption_files(), 0);
    EXPECT_EQ(hooks.flags.size(), 1u);
    EXPECT_EQ(t.log(), (std::vector<std::string>{"selezione_lingua File not found: " + s.dirs.HelpDir +
                                                 "VelmoraECRProgrammingUtilityHelp(GB).html"}));
}

TEST_F(LanguageTest, LanguageIniReadsItsFirstByteAndAnEmptyFileAsZero)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        int code;
    };
    for (const Case& c : {Case{{}, 0}, Case{{5}, 5}, Case{{2, 7, 7}, 2}}) {
        language_ini(c.bytes);
        s.language.LanguageCode = 99;
        Read_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
        EXPECT_EQ(s.language.LanguageCode, c.code);
    }
    EXPECT_TRUE(t.log().empty());
}

TEST_F(LanguageTest, AnUnreadableOrUnwritableLanguageIniKeepsTheCodeAndIsLogged)
{
    fs::create_directories(setup("Language.ini") / "x");
    s.language.LanguageCode = 4;
    Read_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
    EXPECT_EQ(s.language.LanguageCode, 4);
    Write_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log);
    EXPECT_EQ(t.effects.beeps, 6);
    EXPECT_EQ(t.log(), (std::vector<std::string>{"Superati 3 tentativi di lettura LANGUAGE_FILE",
                                                 "Superati 3 tentativi di Scrittura LANGUAGE_FILE"}));
}

TEST_F(LanguageTest, StartupLoadsTheCaptionsBeforeChoosingTheSharedMessages)
{
    caption_file("FrmDescEng.txt", "FRM_ALL_MASSIMO_SUPERATO_MSG=Too high!\r\n");
    run_startup(s);
    EXPECT_EQ(s.messages.MsgValueTooHigh, "Too high!");
    EXPECT_EQ(s.messages.MsgSendFailed, "Programmation sending Failed");
    EXPECT_EQ(test::read_bytes(setup("Language.ini")), (std::vector<std::uint8_t>{0}));
}

TEST_F(LanguageTest, AtStartupTheNoticeShowsTheEnglishMessage)
{
    caption_file("FrmDescEng.txt", "FRM_ALL_FILE_LANG_KO_MSG=Fichier absent\r\n");
    language_ini({2});  // French, whose file is missing
    run_startup(s);
    ASSERT_EQ(t.effects.boxes.size(), 1u);
    EXPECT_EQ(t.effects.boxes[0].text,
              "The file of the languagge specificated doesn't exist. The program work in english");
    EXPECT_EQ(s.language.LanguageCode, 0);
    EXPECT_EQ(s.messages.MsgLanguageFileMissing, "Fichier absent");
}

}  // namespace
}  // namespace tw
