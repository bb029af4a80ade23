#include <gtest/gtest.h>

#include <random>

#include "child_tools.h"
#include "support/test_session.h"
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
    EXPECT_TRUE(end_process(t.session, unique + "xfer"));
    EXPECT_EQ(process_state(pid), 0) << "no zombie left";
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(EndProcessTest, ANameThatMatchesNothingEndsNothing)
{
    const pid_t pid = start_child(unique + "x");
    EXPECT_FALSE(end_process(t.session, unique + "y"));
    EXPECT_FALSE(end_process(t.session, "x" + unique + "x"));  // longer than the process's name
    EXPECT_FALSE(end_process(t.session, ""));
    EXPECT_TRUE(is_running(pid));
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(EndProcessTest, EndsAnotherProcessOfTheUserOnlyWhenNoChildOfOursMatches)
{
    const pid_t stranger = start_stranger("a" + unique);
    ASSERT_TRUE(is_running(stranger));
    const pid_t child = start_child("b" + unique);

    EXPECT_TRUE(end_process(t.session, unique));
    EXPECT_EQ(process_state(child), 0);
    EXPECT_TRUE(is_running(stranger));

    EXPECT_TRUE(end_process(t.session, unique));
    EXPECT_TRUE(stops_running(stranger));
}

}  // namespace
}  // namespace tw
