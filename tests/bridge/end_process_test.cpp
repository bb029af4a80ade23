#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "child_tools.h"
#include "support/test_session.h"
#include "app/startup.h"
#include "transfer/end_process.h"

namespace tw {
namespace {

using namespace test;

class EndProcessTest : public ::testing::Test {
protected:
    // A name no other process has (the kernel keeps 15 characters of it).
    std::string unique = [] {
        std::random_device rd;
        return "tw" + std::to_string(rd() % 1000000);
    }();

    // A hanging script of ours under this name.
    pid_t start_child(const std::string& name)
    {
        const fs::path file = t.root.path() / name;
        write_tool(file, kHang);
        const pid_t pid = reaper(spawn_child(file));
        wait_until_named(pid, name);
        return pid;
    }
    // A hanging script that is not our child: a script of ours starts it in
    // the background and ends, so it passes to another parent.
    pid_t start_stranger(const std::string& name)
    {
        const fs::path file = t.root.path() / name;
        const fs::path pidFile = t.root.path() / (name + ".pid");
        write_tool(file, kHang);
        write_tool(t.root.path() / "launcher", "'" + file.string() + "' &\necho $! > '" + pidFile.string() + "'");
        const pid_t launcher = spawn_child(t.root.path() / "launcher");
        ::waitpid(launcher, nullptr, 0);
        const pid_t pid = reaper(wait_for_pid(pidFile));
        wait_until_named(pid, name);
        return pid;
    }
    // A started script bears its name once the shell has taken over.
    static void wait_until_named(pid_t pid, const std::string& name)
    {
        for (int i = 0; i < 1000; ++i) {
            std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
            std::string comm;
            if (std::getline(in, comm) && comm == name)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    TestSession t;
    ProcessReaper reaper;
};

TEST_F(EndProcessTest, EndsAndReapsAChildWhoseNameEndsWithTheGivenOneInAnyCase)
{
    const pid_t pid = start_child("My" + unique + "XFER");
    ASSERT_TRUE(is_running(pid));
    EXPECT_TRUE(end_process(t.session.effects, unique + "xfer"));
    EXPECT_EQ(process_state(pid), 0) << "no zombie left";
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(EndProcessTest, ANameThatMatchesNothingEndsNothing)
{
    const pid_t pid = start_child(unique + "x");
    EXPECT_FALSE(end_process(t.session.effects, unique + "y"));
    EXPECT_FALSE(end_process(t.session.effects, "x" + unique + "x"));  // longer than the process's name
    EXPECT_FALSE(end_process(t.session.effects, ""));
    EXPECT_TRUE(is_running(pid));
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(EndProcessTest, EndsAnotherProcessOfTheUserOnlyWhenNoChildOfOursMatches)
{
    const pid_t stranger = start_stranger("a" + unique);
    ASSERT_TRUE(is_running(stranger));
    const pid_t child = start_child("b" + unique);

    EXPECT_TRUE(end_process(t.session.effects, unique));
    EXPECT_EQ(process_state(child), 0);
    EXPECT_TRUE(is_running(stranger));

    EXPECT_TRUE(end_process(t.session.effects, unique));
    EXPECT_TRUE(stops_running(stranger));
}

// The Cancel of a transfer ends our own running tool and nothing else, and
// leaves it for the bridge to reap (which then reports it discontinued).
TEST_F(EndProcessTest, EndOwnToolsEndsOnlyOurChildrenAndLeavesThemToBeReaped)
{
    const pid_t stranger = start_stranger("a" + unique);
    const pid_t child = start_child("b" + unique);
    const std::vector<ToolProcess> listed = own_tool_processes({unique});
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].pid, child);
    EXPECT_EQ(listed[0].parent, ::getpid());

    EXPECT_EQ(end_own_tools({unique}), 1);
    ASSERT_TRUE(stops_running(child));
    EXPECT_EQ(process_state(child), 'Z') << "left for its waiter to reap";
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(is_running(stranger));
    EXPECT_EQ(end_own_tools({unique}), 0);
}

// A start after a crash ends the tool the killed program left running, and
// only the very process it listed: same id, start time and name, and no
// longer held by the program that started it.
TEST_F(EndProcessTest, AStartEndsOnlyAToolThatALostProgramLeftRunning)
{
    struct Case {
        const char* what;
        std::function<void(ToolProcess&)> change;
        bool ended;
    };
    const Case cases[] = {
        {"left by a lost program", [](ToolProcess& p) { p.parent = 1; }, true},
        {"still held by its program", [](ToolProcess&) {}, false},
        {"another process under the same id", [](ToolProcess& p) { p.parent = 1; ++p.startTime; }, false},
        {"another name", [](ToolProcess& p) { p.parent = 1; p.name += "x"; }, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        fs::remove(t.session.log.path());
        const pid_t pid = start_child(unique);
        std::vector<ToolProcess> listed = own_tool_processes({unique});
        ASSERT_EQ(listed.size(), 1u);
        k.change(listed[0]);
        const std::string list = t.dirs.LogDir + kToolListFile;
        ASSERT_TRUE(write_tool_list(list, listed));

        heal_after_crash(t.session);
        EXPECT_FALSE(fs::exists(list));
        if (k.ended) {
            EXPECT_EQ(process_state(pid), 0) << "ended and reaped";
            EXPECT_EQ(t.log(), std::vector<std::string>{"Startup: ended " + unique + " (process " +
                                                        std::to_string(pid) + ") left running by the last session"});
        } else {
            EXPECT_TRUE(is_running(pid));
            EXPECT_TRUE(t.log().empty());
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
}

}  // namespace
}  // namespace tw
