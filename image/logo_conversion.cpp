#include "image/logo_conversion.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "image/bmp_file.h"
#include "image/graphic_file.h"

namespace tw {

namespace {

DotPicture rotate(const DotPicture& p, int quarterTurns)
{
    if (quarterTurns % 2 == 0) {
        if (quarterTurns == 0)
            return p;
        DotPicture r(p.width, p.height);
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                r.set(x, y, p.black(p.width - 1 - x, p.height - 1 - y));
        return r;
    }
    DotPicture r(p.height, p.width);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            r.set(x, y, quarterTurns == 1 ? p.black(y, p.height - 1 - x) : p.black(p.width - 1 - y, x));
    return r;
}

// The size the picture takes in the logo.
void scaled_size(int w, int h, int fit, int& sw, int& sh)
{
    const bool larger = w > kLogoWidth || h > kLogoHeight;
    if (fit == 0 || (fit == 1 && !larger)) {
        sw = w;
        sh = h;
        return;
    }
    // Proportions kept: the relatively wider side fills the logo.
    if (std::int64_t(w) * kLogoHeight >= std::int64_t(h) * kLogoWidth) {
        sw = kLogoWidth;
        sh = int(std::max<std::int64_t>(1, (std::int64_t(h) * kLogoWidth + w / 2) / w));
    } else {
        sh = kLogoHeight;
        sw = int(std::max<std::int64_t>(1, (std::int64_t(w) * kLogoHeight + h / 2) / h));
    }
}

// The picture dots under one scaled dot and how much of each it covers. In
// units of 1/scaled, scaled dot s spans [s*n, (s+1)*n) and picture dot i
// spans [i*scaled, (i+1)*scaled).
struct Span {
    int first = 0;
    std::vector<std::int64_t> cover;
};

std::vector<Span> spans(int n, int scaled)
{
    std::vector<Span> all(static_cast<std::size_t>(scaled));
    for (int s = 0; s < scaled; ++s) {
        const std::int64_t from = std::int64_t(s) * n, to = std::int64_t(s + 1) * n;
        Span& span = all[std::size_t(s)];
        span.first = int(from / scaled);
        for (std::int64_t i = span.first; i * scaled < to; ++i)
            span.cover.push_back(std::min(to, (i + 1) * scaled) - std::max(from, i * scaled));
    }
    return all;
}

int percent(std::int64_t part, std::int64_t whole) { return int((part * 100 + whole / 2) / whole); }

}  // namespace

LogoConversion convert_logo(const Bytes& bmpFile, const LogoParameters& p)
{
    LogoConversion out;
    BmpLayout layout;
    switch (read_bmp_layout(bmpFile, layout)) {
    case BmpProblem::None: break;
    case BmpProblem::UnknownType: out.code = std::uint32_t(PictResult::UnknownType); return out;
    case BmpProblem::NotProperBmp: out.code = std::uint32_t(PictResult::NotProperBmp); return out;
    case BmpProblem::NotBlackAndWhite: out.code = std::uint32_t(PictResult::NotBlackAndWhite); return out;
    }
    const int line = p.rotation % 2 == 0 ? layout.width : layout.height;
    if (line > kLongestPictureLine) {
        out.code = std::uint32_t(PictResult::LineTooLong);
        return out;
    }
    const DotPicture picture = rotate(read_bmp_dots(bmpFile, layout), p.rotation);

    int sw = 0, sh = 0;
    scaled_size(picture.width, picture.height, p.dotResolutionCheck, sw, sh);
    const int left = (kLogoWidth - sw) / 2, top = (kLogoHeight - sh) / 2;
    const std::vector<Span> columns = spans(picture.width, sw), rows = spans(picture.height, sh);
    const std::int64_t area = std::int64_t(picture.width) * picture.height;
    const int ratio = p.continuedLines == 1 ? p.continuedLineRatio : p.wholeAreaRatio;

    DotPicture logo(kLogoWidth, kLogoHeight);
    const int x0 = std::max(0, left), x1 = std::min(kLogoWidth, left + sw);
    const int y0 = std::max(0, top), y1 = std::min(kLogoHeight, top + sh);
    std::int64_t blackDots = 0;
    for (int y = y0; y < y1; ++y) {
        const Span& row = rows[std::size_t(y - top)];
        for (int x = x0; x < x1; ++x) {
            const Span& column = columns[std::size_t(x - left)];
            std::int64_t blackArea = 0;
            for (std::size_t j = 0; j < row.cover.size(); ++j)
                for (std::size_t i = 0; i < column.cover.size(); ++i)
                    if (picture.black(column.first + int(i), row.first + int(j)))
                        blackArea += column.cover[i] * row.cover[j];
            const bool isBlack = blackArea * 100 > std::int64_t(ratio) * area;
            logo.set(x, y, isBlack);
            blackDots += isBlack;
        }
    }

    const std::int64_t logoArea = std::int64_t(kLogoWidth) * kLogoHeight;
    const int covered = percent(std::int64_t(x1 - x0) * (y1 - y0), logoArea);
    out.code = kPictSuccessFirst | std::uint32_t(covered) << 8 | std::uint32_t(percent(blackDots, logoArea));
    out.graphic = encode_graphic(logo);
    return out;
}

}  // namespace tw
