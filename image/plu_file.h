#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/run_log.h"
#include "image/codecs.h"
#include "image/file_access.h"

namespace tw {

// The layout of PRG_PLU.BIN: a signed 16-bit little-endian record count,
// then that many 36-byte records in ascending order of PLU code.
namespace plu {
inline constexpr std::size_t kCountSize = 2;
inline constexpr std::size_t kRecordSize = 36;

inline constexpr std::size_t kCodeOffset = 0, kCodeSize = 8;  // BCD, 16 digits
inline constexpr std::size_t kNameOffset = 8, kNameWidth = 16;
inline constexpr std::size_t kStatusOffset = 24;
inline constexpr std::size_t kDepartmentOffset = 25;  // two BCD digits
inline constexpr std::size_t kTaxOffset = 26;
inline constexpr std::size_t kTakeOutTaxOffset = 27;
inline constexpr std::size_t kPrice1Offset = 28, kPrice2Offset = 32, kPriceSize = 4;
static_assert(kPrice2Offset + kPriceSize == kRecordSize);

// Status flags: bits 0 and 1 the price type, bit 6 "price 1 is not zero",
// bit 7 "price 2 is not zero"; bits 2 to 5 are carried unchanged.
inline constexpr std::uint8_t kPriceTypeMask = 0x03;
inline constexpr int kPrice1Bit = 6, kPrice2Bit = 7;

inline constexpr int kSlots = 2001;       // slot 2001 is never used
inline constexpr int kMaxRecords = 2000;  // a read or write never goes further

inline constexpr char kFileName[] = "PRG_PLU.BIN";
inline constexpr char kFailureLine[] = "Superati 3 tentativi di lettura PRG_PLU_FILE";
}  // namespace plu

// One PLU, held as the register's own 36 bytes so that every bit the
// program does not edit travels through unchanged.
class PluRecord {
public:
    std::array<std::uint8_t, plu::kRecordSize> bytes{};

    // A free slot: all bytes 0 and the name 16 spaces.
    static PluRecord free_slot();
    bool is_free() const;  // code 0

    // The PLU code as decimal text ("0" for a free slot, and on a bad nibble
    // with the codec's log line).
    std::string code(const Codecs& c) const;
    void set_code(const Codecs& c, long long code);

    // The name as PC text, all 16 characters; stored padded or cut to 16.
    std::string name(const Codecs& c) const;
    void set_name(const Codecs& c, const std::string& pcText);

    std::uint8_t status() const { return bytes[plu::kStatusOffset]; }
    void set_status(std::uint8_t flags) { bytes[plu::kStatusOffset] = flags; }
    // 0 open, 1 normal, 2 preset (3 is possible in a file, matches no choice).
    int price_type() const { return bytes[plu::kStatusOffset] & plu::kPriceTypeMask; }
    // 0 clears both bits, 1 sets bit 0 only, 2 sets bit 1 only; any other
    // value leaves the bits unchanged.
    void set_price_type(int type);

    // The linked department 0..99 from its two BCD digits (0x12 is 12).
    int department() const;
    void set_department(const Codecs& c, int department);

    std::uint8_t tax_class() const { return bytes[plu::kTaxOffset]; }
    void set_tax_class(std::uint8_t v) { bytes[plu::kTaxOffset] = v; }
    std::uint8_t take_out_tax_class() const { return bytes[plu::kTakeOutTaxOffset]; }
    void set_take_out_tax_class(std::uint8_t v) { bytes[plu::kTakeOutTaxOffset] = v; }

    // Price 1 or 2 (which = 1 or 2) in whole minor units, as decimal text.
    std::string price(const Codecs& c, int which) const;
    // Stores the price and keeps its status bit (6 or 7) telling whether it
    // is above zero.
    void set_price(const Codecs& c, int which, long long minorUnits);
};

// The PLU table in memory: slots 1 to 2001 and the record count as read or
// as the PLU editor's last Save computed it.
struct PluTable {
    std::array<PluRecord, plu::kSlots> slots;
    int PluCount = 0;

    PluTable() { clear(); }
    // Slot n, counted from 1.
    PluRecord& slot(int n) { return slots.at(std::size_t(n - 1)); }
    const PluRecord& slot(int n) const { return slots.at(std::size_t(n - 1)); }
    // Every slot free, count 0.
    void clear();
};

// The file's bytes into the table, as Read_PluFile does after a successful
// read. Records 1 to min(count, 2000) are taken from the file, the other
// slots up to 2000 are cleared; slot 2001 is left alone. The count is kept
// as read, even above 2000 or below 0 (a negative count reads no record).
// Returns a note for the run log when the file does not hold what its count
// promises (missing records read as free slots), or "" when it does.
std::string decode_plu_file(const Bytes& file, PluTable& table);

// The file that Write_PluFile writes: the count and slots 1 to count. A
// count outside 0..2000 writes min(max(count, 0), 2000) records and that
// count, so that the file always says what it holds; `note` then tells why.
Bytes encode_plu_file(const PluTable& table, std::string& note);

// DataDir + "PRG_PLU.BIN" read and written whole with three attempts; both
// log "Superati 3 tentativi di lettura PRG_PLU_FILE" after the third failure.
// A read that fails leaves the table as it was. The write replaces the file
// in one rename, so an interrupted save never loses the previous file.
void Read_PluFile(PluTable& table, const std::string& dataDir, const ThreeAttemptFile& access, const RunLog& log);
void Write_PluFile(const PluTable& table, const std::string& dataDir, const ThreeAttemptFile& access,
                   const RunLog& log);

}  // namespace tw
