// Tool processes on Windows: CreateProcess with the hidden-window start-up
// request, polling with GetExitCodeProcess. Exit codes are 32 bits wide here.
#ifdef _WIN32

#include <windows.h>

#include "tillbridge.h"
#include "tool_process.h"

namespace tillbridge {

std::int32_t line_too_long_error() { return ERROR_INSUFFICIENT_BUFFER; }
std::int32_t invalid_argument_error() { return ERROR_INVALID_PARAMETER; }

bool run_tool(char* commandLine, std::int32_t pollCount, std::int32_t& code, std::int32_t& startError)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    // The buffer is the whole command line: the system takes its first
    // space-separated token as the program. No handles are inherited.
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        startError = static_cast<std::int32_t>(GetLastError());
        return false;
    }
    DWORD exitCode = STILL_ACTIVE;
    for (std::int32_t look = 0; look < pollCount; ++look) {
        Sleep(1000);
        if (!GetExitCodeProcess(process.hProcess, &exitCode))
            exitCode = 1;  // the state cannot be read: counts as discontinued
        if (exitCode != STILL_ACTIVE)
            break;
    }
    code = exitCode == STILL_ACTIVE ? TILLBRIDGE_TIMEOUT : static_cast<std::int32_t>(exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace tillbridge

#endif  // _WIN32
