#pragma once
#include <functional>

namespace tw {

// The local time of day in seconds since midnight, with fractions.
double seconds_since_midnight();

using TimeOfDay = std::function<double()>;
using EventPump = std::function<void()>;

// Returns after `seconds` (fractions allowed), letting pumpEvents process the
// user interface's pending events meanwhile (an empty pump just waits). Stops
// early when the time of day runs backwards, i.e. at midnight at the latest.
void wait_seconds(double seconds, const EventPump& pumpEvents,
                  const TimeOfDay& timeOfDay = seconds_since_midnight);

}  // namespace tw
