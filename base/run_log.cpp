#include "base/run_log.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <fcntl.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tw {

LocalTime system_local_time()
{
    std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

RunLog::RunLog(std::string filePath, Clock clock) : path_(std::move(filePath)), clock_(std::move(clock)) {}

std::string RunLog::format_line(const LocalTime& t, const std::string& text)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d-%02d-%02d %02d:%02d:%02d ", t.day % 100, t.month % 100,
                  t.year % 100, t.hour % 100, t.minute % 100, t.second % 100);
    return stamp + text + "\r\n";
}

RunLog::OncePerText::OncePerText(const RunLog& log) : OncePerText(log, own_) {}

RunLog::OncePerText::OncePerText(const RunLog& log, std::set<std::string>& written) : log_(log), written_(written)
{
    if (log_.once_ == nullptr) {
        log_.once_ = &written_;
        log_.onceThread_ = std::this_thread::get_id();
    }
}

RunLog::OncePerText::~OncePerText()
{
    if (log_.once_ == &written_)
        log_.once_ = nullptr;
}

void RunLog::write_log(const std::string& text) const noexcept
{
    try {
        if (once_ != nullptr && onceThread_ == std::this_thread::get_id() && !once_->insert(text).second)
            return;
        append_line(path_, format_line(clock_ ? clock_() : system_local_time(), text));
    } catch (...) {
        std::fputs("run log: a line could not be formatted and was dropped\n", stderr);
    }
}

bool RunLog::append_line(const std::string& fileName, const std::string& line) const noexcept
{
    for (int attempt = 0; attempt < kRetryCount; ++attempt) {
#ifdef _WIN32
        int fd = _open(fileName.c_str(), _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY, 0644);
#else
        int fd = ::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
#endif
        if (fd < 0) {
            const int err = errno;
            // Another program holding or denying the file only delays the line.
            if (err == EACCES || err == EPERM || err == EBUSY || err == ETXTBSY) {
                std::this_thread::sleep_for(std::chrono::milliseconds(kRetryPauseMs));
                continue;
            }
            std::fprintf(stderr, "run log: cannot open %s: %s; line dropped\n", fileName.c_str(),
                         std::strerror(err));
            return false;
        }
#ifdef _WIN32
        int written = _write(fd, line.data(), unsigned(line.size()));
        _close(fd);
#else
        ssize_t written = ::write(fd, line.data(), line.size());
        ::close(fd);
#endif
        if (written != static_cast<decltype(written)>(line.size())) {
            std::fprintf(stderr, "run log: short write to %s\n", fileName.c_str());
            return false;
        }
        return true;
    }
    std::fprintf(stderr, "run log: %s stayed locked; line dropped\n", fileName.c_str());
    return false;
}

}  // namespace tw
