#pragma once
#include <cstddef>

#include "image/programming_image.h"

namespace tw {

// One 28-byte clerk of the clerk table: name, permission flags, a byte the
// program never changes, and the password.
namespace clerk {
inline constexpr int kCount = 15;
inline constexpr std::size_t kName = 0;         // 24 characters, register character set
inline constexpr std::size_t kPermissions = 24;  // bits 0-6: 1 = disabled; bit 7: training
inline constexpr std::size_t kUnused = 25;      // carried unchanged
inline constexpr std::size_t kPassword = 26;    // 2 bytes packed BCD, 0 to 999
inline constexpr long long kMaxPassword = 999;
static_assert(kPassword + 2 == prg::kClerkSize);

// File offset of clerk n (1 to 15).
constexpr std::size_t offset_of(int n) { return prg::ClerkTable.offset + prg::kClerkSize * std::size_t(n - 1); }

// The clerk shown after saving clerk n: the next while n + 1 is below 15.
constexpr int next_after(int n) { return n + 1 < kCount ? n + 1 : n; }
}  // namespace clerk

}  // namespace tw
