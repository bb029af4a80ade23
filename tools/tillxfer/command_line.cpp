#include "tools/tillxfer/command_line.h"

#include "tools/common/tool_support.h"

namespace tw::xfer {

using tools::parse_decimal;

ParsedCommand parse_command_line(const std::vector<std::string>& args)
{
    ParsedCommand parsed;
    Command& c = parsed.command;
    auto fail = [&](Result r) {
        parsed.result = r;
        return parsed;
    };

    if (args.size() != 11)
        return fail(Result::BadParameterCount);

    const auto speed = parse_decimal(args[2], 10'000'000);
    if (!speed || *speed == 0)
        return fail(Result::BadParameterCount);
    c.lineSpeed = *speed;

    if (args[3] == "0")
        c.direction = Direction::Receive;
    else if (args[3] == "1")
        c.direction = Direction::Send;
    else
        return fail(Result::BadDirection);

    c.dataDir = args[4];
    if (const auto number = parse_decimal(args[5], 255))
        c.fileNumber = int(*number);

    // Position 7 counts the range parameters that follow: always two.
    if (args[7] != "2")
        return fail(Result::BadRangeCount);
    const auto start = parse_decimal(args[8], 255);
    const auto end = parse_decimal(args[9], 255);
    if (!start || !end)
        return fail(Result::BadRangeCount);
    c.rangeStart = int(*start);
    c.rangeEnd = int(*end);
    if (c.rangeStart > c.rangeEnd)
        return fail(Result::RangeReversed);

    return parsed;
}

}  // namespace tw::xfer
