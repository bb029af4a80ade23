#pragma once
#include <string>

namespace tw {

class BridgeBinding;
class Effects;
class RunLog;

// What a run of an external tool uses of the program: the bridge library,
// the run log, the message boxes (ending a hanging tool may show one) and the
// tools' directory, AppDir.
struct ToolLink {
    BridgeBinding& bridge;
    const RunLog& log;
    Effects& effects;
    const std::string& toolDir;
};

}  // namespace tw
