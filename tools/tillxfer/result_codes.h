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

}  // namespace tw::xfer
