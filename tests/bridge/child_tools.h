#pragma once
// Stand-in tools for the bridge tests: small shell scripts that record their
// command line, report codes, sleep or hang, and the helpers to watch them.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <dlfcn.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace tw::test {

namespace fs = std::filesystem;

inline const std::string kLibraryFile = std::string(TW_BUNDLE_DIR) + "/libtillbridge.so";

// Writes an executable /bin/sh script.
inline void write_tool(const fs::path& file, const std::string& body)
{
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << "#!/bin/sh\n" << body << "\n";
    }
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

// Shell lines: append the command line as started ("$0" and the arguments,
// one space apart) as one line of `record`.
inline std::string record_command_line(const fs::path& record)
{
    return "{ printf '%s' \"$0\"; for a in \"$@\"; do printf ' %s' \"$a\"; done; echo; } >> '" +
           record.string() + "'";
}
// Writes the shell's process id to `file`.
inline std::string record_pid(const fs::path& file) { return "echo $$ > '" + file.string() + "'"; }
// Reports a full code through the result file, as the tool contract asks.
inline std::string report_code(std::uint32_t code)
{
    return "printf '%s' " + std::to_string(code) + " > \"$TILLBRIDGE_RESULT_FILE\"";
}
inline const std::string kHang = "while :; do sleep 0.05; done";

inline std::vector<std::string> read_lines(const fs::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The pid a tool wrote, waiting up to ten seconds for it (0 when none).
inline pid_t wait_for_pid(const fs::path& file)
{
    for (int i = 0; i < 1000; ++i) {
        std::ifstream in(file);
        long pid = 0;
        if (in >> pid && pid > 0)
            return pid_t(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

// The process's state letter from /proc ('Z' for a zombie), 0 when gone.
inline char process_state(pid_t pid)
{
    const std::string stat = read_text("/proc/" + std::to_string(pid) + "/stat");
    const size_t close = stat.rfind(')');
    return close == std::string::npos || close + 2 >= stat.size() ? 0 : stat[close + 2];
}
inline bool is_running(pid_t pid)
{
    const char s = process_state(pid);
    return s != 0 && s != 'Z' && s != 'X';
}

// Waits up to ten seconds for the process to stop running.
inline bool stops_running(pid_t pid)
{
    for (int i = 0; i < 1000; ++i) {
        if (!is_running(pid))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Starts a program as our child, without arguments.
inline pid_t spawn_child(const fs::path& program)
{
    std::string path = program.string();
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    return posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) == 0 ? pid : 0;
}

// Kills and reaps whatever a test left running, even when it failed.
class ProcessReaper {
public:
    ~ProcessReaper()
    {
        for (pid_t pid : pids_) {
            if (is_running(pid))
                ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);  // returns at once for a process not ours
        }
    }
    pid_t operator()(pid_t pid)
    {
        if (pid > 0)
            pids_.push_back(pid);
        return pid;
    }

private:
    std::vector<pid_t> pids_;
};

// The library opened by name, as the program binds it, and one export.
template <class Fn>
Fn bridge_export(const char* name)
{
    static void* library = ::dlopen(kLibraryFile.c_str(), RTLD_NOW | RTLD_LOCAL);
    return library ? reinterpret_cast<Fn>(::dlsym(library, name)) : nullptr;
}

// Seconds since `start`.
inline double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace tw::test
