#include "reports/export_options.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tw {

bool Read_ExportOptions(ExportOptions& options, const std::string& setupDir, const ThreeAttemptFile& access)
{
    const std::string path = setupDir + kExportOptionFile;
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    Bytes content;
    const bool ok = access.read(path, content, "Superati 3 tentativi di lettura REPORT_EXPORT_FILE");
    for (std::size_t i = 0; i < kExportOptionFileSize; ++i)
        options[i] = i < content.size() ? content[i] : 0;
    if (ok && !existed && !ec) {
        // Opening the file for access creates it, empty.
        if (std::FILE* f = std::fopen(path.c_str(), "ab"))
            std::fclose(f);
    }
    return ok;
}

bool Write_ExportOptions(const ExportOptions& options, const std::string& setupDir, const ThreeAttemptFile& access)
{
    const Bytes content(options.begin(), options.begin() + kExportOptionFileSize);
    return access.write(setupDir + kExportOptionFile, content, "Superati 3 tentativi di Scrittura REPORT_EXPORT_FILE",
                        WriteMode::OverlayPrefix);
}

}  // namespace tw
