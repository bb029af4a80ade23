#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "image/codecs.h"
#include "image/file_access.h"

namespace tw {

// The members of PRG_MODE.BIN: file offset and size of each. Offsets inside
// a member are given by the editor that owns it.
namespace prg {
struct Member {
    std::size_t offset;
    std::size_t size;
    constexpr std::size_t end() const { return offset + size; }
};

inline constexpr Member SettingOptions{0, 21};
inline constexpr Member ModePasswords{21, 10};
inline constexpr Member VatRates{31, 16};            // 4 x 4 bytes
inline constexpr Member PercentKey1{47, 4};
inline constexpr Member PercentKey2{51, 4};
inline constexpr Member KeyOptions{55, 8};           // byte 60: decimal position of prices
inline constexpr Member PluPages{63, 24};
inline constexpr Member InstoreBarcodes{87, 80};     // 10 x 8 bytes
inline constexpr Member MessageOptions{167, 2};
inline constexpr Member PopLists{169, 20};           // 5 x 4 bytes
inline constexpr Member Unused189{189, 100};         // carried unchanged
inline constexpr Member ChainFunctions{289, 10};     // 5 x 2 bytes
inline constexpr Member DepartmentTable{299, 2178};  // 99 x (12-byte text + 10 bytes)
inline constexpr Member ClerkTable{2477, 420};       // 15 x (24-byte text + 4 bytes)
inline constexpr Member ForeignCurrencyTable{2897, 64};  // 4 x (10-byte text + 6 bytes)
inline constexpr Member TenderTable{2961, 126};      // 9 x (12-byte text + 2 bytes)
inline constexpr Member SystemOptions{3087, 14};
inline constexpr Member DeptGroupNames{3101, 120};   // 10 x 12-byte text
inline constexpr Member HeaderLines{3221, 240};      // 10 x 24-byte text
inline constexpr Member FooterLines{3461, 240};      // 10 x 24-byte text
inline constexpr Member ScrollMessages{3701, 210};   // 5 x 42-byte text
inline constexpr Member Unused3911{3911, 1798};      // carried unchanged
inline constexpr Member ExtraInvoiceLines{5709, 120};  // 5 x 24-byte text
inline constexpr Member RegisterCaptions{5829, 740};   // 74 x 10-byte text
inline constexpr Member OtherLines{6569, 456};         // 19 x 24-byte text
inline constexpr Member KeyboardLayout{7025, 53};

inline constexpr std::size_t kImageSize = 7078;
inline constexpr std::size_t kDecimalPositionOffset = 60;

inline constexpr Member kLayout[] = {
    SettingOptions, ModePasswords, VatRates, PercentKey1, PercentKey2, KeyOptions, PluPages,
    InstoreBarcodes, MessageOptions, PopLists, Unused189, ChainFunctions, DepartmentTable,
    ClerkTable, ForeignCurrencyTable, TenderTable, SystemOptions, DeptGroupNames, HeaderLines,
    FooterLines, ScrollMessages, Unused3911, ExtraInvoiceLines, RegisterCaptions, OtherLines,
    KeyboardLayout};

consteval bool layout_is_contiguous()
{
    std::size_t next = 0;
    for (const Member& m : kLayout) {
        if (m.offset != next)
            return false;
        next = m.end();
    }
    return next == kImageSize;
}
static_assert(layout_is_contiguous(), "the members of PRG_MODE.BIN must cover 7078 bytes without gaps");

// Element layouts of the repeated members.
inline constexpr std::size_t kDepartmentSize = 22, kDepartmentNameWidth = 12;
inline constexpr std::size_t kClerkSize = 28, kClerkNameWidth = 24;
inline constexpr std::size_t kCurrencySize = 16, kCurrencyNameWidth = 10;
inline constexpr std::size_t kTenderSize = 14, kTenderNameWidth = 12;
static_assert(DepartmentTable.size == 99 * kDepartmentSize);
static_assert(ClerkTable.size == 15 * kClerkSize);
static_assert(ForeignCurrencyTable.size == 4 * kCurrencySize);
static_assert(TenderTable.size == 9 * kTenderSize);
}  // namespace prg

// The 7078-byte programming record in memory. Bytes that no editor touches
// are carried through unchanged.
class ProgrammingImage {
public:
    std::array<std::uint8_t, prg::kImageSize> bytes{};

    std::uint8_t byte(std::size_t offset) const { return bytes.at(offset); }
    void set_byte(std::size_t offset, std::uint8_t value) { bytes.at(offset) = value; }

    bool bit(const Codecs& c, std::size_t offset, int k) const { return c.byte_bit_tst(bytes.at(offset), k); }
    void set_bit(const Codecs& c, std::size_t offset, int k, bool on) { c.byte_bit_change(bytes.at(offset), k, on); }

    // A packed BCD number of n bytes, as decimal text ("0" on a bad nibble).
    std::string bcd(const Codecs& c, std::size_t offset, int n) const;
    void set_bcd(const Codecs& c, std::size_t offset, int n, long long value);
    void set_bcd(const Codecs& c, std::size_t offset, int n, double value);

    // A fixed-width register text, translated to and from the PC side.
    // Written padded with spaces and cut at the width.
    std::string text(const Codecs& c, std::size_t offset, std::size_t width) const;
    void set_text(const Codecs& c, std::size_t offset, std::size_t width, const std::string& pcText);
};

// PRG_MODE.BIN in DataDir, read and written whole with three attempts; both
// log "PrgMode: Superati 3 tentativi di lettura" after the third failure.
// A missing or short file leaves zeros after the bytes read, with one log
// line saying how many bytes were read. A write keeps the tail of a longer
// file.
void Read_PrgMode(ProgrammingImage& image, const std::string& dataDir, const ThreeAttemptFile& access,
                  const RunLog& log);
void Write_PrgMode(const ProgrammingImage& image, const std::string& dataDir, const ThreeAttemptFile& access);

}  // namespace tw
