// The transfer exports of tillbridge, bound by name as the program binds
// them, with shell scripts standing in for tillxfer and tillpict.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "child_tools.h"
#include "transfer/bridge_binding.h"

namespace tw {
namespace {

using namespace test;

constexpr std::int32_t kUntouched = -12345;

class BridgeExportsTest : public ::testing::Test {
protected:
    TempDir tools;  // the tool directory
    std::string dir = tools.str();
    BridgeBinding bridge{std::string(TW_BUNDLE_DIR) + "/"};
    fs::path record = tools.path() / "record.txt";
    ProcessReaper reaper;

    std::int32_t send(std::uint8_t direction, std::uint8_t file, std::int32_t& code, std::int32_t polls = 1)
    {
        return bridge.util_send_cmd_to_ecr(dir, direction, file, code, polls);
    }
};

TEST_F(BridgeExportsTest, CommandLinesAreTheTemplatesFilledIn)
{
    write_tool(tools.path() / "tillxfer", record_command_line(record));
    write_tool(tools.path() / "tillpict", record_command_line(record));
    struct Case {
        std::function<std::int32_t(std::int32_t&)> call;
        std::string expected;
    };
    const Case cases[] = {
        {[&](std::int32_t& c) { return send(1, 0, c); }, dir + "tillxfer 0 19200 1 " + dir + "Dati/ 0 BIN 2 0 0 0"},
        {[&](std::int32_t& c) { return send(0, 1, c); }, dir + "tillxfer 0 19200 0 " + dir + "Dati/ 1 BIN 2 0 0 0"},
        {[&](std::int32_t& c) { return send(255, 19, c); },
         dir + "tillxfer 0 19200 255 " + dir + "Dati/ 19 BIN 2 0 0 0"},
        {[&](std::int32_t& c) { return bridge.util_get_range_report(dir, 5, c, 1, 1, 99); },
         dir + "tillxfer 0 19200 0 " + dir + "Dati/ 5 BIN 2 1 99 0"},
        {[&](std::int32_t& c) { return bridge.util_send_logo_to_ecr(dir, "/pictures/", "shop.bmp", c, 1); },
         dir + "tillpict /pictures/ shop.bmp GRAPHIC.BIN 0 2 1 0 50"},
    };
    for (const Case& k : cases) {
        fs::remove(record);
        std::int32_t code = kUntouched;
        EXPECT_EQ(k.call(code), 1) << k.expected;
        EXPECT_EQ(code, 0) << k.expected;
        EXPECT_EQ(read_lines(record), std::vector<std::string>{k.expected});
    }
}

TEST_F(BridgeExportsTest, ALineThatDoesNotFitTheBufferIsRefusedLikeAFailedStart)
{
    // The tool directory occurs twice in a tillxfer line: pad it so that the
    // line for file 10 is 299 characters, the most the 300-byte buffer holds.
    const std::string fixed = std::string("tillxfer 0 19200 1 ") + "Dati/ 10 BIN 2 0 0 0";
    const size_t dirLength = (299 - fixed.size()) / 2;
    ASSERT_LT(dir.size() + 1, dirLength) << "temporary directory too long for this case";
    ASSERT_EQ(fixed.size() + 2 * dirLength, 299u);
    const fs::path longDir = tools.path() / std::string(dirLength - dir.size() - 1, 'd');
    fs::create_directory(longDir);
    const std::string toolDir = longDir.string() + "/";
    ASSERT_EQ(toolDir.size(), dirLength);
    write_tool(longDir / "tillxfer", record_command_line(record));

    std::int32_t code = kUntouched;
    EXPECT_EQ(bridge.util_send_cmd_to_ecr(toolDir, 1, 10, code, 1), 1);
    EXPECT_EQ(code, 0);
    ASSERT_EQ(read_lines(record).size(), 1u);
    EXPECT_EQ(read_lines(record)[0].size(), 299u);

    // File 100 makes it 300 characters: refused, the tool never runs and the
    // exit code stays untouched.
    fs::remove(record);
    code = kUntouched;
    EXPECT_EQ(bridge.util_send_cmd_to_ecr(toolDir, 1, 100, code, 1), 0);
    EXPECT_EQ(code, kUntouched);
    EXPECT_EQ(bridge.util_get_range_report(toolDir + "x", 5, code, 1, 1, 99), 0);
    EXPECT_EQ(code, kUntouched);
    EXPECT_FALSE(fs::exists(record));

    // The logo export reports the refusal with its error number.
    EXPECT_EQ(bridge.util_send_logo_to_ecr(dir, std::string(400, 'b') + "/", "logo.bmp", code, 1), 0);
    EXPECT_EQ(code, E2BIG);
}

TEST_F(BridgeExportsTest, AToolThatCannotStartGivesZero)
{
    std::int32_t code = kUntouched;
    EXPECT_EQ(send(1, 0, code), 0);  // no tillxfer in the directory
    EXPECT_EQ(code, kUntouched);
    EXPECT_EQ(bridge.util_send_logo_to_ecr(dir, "/b/", "l.bmp", code, 1), 0);
    EXPECT_EQ(code, ENOENT);

    std::ofstream(tools.path() / "tillpict") << "not executable\n";
    EXPECT_EQ(bridge.util_send_logo_to_ecr(dir, "/b/", "l.bmp", code, 1), 0);
    EXPECT_EQ(code, EACCES);
}

TEST_F(BridgeExportsTest, AMissingLibraryBehavesLikeAToolNotStarted)
{
    write_tool(tools.path() / "tillxfer", record_command_line(record));
    BridgeBinding missing(dir);  // no library in the tool directory
    std::int32_t code = kUntouched;
    EXPECT_EQ(missing.util_send_cmd_to_ecr(dir, 1, 0, code, 1), 0);
    EXPECT_EQ(missing.util_get_range_report(dir, 5, code, 1, 1, 99), 0);
    EXPECT_EQ(missing.util_send_logo_to_ecr(dir, "/b/", "l.bmp", code, 1), 0);
    EXPECT_EQ(code, kUntouched);
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(BridgeExportsTest, ResultCodesComeFromTheResultFileElseTheExitStatus)
{
    struct Case {
        std::string body;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"exit 0", 0},
        {"exit 7", 7},
        {report_code(0x1001) + "; exit 1", 0x1001},
        {"printf '268566528\\r\\n' > \"$TILLBRIDGE_RESULT_FILE\"; exit 1", 0x10020000},
        {report_code(0xFFFFFFFFu) + "; exit 255", -1},
        {report_code(0) + "; exit 0", 0},
        // Anything but a 32-bit decimal number falls back to the exit status.
        {"printf 4294967296 > \"$TILLBRIDGE_RESULT_FILE\"; exit 3", 3},
        {"printf '12 monkeys' > \"$TILLBRIDGE_RESULT_FILE\"; exit 5", 5},
        // The whole file counts, not its first bytes.
        {"printf '0000000000000000 FAILED 4097' > \"$TILLBRIDGE_RESULT_FILE\"; exit 1", 1},
        // Only a regular file is read, and never with a blocking open.
        {"rm -f \"$TILLBRIDGE_RESULT_FILE\"; mkfifo \"$TILLBRIDGE_RESULT_FILE\"; exit 9", 9},
        {"echo 4097 > '" + (tools.path() / "code.txt").string() + "'; rm -f \"$TILLBRIDGE_RESULT_FILE\"; ln -s '" +
             (tools.path() / "code.txt").string() + "' \"$TILLBRIDGE_RESULT_FILE\"; exit 4",
         4},
        // Killed by a signal: discontinued, whatever the file says.
        {report_code(0) + "; kill -9 $$", 1},
    };
    const fs::path fileNames = tools.path() / "result-files.txt";
    for (const Case& k : cases) {
        write_tool(tools.path() / "tillxfer", "echo \"$TILLBRIDGE_RESULT_FILE\" >> '" + fileNames.string() + "'\n" + k.body);
        std::int32_t code = kUntouched;
        EXPECT_EQ(send(0, 3, code), 1) << k.body;
        EXPECT_EQ(code, k.expected) << k.body;
    }
    // Every run had its own result file, and none is left behind.
    const std::vector<std::string> files = read_lines(fileNames);
    ASSERT_EQ(files.size(), std::size(cases));
    for (const std::string& f : files) {
        EXPECT_FALSE(f.empty());
        EXPECT_FALSE(fs::exists(f)) << f;
    }
}

TEST_F(BridgeExportsTest, TheToolGetsTheCallersEnvironmentAndNoOtherDescriptors)
{
    // A descriptor of ours that a careless start would hand down.
    const fs::path marker = tools.path() / "marker.txt";
    std::FILE* open = std::fopen(marker.c_str(), "w");
    ASSERT_NE(open, nullptr);
    ::setenv("TW_BRIDGE_PROBE", "passed on", 1);
    const fs::path seen = tools.path() / "seen.txt";
    write_tool(tools.path() / "tillxfer",
               "{ echo \"$TW_BRIDGE_PROBE\"; for f in /proc/$$/fd/*; do readlink \"$f\"; done; } > '" +
                   seen.string() + "'");
    std::int32_t code = kUntouched;
    EXPECT_EQ(send(1, 0, code), 1);
    std::fclose(open);
    ::unsetenv("TW_BRIDGE_PROBE");

    const std::vector<std::string> lines = read_lines(seen);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "passed on");
    for (const std::string& target : lines)
        EXPECT_NE(target, marker.string());
}

TEST_F(BridgeExportsTest, AToolThatEndsSoonIsReportedAtTheFirstPollOneSecondAfterTheStart)
{
    struct Case {
        std::string body;
        std::int32_t polls;
    };
    const Case cases[] = {{"exit 0", 1}, {"sleep 0.2; exit 0", 3}};
    for (const Case& k : cases) {
        write_tool(tools.path() / "tillxfer", k.body);
        std::int32_t code = kUntouched;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(send(1, 0, code, k.polls), 1);
        const double elapsed = seconds_since(start);
        EXPECT_EQ(code, 0);
        EXPECT_GE(elapsed, 0.95) << k.body;
        EXPECT_LT(elapsed, 1.9) << k.body;  // not at the second or third poll
    }
}

TEST_F(BridgeExportsTest, AToolStillRunningAfterThePollsGives9999AndKeepsRunning)
{
    const fs::path pidFile = tools.path() / "pid.txt";
    write_tool(tools.path() / "tillxfer", record_pid(pidFile) + "\n" + kHang);
    for (std::int32_t polls : {1, 0, -3}) {
        fs::remove(pidFile);
        std::int32_t code = kUntouched;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(send(1, 0, code, polls), 1);
        const double elapsed = seconds_since(start);
        EXPECT_EQ(code, 9999);
        if (polls > 0)
            EXPECT_GE(elapsed, 0.95);
        else
            EXPECT_LT(elapsed, 0.9) << "no poll, no wait";
        const pid_t pid = reaper(wait_for_pid(pidFile));
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(is_running(pid));
        ::kill(pid, SIGKILL);
    }
}

TEST_F(BridgeExportsTest, AToolThatEndsAfterItsTimeoutIsReapedAtTheNextCall)
{
    const fs::path pidFile = tools.path() / "pid.txt";
    const fs::path fileNames = tools.path() / "result-files.txt";
    // The tool runs until the test lets it end, however slow the machine.
    const fs::path go = tools.path() / "go";
    write_tool(tools.path() / "tillxfer", record_pid(pidFile) + "\necho \"$TILLBRIDGE_RESULT_FILE\" > '" +
                                              fileNames.string() + "'\nwhile [ ! -e '" + go.string() +
                                              "' ]; do sleep 0.05; done");
    std::int32_t code = kUntouched;
    EXPECT_EQ(send(1, 0, code), 1);
    EXPECT_EQ(code, 9999);
    const pid_t pid = reaper(wait_for_pid(pidFile));
    ASSERT_GT(pid, 0);
    std::ofstream(go).put('\n');
    ASSERT_TRUE(stops_running(pid));
    EXPECT_EQ(process_state(pid), 'Z') << "ended, not yet reaped";

    write_tool(tools.path() / "tillxfer", "exit 0");
    EXPECT_EQ(send(1, 0, code), 1);
    EXPECT_EQ(process_state(pid), 0) << "reaped";
    const std::vector<std::string> files = read_lines(fileNames);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_FALSE(fs::exists(files[0]));
}

}  // namespace
}  // namespace tw
