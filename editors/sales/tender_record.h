#pragma once
#include <cstddef>

#include "image/programming_image.h"

namespace tw {

// One 14-byte tender: the name, the high digit lock-out and the flags.
// Tender 0 is cash, 1 check, 2 charge, 3 to 8 the cards 1 to 6 (the order of
// the register's reports).
namespace tender {
inline constexpr int kCount = 9;
inline constexpr std::size_t kName = 0;   // 12 characters, register character set
inline constexpr std::size_t kHdlo = 12;  // a plain number 0 to 4
inline constexpr std::size_t kFlags = 13; // bit 0 amount compulsory, 1 no change, 2 drawer closed; 3-7 kept
static_assert(kFlags + 1 == prg::kTenderSize);

// File offset of tender t (0 to 8).
constexpr std::size_t offset_of(int t) { return prg::TenderTable.offset + prg::kTenderSize * std::size_t(t); }
}  // namespace tender

}  // namespace tw
