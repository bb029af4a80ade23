#pragma once
#include <cstddef>

#include "image/programming_image.h"

namespace tw {

// One 8-byte in-store barcode format: the flag code, the digits of flag and
// price, the foreign currency and three switches.
namespace barcode {
inline constexpr int kCount = 10;
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kFlagCode = 0;      // 2 bytes packed BCD, 0 to 9999
inline constexpr std::size_t kDigitsOfFlag = 2;  // 0 to 3
inline constexpr std::size_t kDigitsOfPrice = 3; // 0 to 8
inline constexpr std::size_t kNumberOfFc = 4;    // 0 to 4
inline constexpr std::size_t kCodeLength = 5;    // 0 long; any other value short
inline constexpr std::size_t kPriceCheckDigit = 6;  // 0 no; any other value yes
inline constexpr std::size_t kNewsPaper = 7;     // 0 no; any other value yes
inline constexpr long long kMaxFlagCode = 9999;
static_assert(prg::InstoreBarcodes.size == kCount * kSize);

// File offset of format n (1 to 10).
constexpr std::size_t offset_of(int n) { return prg::InstoreBarcodes.offset + kSize * std::size_t(n - 1); }

// The format shown after saving format n: the next while n + 1 is below 10.
constexpr int next_after(int n) { return n + 1 < kCount ? n + 1 : n; }
}  // namespace barcode

}  // namespace tw
