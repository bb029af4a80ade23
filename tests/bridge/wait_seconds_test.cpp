#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "transfer/wait_seconds.h"

namespace tw {
namespace {

TEST(WaitSeconds, WaitsTheTimeWhilePumpingEvents)
{
    int pumps = 0;
    const auto start = std::chrono::steady_clock::now();
    wait_seconds(0.1, [&] { ++pumps; });
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Only what a busy machine cannot change: the time has passed, and the
    // events were pumped while waiting. The steps are timed by the tests below.
    EXPECT_GE(elapsed, 0.099);
    EXPECT_GE(pumps, 1);

    wait_seconds(0.0, {});  // no pump: just returns
}

TEST(WaitSeconds, StopsWhenTheTimeOfDayPassesMidnight)
{
    const std::vector<double> times = {86399.95, 86399.97, 86399.99, 0.01, 0.03, 0.05, 0.07, 0.09, 0.11};
    size_t reads = 0;
    int pumps = 0;
    wait_seconds(0.1, [&] { ++pumps; }, [&] { return times[std::min(reads++, times.size() - 1)]; });
    EXPECT_EQ(reads, 4u) << "returned at the first reading after midnight";
    EXPECT_EQ(pumps, 3);
}

TEST(WaitSeconds, StopsOnceTheElapsedTimeIsReached)
{
    double now = 100.0;
    int pumps = 0;
    wait_seconds(0.1, [&] { ++pumps; }, [&] { return now += 0.03; });
    EXPECT_EQ(pumps, 4);  // 0.03, 0.06, 0.09 short; 0.12 enough
}

}  // namespace
}  // namespace tw
