#include "app/startup.h"

#include <cstdio>

#include <filesystem>
#include <system_error>

#include "base/guard.h"
#include "app/open_programming.h"
#include "app/version.h"
#include "transfer/end_process.h"

#ifndef _WIN32
#include <sys/utsname.h>
#endif

namespace tw {

std::string VersionText()
{
    return "V. " + std::to_string(TILLWRIGHT_VERSION_MAJOR) + "." + std::to_string(TILLWRIGHT_VERSION_MINOR) + "." +
           std::to_string(TILLWRIGHT_VERSION_PATCH);
}

PlatformVersion platform_version()
{
    PlatformVersion v;
#ifdef _WIN32
    // Windows: the version from the system, as the register's maker printed it.
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma warning(suppress : 4996)
    if (GetVersionExA(&info)) {
        v.major = int(info.dwMajorVersion);
        v.minor = int(info.dwMinorVersion);
        v.build = int(info.dwBuildNumber);
    }
#else
    struct utsname u{};
    if (uname(&u) == 0)
        std::sscanf(u.release, "%d.%d.%d", &v.major, &v.minor, &v.build);
#endif
    return v;
}

std::string format_platform_version(const PlatformVersion& v, char decimalSeparator)
{
    // major + minor / 100, printed without trailing zeros: 5.01, 6.1, 6.
    std::string text = std::to_string(v.major);
    int minor = v.minor % 100;
    if (minor != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%02d", minor);
        std::string frac(digits);
        while (!frac.empty() && frac.back() == '0')
            frac.pop_back();
        text += decimalSeparator + frac;
    }
    return text;
}

void heal_after_crash(const Session& s)
{
    namespace fs = std::filesystem;
    const struct {
        const char* name;
        const char* aside;
    } kept[] = {{"PRG_MODE.BIN", kPrgModeAsideName}, {"PRG_PLU.BIN", kPluAsideName}};
    for (const auto& k : kept) {
        const std::string file = s.dirs.DataDir + k.name;
        const std::string aside = s.dirs.DataDir + k.aside;
        std::error_code ec;
        if (fs::exists(file, ec) || !fs::is_regular_file(aside, ec))
            continue;
        fs::rename(aside, file, ec);
        s.log.write_log(ec ? "Startup: " + std::string(k.name) + " cannot be put back from " + k.aside + ": " +
                                 ec.message()
                           : "Startup: " + std::string(k.name) + " put back from " + k.aside);
    }
    const struct {
        const std::string& dir;
        const char* name;
    } written[] = {{s.dirs.DataDir, "PRG_MODE.BIN"},
                   {s.dirs.DataDir, "PRG_PLU.BIN"},
                   {s.dirs.DataDir, "KEY_DEFAULT.BIN"},
                   {s.dirs.SetupDir, "Language.ini"},
                   {s.dirs.SetupDir, "ExportOption.ini"}};
    for (const auto& w : written)
        for (const std::string& name : remove_orphaned_temporaries(w.dir, w.name))
            s.log.write_log("Startup: removed the unfinished write " + name);
    for (const ToolProcess& t : end_listed_tools(s.dirs.LogDir + kToolListFile))
        s.log.write_log("Startup: ended " + t.name + " (process " + std::to_string(t.pid) +
                        ") left running by the last session");
}

void run_startup(Session& s)
{
    // Step 2: the working directories.
    guarded(s.log, "Startup directories: ", [&] { create_missing_directories(s.dirs); });
    guarded(s.log, "Startup healing: ", [&] { heal_after_crash(s); });
    // Step 4: the character tables are built with the session.
    // Step 5: the language code. Step 6: its captions, help and flag.
    guarded(s.log, "Startup language: ", [&] { Read_Language(s.language.LanguageCode, s.dirs.SetupDir, s.files, s.log); });
    guarded(s.log, "Startup language: ", [&] { selezione_lingua(s.language, s.dirs, s.caption_files(), s.language.LanguageCode); });
    // Step 7: the shared message texts, from the captions just loaded.
    guarded(s.log, "Startup messages: ", [&] {
        s.messages = choose_shared_messages([&](const std::string& key) { return s.language.captions.text(key); });
    });
}

void log_start_line(const Session& s, char decimalSeparator)
{
    const PlatformVersion v = platform_version();
    s.log.write_log("Start Programm " + VersionText() + " So: " + format_platform_version(v, decimalSeparator) +
                    "." + std::to_string(v.build));
}

void log_end_line(const Session& s) { s.log.write_log("End Programm"); }

}  // namespace tw
