#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/startup.h"
#include "support/recording_effects.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(Startup, FirstStartInAnEmptyDirectoryCreatesTheWorkingDirectories)
{
    test::TempDir root;
    test::RecordingEffects fx;
    Directories dirs = Directories::from_app_dir(root.path().string());  // no trailing separator
    EXPECT_EQ(dirs.AppDir, root.str());
    EXPECT_EQ(dirs.DataDir, root.str() + "Dati/");
    EXPECT_EQ(dirs.DataReportDir, root.str() + "Dati/Report/");
    EXPECT_EQ(dirs.HelpDir, root.str() + "help/eng/");

    Session s(dirs, fx, [] { return LocalTime{2025, 12, 8, 9, 5, 7}; });
    run_startup(s);
    log_start_line(s, '.');
    for (const std::string* d : {&dirs.LogDir, &dirs.DataDir, &dirs.SetupDir, &dirs.DataReportDir, &dirs.ReportDir})
        EXPECT_TRUE(fs::is_directory(*d)) << *d;
    EXPECT_FALSE(fs::exists(dirs.HelpDir));

    const auto lines = test::log_texts(dirs.LogDir + "memo_log.txt");
    ASSERT_FALSE(lines.empty());
    const PlatformVersion v = platform_version();
    EXPECT_EQ(lines.back(), "Start Programm V. 3.1.8 So: " + format_platform_version(v, '.') + "." +
                                std::to_string(v.build));
    log_end_line(s);
    EXPECT_EQ(test::log_texts(dirs.LogDir + "memo_log.txt").back(), "End Programm");
    EXPECT_EQ(test::read_text(dirs.LogDir + "memo_log.txt").substr(0, 18), "08-12-25 09:05:07 ");
}

TEST(Startup, ADirectoryThatCannotBeCreatedDoesNotStopTheOthers)
{
    test::TempDir root;
    test::write_bytes(root.path() / "Log", {'x'});  // a file where LogDir should be
    test::RecordingEffects fx;
    Session s(Directories::from_app_dir(root.str()), fx);
    run_startup(s);
    EXPECT_TRUE(fs::is_directory(s.dirs.DataDir));
    EXPECT_TRUE(fs::is_directory(s.dirs.ReportDir));
}

TEST(Startup, PlatformVersionPrintsAsADecimalNumber)
{
    EXPECT_EQ(format_platform_version({5, 1, 2600}, '.'), "5.01");
    EXPECT_EQ(format_platform_version({5, 1, 2600}, ','), "5,01");
    EXPECT_EQ(format_platform_version({6, 1, 0}, '.'), "6.01");
    EXPECT_EQ(format_platform_version({6, 10, 3}, '.'), "6.1");
    EXPECT_EQ(format_platform_version({6, 0, 0}, '.'), "6");
    EXPECT_EQ(VersionText(), "V. 3.1.8");
}

TEST(SharedMessages, CaptionTextWinsOverTheEnglishFallback)
{
    const SharedMessages english = english_shared_messages();
    EXPECT_EQ(english.MsgValueTooHigh, "Value insert to high!");
    EXPECT_EQ(english.MsgCopyPrgPluError, "Error During copy PRG_MODE_PLUE");
    const SharedMessages chosen = choose_shared_messages([](const std::string& key) {
        return key == "FRM_ALL_PROGRAM_KO_MSG" ? std::string("Envoi echoue") : std::string();
    });
    EXPECT_EQ(chosen.MsgSendFailed, "Envoi echoue");
    EXPECT_EQ(chosen.MsgValueTooHigh, english.MsgValueTooHigh);
}

// A program killed during an update or a write leaves a kept-aside file
// without its original and temporary files: the next start puts the file
// back, removes the temporaries and says so in the run log.
TEST(Startup, AStartAfterACrashPutsBackTheKeptAsideFileAndRemovesTemporaries)
{
    test::TempDir root;
    test::RecordingEffects fx;
    Directories dirs = Directories::from_app_dir(root.str());
    create_missing_directories(dirs);
    const std::vector<std::uint8_t> plu = {2, 0}, mode(7078, 5), modeAside(7078, 6);
    std::vector<std::uint8_t> pluFile = plu;
    pluFile.resize(2 + 2 * 36, 0x11);
    test::write_bytes(dirs.DataDir + "PRG_PLU.BIN.old", pluFile);
    test::write_bytes(dirs.DataDir + "PRG_MODE.BIN", mode);
    test::write_bytes(dirs.DataDir + "PRG_MODE.BIN.old", modeAside);
    for (const char* name : {".PRG_MODE.BIN.a1B2c3", ".PRG_PLU.BIN.Zz9x0Q", ".PRG_PLU.BIN.backup1", "notes.txt"})
        test::write_bytes(dirs.DataDir + name, {1});
    test::write_bytes(dirs.SetupDir + ".Language.ini.q1w2e3", {1});

    Session s(dirs, fx, [] { return LocalTime{2025, 12, 8, 9, 5, 7}; });
    run_startup(s);

    EXPECT_EQ(test::read_bytes(dirs.DataDir + "PRG_PLU.BIN"), pluFile);
    EXPECT_FALSE(fs::exists(dirs.DataDir + "PRG_PLU.BIN.old"));
    EXPECT_EQ(test::read_bytes(dirs.DataDir + "PRG_MODE.BIN"), mode) << "an original that exists stays";
    EXPECT_EQ(test::read_bytes(dirs.DataDir + "PRG_MODE.BIN.old"), modeAside);
    for (const char* gone : {".PRG_MODE.BIN.a1B2c3", ".PRG_PLU.BIN.Zz9x0Q"})
        EXPECT_FALSE(fs::exists(dirs.DataDir + gone)) << gone;
    EXPECT_FALSE(fs::exists(dirs.SetupDir + ".Language.ini.q1w2e3"));
    for (const char* kept : {".PRG_PLU.BIN.backup1", "notes.txt"})
        EXPECT_TRUE(fs::exists(dirs.DataDir + kept)) << kept;

    std::vector<std::string> lines;
    for (const std::string& line : test::log_texts(dirs.LogDir + "memo_log.txt"))
        if (line.rfind("Startup: ", 0) == 0)  // the language's lines aside
            lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{"Startup: PRG_PLU.BIN put back from PRG_PLU.BIN.old",
                                               "Startup: removed the unfinished write .Language.ini.q1w2e3",
                                               "Startup: removed the unfinished write .PRG_MODE.BIN.a1B2c3",
                                               "Startup: removed the unfinished write .PRG_PLU.BIN.Zz9x0Q"}));
    Read_PluFile(s.plu, dirs.DataDir, s.files, s.log);
    EXPECT_EQ(s.plu.PluCount, 2) << "the next open shows the PLUs";
}

}  // namespace
}  // namespace tw
