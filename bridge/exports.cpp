// The transfer exports: each formats its tool's command line into the one
// buffer of the library and runs it.
#include <cstddef>
#include <cstdio>
#include <mutex>

#include "tillbridge.h"
#include "tool_process.h"

namespace {

#ifdef _WIN32
#define TB_XFER "TILLXFER.EXE"
#define TB_PICT "TILLPICT.EXE"
#define TB_DATA "dati\\"
#else
// The tools' file names here; the data directory is DataDir exactly, since
// "dati" would be another directory on a case-sensitive file system.
#define TB_XFER "tillxfer"
#define TB_PICT "tillpict"
#define TB_DATA "Dati/"
#endif

// Every transfer call formats into this buffer; the lock keeps two callers
// from sharing it at the same time.
char g_commandLine[TILLBRIDGE_COMMAND_LINE_SIZE];
std::mutex g_lock;

// Fills the buffer with format(buffer, size) and runs the tool. A line that
// would not fit is refused like a failed start and leaves the buffer empty;
// snprintf never writes past the buffer. Without storeStartError the out
// argument is touched only when the tool started.
template <class Format>
int32_t run_formatted(int32_t* out, int32_t pollCount, bool storeStartError, Format&& format) noexcept
{
    if (out == nullptr)
        return 0;
    try {
        std::lock_guard<std::mutex> lock(g_lock);
        int32_t code = TILLBRIDGE_TIMEOUT;
        int32_t startError = 0;
        g_commandLine[0] = '\0';
        const int n = format(g_commandLine, sizeof g_commandLine);
        if (n < 0) {
            startError = tillbridge::invalid_argument_error();
        } else if (static_cast<std::size_t>(n) >= sizeof g_commandLine) {
            g_commandLine[0] = '\0';
            startError = tillbridge::line_too_long_error();
        } else if (tillbridge::run_tool(g_commandLine, pollCount, code, startError)) {
            *out = code;
            return 1;
        }
        if (storeStartError)
            *out = startError;
        return 0;
    } catch (...) {
        // Nothing may cross the C interface; the tool counts as not started.
        if (storeStartError)
            *out = tillbridge::invalid_argument_error();
        return 0;
    }
}

}  // namespace

extern "C" {

TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_send_cmd_to_ecr(const char* tool_dir, uint8_t direction,
                                                            uint8_t file_number, int32_t* exit_code,
                                                            int32_t poll_count)
{
    return run_formatted(exit_code, poll_count, false, [&](char* buffer, std::size_t size) {
        if (tool_dir == nullptr)
            return -1;
        return std::snprintf(buffer, size, "%s" TB_XFER " 0 %s %d %s" TB_DATA " %d %s", tool_dir, "19200",
                             int(direction), tool_dir, int(file_number), "BIN 2 0 0 0");
    });
}

TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_get_range_report(const char* tool_dir, uint8_t file_number,
                                                             int32_t* exit_code, int32_t poll_count,
                                                             uint8_t range_start, uint8_t range_end)
{
    return run_formatted(exit_code, poll_count, false, [&](char* buffer, std::size_t size) {
        if (tool_dir == nullptr)
            return -1;
        return std::snprintf(buffer, size, "%s" TB_XFER " 0 %s 0 %s" TB_DATA " %d BIN 2 %d %d 0", tool_dir,
                             "19200", tool_dir, int(file_number), int(range_start), int(range_end));
    });
}

TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_send_logo_to_ecr(const char* tool_dir, const char* bitmap_dir,
                                                             const char* bitmap_name, int32_t* result_code,
                                                             int32_t poll_count)
{
    return run_formatted(result_code, poll_count, true, [&](char* buffer, std::size_t size) {
        if (tool_dir == nullptr || bitmap_dir == nullptr || bitmap_name == nullptr)
            return -1;
        return std::snprintf(buffer, size, "%s" TB_PICT " %s %s %s", tool_dir, bitmap_dir, bitmap_name,
                             "GRAPHIC.BIN 0 2 1 0 50");
    });
}

}  // extern "C"
