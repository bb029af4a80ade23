#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace tw::xfer {

// One entry of the file map: the name of the file in the data directory
// (and in the register's memory), and whether it is a report.
struct FileEntry {
    std::string name;
    bool report = false;
};

enum class Fault { None, Busy, WriteError, Hang };

// How the virtual register behind the tool is set up.
struct RegisterSettings {
    int model = 4410;                // 4410 or 4430
    std::string folder = "Register";  // relative to the tool's directory, or absolute
    bool powerOn = true;
    bool lineSpeed = false;   // pace transfers like the serial link
    Fault fault = Fault::None;
    std::set<int> faultFiles;  // the file numbers the fault hits; empty: all
};

// TillXfer.ini, as read. A problem is kept with its line number rather than
// thrown, because each part of the file has its own result code: a bad file
// map gives 0x206, a bad register section 0x401.
struct Settings {
    std::map<int, FileEntry> files;
    RegisterSettings reg;
    std::string filesError;     // the first problem in [Files]; empty when none
    std::string registerError;  // the first problem anywhere else

    bool fault_hits(int fileNumber) const
    {
        return reg.fault != Fault::None && (reg.faultFiles.empty() || reg.faultFiles.count(fileNumber) != 0);
    }
};

Settings parse_settings(std::string_view text);

}  // namespace tw::xfer
