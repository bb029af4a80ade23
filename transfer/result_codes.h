#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tw {

// One exit code of an external tool and its English text (never translated).
struct ResultEntry {
    std::int32_t code;
    const char* text;
};

// tillxfer's exit codes and the bridge's timeout code 9999. Apart from 1 and
// 9999 the second byte groups them: 0x02 command line and settings, 0x04
// port, 0x08 file, 0x10 answers of the register. 0 is success, no entry.
extern const std::array<ResultEntry, 18> TillXferResults;

// tillpict's result codes, information in the top 16 bits. Success
// (0x01000000..0x01006464) has no entry, nor has the timeout 9999.
extern const std::array<ResultEntry, 15> TillPictResults;

// The text of the first entry with this code, else "No description".
// The tables are constant, so the lookups cannot fail.
const char* NumToDesc_TillXfer(std::int32_t code) noexcept;
const char* NumToDesc_TillPict(std::int32_t code) noexcept;

// A code as the run log writes it: upper-case hexadecimal without leading
// zeros, the 32 bits taken as unsigned (9999 -> "270F", 0 -> "0").
std::string hex_code(std::int32_t code);

}  // namespace tw
