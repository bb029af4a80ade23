#include "image/bmp_file.h"

#include <cstdint>

namespace tw {

namespace {

std::uint32_t u16(const Bytes& b, std::size_t at) { return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8; }
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

bool is_bmp_depth(std::uint32_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Perceived brightness of a palette colour, 0..255.
bool dark(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return 299 * red + 587 * green + 114 * blue < 128 * 1000;
}

}  // namespace

BmpProblem read_bmp_layout(const Bytes& f, BmpLayout& layout)
{
    if (f.size() < 2 || f[0] != 'B' || f[1] != 'M')
        return BmpProblem::UnknownType;
    if (f.size() < kFileHeaderSize + 4)
        return BmpProblem::NotProperBmp;
    const std::size_t headerSize = u32(f, kFileHeaderSize);
    if ((headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) || f.size() < kFileHeaderSize + headerSize)
        return BmpProblem::NotProperBmp;

    const std::size_t h = kFileHeaderSize;
    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bits = 0, compression = 0, colours = 0;
    std::size_t entrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        width = u16(f, h + 4);
        height = u16(f, h + 6);
        planes = u16(f, h + 8);
        bits = u16(f, h + 10);
        entrySize = 3;
    } else {
        width = std::int32_t(u32(f, h + 4));
        height = std::int32_t(u32(f, h + 8));
        planes = u16(f, h + 12);
        bits = u16(f, h + 14);
        compression = u32(f, h + 16);
        colours = u32(f, h + 32);
    }
    if (width <= 0 || height == 0 || planes != 1 || !is_bmp_depth(bits))
        return BmpProblem::NotProperBmp;
    if (bits != 1)
        return BmpProblem::NotBlackAndWhite;
    // A 1-bit BMP is stored plain; it has two palette entries (a count of 0
    // means all of them).
    if (compression != 0 || colours == 1 || colours > 2)
        return BmpProblem::NotProperBmp;

    const std::size_t palette = kFileHeaderSize + headerSize;
    if (f.size() < palette + 2 * entrySize)
        return BmpProblem::NotProperBmp;
    for (int i = 0; i < 2; ++i) {
        const std::size_t e = palette + std::size_t(i) * entrySize;
        layout.blackIndex[i] = dark(f[e], f[e + 1], f[e + 2]);
    }

    layout.width = int(width);
    layout.topDown = height < 0;
    const std::int64_t rows = height < 0 ? -height : height;
    layout.height = int(rows);
    layout.rowBytes = std::size_t((width + 31) / 32 * 4);
    layout.dataOffset = u32(f, 10);
    const std::uint64_t end = std::uint64_t(layout.dataOffset) + std::uint64_t(rows) * layout.rowBytes;
    if (layout.dataOffset < palette + 2 * entrySize || end > f.size())
        return BmpProblem::NotProperBmp;
    return BmpProblem::None;
}

DotPicture read_bmp_dots(const Bytes& f, const BmpLayout& layout)
{
    DotPicture picture(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        // Rows are stored from the bottom unless the height was negative.
        const int stored = layout.topDown ? y : layout.height - 1 - y;
        const std::size_t row = layout.dataOffset + std::size_t(stored) * layout.rowBytes;
        for (int x = 0; x < layout.width; ++x) {
            const int index = (f[row + std::size_t(x) / 8] >> (7 - x % 8)) & 1;
            picture.set(x, y, layout.blackIndex[index]);
        }
    }
    return picture;
}

}  // namespace tw
