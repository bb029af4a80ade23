#pragma once
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace tw {

// The name of one element of a control array, "E_Name" and 3 giving
// "E_Name3", kept in a constant so that field tables can point at it.
struct IndexedName {
    char text[48]{};
    constexpr const char* c_str() const { return text; }
};

// The names base + first + suffix, base + (first + 1) + suffix, ... of
// `Count` elements.
template <std::size_t Count>
consteval std::array<IndexedName, Count> indexed_names(std::string_view base, int first = 0,
                                                       std::string_view suffix = {})
{
    std::array<IndexedName, Count> names{};
    for (std::size_t i = 0; i < Count; ++i) {
        if (base.size() + suffix.size() + 8 > sizeof names[i].text)
            throw std::length_error("a control name too long for IndexedName");
        std::size_t n = 0;
        for (const char ch : base)
            names[i].text[n++] = ch;
        char digits[8]{};
        int d = 0;
        for (int index = first + int(i); d == 0 || index > 0; index /= 10)
            digits[d++] = char('0' + index % 10);
        while (d > 0)
            names[i].text[n++] = digits[--d];
        for (const char ch : suffix)
            names[i].text[n++] = ch;
    }
    return names;
}

}  // namespace tw
