#pragma once
#include <cstdint>

namespace tw::xfer {

// tillxfer's result codes. The second byte names the group: 0x02 command line
// and settings, 0x04 the port, 0x08 files in the data directory, 0x10 answers
// of the register.
enum class Result : std::uint32_t {
    Ok = 0,
    BadParameterCount = 0x201,
    BadDirection = 0x202,
    RangeReversed = 0x203,
    SettingsMissing = 0x204,
    UnknownFileNumber = 0x205,
    BadReportFlag = 0x206,
    ReportSendRequested = 0x207,
    BadRangeCount = 0x208,
    PortNotOpened = 0x401,
    CommunicationWriteError = 0x402,
    FileNotOpened = 0x801,
    FileNotRead = 0x802,
    FileNotMade = 0x803,
    FileNotWritten = 0x804,
    RegisterBusy = 0x1001,
    RegisterRefused = 0x1002,
};

// The process exit status that goes with a result: 0 exactly for Ok,
// otherwise the low 8 bits of the code, or 1 when those are 0.
inline int exit_status(Result r)
{
    const auto code = static_cast<std::uint32_t>(r);
    if (code == 0)
        return 0;
    return (code & 0xFF) != 0 ? int(code & 0xFF) : 1;
}

}  // namespace tw::xfer
