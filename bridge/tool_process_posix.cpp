// Tool processes on POSIX: posix_spawn without a shell, polling with
// waitpid, and the result file through which a tool reports its full 32-bit
// result code (an exit status holds only 8 bits; see README.md).
#ifndef _WIN32

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tillbridge.h"
#include "tool_process.h"

extern char** environ;

namespace tillbridge {
namespace {

constexpr const char* kResultFileVariable = "TILLBRIDGE_RESULT_FILE";

// A tool left running after its last poll, reaped by a later call.
struct PendingTool {
    pid_t pid;
    std::string resultFile;
};

// When the library goes away nobody reads the pending tools' codes any more:
// their result files are removed then rather than left in the temporary
// directory.
struct PendingTools : std::vector<PendingTool> {
    ~PendingTools()
    {
        for (const PendingTool& tool : *this)
            ::unlink(tool.resultFile.c_str());
    }
};
PendingTools g_pending;

// The first token is the program, the others its arguments; a run of spaces
// separates like one space, so no argument is empty. Nothing is unquoted.
std::vector<std::string> split_command_line(const char* line)
{
    std::vector<std::string> tokens;
    std::string current;
    for (const char* p = line; *p != '\0'; ++p) {
        if (*p == ' ') {
            if (!current.empty())
                tokens.push_back(std::move(current));
            current.clear();
        } else {
            current += *p;
        }
    }
    if (!current.empty())
        tokens.push_back(std::move(current));
    return tokens;
}

std::string temporary_directory()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
    if (dir.back() != '/')
        dir += '/';
    return dir;
}

// Creates the empty result file; false with errno set when it cannot.
bool create_result_file(std::string& path)
{
    std::string pattern = temporary_directory() + "tillbridge-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    path = pattern;
    return true;
}

// The code the tool wrote: unsigned decimal digits, optionally followed by
// one line end, at most 4294967295. False when the file holds anything else.
// The tool may have put anything at the path: only a regular file is read,
// never with a blocking open (a FIFO would wait for a writer), and whole, so
// that a number followed by other text is no number.
bool read_result_file(const std::string& path, std::int32_t& code)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st{};
    std::string text;
    // A valid file holds at most ten digits and a line end.
    constexpr std::size_t kLongest = 12;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && std::size_t(st.st_size) <= kLongest) {
        char buffer[kLongest + 1];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            text.append(buffer, std::size_t(n));
            if (text.size() > kLongest)
                break;
        }
    }
    ::close(fd);
    if (text.size() > kLongest)
        return false;
    std::size_t digits = 0;
    std::uint64_t value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + std::uint64_t(text[digits] - '0');
        if (value > 0xFFFFFFFFull)
            return false;
        ++digits;
    }
    if (digits == 0)
        return false;
    const std::string rest = text.substr(digits);
    if (!rest.empty() && rest != "\n" && rest != "\r\n")
        return false;
    code = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return true;
}

// The result of an ended tool: 1 when a signal ended it ("It was
// discontinued while processing it."), else the code it wrote, else its exit
// status.
std::int32_t result_of(int status, const std::string& resultFile)
{
    if (WIFSIGNALED(status))
        return 1;
    std::int32_t code = 0;
    if (read_result_file(resultFile, code))
        return code;
    return WEXITSTATUS(status);
}

// Reaps the tools left running by earlier calls that have ended since (or
// were reaped by someone else, such as the program's end_process).
void reap_pending_tools()
{
    for (auto it = g_pending.begin(); it != g_pending.end();) {
        int status = 0;
        pid_t r;
        do {
            r = ::waitpid(it->pid, &status, WNOHANG);
        } while (r < 0 && errno == EINTR);
        if (r == 0) {
            ++it;
            continue;
        }
        ::unlink(it->resultFile.c_str());
        it = g_pending.erase(it);
    }
}

// The caller's environment with the result file's variable set.
std::vector<std::string> child_environment(const std::string& resultFile)
{
    const std::string prefix = std::string(kResultFileVariable) + "=";
    std::vector<std::string> env;
    for (char** e = environ; e != nullptr && *e != nullptr; ++e)
        if (std::strncmp(*e, prefix.c_str(), prefix.size()) != 0)
            env.emplace_back(*e);
    env.push_back(prefix + resultFile);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (std::string& t : texts)
        result.push_back(t.data());
    result.push_back(nullptr);
    return result;
}

// Starts the tool with only standard input, output and error inherited,
// default signal handling and an empty signal mask (whatever the calling
// thread blocks). Returns 0 or the error number.
int spawn_tool(std::vector<std::string>& args, std::vector<std::string>& env, pid_t& pid)
{
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    int err = posix_spawn_file_actions_init(&actions);
    if (err != 0)
        return err;
    err = posix_spawnattr_init(&attr);
    if (err != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return err;
    }
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    if (err == 0)
        err = posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    if (err == 0)
        err = posix_spawnattr_setsigmask(&attr, &none);
    if (err == 0)
        err = posix_spawnattr_setsigdefault(&attr, &all);
    if (err == 0)
        err = posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    if (err == 0) {
        std::vector<char*> argv = pointers(args);
        std::vector<char*> envp = pointers(env);
        err = posix_spawn(&pid, argv[0], &actions, &attr, argv.data(), envp.data());
    }
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return err;
}

}  // namespace

std::int32_t line_too_long_error() { return E2BIG; }
std::int32_t invalid_argument_error() { return EINVAL; }

bool run_tool(char* commandLine, std::int32_t pollCount, std::int32_t& code, std::int32_t& startError)
{
    reap_pending_tools();
    std::vector<std::string> args = split_command_line(commandLine);
    if (args.empty()) {
        startError = ENOENT;
        return false;
    }
    std::string resultFile;
    if (!create_result_file(resultFile)) {
        startError = errno;
        return false;
    }
    std::vector<std::string> env = child_environment(resultFile);
    pid_t pid = 0;
    const int err = spawn_tool(args, env, pid);
    if (err != 0) {
        ::unlink(resultFile.c_str());
        startError = err;
        return false;
    }

    for (std::int32_t look = 0; look < pollCount; ++look) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        int status = 0;
        pid_t r;
        do {
            r = ::waitpid(pid, &status, WNOHANG);
        } while (r < 0 && errno == EINTR);
        if (r == 0)
            continue;
        if (r == pid) {
            code = result_of(status, resultFile);
        } else {
            // Reaped elsewhere (SIGCHLD ignored by the program): only the
            // result file can tell; without it the run counts as discontinued.
            if (!read_result_file(resultFile, code))
                code = 1;
        }
        ::unlink(resultFile.c_str());
        return true;
    }
    g_pending.push_back({pid, resultFile});
    code = TILLBRIDGE_TIMEOUT;
    return true;
}

}  // namespace tillbridge

#endif  // !_WIN32
