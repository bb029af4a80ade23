#pragma once
#include <functional>
#include <set>
#include <string>
#include <thread>

namespace tw {

// A moment of local time, as the run log prints it.
struct LocalTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

using Clock = std::function<LocalTime()>;
LocalTime system_local_time();

// The run log: LogDir + "memo_log.txt". Every line is
// "dd-mm-yy hh:mm:ss text" + CR LF, in Windows-1252 (callers pass
// Windows-1252 text). The file is opened for appending and closed again for
// every line; it is never read, truncated or rotated.
class RunLog {
public:
    explicit RunLog(std::string filePath, Clock clock = system_local_time);

    // Appends one line. Never fails towards the caller: a line that cannot
    // be written is dropped and the reason goes to standard error, never back
    // into the run log.
    void write_log(const std::string& text) const noexcept;

    const std::string& path() const { return path_; }

    // While one lives, a text the same thread already wrote is not written
    // again: a file of thousands of bad fields gives one line per load, not
    // one per field.
    class OncePerText {
    public:
        explicit OncePerText(const RunLog& log);
        // The texts written are kept in `written`, which outlives this: a
        // caller that logs in many short turns (the rows of a grid, drawn as
        // they are shown) writes each text once over all of them.
        OncePerText(const RunLog& log, std::set<std::string>& written);
        ~OncePerText();
        OncePerText(const OncePerText&) = delete;
        OncePerText& operator=(const OncePerText&) = delete;

    private:
        const RunLog& log_;
        std::set<std::string> own_;
        std::set<std::string>& written_;
    };

    // "dd-mm-yy hh:mm:ss " + text + CR LF.
    static std::string format_line(const LocalTime& t, const std::string& text);

    // How long append_line keeps retrying while the file is locked or denied.
    static constexpr int kRetryCount = 20;
    static constexpr int kRetryPauseMs = 50;

private:
    // Opens the file for appending, writes the line and closes the file.
    // Retries a bounded number of times while the open is refused for access
    // or sharing; returns false when the line was dropped.
    bool append_line(const std::string& fileName, const std::string& line) const noexcept;

    std::string path_;
    Clock clock_;
    mutable std::set<std::string>* once_ = nullptr;  // set by a OncePerText of thread onceThread_
    mutable std::thread::id onceThread_;
};

}  // namespace tw
