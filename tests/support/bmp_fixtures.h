#pragma once
// Small BMP files made by the tests: black-and-white pictures in the layouts
// a BMP may take, colour pictures, and pictures of dots drawn by a function.
#include <cstdint>
#include <functional>
#include <vector>

#include "image/dot_picture.h"

namespace tw::test {

struct BmpLayoutOptions {
    bool topDown = false;      // rows stored from the top (negative height)
    bool whiteFirst = true;    // palette entry 0 white, 1 black; else the reverse
    bool coreHeader = false;   // the 12-byte header of the oldest BMPs
    int bitsPerPixel = 1;      // 24 writes a colour picture of the same dots
};

// A picture of w x h dots, black where `black(x, y)` says.
inline DotPicture dots(int w, int h, const std::function<bool(int, int)>& black)
{
    DotPicture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set(x, y, black(x, y));
    return p;
}

inline void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
inline void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// The BMP file of a picture; rows padded to 4 bytes with set bits, so that
// a reader that looks at the padding is caught.
inline std::vector<std::uint8_t> bmp_file(const DotPicture& p, const BmpLayoutOptions& o = {})
{
    const bool mono = o.bitsPerPixel == 1;
    const std::size_t header = o.coreHeader ? 12 : 40;
    const std::size_t entry = o.coreHeader ? 3 : 4;
    const std::size_t palette = mono ? 2 * entry : 0;
    const std::size_t rowBytes = std::size_t((p.width * o.bitsPerPixel + 31) / 32 * 4);
    const std::size_t offset = 14 + header + palette;
    std::vector<std::uint8_t> b(offset + rowBytes * std::size_t(p.height), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, std::uint32_t(b.size()));
    put32(b, 10, std::uint32_t(offset));
    put32(b, 14, std::uint32_t(header));
    if (o.coreHeader) {
        put16(b, 18, std::uint32_t(p.width));
        put16(b, 20, std::uint32_t(p.height));
        put16(b, 22, 1);
        put16(b, 24, std::uint32_t(o.bitsPerPixel));
    } else {
        put32(b, 18, std::uint32_t(p.width));
        put32(b, 22, std::uint32_t(o.topDown ? -p.height : p.height));
        put16(b, 26, 1);
        put16(b, 28, std::uint32_t(o.bitsPerPixel));
        put32(b, 34, std::uint32_t(rowBytes * std::size_t(p.height)));
    }
    const int blackIndex = o.whiteFirst ? 1 : 0;
    if (mono)
        for (std::size_t c = 0; c < 3; ++c)
            b[14 + header + std::size_t(1 - blackIndex) * entry + c] = 0xFF;  // the white entry
    for (int y = 0; y < p.height; ++y) {
        const int stored = o.topDown ? y : p.height - 1 - y;
        const std::size_t row = offset + std::size_t(stored) * rowBytes;
        if (mono)
            for (std::size_t i = std::size_t(p.width) / 8; i < rowBytes; ++i)
                b[row + i] = 0xFF;  // padding, and the unused bits of the last byte
        for (int x = 0; x < p.width; ++x) {
            const bool black = p.black(x, y);
            if (mono) {
                const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
                std::uint8_t& byte = b[row + std::size_t(x) / 8];
                byte = (black ? blackIndex : 1 - blackIndex) ? (byte | bit) : (byte & ~bit);
            } else {
                // Dark red on light yellow: black and white to the eye, but colour.
                const std::size_t at = row + std::size_t(x) * std::size_t(o.bitsPerPixel / 8);
                b[at] = black ? 0x00 : 0x80;
                b[at + 1] = black ? 0x00 : 0xFF;
                b[at + 2] = black ? 0x80 : 0xFF;
            }
        }
    }
    return b;
}

}  // namespace tw::test
