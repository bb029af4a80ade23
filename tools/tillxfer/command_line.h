#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/tillxfer/result_codes.h"

namespace tw::xfer {

enum class Direction { Receive = 0, Send = 1 };

// The eleven positions of tillxfer's command line:
//   0 tool path, 1 "0", 2 line speed, 3 direction, 4 data directory,
//   5 file number, 6 "BIN", 7 number of range parameters ("2"),
//   8 range start, 9 range end, 10 "0".
struct Command {
    unsigned lineSpeed = 19200;
    Direction direction = Direction::Receive;
    std::string dataDir;
    // Empty when position 5 is not a number from 0 to 255; such a number
    // cannot be in the settings.
    std::optional<int> fileNumber;
    int rangeStart = 0;
    int rangeEnd = 0;
};

struct ParsedCommand {
    Result result = Result::Ok;  // Ok, or the code of the first bad position
    Command command;
};

// Checks the positions in order: the count (0x201), the line speed (0x201),
// the direction (0x202), the number of range parameters and the range values
// (0x208), then the range order (0x203).
ParsedCommand parse_command_line(const std::vector<std::string>& args);

}  // namespace tw::xfer
