#pragma once
#include <cstdint>

#include "image/dot_picture.h"
#include "image/file_access.h"

namespace tw {

// tillpict's result codes; their texts are TillPictResults. A success code
// lies from 0x01000000 to 0x01006464: its second byte is the share of the
// logo that the picture covers and its low byte the share of black dots,
// both in percent.
enum class PictResult : std::uint32_t {
    Interrupted = 0x02010000,
    BadParameterCount = 0x04010000,
    BadRotation = 0x04020000,
    BadDotResolutionCheck = 0x04030000,
    BadContinuedLines = 0x04040000,
    BadContinuedLineRatio = 0x04050000,
    BadWholeAreaRatio = 0x04060000,
    FileNotOpened = 0x08010000,
    FileNotRead = 0x08020000,
    FileNotMade = 0x08030000,
    FileNotWritten = 0x08040000,
    NotProperBmp = 0x10010000,
    NotBlackAndWhite = 0x10020000,
    UnknownType = 0x10030000,
    LineTooLong = 0x10040000,
};

inline constexpr std::uint32_t kPictSuccessFirst = 0x01000000;
inline constexpr std::uint32_t kPictSuccessLast = 0x01006464;
inline constexpr bool is_pict_success(std::uint32_t code)
{
    return code >= kPictSuccessFirst && code <= kPictSuccessLast;
}

// The longest row of dots a picture may have, as it lies after rotation.
inline constexpr int kLongestPictureLine = 2048;

// The five conversion parameters of tillpict's command line.
struct LogoParameters {
    // Quarter turns clockwise, 0 to 3.
    int rotation = 0;
    // Dot-resolution check, how a picture of another size than the logo is
    // fitted: 0 dot for dot (centred, a larger picture cut at its edges),
    // 1 a larger picture shrunk to fit, a smaller one left dot for dot,
    // 2 scaled up or down to fit. A scaled picture keeps its proportions and
    // is centred.
    int dotResolutionCheck = 2;
    // Continued lines, 0 or 1: how a logo dot that covers part black, part
    // white picture (a scaled picture) is decided. 1 keeps thin lines whole:
    // the dot is black when more than continuedLineRatio percent of the
    // picture under it is black (0: any black at all). 0 judges by the whole
    // area: black when more than wholeAreaRatio percent is black.
    int continuedLines = 1;
    int continuedLineRatio = 0;  // 0 to 100
    int wholeAreaRatio = 50;     // 0 to 100
};

// The parameters the bridge passes on every conversion: 0 2 1 0 50.
inline constexpr LogoParameters kBridgeLogoParameters{0, 2, 1, 0, 50};

struct LogoConversion {
    std::uint32_t code = 0;  // a success code, or the failure's PictResult
    Bytes graphic;           // GRAPHIC.BIN, on success
};

// Converts a black-and-white BMP file into GRAPHIC.BIN with parameters in
// their ranges. The failures, in the order they are checked: UnknownType,
// NotProperBmp, NotBlackAndWhite, LineTooLong.
LogoConversion convert_logo(const Bytes& bmpFile, const LogoParameters& parameters);

}  // namespace tw
