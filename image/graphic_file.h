#pragma once
#include <cstddef>

#include "image/dot_picture.h"
#include "image/file_access.h"

namespace tw {

// GRAPHIC.BIN, the register's logo: 162 rows of 384 dots (the printable
// width of the receipt at 8 dots per millimetre), rows from the top, the
// first row printed first. Each row is 48 bytes; byte 0 holds the 8 dots
// at the left, the most significant bit the leftmost dot. A 1 bit prints a
// black dot. A file of zero bytes is a blank logo.
inline constexpr int kLogoWidth = 384;
inline constexpr int kLogoHeight = 162;
inline constexpr std::size_t kLogoRowBytes = kLogoWidth / 8;
inline constexpr std::size_t kGraphicFileSize = kLogoRowBytes * kLogoHeight;
static_assert(kGraphicFileSize == 7776, "the register takes a logo of 7776 bytes");

// The file of a logo of kLogoWidth x kLogoHeight dots.
Bytes encode_graphic(const DotPicture& logo);

// The dots of a GRAPHIC.BIN; a file of another size than kGraphicFileSize
// gives an empty picture.
DotPicture decode_graphic(const Bytes& file);

}  // namespace tw
