#include "transfer/end_process.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <cctype>
#include <chrono>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "base/effects.h"

#ifdef _WIN32
#include <windows.h>
#include <tlhelp32.h>
#else
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <sstream>
#include <sys/syscall.h>
#endif

namespace tw {
namespace {

struct ProcessEntry {
    long pid = 0;
    std::string name;  // the executable's file name
    bool ourChild = false;
    std::uint64_t startTime = 0;  // tells the process apart from a later one under the same id
    long parent = 0;
};

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool ends_with(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

#ifdef _WIN32

std::uint64_t start_time(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr)
        return 0;
    FILETIME created{}, exited{}, kernel{}, user{};
    std::uint64_t t = 0;
    if (GetProcessTimes(process, &created, &exited, &kernel, &user))
        t = (std::uint64_t(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    CloseHandle(process);
    return t;
}

// The process snapshot, in the order the system lists it.
std::vector<ProcessEntry> running_processes()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        throw std::system_error(int(GetLastError()), std::system_category(), "process snapshot");
    std::vector<ProcessEntry> entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    const DWORD self = GetCurrentProcessId();
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == self)
            continue;
        // The name up to its first zero, in the system's 8-bit code page.
        char name[MAX_PATH * 2] = {};
        WideCharToMultiByte(CP_ACP, 0, entry.szExeFile, -1, name, int(sizeof name) - 1, nullptr, nullptr);
        entries.push_back({long(entry.th32ProcessID), name, entry.th32ParentProcessID == self,
                           start_time(entry.th32ProcessID), long(entry.th32ParentProcessID)});
    }
    CloseHandle(snapshot);
    return entries;
}

bool end_one(const ProcessEntry& entry, bool reap = true)
{
    (void)reap;
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, DWORD(entry.pid));
    if (process == nullptr)
        return false;
    // The handle holds the process: once its start time is checked, no other
    // process can take its place.
    FILETIME created{}, exited{}, kernel{}, user{};
    const bool same = entry.startTime == 0 ||
                      (GetProcessTimes(process, &created, &exited, &kernel, &user) &&
                       ((std::uint64_t(created.dwHighDateTime) << 32) | created.dwLowDateTime) == entry.startTime);
    const bool ended = same && TerminateProcess(process, 0) != 0;
    CloseHandle(process);
    return ended;
}

#else

// A small file of /proc, empty when it cannot be read: a process that ends
// while it is looked at makes the read fail (ESRCH), which is no error here.
std::string read_file_text(const std::string& path)
{
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return text;
}

// The executable's name: the kernel's short name (which for a script is the
// script's file name), or, when that may be cut at the kernel's 15
// characters, the name of the executable file it begins.
std::string executable_name(const std::string& procDir)
{
    std::string comm = read_file_text(procDir + "/comm");
    if (!comm.empty() && comm.back() == '\n')
        comm.pop_back();
    if (comm.size() == 15) {
        char target[4096];
        const ssize_t n = ::readlink((procDir + "/exe").c_str(), target, sizeof target - 1);
        if (n > 0) {
            std::string exe(target, size_t(n));
            exe = exe.substr(exe.rfind('/') + 1);
            if (exe.compare(0, comm.size(), comm) == 0)
                return exe;
        }
    }
    return comm;
}

// The parent and the start time from "pid (name) state ppid ... starttime
// ..." (field 22); the name may hold spaces and parentheses.
struct StatFields {
    long parent = -1;
    std::uint64_t startTime = 0;
};
StatFields stat_fields(const std::string& procDir)
{
    StatFields f;
    const std::string stat = read_file_text(procDir + "/stat");
    const size_t close = stat.rfind(')');
    if (close == std::string::npos || close + 4 >= stat.size())
        return f;
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    for (int number = 3; rest >> field; ++number) {
        if (number == 4)
            f.parent = std::strtol(field.c_str(), nullptr, 10);
        if (number == 22) {
            f.startTime = std::strtoull(field.c_str(), nullptr, 10);
            break;
        }
    }
    return f;
}

ProcessEntry entry_of(long pid)
{
    const std::string dir = "/proc/" + std::to_string(pid);
    const StatFields f = stat_fields(dir);
    return {pid, executable_name(dir), f.parent == long(::getpid()), f.startTime, f.parent};
}

// The current user's processes from /proc, in the order it lists them.
std::vector<ProcessEntry> running_processes()
{
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr)
        throw std::system_error(errno, std::generic_category(), "/proc");
    std::vector<ProcessEntry> entries;
    const uid_t user = ::geteuid();
    while (const dirent* d = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(d->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || pid == long(::getpid()))
            continue;
        const std::string dir = std::string("/proc/") + d->d_name;
        struct stat st{};
        if (::stat(dir.c_str(), &st) != 0 || st.st_uid != user)
            continue;  // gone meanwhile, or another user's
        ProcessEntry entry = entry_of(pid);
        if (entry.startTime != 0)
            entries.push_back(std::move(entry));
    }
    ::closedir(proc);
    return entries;
}

// Kills the process, only while its id still names the process that was
// listed: the pidfd holds the process, and its start time and name are
// checked after the pidfd is taken. A child of ours is reaped as well when
// `reap` is set, waiting a bounded time (a process stuck in the kernel is
// left to a later reap).
bool end_one(const ProcessEntry& entry, bool reap = true)
{
    // The system calls themselves: glibc 2.36's wrappers lack C linkage in C++.
    const int pidfd = int(::syscall(SYS_pidfd_open, pid_t(entry.pid), 0));
    if (pidfd < 0)
        return false;
    const ProcessEntry now = entry_of(entry.pid);
    const bool same = now.startTime == entry.startTime && now.name == entry.name;
    const bool killed = same && ::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0) == 0;
    ::close(pidfd);
    if (!killed)
        return false;
    if (entry.ourChild && reap) {
        for (int i = 0; i < 200; ++i) {
            const pid_t r = ::waitpid(pid_t(entry.pid), nullptr, WNOHANG);
            if (r != 0 && !(r < 0 && errno == EINTR))
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    return true;
}

#endif

bool matches(const ProcessEntry& entry, const std::vector<std::string>& names)
{
    const std::string name = lower(entry.name);
    for (const std::string& wanted : names)
        if (!wanted.empty() && !name.empty() && ends_with(name, lower(wanted)))
            return true;
    return false;
}

}  // namespace

std::vector<ToolProcess> own_tool_processes(const std::vector<std::string>& names)
{
    std::vector<ToolProcess> tools;
    for (const ProcessEntry& entry : running_processes())
        if (entry.ourChild && matches(entry, names))
            tools.push_back({entry.pid, entry.startTime, entry.parent, entry.name});
    return tools;
}

int end_own_tools(const std::vector<std::string>& names)
{
    int ended = 0;
    for (const ProcessEntry& entry : running_processes())
        if (entry.ourChild && matches(entry, names) && end_one(entry, false))
            ++ended;
    return ended;
}

bool write_tool_list(const std::string& file, const std::vector<ToolProcess>& tools)
{
    std::error_code ec;
    if (tools.empty())
        return std::filesystem::remove(file, ec) || !ec;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const ToolProcess& t : tools)
        out << t.pid << ' ' << t.startTime << ' ' << t.parent << ' ' << t.name << '\n';
    return bool(out.flush());
}

std::vector<ToolProcess> end_listed_tools(const std::string& file)
{
    std::vector<ToolProcess> ended;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return ended;
    std::vector<ToolProcess> listed;
    for (ToolProcess t; in >> t.pid >> t.startTime >> t.parent && std::getline(in >> std::ws, t.name);)
        listed.push_back(t);
    in.close();
    for (const ToolProcess& t : listed) {
        // Only the very process that was listed (same id, start time and
        // name), and only when the program that started it is gone: a tool
        // still held by its parent belongs to another running instance.
        if (t.pid <= 0 || t.startTime == 0 || t.name.empty())
            continue;
        for (const ProcessEntry& entry : running_processes())
            if (entry.pid == t.pid && entry.startTime == t.startTime && entry.name == t.name &&
                entry.parent != t.parent && end_one(entry))
                ended.push_back(t);
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return ended;
}

bool end_process(Effects& effects, const std::string& name)
{
    try {
        const std::string wanted = lower(name);
        if (wanted.empty())
            return false;
        const std::vector<ProcessEntry> entries = running_processes();
        for (bool children : {true, false}) {
            for (const ProcessEntry& entry : entries) {
                if (entry.ourChild != children || entry.name.empty())
                    continue;
                if (ends_with(lower(entry.name), wanted))
                    return end_one(entry);
            }
        }
        return false;
    } catch (const std::exception& e) {
        effects.message_box(e.what(), MsgButtons::Ok, MsgIcon::None);
    } catch (...) {
        effects.message_box("unknown error", MsgButtons::Ok, MsgIcon::None);
    }
    return false;
}

}  // namespace tw
