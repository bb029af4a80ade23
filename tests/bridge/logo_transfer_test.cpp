// Send_LogoToEcr over a test session whose AppDir holds the bridge library
// and stand-in scripts for tillpict and tillxfer.
#include <gtest/gtest.h>

#include "child_tools.h"
#include "support/test_session.h"
#include "transfer/logo_transfer.h"
#include "transfer/transfer_procedures.h"

namespace tw {
namespace {

using namespace test;

class LogoTransferTest : public ::testing::Test {
protected:
    LogoTransferTest()
    {
        fs::create_symlink(kLibraryFile, fs::path(app()) / "libtillbridge.so");
        fs::create_directory(pictures);
    }
    std::string app() const { return t.dirs.AppDir; }
    std::string pictures_dir() const { return pictures.string() + "/"; }

    // A tillpict that records its command line, writes `logo` as GRAPHIC.BIN
    // into the bitmap's directory (its first argument) unless it is empty,
    // and reports `code`.
    void install_pict(std::uint32_t code, const std::string& logo = "converted")
    {
        std::string body = record_command_line(record) + "\n";
        if (!logo.empty())
            body += "printf '%s' '" + logo + "' > \"$1GRAPHIC.BIN\"\n";
        write_tool(fs::path(app()) / "tillpict", body + report_code(code));
    }
    void install_xfer(std::uint32_t code)
    {
        write_tool(fs::path(app()) / "tillxfer", record_command_line(record) + "\n" + report_code(code) +
                                                     (code == 0 ? "" : "; exit 1"));
    }
    bool send(std::int32_t polls = 60)
    {
        run = TransferRun{};
        return Send_LogoToEcr(t.session.transfer_link(), run, t.dirs.DataDir, pictures_dir(), "shop.bmp", polls);
    }

    std::vector<std::string> runs() const { return read_lines(record); }
    std::string pict_line() const { return app() + "tillpict " + pictures_dir() + " shop.bmp GRAPHIC.BIN 0 2 1 0 50"; }
    std::string xfer_line() const { return app() + "tillxfer 0 19200 1 " + t.dirs.DataDir + " 2 BIN 2 0 0 0"; }
    std::string data_logo() const { return read_text(t.dirs.DataDir + "GRAPHIC.BIN"); }

    TestSession t;
    TransferRun run;  // of the last send
    fs::path pictures = t.root.path() / "Pictures";
    fs::path record = t.root.path() / "runs.txt";
    ProcessReaper reaper;
};

TEST_F(LogoTransferTest, ConvertsCopiesTheLogoIntoDataDirAndSendsItAsFile2)
{
    install_pict(0x01004F28);
    install_xfer(0);
    EXPECT_TRUE(send());
    EXPECT_EQ(runs(), (std::vector<std::string>{pict_line(), xfer_line()}));
    EXPECT_EQ(data_logo(), "converted");
    EXPECT_EQ(read_text(pictures / "GRAPHIC.BIN"), "converted");
    EXPECT_TRUE(t.log().empty());
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(LogoTransferTest, ResultCodesOfTheConversion)
{
    struct Case {
        std::uint32_t code;
        bool sent;
        std::string logLine;
        std::string reason;  // what the user is told
    };
    const Case cases[] = {
        {0x01000000, true, "", ""},
        {0x01006464, true, "", ""},
        {0x00FFFFFF, false, "Send_LogoToEcr conversion error. Code: FFFFFF Desc:No description", "No description"},
        {0x01006465, false, "Send_LogoToEcr conversion error. Code: 1006465 Desc:No description", "No description"},
        {0x10020000, false,
         "Send_LogoToEcr conversion error. Code: 10020000 Desc:The original BMP file has not been prepared as a "
         "black-and-white data.",
         "The original BMP file has not been prepared as a black-and-white data."},
        {0x04010000, false, "Send_LogoToEcr conversion error. Code: 4010000 Desc:Invalid the numbers of parameters.",
         "Invalid the numbers of parameters."},
    };
    install_xfer(0);
    for (const Case& c : cases) {
        fs::remove(record);
        fs::remove(t.session.log.path());
        fs::remove(t.dirs.DataDir + "GRAPHIC.BIN");
        install_pict(c.code);
        EXPECT_EQ(send(), c.sent) << std::hex << c.code;
        EXPECT_EQ(runs().size(), c.sent ? 2u : 1u) << "tillxfer runs only after a conversion";
        EXPECT_EQ(fs::exists(t.dirs.DataDir + "GRAPHIC.BIN"), c.sent) << "nothing copied after a failure";
        EXPECT_EQ(t.log(), c.logLine.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.logLine});
        EXPECT_EQ(run.reason("not started"), c.reason);
    }
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(LogoTransferTest, ToolsThatDoNotStartGiveTheirNotStartedLines)
{
    install_xfer(0);
    EXPECT_FALSE(send());  // no tillpict
    EXPECT_EQ(t.log(), std::vector<std::string>{"Send_PrgModeToEcr error using tillpict"});
    EXPECT_TRUE(runs().empty());

    fs::remove(t.session.log.path());
    fs::remove(fs::path(app()) / "tillxfer");
    install_pict(0x01003232);
    EXPECT_FALSE(send());
    EXPECT_EQ(t.log(), std::vector<std::string>{"Send_LogoToEcr error using tillxfer"});
    EXPECT_EQ(run.reason("not started"), "not started");
    EXPECT_EQ(data_logo(), "converted") << "the copy is made before the send";
    EXPECT_TRUE(t.effects.boxes.empty());
}

TEST_F(LogoTransferTest, ASendErrorIsLoggedWithTheTransferStepsLine)
{
    install_pict(0x01003232);
    install_xfer(0x1001);
    EXPECT_FALSE(send());
    EXPECT_EQ(t.log(), std::vector<std::string>{
                           "Send_LogoToEcr error. Code: 1001 Desc: The ECR side is in the state of BUSY."});
    EXPECT_EQ(run.reason("not started"), "The ECR side is in the state of BUSY.");
}

TEST_F(LogoTransferTest, AConversionThatLeftNoFileIsAnErrorBoxAndKeepsTheOldLogo)
{
    write_bytes(t.dirs.DataDir + "GRAPHIC.BIN", {1, 2, 3});
    install_pict(0x01003232, "");
    install_xfer(0);
    EXPECT_FALSE(send());
    ASSERT_EQ(t.log().size(), 1u);
    EXPECT_EQ(t.log()[0], "Send_PrgModeToEcr: " + pictures_dir() + "GRAPHIC.BIN cannot be read");
    ASSERT_EQ(t.effects.boxes.size(), 1u);
    EXPECT_EQ(t.effects.boxes[0].text, "Error");
    EXPECT_EQ(t.effects.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(read_bytes(t.dirs.DataDir + "GRAPHIC.BIN"), (Bytes{1, 2, 3}));
    EXPECT_EQ(runs().size(), 1u) << "nothing sent";
}

// After a Cancel nothing is converted or sent, and the user reads
// tillpict's own text for a quit rather than "No description".
TEST_F(LogoTransferTest, ACancelledSendConvertsNothingAndSaysSo)
{
    install_pict(0x01003232);
    install_xfer(0);
    std::stop_source cancel;
    cancel.request_stop();
    run = TransferRun{};
    run.stop = cancel.get_token();
    EXPECT_FALSE(Send_LogoToEcr(t.session.transfer_link(), run, t.dirs.DataDir, pictures_dir(), "shop.bmp", 60));
    EXPECT_TRUE(runs().empty());
    EXPECT_FALSE(fs::exists(t.dirs.DataDir + "GRAPHIC.BIN"));
    EXPECT_EQ(t.log(), std::vector<std::string>{"Send_LogoToEcr conversion error. Code: 1 Desc:No description"});
    EXPECT_EQ(run.reason("not started"), "Quit execution before completion.");
    EXPECT_TRUE(t.effects.boxes.empty());
}

// A converter still running after its polls is ended, so that it cannot
// write into the bitmap's folder later.
TEST_F(LogoTransferTest, AHangingConverterIsEnded)
{
    const fs::path pidFile = t.root.path() / "pid.txt";
    write_tool(fs::path(app()) / "tillpict", record_pid(pidFile) + "\n" + kHang);
    install_xfer(0);
    EXPECT_FALSE(send(1));
    const pid_t pid = reaper(wait_for_pid(pidFile));
    ASSERT_GT(pid, 0);
    EXPECT_EQ(t.log(), std::vector<std::string>{"Send_LogoToEcr conversion error. Code: 270F Desc:No description"});
    EXPECT_EQ(process_state(pid), 0) << "ended and reaped";
    EXPECT_TRUE(runs().empty());
}

}  // namespace
}  // namespace tw
