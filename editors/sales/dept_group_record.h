#pragma once
#include <cstddef>

#include "image/programming_image.h"

namespace tw {

// The ten department group names: 12 characters each, register character set.
namespace dept_group {
inline constexpr int kCount = 10;
inline constexpr int kNameWidth = 12;
static_assert(prg::DeptGroupNames.size == kCount * kNameWidth);

// File offset of group n (1 to 10).
constexpr std::size_t offset_of(int n) { return prg::DeptGroupNames.offset + kNameWidth * std::size_t(n - 1); }
}  // namespace dept_group

}  // namespace tw
