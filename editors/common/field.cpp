#include "editors/common/field.h"

#include <cstdio>
#include <stdexcept>

namespace tw {

namespace {
void require_inside(std::span<const std::uint8_t> bytes, const Place& p)
{
    const std::size_t size = (p.storage == Storage::Bcd || p.storage == Storage::BcdLenient || is_text(p.storage))
                                 ? std::size_t(p.width)
                                 : 1;
    if (p.offset + size > bytes.size())
        throw std::out_of_range("field at offset " + std::to_string(p.offset) + " lies outside its record");
}

unsigned bit_mask(const Place& p) { return ((1u << p.width) - 1u) << p.bit; }

long long digits_to_number(const std::string& digits)
{
    // Leading zeros of a long BCD run do not count; more than 18 digits do not fit.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    if (digits.size() - first > 18)
        throw std::out_of_range("a number of " + std::to_string(digits.size() - first) + " digits");
    return std::stoll(digits.substr(first));
}
}  // namespace

bool is_text(Storage storage) { return storage == Storage::RegisterText || storage == Storage::PlainText; }

std::string read_digits(std::span<const std::uint8_t> bytes, const Place& p, const Codecs& c)
{
    require_inside(bytes, p);
    const std::uint8_t* at = bytes.data() + p.offset;
    switch (p.storage) {
    case Storage::Bcd:
        return c.bcds_to_number(at, p.width);
    case Storage::BcdLenient:
        return c.bcds_to_number_str(at, p.width);
    case Storage::BcdByte:
        return c.bcds_to_number(at, 1);
    case Storage::HexDigitsByte: {
        char written[3];
        std::snprintf(written, sizeof written, "%X", unsigned(*at));
        return written;
    }
    default:
        return std::to_string(read_number(bytes, p, c));
    }
}

long long read_number(std::span<const std::uint8_t> bytes, const Place& p, const Codecs& c)
{
    require_inside(bytes, p);
    const std::uint8_t byte = bytes[p.offset];
    switch (p.storage) {
    case Storage::Bit:
        return c.byte_bit_tst(byte, p.bit) ? 1 : 0;
    case Storage::Bits:
        return (byte & bit_mask(p)) >> p.bit;
    case Storage::Byte:
        return byte;
    case Storage::NonZeroByte:
        return byte != 0 ? 1 : 0;
    case Storage::HexDigitsByte:
        return (byte >> 4) > 9 || (byte & 0x0F) > 9 ? -1 : (byte >> 4) * 10 + (byte & 0x0F);
    case Storage::BcdByte:
    case Storage::Bcd:
    case Storage::BcdLenient:
        return digits_to_number(read_digits(bytes, p, c));
    case Storage::RegisterText:
    case Storage::PlainText:
        break;
    }
    throw std::logic_error("a text field has no number");
}

void write_number(std::span<std::uint8_t> bytes, const Place& p, long long value, const Codecs& c)
{
    require_inside(bytes, p);
    std::uint8_t& byte = bytes[p.offset];
    switch (p.storage) {
    case Storage::Bit:
        c.byte_bit_change(byte, p.bit, value != 0 ? 1 : 0);
        return;
    case Storage::Bits:
        byte = std::uint8_t((byte & ~bit_mask(p)) | ((unsigned(value) << p.bit) & bit_mask(p)));
        return;
    case Storage::Byte:
    case Storage::NonZeroByte:
        byte = std::uint8_t(value);
        return;
    case Storage::BcdByte:
    case Storage::HexDigitsByte:
        c.number_to_bcds(&byte, 1, value);
        return;
    case Storage::Bcd:
    case Storage::BcdLenient:
        c.number_to_bcds(&byte, p.width, value);
        return;
    case Storage::RegisterText:
    case Storage::PlainText:
        break;
    }
    throw std::logic_error("a text field takes no number");
}

std::string read_text(std::span<const std::uint8_t> bytes, const Place& p, const Codecs& c)
{
    require_inside(bytes, p);
    if (!is_text(p.storage))
        throw std::logic_error("a number field has no text");
    const std::string stored(reinterpret_cast<const char*>(bytes.data() + p.offset), std::size_t(p.width));
    return p.storage == Storage::RegisterText ? c.sostituzione_from_ecr(stored) : stored;
}

void write_text(std::span<std::uint8_t> bytes, const Place& p, const std::string& pcText, const Codecs& c)
{
    require_inside(bytes, p);
    if (!is_text(p.storage))
        throw std::logic_error("a number field takes no text");
    std::string stored = p.storage == Storage::RegisterText ? c.sostituzione_to_ecr(pcText) : pcText;
    stored.resize(std::size_t(p.width), ' ');
    for (int i = 0; i < p.width; ++i)
        bytes[p.offset + std::size_t(i)] = std::uint8_t(stored[std::size_t(i)]);
}

}  // namespace tw
