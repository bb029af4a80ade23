#pragma once
#include <string>

namespace tw {

class Effects;

// Ends the first running process of the current user whose executable name
// ends with `name`, compared without regard to case, and returns whether one
// was ended. Our own children are looked at before other processes, so a
// hanging tool of ours is ended rather than a namesake of another program;
// a child of ours is also reaped. An empty name matches nothing. A failure
// shows a message box with its description (OK button) and returns false.
bool end_process(Effects& effects, const std::string& name);

}  // namespace tw
