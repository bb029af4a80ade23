#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tw {

// Report numbers run from 3 to 19; the same number is tillxfer's file number,
// the check box of the export screen and the byte of ExportOption.ini.
inline constexpr int kFirstReport = 3;
inline constexpr int kLastReport = 19;

// The name each report file begins with; entries 0 to 2 are empty.
extern const std::array<std::string, 20> ReportNames;

// The ten reports the export screen offers, in the order of their numbers.
inline constexpr std::array<int, 10> kOfferedReports{3, 4, 5, 7, 9, 10, 12, 13, 14, 16};
bool is_offered_report(int n);

// How many one-second polls the download of report n may take.
int report_time_limit(int n);

// Report 5 is downloaded as a range of departments.
inline constexpr int kRangeDeptReport = 5;
inline constexpr std::uint8_t kDeptRangeStart = 1;
inline constexpr std::uint8_t kDeptRangeEnd = 99;

}  // namespace tw
