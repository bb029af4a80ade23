#pragma once
#include <exception>
#include <string>
#include <type_traits>
#include <utility>

#include "base/run_log.h"

namespace tw {

// Runs one procedure or handler so that no exception leaves it: a failure
// writes one run-log line, prefix + description (the prefix carries its own
// separator, as in "FrmSetVatRate Salva: "), and the fallback is returned.
template <class F, class R>
R guarded(const RunLog& log, const std::string& prefix, F&& body, R fallback) noexcept
{
    try {
        return std::forward<F>(body)();
    } catch (const std::exception& e) {
        log.write_log(prefix + e.what());
    } catch (...) {
        log.write_log(prefix + "unknown error");
    }
    return fallback;
}

// The same for a body without a result; returns false when it failed.
// A body with a result must name its fallback (the overload above).
template <class F>
bool guarded(const RunLog& log, const std::string& prefix, F&& body) noexcept
{
    static_assert(std::is_void_v<std::invoke_result_t<F>>,
                  "a body that returns a value needs the guarded() overload with a fallback");
    return guarded(log, prefix, [&] { std::forward<F>(body)(); return true; }, false);
}

}  // namespace tw
