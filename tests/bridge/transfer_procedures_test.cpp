// The transfer procedures over a test session whose AppDir holds the bridge
// library and a stand-in tillxfer.
#include <gtest/gtest.h>

#include "child_tools.h"
#include "support/test_session.h"
#include "transfer/transfer_procedures.h"

namespace tw {
namespace {

using namespace test;

class TransferProceduresTest : public ::testing::Test {
protected:
    TransferProceduresTest()
    {
        fs::create_symlink(kLibraryFile, fs::path(app()) / "libtillbridge.so");
    }
    std::string app() const { return t.dirs.AppDir; }
    fs::path tool() const { return fs::path(app()) / "tillxfer"; }
    // A tillxfer that records its command line, then runs `body`.
    void install_tool(const std::string& body) { write_tool(tool(), record_command_line(record) + "\n" + body); }
    std::vector<std::string> runs() const { return read_lines(record); }
    std::string xfer(int direction, int file) const
    {
        return app() + "tillxfer 0 19200 " + std::to_string(direction) + " " + t.dirs.DataDir + " " +
               std::to_string(file) + " BIN 2 0 0 0";
    }

    TestSession t;
    fs::path record = t.root.path() / "runs.txt";
    ProcessReaper reaper;
};

TEST_F(TransferProceduresTest, ASendThatSucceedsReturnsTrueAndLogsNothing)
{
    install_tool("exit 0");
    EXPECT_TRUE(Send_PrgPluToEcr(t.session.transfer_link()));
    EXPECT_EQ(runs(), std::vector<std::string>{xfer(1, 1)});
    EXPECT_TRUE(t.log().empty());
}

TEST_F(TransferProceduresTest, AToolOrLibraryThatIsMissingGivesOneNotStartedLine)
{
    EXPECT_FALSE(Send_PrgPluToEcr(t.session.transfer_link()));  // no tillxfer
    EXPECT_EQ(t.log(), std::vector<std::string>{"Send_PrgPluToEcr error using tillxfer"});

    install_tool("exit 0");
    TestSession other;  // its AppDir has the tool but no library
    fs::copy_file(tool(), fs::path(other.dirs.AppDir) / "tillxfer");
    EXPECT_FALSE(Receive_GraphicEcr(other.session.transfer_link()));
    EXPECT_EQ(other.log(), std::vector<std::string>{"Receive_GraphicEcr error using tillxfer"});
    EXPECT_TRUE(runs().empty());
    EXPECT_TRUE(other.effects.boxes.empty());
}

TEST_F(TransferProceduresTest, AnErrorCodeIsLoggedInHexWithItsText)
{
    install_tool(report_code(0x1001) + "; exit 1");
    EXPECT_FALSE(Send_PrgPluToEcr(t.session.transfer_link()));
    EXPECT_EQ(t.log(), std::vector<std::string>{
                           "Send_PrgPluToEcr error. Code: 1001 Desc: The ECR side is in the state of BUSY."});
}

TEST_F(TransferProceduresTest, ATimeoutIsLoggedAndTheHangingToolEnded)
{
    const fs::path pidFile = t.root.path() / "pid.txt";
    install_tool(record_pid(pidFile) + "\n" + kHang);
    // The procedures poll 60 to 180 times; their step is the same with one poll.
    EXPECT_FALSE(transfer_step(t.session.transfer_link(), kToRegister, kFilePrgPlu, 1, "Send_PrgPluToEcr"));
    const pid_t pid = reaper(wait_for_pid(pidFile));
    ASSERT_GT(pid, 0);
    EXPECT_EQ(t.log(), std::vector<std::string>{"Send_PrgPluToEcr error. Code: 270F Desc: Timeout Error"});
    EXPECT_EQ(process_state(pid), 0) << "ended and reaped";
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(TransferProceduresTest, SendPrgModeReceivesTheLogoFirstAndReturnsTheSendsOutcome)
{
    struct Case {
        std::uint32_t logoCode;
        std::uint32_t sendCode;
        bool result;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {0x1002, 0, true,
         {"Receive_GraphicEcr error. Code: 1002 Desc: The error was returned from the ECR side.",
          "Send_PrgModeToEcr: Get logo Failed"}},
        {0, 0x401, false, {"Send_PrgModeToEcr error. Code: 401 Desc: The USB-COM port cannot be opened."}},
        {0, 0, true, {}},
    };
    for (const Case& k : cases) {
        fs::remove(record);
        fs::remove(t.session.log.path());
        // Direction 0 is the logo receive, 1 the send.
        install_tool("if [ \"$3\" = 0 ]; then code=" + std::to_string(k.logoCode) + "; else code=" +
                     std::to_string(k.sendCode) +
                     "; fi\nprintf '%s' $code > \"$TILLBRIDGE_RESULT_FILE\"\n[ $code = 0 ]");
        EXPECT_EQ(Send_PrgModeToEcr(t.session.transfer_link()), k.result);
        EXPECT_EQ(runs(), (std::vector<std::string>{xfer(0, 2), xfer(1, 0)}));
        EXPECT_EQ(t.log(), k.log);
    }
}

}  // namespace
}  // namespace tw
