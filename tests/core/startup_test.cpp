#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tw
