#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "editors/common/field.h"
#include "image/plu_file.h"

namespace tw {

// The places of a PLU record's fields, as the PLU editor and the CSV
// exchange read them.
namespace plu {
inline constexpr Place kCodePlace = bcd_at(kCodeOffset, int(kCodeSize));
inline constexpr Place kNamePlace = register_text_at(kNameOffset, int(kNameWidth));
inline constexpr Place kPriceTypePlace = bits_at(kStatusOffset, 0, 2);
// The department's two BCD digits: 0x12 is department 12.
inline constexpr Place kDepartmentPlace = hex_digits_byte_at(kDepartmentOffset);
inline constexpr Place kTaxPlace = byte_at(kTaxOffset);
inline constexpr Place kTakeOutTaxPlace = byte_at(kTakeOutTaxOffset);
inline constexpr Place kPrice1Place = bcd_at(kPrice1Offset, int(kPriceSize));
inline constexpr Place kPrice2Place = bcd_at(kPrice2Offset, int(kPriceSize));
inline constexpr Place kPrice1Flag = bit_at(kStatusOffset, kPrice1Bit);
inline constexpr Place kPrice2Flag = bit_at(kStatusOffset, kPrice2Bit);
}  // namespace plu

// A department text read as a hexadecimal number of one byte ("12" gives
// 0x12); nothing when it is not one.
std::optional<std::uint8_t> department_byte(const std::string& text);

}  // namespace tw
