#include "image/graphic_file.h"

namespace tw {

Bytes encode_graphic(const DotPicture& logo)
{
    Bytes file(kGraphicFileSize, 0);
    for (int y = 0; y < kLogoHeight; ++y)
        for (int x = 0; x < kLogoWidth; ++x)
            if (logo.black(x, y))
                file[std::size_t(y) * kLogoRowBytes + std::size_t(x) / 8] |= std::uint8_t(0x80 >> (x % 8));
    return file;
}

DotPicture decode_graphic(const Bytes& file)
{
    if (file.size() != kGraphicFileSize)
        return {};
    DotPicture logo(kLogoWidth, kLogoHeight);
    for (int y = 0; y < kLogoHeight; ++y)
        for (int x = 0; x < kLogoWidth; ++x)
            logo.set(x, y, (file[std::size_t(y) * kLogoRowBytes + std::size_t(x) / 8] & (0x80 >> (x % 8))) != 0);
    return logo;
}

}  // namespace tw
