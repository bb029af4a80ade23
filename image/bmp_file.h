#pragma once
#include <cstddef>

#include "image/dot_picture.h"
#include "image/file_access.h"

namespace tw {

// What is wrong with a file that should be a black-and-white BMP.
enum class BmpProblem {
    None,
    UnknownType,       // it does not begin with "BM": not a BMP at all
    NotProperBmp,      // a BMP whose headers or dots are damaged or of a kind not read here
    NotBlackAndWhite,  // a BMP of more than one bit per dot
};

// The layout of a 1-bit BMP, from its headers.
struct BmpLayout {
    int width = 0;
    int height = 0;            // rows, always positive
    bool topDown = false;      // rows stored from the top (a negative height in the file)
    std::size_t dataOffset = 0;
    std::size_t rowBytes = 0;  // each row padded to a multiple of 4 bytes
    bool blackIndex[2] = {};   // whether palette entry 0 / 1 is black
};

// Reads the headers of a 1-bit uncompressed BMP (the core header of 12 bytes
// or an info header of 40 bytes or more) and checks that all its rows are in
// the file. A palette entry is black when its brightness is below half, so
// either order of black and white is read right.
BmpProblem read_bmp_layout(const Bytes& file, BmpLayout& layout);

// The dots of a BMP whose layout was read.
DotPicture read_bmp_dots(const Bytes& file, const BmpLayout& layout);

}  // namespace tw
