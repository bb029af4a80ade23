#include "image/programming_image.h"

#include <algorithm>
#include <stdexcept>

namespace tw {

std::string ProgrammingImage::bcd(const Codecs& c, std::size_t offset, int n) const
{
    if (n <= 0 || offset + std::size_t(n) > bytes.size())
        return c.bcds_to_number(nullptr, 0);
    return c.bcds_to_number(bytes.data() + offset, n);
}

void ProgrammingImage::set_bcd(const Codecs& c, std::size_t offset, int n, long long value)
{
    if (n <= 0 || offset + std::size_t(n) > bytes.size())
        throw std::out_of_range("BCD field outside the programming image");
    c.number_to_bcds(bytes.data() + offset, n, value);
}

void ProgrammingImage::set_bcd(const Codecs& c, std::size_t offset, int n, double value)
{
    if (n <= 0 || offset + std::size_t(n) > bytes.size())
        throw std::out_of_range("BCD field outside the programming image");
    c.number_to_bcds(bytes.data() + offset, n, value);
}

std::string ProgrammingImage::text(const Codecs& c, std::size_t offset, std::size_t width) const
{
    if (offset + width > bytes.size())
        throw std::out_of_range("text field outside the programming image");
    return c.sostituzione_from_ecr(std::string(bytes.begin() + std::ptrdiff_t(offset),
                                               bytes.begin() + std::ptrdiff_t(offset + width)));
}

void ProgrammingImage::set_text(const Codecs& c, std::size_t offset, std::size_t width, const std::string& pcText)
{
    if (offset + width > bytes.size())
        throw std::out_of_range("text field outside the programming image");
    std::string reg = c.sostituzione_to_ecr(pcText.substr(0, width));
    reg.resize(width, ' ');
    std::copy(reg.begin(), reg.end(), bytes.begin() + std::ptrdiff_t(offset));
}

void Read_PrgMode(ProgrammingImage& image, const std::string& dataDir, const ThreeAttemptFile& access,
                  const RunLog& log)
{
    Bytes content;
    const bool ok = access.read(dataDir + "PRG_MODE.BIN", content, "PrgMode: Superati 3 tentativi di lettura");
    const std::size_t n = std::min(content.size(), image.bytes.size());
    std::copy_n(content.begin(), n, image.bytes.begin());
    std::fill(image.bytes.begin() + std::ptrdiff_t(n), image.bytes.end(), std::uint8_t(0));
    if (ok && n < image.bytes.size())
        log.write_log("Read_PrgMode: PRG_MODE.BIN holds " + std::to_string(content.size()) +
                      " of 7078 bytes; the rest reads as zero");
}

void Write_PrgMode(const ProgrammingImage& image, const std::string& dataDir, const ThreeAttemptFile& access)
{
    access.write(dataDir + "PRG_MODE.BIN", Bytes(image.bytes.begin(), image.bytes.end()),
                 "PrgMode: Superati 3 tentativi di lettura", WriteMode::OverlayPrefix);
}

}  // namespace tw
