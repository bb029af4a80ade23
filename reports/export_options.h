#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "image/file_access.h"

namespace tw {

// The default report selection: byte i is report i's, 0 clear, 1 ticked,
// 2 the greyed state. Bytes 0 to 2 and 20 belong to no report.
using ExportOptions = std::array<std::uint8_t, 21>;

// ExportOption.ini in SetupDir holds bytes 0 to 19, one byte each, no
// header: it is binary despite its name.
inline constexpr const char* kExportOptionFile = "ExportOption.ini";
inline constexpr std::size_t kExportOptionFileSize = 20;

// Fills bytes 0 to 19 from the file; bytes past the end of a short file read
// as 0. A missing file is created empty. After three failed attempts logs
// "Superati 3 tentativi di lettura REPORT_EXPORT_FILE" and returns false.
bool Read_ExportOptions(ExportOptions& options, const std::string& setupDir, const ThreeAttemptFile& access);

// Writes bytes 0 to 19; after three failed attempts logs
// "Superati 3 tentativi di Scrittura REPORT_EXPORT_FILE".
bool Write_ExportOptions(const ExportOptions& options, const std::string& setupDir,
                         const ThreeAttemptFile& access);

}  // namespace tw
