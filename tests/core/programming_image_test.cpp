#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <numeric>

#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class PrgModeFile : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    fs::path file() const { return fs::path(s.dirs.DataDir) / "PRG_MODE.BIN"; }

    Bytes patterned(size_t size) const
    {
        Bytes b(size);
        for (size_t i = 0; i < size; ++i)
            b[i] = std::uint8_t((i * 7 + 3) % 256);
        return b;
    }
    void read() { Read_PrgMode(s.image, s.dirs.DataDir, s.files, s.log); }
    void write() { Write_PrgMode(s.image, s.dirs.DataDir, s.files); }
};

TEST_F(PrgModeFile, ReadThenWriteIsByteIdentical)
{
    const Bytes original = patterned(7078);
    test::write_bytes(file(), original);
    read();
    write();
    EXPECT_EQ(test::read_bytes(file()), original);
    EXPECT_TRUE(t.log().empty());
    EXPECT_EQ(t.effects.beeps, 0);
}

TEST_F(PrgModeFile, UneditedAreasSurviveEditsElsewhere)
{
    const Bytes original = patterned(7078);
    test::write_bytes(file(), original);
    read();
    s.image.set_bcd(s.codecs, prg::VatRates.offset, 4, 22500LL);
    s.image.set_text(s.codecs, prg::HeaderLines.offset, 24, "THANK YOU");
    s.image.set_bit(s.codecs, 0, 3, true);
    write();
    read();
    const Bytes after = test::read_bytes(file());
    ASSERT_EQ(after.size(), 7078u);
    for (auto area : {prg::Unused189, prg::Unused3911})
        for (size_t i = area.offset; i < area.end(); ++i)
            ASSERT_EQ(after[i], original[i]) << i;
    EXPECT_EQ(s.image.bcd(s.codecs, prg::VatRates.offset, 4), "22500");
    EXPECT_EQ((Bytes{after.begin() + 31, after.begin() + 35}), (Bytes{0x00, 0x25, 0x02, 0x00}));
}

TEST_F(PrgModeFile, ShortTextIsPaddedAndLongTextCut)
{
    s.image.set_text(s.codecs, prg::HeaderLines.offset, 24, "ABC");
    EXPECT_EQ(std::string(s.image.bytes.begin() + 3221, s.image.bytes.begin() + 3245),
              "ABC                     ");
    s.image.set_text(s.codecs, prg::DepartmentTable.offset, 12, "FRUIT AND VEGETABLES");
    EXPECT_EQ(s.image.text(s.codecs, prg::DepartmentTable.offset, 12), "FRUIT AND VE");
    EXPECT_EQ(s.image.byte(prg::DepartmentTable.offset + 12), 0);  // the next field is untouched
    s.image.set_text(s.codecs, prg::HeaderLines.offset, 24, "Caf\xE9");
    EXPECT_EQ(s.image.byte(3221 + 3), 240);  // é in the register's set
    EXPECT_EQ(s.image.text(s.codecs, prg::HeaderLines.offset, 4), "Caf\xE9");
}

TEST_F(PrgModeFile, LongerFileKeepsItsTail)
{
    Bytes original = patterned(7100);
    test::write_bytes(file(), original);
    read();
    s.image.set_byte(100, 0xAB);
    write();
    Bytes expected = original;
    expected[100] = 0xAB;
    EXPECT_EQ(test::read_bytes(file()), expected);
}

TEST_F(PrgModeFile, MissingOrShortFileReadsZerosAfterItsBytesAndSaysSo)
{
    s.image.bytes.fill(0x55);
    test::write_bytes(file(), {1, 2, 3});
    read();
    EXPECT_EQ(s.image.byte(0), 1);
    EXPECT_EQ(s.image.byte(2), 3);
    EXPECT_EQ(std::accumulate(s.image.bytes.begin() + 3, s.image.bytes.end(), 0), 0);
    EXPECT_EQ(t.log(), std::vector<std::string>{
                           "Read_PrgMode: PRG_MODE.BIN holds 3 of 7078 bytes; the rest reads as zero"});

    fs::remove(file());
    read();
    EXPECT_EQ(std::accumulate(s.image.bytes.begin(), s.image.bytes.end(), 0), 0);
    EXPECT_EQ(t.log().size(), 2u);
    EXPECT_FALSE(fs::exists(file()));  // a read never creates the file
}

TEST_F(PrgModeFile, UnreadableFileBeepsThreeTimesAndLogsOnce)
{
    fs::create_directory(file());  // a directory cannot be read as a file
    read();
    EXPECT_EQ(t.effects.beeps, 3);
    EXPECT_EQ(t.log(), std::vector<std::string>{"PrgMode: Superati 3 tentativi di lettura"});
}

TEST_F(PrgModeFile, FileThatBecomesReadableBeforeTheThirdAttemptIsRead)
{
    const Bytes original = patterned(7078);
    fs::create_directory(file());
    t.effects.onBeep = [&](int beeps) {
        if (beeps == 2) {  // released after the second failed attempt
            fs::remove(file());
            test::write_bytes(file(), original);
        }
    };
    read();
    EXPECT_EQ(t.effects.beeps, 2);
    EXPECT_TRUE(t.log().empty());
    EXPECT_EQ(Bytes(s.image.bytes.begin(), s.image.bytes.end()), original);
}

TEST_F(PrgModeFile, FailedWriteLeavesThePreviousFileIntact)
{
    const Bytes original = patterned(7078);
    test::write_bytes(file(), original);
    s.image.bytes.fill(0x11);

    // A full disk: the child may write at most 4096 bytes into any file.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        write();
        _exit(t.effects.beeps == 3 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have failed three times";
    EXPECT_EQ(test::read_bytes(file()), original);
    EXPECT_EQ(t.log(), std::vector<std::string>{"PrgMode: Superati 3 tentativi di lettura"});
    // No temporary file is left behind.
    int entries = 0;
    for (const auto& e : fs::directory_iterator(s.dirs.DataDir))
        entries += e.path().filename() != "Report";
    EXPECT_EQ(entries, 1);
}

TEST_F(PrgModeFile, WriteIntoAMissingDirectoryFailsCleanly)
{
    fs::remove_all(s.dirs.DataDir);
    write();
    EXPECT_EQ(t.effects.beeps, 3);
    EXPECT_EQ(t.log(), std::vector<std::string>{"PrgMode: Superati 3 tentativi di lettura"});
}

}  // namespace
}  // namespace tw
