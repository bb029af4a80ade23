#include "transfer/wait_seconds.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace tw {

double seconds_since_midnight()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    const auto sinceEpoch = now.time_since_epoch();
    const double fraction =
        std::chrono::duration<double>(sinceEpoch - std::chrono::floor<std::chrono::seconds>(sinceEpoch)).count();
    return tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec + fraction;
}

void wait_seconds(double seconds, const EventPump& pumpEvents, const TimeOfDay& timeOfDay)
{
    const double start = timeOfDay();
    for (;;) {
        if (pumpEvents)
            pumpEvents();
        const double elapsed = timeOfDay() - start;
        if (elapsed < 0 || elapsed >= seconds)
            return;
        // A short nap between rounds keeps the wait from spinning a core.
        std::this_thread::sleep_for(std::chrono::duration<double>(std::min(seconds - elapsed, 0.005)));
    }
}

}  // namespace tw
