#include "editors/sales/plu_order.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

namespace tw {

std::uint64_t plu_code_value(const PluRecord& record)
{
    std::uint64_t value = 0;
    // The high digit pair is the last byte.
    for (int i = int(plu::kCodeSize) - 1; i >= 0; --i) {
        const std::uint8_t b = record.bytes[plu::kCodeOffset + std::size_t(i)];
        const unsigned high = b >> 4, low = b & 0x0F;
        if (high > 9 || low > 9)
            return 0;
        value = value * 100 + high * 10 + low;
    }
    return value;
}

void Ordina_Plu(PluTable& table, int capacity)
{
    if (capacity < 0 || capacity > plu::kSlots)
        throw std::out_of_range("PLU capacity " + std::to_string(capacity));
    // A stable sort gives what exchanging neighbours would: free slots count
    // as the greatest code, and equal codes never pass each other.
    struct Entry {
        std::uint64_t key;
        int slot;
    };
    std::vector<Entry> order;
    order.reserve(std::size_t(capacity));
    for (int n = 1; n <= capacity; ++n) {
        const std::uint64_t code = plu_code_value(table.slot(n));
        order.push_back({code == 0 ? std::numeric_limits<std::uint64_t>::max() : code, n});
    }
    std::stable_sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });

    std::vector<PluRecord> sorted;
    sorted.reserve(order.size());
    for (const Entry& e : order)
        sorted.push_back(table.slot(e.slot));
    std::copy(sorted.begin(), sorted.end(), table.slots.begin());
    table.PluCount = leading_plu_count(table, capacity);
}

int leading_plu_count(const PluTable& table, int capacity)
{
    int n = 0;
    while (n < capacity && plu_code_value(table.slot(n + 1)) != 0)
        ++n;
    return n;
}

int next_plu_number(int n, std::uint64_t loadedCode, std::uint64_t newCode, int capacity)
{
    if (loadedCode != 0 && newCode > loadedCode)
        return n;
    return n + 1 > capacity ? n : n + 1;
}

}  // namespace tw
