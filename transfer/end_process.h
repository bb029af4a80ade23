#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

class Effects;

// Ends the first running process of the current user whose executable name
// ends with `name`, compared without regard to case, and returns whether one
// was ended. Our own children are looked at before other processes, so a
// hanging tool of ours is ended rather than a namesake of another program;
// a child of ours is also reaped. An empty name matches nothing. A failure
// shows a message box with its description (OK button) and returns false.
bool end_process(Effects& effects, const std::string& name);

// A tool process as a later start of the program finds it again: its id,
// its start time (which tells it apart from a later process under the same
// id), the program that started it and its executable name.
struct ToolProcess {
    long pid = 0;
    std::uint64_t startTime = 0;
    long parent = 0;
    std::string name;
};

// Our own running children whose executable name ends with one of `names`.
std::vector<ToolProcess> own_tool_processes(const std::vector<std::string>& names);

// Ends our own running children named as one of `names`, never another
// process, and leaves them to be reaped by whoever waits for them (the
// bridge, which then reports the run as discontinued). Returns how many.
int end_own_tools(const std::vector<std::string>& names);

// The list's file name, in LogDir.
inline constexpr char kToolListFile[] = "running_tools.txt";

// The list of tools a session started, kept in `file` while they run so
// that the next start can end those a killed program left behind. An empty
// list removes the file.
bool write_tool_list(const std::string& file, const std::vector<ToolProcess>& tools);
// Ends each listed process that still runs as the very process listed (id,
// start time and name) and whose starting program has gone, removes the
// file, and returns the ended ones.
std::vector<ToolProcess> end_listed_tools(const std::string& file);

}  // namespace tw
