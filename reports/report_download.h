#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "base/directories.h"
#include "base/run_log.h"
#include "image/codecs.h"
#include "reports/report_layouts.h"
#include "transfer/wait_seconds.h"

namespace tw {

class BridgeBinding;

// What the download of a report uses: AppDir for the bridge and the tool,
// DataDir where the tool writes the report file, DataReportDir for the
// archive, and the ending of a tool that hangs.
struct ReportDownload {
    const Directories& dirs;
    BridgeBinding& bridge;
    const RunLog& log;
    std::function<void()> endHangingTool;
};

// What the CSV export of a report uses.
struct ReportExport {
    const Directories& dirs;
    const Codecs& codecs;
    const RunLog& log;
    ReportNumberFormat format;
    int pluCapacity = 2000;
};

// The report file of report n in `dir`: the first file, in name order, whose
// name begins with ReportNames[n] and ends in ".bin" (letter case ignored).
// A file that begins with a longer report name is that report's, not this
// one's: "FINANCIAL2.bin" is never taken for report 4. Empty when none.
std::string find_report_file(const std::string& dir, int n);

// Downloads report n (0 to 19) into DataDir after moving an earlier file of
// it into DataReportDir; true when tillxfer ended with 0.
bool Receive_ReportEcr(int n, const ReportDownload& download);

// Appends the header and rows of report n's file to its CSV file in
// ReportDir; true when a report file was found and its CSV text written.
bool export_ReportEcr(int n, const ReportExport& exporter);

// The reports chosen for a run: index = report number, true = ticked and shown.
using ReportSelection = std::array<bool, 20>;

// What the run tells the screen while it goes, and how the screen stops it.
// Both are called on the run's own thread.
struct ReportRunObserver {
    // Report n starts: it is the index-th (from 1) of count.
    std::function<void(int n, int index, int count, int timeLimit)> starting;
    // Asked before each report: true ends the run there.
    std::function<bool()> stopRequested;
};

struct ReportRunOutcome {
    int exported = 0;    // reports downloaded and written to CSV
    int failed = 0;      // reports that did not arrive
    bool stopped = false;  // the user stopped the run before its end
};

// The run of the Export button: every selected report from 3 to 19 in
// ascending order is downloaded and, when it arrived, exported, with the
// run-log line "Time for download report n is:<seconds>".
ReportRunOutcome ReportExportRun(const ReportSelection& selection, const ReportDownload& download,
                                 const ReportExport& exporter, const ReportRunObserver& observer = {},
                                 const TimeOfDay& timeOfDay = seconds_since_midnight);

// Seconds as the run log writes them: up to three decimals, no trailing zeros.
std::string seconds_text(double seconds, char decimalSeparator);

}  // namespace tw
