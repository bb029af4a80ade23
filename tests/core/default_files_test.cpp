#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "image/default_files.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class CopiaDefFileTest : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;

    void choose_model(int code)
    {
        s.ModelCode = code;
        s.ModelDataDir = s.dirs.DataDir + (code == 1 ? "ECR4430" : "ECR4410") + std::string(1, kPathSeparator);
        fs::create_directories(s.ModelDataDir);
    }
    fs::path data(const std::string& name) const { return fs::path(s.dirs.DataDir) / name; }
    fs::path model(const std::string& name) const { return fs::path(s.ModelDataDir) / name; }
    std::vector<std::string> box_texts() const
    {
        std::vector<std::string> texts;
        for (const auto& b : t.effects.boxes)
            texts.push_back(b.text);
        return texts;
    }
};

TEST_F(CopiaDefFileTest, LeavesByteCopiesOfTheChosenModelsDefaults)
{
    struct Case {
        int model;
        const char* prefix;
    };
    for (const Case& c : {Case{1, "ECR4430_"}, Case{0, "ECR4410_"}}) {
        choose_model(c.model);
        const std::vector<std::uint8_t> mode(7078, std::uint8_t(0x30 + c.model));
        const std::vector<std::uint8_t> plu = {0x01, 0x00, 0x21, std::uint8_t(c.model)};
        test::write_bytes(model(std::string(c.prefix) + "PRG_MODE.BIN"), mode);
        test::write_bytes(model(std::string(c.prefix) + "PRG_PLU.BIN"), plu);
        test::write_bytes(data("PRG_MODE.BIN"), {1, 2, 3});  // the programming being replaced

        copia_def_file(s.default_file_copy());

        EXPECT_EQ(test::read_bytes(data("PRG_MODE.BIN")), mode) << c.prefix;
        EXPECT_EQ(test::read_bytes(data("PRG_PLU.BIN")), plu) << c.prefix;
    }
    EXPECT_TRUE(t.effects.boxes.empty());
    EXPECT_TRUE(t.log().empty());
}

TEST_F(CopiaDefFileTest, BothDefaultsMissingGiveTwoMessagesTwoLinesAndNoProgrammingFile)
{
    choose_model(1);
    test::write_bytes(data("PRG_MODE.BIN"), {1});
    test::write_bytes(data("PRG_PLU.BIN"), {0, 0});

    copia_def_file(s.default_file_copy());

    EXPECT_EQ(box_texts(), (std::vector<std::string>{"Error During copy PRG_MODE_FILE", "Error During copy PRG_MODE_PLUE"}));
    for (const auto& b : t.effects.boxes)
        EXPECT_EQ(b.buttons, MsgButtons::Ok);
    const std::vector<std::string> log = t.log();
    ASSERT_EQ(log.size(), 2u);
    for (const std::string& line : log)
        EXPECT_TRUE(std::regex_match(line, std::regex("copia_def_file: -?[0-9]+ .+"))) << line;
    EXPECT_FALSE(fs::exists(data("PRG_MODE.BIN")));
    EXPECT_FALSE(fs::exists(data("PRG_PLU.BIN")));
    // Nothing half-copied is left behind either.
    for (const auto& entry : fs::directory_iterator(s.dirs.DataDir))
        EXPECT_FALSE(entry.is_regular_file()) << entry.path();
}

TEST_F(CopiaDefFileTest, APrgModeThatCannotBeReplacedIsLoggedAndShowsItsMessage)
{
    choose_model(0);
    test::write_bytes(model("ECR4410_PRG_MODE.BIN"), std::vector<std::uint8_t>(7078, 7));
    test::write_bytes(model("ECR4410_PRG_PLU.BIN"), {0, 0});
    fs::create_directories(data("PRG_MODE.BIN") / "in-use");  // can be neither deleted nor overwritten

    copia_def_file(s.default_file_copy());

    EXPECT_EQ(box_texts(), (std::vector<std::string>{"Error During copy PRG_MODE_FILE"}));
    EXPECT_EQ(t.log().size(), 2u);  // the delete and the copy
    EXPECT_EQ(test::read_bytes(data("PRG_PLU.BIN")), (std::vector<std::uint8_t>{0, 0}));
}

TEST_F(CopiaDefFileTest, TheMessagesAreTheCurrentSharedTexts)
{
    choose_model(1);
    s.messages.MsgCopyPrgModeError = "PRG_MODE non copiato";
    s.messages.MsgCopyPrgPluError = "PRG_PLU non copiato";
    copia_def_file(s.default_file_copy());
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"PRG_MODE non copiato", "PRG_PLU non copiato"}));
}

class WriteKeyDefaultTest : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    fs::path file = fs::path(s.dirs.DataDir) / "KEY_DEFAULT.BIN";

    void run() { Write_Key_Default(s.KeyDefault, s.dirs.DataDir, s.files, s.log); }
};

TEST_F(WriteKeyDefaultTest, FillsTheBufferWithTheFirst53Bytes)
{
    std::vector<std::uint8_t> bytes(60);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(20 + i);
    test::write_bytes(file, bytes);
    run();
    EXPECT_TRUE(std::equal(s.KeyDefault.begin(), s.KeyDefault.end(), bytes.begin()));
    EXPECT_EQ(t.effects.beeps, 0);
    EXPECT_TRUE(t.log().empty());
}

TEST_F(WriteKeyDefaultTest, AMissingOrShortFileFailsThreeTimesAndLeavesNoOperation)
{
    for (bool present : {false, true}) {
        test::TestSession fresh;
        if (present)
            test::write_bytes(fs::path(fresh.session.dirs.DataDir) / "KEY_DEFAULT.BIN",
                              std::vector<std::uint8_t>(52, 20));
        fresh.session.KeyDefault.fill(20);
        Write_Key_Default(fresh.session.KeyDefault, fresh.session.dirs.DataDir, fresh.session.files,
                          fresh.session.log);
        EXPECT_EQ(fresh.effects.beeps, 3);
        EXPECT_EQ(fresh.log(), (std::vector<std::string>{"Write_Key_Default: Superati 3 tentativi di lettura"}));
        for (std::uint8_t code : fresh.session.KeyDefault)
            ASSERT_EQ(code, 255);
    }
}

}  // namespace
}  // namespace tw
