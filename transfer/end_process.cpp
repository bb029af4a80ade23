#include "transfer/end_process.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <exception>
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

#include <fstream>
#include <iterator>
#endif

namespace tw {
namespace {

struct ProcessEntry {
    long pid = 0;
    std::string name;  // the executable's file name
    bool ourChild = false;
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
        entries.push_back({long(entry.th32ProcessID), name, entry.th32ParentProcessID == self});
    }
    CloseHandle(snapshot);
    return entries;
}

bool end_one(const ProcessEntry& entry)
{
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, DWORD(entry.pid));
    if (process == nullptr)
        return false;
    const bool ended = TerminateProcess(process, 0) != 0;
    CloseHandle(process);
    return ended;
}

#else

std::string read_file_text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

long parent_of(const std::string& procDir)
{
    // "pid (name) state ppid ...": the name may hold spaces and parentheses.
    const std::string stat = read_file_text(procDir + "/stat");
    const size_t close = stat.rfind(')');
    if (close == std::string::npos || close + 4 >= stat.size())
        return -1;
    return std::strtol(stat.c_str() + close + 4, nullptr, 10);
}

// The current user's processes from /proc, in the order it lists them.
std::vector<ProcessEntry> running_processes()
{
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr)
        throw std::system_error(errno, std::generic_category(), "/proc");
    std::vector<ProcessEntry> entries;
    const long self = long(::getpid());
    const uid_t user = ::geteuid();
    while (const dirent* d = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(d->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || pid == self)
            continue;
        const std::string dir = std::string("/proc/") + d->d_name;
        struct stat st{};
        if (::stat(dir.c_str(), &st) != 0 || st.st_uid != user)
            continue;  // gone meanwhile, or another user's
        entries.push_back({pid, executable_name(dir), parent_of(dir) == self});
    }
    ::closedir(proc);
    return entries;
}

// Kills the process; a child of ours is reaped as well, waiting a bounded
// time (a process stuck in the kernel is left to a later reap).
bool end_one(const ProcessEntry& entry)
{
    if (::kill(pid_t(entry.pid), SIGKILL) != 0)
        return false;
    if (entry.ourChild) {
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

}  // namespace

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
