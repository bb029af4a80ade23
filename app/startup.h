#pragma once
#include <string>

#include "app/session.h"

namespace tw {

// "V. 3.1.8", from the project version.
std::string VersionText();

// The platform's version as the start line prints it, and its build number.
// Linux: the kernel's major.minor as a decimal number (6.1 -> "6.01") and its
// patch level as the build.
struct PlatformVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};
PlatformVersion platform_version();
// The version number printed with the user's decimal separator: 5.01, 6.1.
std::string format_platform_version(const PlatformVersion& v, char decimalSeparator);

// Start-up steps 2 to 7 over a session whose directory set is built (step 1).
// Every step runs whatever became of the others. After the directories, the
// start mends what a killed program left behind (heal_after_crash).
void run_startup(Session& session);

// What a program killed in the middle of its work leaves, mended with one
// run-log line each: a programming file kept aside during an update whose
// original is missing is put back; temporary files of crash-safe writes are
// removed; a transfer tool the program started and left running (it holds
// the port) is ended, never a process it did not start.
void heal_after_crash(const Session& session);

// The start screen's milestones in the run log.
void log_start_line(const Session& session, char decimalSeparator);
void log_end_line(const Session& session);

}  // namespace tw
