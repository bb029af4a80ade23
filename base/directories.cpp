#include "base/directories.h"

#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tw {

Directories Directories::from_app_dir(std::string appDir)
{
    if (appDir.empty() || appDir.back() != kPathSeparator)
        appDir += kPathSeparator;
    const std::string sep(1, kPathSeparator);
    Directories d;
    d.AppDir = appDir;
    d.LogDir = appDir + "Log" + sep;
    d.SetupDir = appDir + "Setup" + sep;
    d.DataDir = appDir + "Dati" + sep;
    d.HelpDir = appDir + "help" + sep + "eng" + sep;
    d.DataReportDir = d.DataDir + "Report" + sep;
    d.ReportDir = appDir + "Report" + sep;
    return d;
}

std::string program_directory()
{
    std::filesystem::path exe;
#ifdef _WIN32
    wchar_t buffer[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, buffer, DWORD(std::size(buffer)));
    exe = std::filesystem::path(std::wstring(buffer, n));
#else
    std::error_code ec;
    exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::current_path(ec) / "tillwright";
#endif
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != kPathSeparator)
        dir += kPathSeparator;
    return dir;
}

void create_missing_directories(const Directories& dirs)
{
    const std::vector<const std::string*> order = {&dirs.LogDir, &dirs.DataDir, &dirs.SetupDir,
                                                   &dirs.DataReportDir, &dirs.ReportDir};
    for (const std::string* dir : order) {
        // The path goes to the file system without its trailing separator.
        std::string path = dir->substr(0, dir->size() - 1);
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
            std::filesystem::create_directory(path, ec);
    }
}

}  // namespace tw
