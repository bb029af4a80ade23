#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/codecs.h"
#include "image/file_access.h"

namespace tw {

// How the register writes the numbers of its report files. Every number is
// packed BCD, low digit pair first.
enum class FieldKind {
    Amount,    // 8 bytes: 15 digits in the smallest currency unit and a sign digit
    Quantity,  // 6 bytes: 11 digits with four implied decimals and a sign digit
    Counter,   // 2 bytes, unsigned
    Code,      // 8 bytes, unsigned PLU code
    Byte,      // one plain binary byte
};
std::size_t field_width(FieldKind kind);

// One field of the totals block: its CSV column name, kind and offset.
struct TotalsField {
    const char* name;
    FieldKind kind;
    std::size_t offset;
};

// The register's totals as the financial, training and clerk reports hold
// them: 75 fields in 498 bytes.
inline constexpr std::size_t kTotalsBlockSize = 498;
extern const std::array<TotalsField, 75> TotalsBlock;

// What the numbers of the CSV files need besides their bytes.
struct ReportNumberFormat {
    int decimalPosition = 2;      // price decimals of the open programming
    char decimalSeparator = '.';  // the user's regional setting
};

// An amount's digits divided by 10^decimals, at least one integer digit and
// exactly `decimals` decimals; decimals 0 gives the digits unchanged.
std::string amount_text(const std::string& digits, int decimals, char separator);

// The CSV text of a signed amount (width 8) or quantity (width 6). A value
// above 10^(2w-1) is negative: its first digit is the sign, whatever its value.
std::string report_value_text(const Codecs& codecs, const std::uint8_t* field, int width,
                              const ReportNumberFormat& format);

// The text with every `find` replaced by `replacement`, letters compared
// without regard to case in Windows-1252 (255 and 159 are one letter).
std::string replace_char(std::string text, char find, char replacement);

// The record layout of report n: its size, and how many records the export
// reads whatever the file's length (0 for the journal, read to its end).
struct ReportRecordLayout {
    std::size_t size = 0;
    int count = 0;
};
ReportRecordLayout report_record_layout(int n, int pluCapacity);

// True for the ten reports with a CSV layout.
bool has_csv_layout(int n);

// The header line of report n, without its line end.
std::string report_csv_header(int n);

// The whole CSV text of one report file: the header and one row per record,
// each line ended by CR LF. Records past the end of a short file read as zeros.
std::string report_csv_text(int n, const Bytes& file, const Codecs& codecs, const ReportNumberFormat& format,
                            int pluCapacity);

}  // namespace tw
