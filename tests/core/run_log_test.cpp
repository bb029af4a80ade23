#include <gtest/gtest.h>

#include <filesystem>

#include "base/run_log.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

TEST(RunLog, LineIsStampedAndEndsInCrLf)
{
    EXPECT_EQ(RunLog::format_line({2025, 12, 8, 9, 5, 7}, "hello"), "08-12-25 09:05:07 hello\r\n");
    EXPECT_EQ(RunLog::format_line({2000, 1, 31, 23, 59, 59}, ""), "31-01-00 23:59:59 \r\n");
}

TEST(RunLog, AppendsEveryLineKeepingItsBytes)
{
    test::TempDir dir;
    const auto file = dir.path() / "memo_log.txt";
    test::write_bytes(file, {'o', 'l', 'd', '\r', '\n'});
    RunLog log(file.string(), [] { return LocalTime{2025, 12, 8, 9, 5, 7}; });
    log.write_log("first");
    log.write_log("caf\xE9 \x80");  // Windows-1252 text goes through unchanged
    EXPECT_EQ(test::read_text(file),
              "old\r\n08-12-25 09:05:07 first\r\n08-12-25 09:05:07 caf\xE9 \x80\r\n");
}

TEST(RunLog, AnUnwritableLogDropsTheLineWithoutRecursing)
{
    test::TempDir dir;
    // The log's directory is missing: the line is dropped and nothing is created.
    const auto file = dir.path() / "missing" / "memo_log.txt";
    RunLog log(file.string());
    testing::internal::CaptureStderr();
    log.write_log("lost");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_NE(err.find("run log"), std::string::npos);
}

}  // namespace
}  // namespace tw
