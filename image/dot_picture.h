#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

// A black-and-white picture as dots, row by row from the top, each row from
// the left; a dot is 1 when black (printed), 0 when white.
struct DotPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dots;

    DotPicture() = default;
    DotPicture(int w, int h) : width(w), height(h), dots(std::size_t(w) * std::size_t(h), 0) {}

    bool black(int x, int y) const { return dots[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0; }
    void set(int x, int y, bool isBlack)
    {
        dots[std::size_t(y) * std::size_t(width) + std::size_t(x)] = isBlack ? 1 : 0;
    }
    bool operator==(const DotPicture&) const = default;
};

}  // namespace tw
