#pragma once
#include <exception>
#include <string>
#include <utility>

#include "app/run_log.h"

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
template <class F>
bool guarded(const RunLog& log, const std::string& prefix, F&& body) noexcept
{
    return guarded(log, prefix, [&] { std::forward<F>(body)(); return true; }, false);
}

}  // namespace tw
