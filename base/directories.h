#pragma once
#include <string>

namespace tw {

// The platform's path separator; every directory below ends with it.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The fixed set of working directories below the program's directory.
struct Directories {
    std::string AppDir;
    std::string LogDir;
    std::string SetupDir;
    std::string DataDir;
    std::string HelpDir;
    std::string DataReportDir;
    std::string ReportDir;

    // Builds the set from the application directory (a missing trailing
    // separator is added).
    static Directories from_app_dir(std::string appDir);
};

// The directory that holds the running program, ending in the separator.
std::string program_directory();

// Creates the missing directories in the order LogDir, DataDir, SetupDir,
// DataReportDir, ReportDir. HelpDir is never created; errors are ignored.
void create_missing_directories(const Directories& dirs);

}  // namespace tw
