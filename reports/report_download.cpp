// Downloading the register's reports and turning them into CSV files.
#include "reports/report_download.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "base/guard.h"
#include "image/file_access.h"
#include "reports/report_names.h"
#include "transfer/bridge_binding.h"
#include "transfer/result_codes.h"

namespace tw {

namespace {

namespace fs = std::filesystem;

constexpr double kSecondsPerDay = 86400.0;

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool starts_with(const std::string& text, const std::string& head)
{
    return text.size() >= head.size() && text.compare(0, head.size(), head) == 0;
}

bool belongs_to_report(const std::string& fileName, int n)
{
    const std::string name = lower(fileName);
    const std::string prefix = lower(ReportNames[std::size_t(n)]);
    if (!starts_with(name, prefix) || name.size() < prefix.size() + 4 ||
        name.compare(name.size() - 4, 4, ".bin") != 0)
        return false;
    for (const std::string& other : ReportNames) {
        const std::string longer = lower(other);
        if (longer.size() > prefix.size() && starts_with(longer, prefix) && starts_with(name, longer))
            return false;
    }
    return true;
}

void check_report_number(int n)
{
    if (n < 0 || n > kLastReport)
        throw std::out_of_range("Subscript out of range");
}

// Moves report n's earlier file into the archive: the copy is complete,
// under a temporary name renamed over the old one, before the file leaves
// DataDir.
void ReportArchive(int n, const Directories& dirs)
{
    const std::string name = find_report_file(dirs.DataDir, n);
    if (name.empty())
        return;
    const fs::path from = fs::path(dirs.DataDir) / name;
    const fs::path to = fs::path(dirs.DataReportDir) / name;
    const fs::path part = fs::path(dirs.DataReportDir) / (name + ".part");
    fs::copy_file(from, part, fs::copy_options::overwrite_existing);
    fs::rename(part, to);
    fs::remove(from);
}

}  // namespace

std::string find_report_file(const std::string& dir, int n)
{
    if (n < kFirstReport || n > kLastReport)
        return {};
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (belongs_to_report(name, n) && it->is_regular_file(ec))
            names.push_back(name);
    }
    if (names.empty())
        return {};
    return *std::min_element(names.begin(), names.end());
}

bool Receive_ReportEcr(int n, const ReportDownload& d)
{
    bool result = false;
    std::string failure;
    const auto note = [&](const std::exception& e) {
        if (failure.empty())
            failure = e.what();
    };
    try {
        check_report_number(n);
        try {
            ReportArchive(n, d.dirs);
        } catch (const std::exception& e) {
            // The earlier file stays in DataDir; the new one replaces it.
            note(e);
        }
        std::int32_t exitCode = 0;
        const int limit = report_time_limit(n);
        const std::int32_t started =
            n == kRangeDeptReport
                ? d.bridge.util_get_range_report(d.dirs.AppDir, std::uint8_t(n), exitCode, limit, kDeptRangeStart,
                                                 kDeptRangeEnd)
                : d.bridge.util_send_cmd_to_ecr(d.dirs.AppDir, 0, std::uint8_t(n), exitCode, limit);
        if (started != 1) {
            d.log.write_log("Receive_ReportEcr error using tillxfer");
        } else if (exitCode != 0) {
            d.log.write_log("Receive_ReportEcr error. File " + std::to_string(n) + " Code: " + hex_code(exitCode) +
                            " Desc: " + NumToDesc_TillXfer(exitCode));
            // The hanging tool holds the port, the ranged download's too.
            if (exitCode == TILLBRIDGE_TIMEOUT && d.endHangingTool)
                d.endHangingTool();
        } else {
            result = true;
        }
    } catch (const std::exception& e) {
        note(e);
    } catch (...) {
        if (failure.empty())
            failure = "unknown error";
    }
    if (!failure.empty())
        d.log.write_log("Receive_ReportEcr " + std::to_string(n) + ": " + failure);
    return result;
}

bool export_ReportEcr(int n, const ReportExport& x)
{
    return guarded(x.log, "export_ReportEcr : ", [&] {
        const std::string name = find_report_file(x.dirs.DataDir, n);
        if (name.empty()) {
            x.log.write_log("export_ReportEcr. file per report " + std::to_string(n) + " non trovato");
            return false;
        }
        Bytes content;
        bool missing = false;
        if (!read_whole_file(x.dirs.DataDir + name, content, missing) || missing)
            return false;
        const std::string text = report_csv_text(n, content, x.codecs, x.format, x.pluCapacity);
        const std::string csvName = name.substr(0, name.size() - 3) + "csv";
        std::FILE* f = std::fopen((x.dirs.ReportDir + csvName).c_str(), "ab");
        if (!f)
            return false;
        const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
        return std::fclose(f) == 0 && written;
    }, false);
}

std::string seconds_text(double seconds, char decimalSeparator)
{
    const long long millis = std::llround(seconds * 1000.0);
    const long long whole = millis / 1000;
    long long fraction = std::llabs(millis % 1000);
    std::string text = (millis < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (fraction != 0) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03lld", fraction);
        std::string f = digits;
        while (f.back() == '0')
            f.pop_back();
        text += decimalSeparator + f;
    }
    return text;
}

ReportRunOutcome ReportExportRun(const ReportSelection& selection, const ReportDownload& download,
                                 const ReportExport& exporter, const ReportRunObserver& observer,
                                 const TimeOfDay& timeOfDay)
{
    ReportRunOutcome outcome;
    guarded(download.log, "C_Export_click err: 0 Desc: ", [&] {
        const int count = int(std::count(selection.begin() + kFirstReport, selection.end(), true));
        int index = 0;
        for (int n = kFirstReport; n <= kLastReport; ++n) {
            if (!selection[std::size_t(n)])
                continue;
            if (observer.stopRequested && observer.stopRequested()) {
                outcome.stopped = true;
                return;
            }
            ++index;
            if (observer.starting)
                observer.starting(n, index, count, report_time_limit(n));
            const double start = timeOfDay();
            if (!Receive_ReportEcr(n, download)) {
                ++outcome.failed;
                continue;
            }
            if (export_ReportEcr(n, exporter))
                ++outcome.exported;
            double elapsed = timeOfDay() - start;
            if (elapsed < 0)
                elapsed += kSecondsPerDay;  // the clock of the day passed midnight
            download.log.write_log("Time for download report " + std::to_string(n) + " is:" +
                                   seconds_text(elapsed, exporter.format.decimalSeparator));
        }
    });
    return outcome;
}

}  // namespace tw
