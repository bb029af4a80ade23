#pragma once
#include <cstddef>

#include "image/programming_image.h"

namespace tw {

// One 16-byte foreign currency: the name, two decimal positions and the
// exchange rate as a whole number over 10 to the power of its decimals.
namespace currency {
inline constexpr int kCount = 4;
inline constexpr std::size_t kName = 0;               // 10 characters, register character set
inline constexpr std::size_t kRateDecimals = 10;      // 0 to 3: decimals of the exchange rate
inline constexpr std::size_t kDecimalsForRate = 11;   // 0 to 8, kept as chosen
inline constexpr std::size_t kRate = 12;              // 4 bytes packed BCD
inline constexpr int kRateBytes = 4;
static_assert(kRate + kRateBytes == prg::kCurrencySize);

// File offset of currency i (0 to 3).
constexpr std::size_t offset_of(int i) { return prg::ForeignCurrencyTable.offset + prg::kCurrencySize * std::size_t(i); }

// Digits the user may type into a rate: one more when the currency was
// stored with decimals.
constexpr int rate_length_limit(int storedDecimals) { return storedDecimals != 0 ? 7 : 6; }
}  // namespace currency

}  // namespace tw
