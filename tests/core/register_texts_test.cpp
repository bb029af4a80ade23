// Loading a register language file into the image (`Setta ligua`).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "languages/register_texts.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class RegisterTexts : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    ProgrammingImage& image = s.image;

    RegisterTexts()
    {
        std::mt19937 random(7);
        for (std::uint8_t& b : image.bytes)
            b = std::uint8_t(random());
    }
    void write_language_file(const char* name, const std::string& content) const
    {
        test::write_bytes(fs::path(s.dirs.SetupDir) / name, {content.begin(), content.end()});
    }
    std::string at(std::size_t offset, std::size_t width) const
    {
        return {image.bytes.begin() + std::ptrdiff_t(offset), image.bytes.begin() + std::ptrdiff_t(offset + width)};
    }
};

std::string numbered_lines(int count)
{
    std::string content;
    for (int i = 1; i <= count; ++i)
        content += "L" + std::to_string(i) + "\r\n";
    return content;
}

TEST_F(RegisterTexts, ATwelveLineFileReplacesTheGroupNamesAndTwoHeaderLinesOnly)
{
    const auto before = image.bytes;
    write_language_file("French.txt", numbered_lines(12));
    EXPECT_EQ(Setta_ligua(image, 2, s.codecs, s.dirs.SetupDir, s.log), RegisterTextsResult::Loaded);
    EXPECT_EQ(at(3101, 12), "L1          ");
    EXPECT_EQ(at(3101 + 9 * 12, 12), "L10         ");
    EXPECT_EQ(at(3221, 24), "L11" + std::string(21, ' '));
    EXPECT_EQ(at(3221 + 24, 24), "L12" + std::string(21, ' '));
    for (std::size_t i = 3221 + 48; i < before.size(); ++i)
        ASSERT_EQ(image.bytes[i], before[i]) << "byte " << i;
    for (std::size_t i = 0; i < 3101; ++i)
        ASSERT_EQ(image.bytes[i], before[i]) << "byte " << i;
    EXPECT_TRUE(t.log().empty());
}

// Long lines are cut to their entry, short ones padded, characters go
// through the register's character set; lines past 133 change nothing.
TEST_F(RegisterTexts, LinesAreCutPaddedTranslatedAndThoseAfter133Ignored)
{
    std::string content = numbered_lines(10);
    content += "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234\r\n";  // header line 1: 30 characters
    content += "abc\n";                               // header line 2, LF alone
    content += "caf\xE9\r";                           // header line 3, CR alone; é is register 240
    for (int i = 14; i <= 133; ++i)
        content += "X" + std::to_string(i) + "\r\n";
    content += "EXTRA LINE 134\r\n";
    const auto before = image.bytes;
    write_language_file("English.txt", content);
    ASSERT_EQ(Setta_ligua(image, 0, s.codecs, s.dirs.SetupDir, s.log), RegisterTextsResult::Loaded);
    EXPECT_EQ(at(3221, 24), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(at(3245, 24), "abc" + std::string(21, ' '));
    EXPECT_EQ(at(3269, 24), "caf\xF0" + std::string(20, ' '));
    EXPECT_EQ(at(3701, 42), "X31" + std::string(39, ' '));         // scroll message 1
    EXPECT_EQ(at(5709, 24), "X36" + std::string(21, ' '));         // extra invoice line 1
    EXPECT_EQ(at(5829, 10), "X41       ");                         // register caption 1
    EXPECT_EQ(at(5829 + 73 * 10, 10), "X114      ");               // register caption 74
    EXPECT_EQ(at(6569 + 18 * 24, 24), "X133" + std::string(20, ' '));  // other line 19
    for (const prg::Member m : {prg::Unused3911, prg::KeyboardLayout, prg::SystemOptions})
        for (std::size_t i = m.offset; i < m.end(); ++i)
            ASSERT_EQ(image.bytes[i], before[i]) << "byte " << i;
}

TEST_F(RegisterTexts, AMissingFileIsLoggedAndChangesNothing)
{
    const auto before = image.bytes;
    write_language_file("English.txt", numbered_lines(133));  // another language's file is there
    EXPECT_EQ(Setta_ligua(image, 3, s.codecs, s.dirs.SetupDir, s.log), RegisterTextsResult::Missing);
    EXPECT_EQ(image.bytes, before);
    ASSERT_EQ(t.log().size(), 1u);
    EXPECT_EQ(t.log()[0], "The file language 3 is not present");
    // A language without a file of its own is missing too.
    EXPECT_EQ(Setta_ligua(image, 9, s.codecs, s.dirs.SetupDir, s.log), RegisterTextsResult::Missing);
    EXPECT_EQ(image.bytes, before);
    EXPECT_EQ(t.log().back(), "The file language 9 is not present");
}

TEST_F(RegisterTexts, AnUnreadableFileIsLoggedAndChangesNothing)
{
    fs::create_directory(fs::path(s.dirs.SetupDir) / "German.txt");
    const auto before = image.bytes;
    EXPECT_EQ(Setta_ligua(image, 3, s.codecs, s.dirs.SetupDir, s.log), RegisterTextsResult::Failed);
    EXPECT_EQ(image.bytes, before);
    ASSERT_EQ(t.log().size(), 1u);
    EXPECT_EQ(t.log()[0].rfind("Setta ligua: ", 0), 0u) << t.log()[0];
}

TEST(RegisterLanguageFiles, NameTheEightLanguageBytes)
{
    const char* expected[] = {"English.txt", "Spanish.txt", "French.txt", "German.txt",
                              "dutch.txt",   "Purtoguese.txt", "danish.txt", "Swedish.txt"};
    for (int n = 0; n < 8; ++n)
        EXPECT_STREQ(register_language_file(n), expected[n]);
    EXPECT_EQ(register_language_file(8), nullptr);
    EXPECT_EQ(register_language_file(-1), nullptr);
}

}  // namespace
}  // namespace tw
