#pragma once
#include <cstddef>
#include <string>

#include "editors/common/field.h"
#include "image/codecs.h"
#include "image/programming_image.h"

namespace tw {

// One 22-byte element of the department table of PRG_MODE.BIN.
namespace dept {
inline constexpr int kCount = 99;
inline constexpr std::size_t kName = 0;        // 12 bytes, register character set
inline constexpr std::size_t kStatus = 12;     // bit 0 sign, bit 1 single, bit 3 always set, bits 4-7 HDLO
inline constexpr std::size_t kPriceType = 13;  // bits 0 and 1; bits 2-7 carried unchanged
inline constexpr std::size_t kUnused14 = 14;   // carried unchanged
inline constexpr std::size_t kGroup = 15;
inline constexpr std::size_t kTax = 16;
inline constexpr std::size_t kTakeOutTax = 17;
inline constexpr std::size_t kPrice = 18;      // 4 bytes packed BCD, whole minor units
inline constexpr int kPriceBytes = 4;
static_assert(kName + prg::kDepartmentNameWidth == kStatus);
static_assert(kPrice + kPriceBytes == prg::kDepartmentSize);

// Where each field lives inside the element. The status byte packs sign,
// single item and HDLO; the register wants its bit 3 set in every department.
inline constexpr Place kNamePlace = register_text_at(kName, int(prg::kDepartmentNameWidth));
inline constexpr Place kSignPlace = bit_at(kStatus, 0);
inline constexpr Place kSinglePlace = bit_at(kStatus, 1);
inline constexpr Place kAlwaysSetPlace = bit_at(kStatus, 3);
inline constexpr Place kHdloPlace = bits_at(kStatus, 4, 4);
inline constexpr Place kPriceTypePlace = bits_at(kPriceType, 0, 2);
inline constexpr Place kGroupPlace = byte_at(kGroup);
inline constexpr Place kTaxPlace = byte_at(kTax);
inline constexpr Place kTakeOutTaxPlace = byte_at(kTakeOutTax);
inline constexpr Place kPricePlace = bcd_at(kPrice, kPriceBytes);

// File offset of department n (1 to 99); throws outside that range.
std::size_t offset_of(int n);
// The 22 bytes of department n.
std::span<std::uint8_t> bytes_of(ProgrammingImage& image, int n);
std::span<const std::uint8_t> bytes_of(const ProgrammingImage& image, int n);
}  // namespace dept

// The editable fields of one department, as numbers. The choice fields hold
// the stored values, which may lie outside their choice lists (an HDLO of 9).
struct DepartmentFields {
    std::string name;  // PC text, all 12 characters
    int status1 = 0;   // 0 positive, 1 negative
    int status2 = 0;   // 0 normal, 1 single
    int hdlo = 0;      // 0 to 15 as stored; the screen offers 0 to 4
    int group = 0;
    int tax = 0;
    int takeOutTax = 0;
    int priceType = 0;  // 0 open, 1 normal, 2 preset; 3 when both bits are set
    long long price = 0;  // whole minor units
};

DepartmentFields load_department(const ProgrammingImage& image, const Codecs& c, int n);

// Writes the fields into department n. The status bits go in the register's
// order (sign, single, bit 3 set, HDLO); bit 2, byte 14 and bits 2 to 7 of
// the price type byte keep what the image holds.
void store_department(ProgrammingImage& image, const Codecs& c, int n, const DepartmentFields& f);

// The department shown after saving department n: the next one while n + 1
// is below 99, else n itself (98 and 99 stay).
inline int next_department(int n) { return n + 1 < dept::kCount ? n + 1 : n; }

}  // namespace tw
