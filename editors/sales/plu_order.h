#pragma once
#include <cstdint>

#include "image/plu_file.h"

namespace tw {

// A PLU code as a number for ordering: the 16 BCD digits, or 0 (a free slot)
// when a nibble is not a digit, as the grid shows such a code.
std::uint64_t plu_code_value(const PluRecord& record);

// Ordina_Plu: puts slots 1 to capacity back in order (non-zero codes first,
// ascending as numbers, free slots behind, equal codes in their old order;
// records move whole) and sets PluCount to the number of slots that hold a
// code. Slots after capacity are left alone.
void Ordina_Plu(PluTable& table, int capacity);

// The number of leading slots (up to capacity) whose code is not 0.
int leading_plu_count(const PluTable& table, int capacity);

// The number the PLU editor shows after saving number n: n again when the
// slot had a code and the new code is greater (the next PLU has moved up
// into slot n), else n + 1, or n when n + 1 would pass the capacity.
int next_plu_number(int n, std::uint64_t loadedCode, std::uint64_t newCode, int capacity);

}  // namespace tw
