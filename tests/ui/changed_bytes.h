#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw::test {

// The offsets at which two images differ.
inline std::vector<std::size_t> changed_offsets(const std::vector<std::uint8_t>& before,
                                                const std::vector<std::uint8_t>& after)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i])
            changed.push_back(i);
    return changed;
}

// True when every changed offset lies in [from, to).
inline bool changed_only_within(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after,
                                std::size_t from, std::size_t to)
{
    for (const std::size_t i : changed_offsets(before, after))
        if (i < from || i >= to)
            return false;
    return true;
}

}  // namespace tw::test
