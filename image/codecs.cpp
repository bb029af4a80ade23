#include "image/codecs.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace tw {

namespace {
// Descriptions of the errors the codecs report, worded as the platform's.
constexpr const char* kBadDigit = "Type mismatch";
constexpr const char* kIndexError = "Subscript out of range";
constexpr const char* kOverflow = "Overflow";

std::string strip_leading_zeros(std::string digits)
{
    size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// The two-digit pairs of bytes[n-1] .. bytes[0], each from `pairValue`.
template <class PairValue>
std::string pairs_to_text(const std::uint8_t* bytes, int n, PairValue pairValue)
{
    std::string digits;
    digits.reserve(size_t(n) * 2);
    for (int i = n - 1; i >= 0; --i) {
        int v = pairValue(bytes[i]);
        digits += char('0' + v / 10);
        digits += char('0' + v % 10);
    }
    return strip_leading_zeros(digits);
}

// Decimal text of a value with at least `width` digits; a minus sign stays in
// front and counts as the digit 0 when packed.
std::string padded_decimal(const std::string& sign, std::string digits, int width)
{
    if (int(digits.size()) < width)
        digits.insert(0, size_t(width - int(digits.size())), '0');
    return sign + digits;
}
}  // namespace

std::string Codecs::bcds_to_number(const std::uint8_t* bytes, int n) const
{
    if (n <= 0 || bytes == nullptr) {
        log_.write_log(std::string("bcds_to_number ") + kIndexError);
        return "0";
    }
    for (int i = 0; i < n; ++i) {
        if ((bytes[i] >> 4) > 9 || (bytes[i] & 0x0F) > 9) {
            log_.write_log(std::string("bcds_to_number ") + kBadDigit);
            return "0";
        }
    }
    return pairs_to_text(bytes, n, [](std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); });
}

std::string Codecs::bcds_to_number_str(const std::uint8_t* bytes, int n) const
{
    if (n <= 0 || bytes == nullptr)
        return "0";
    return pairs_to_text(bytes, n, &Codecs::bcd_to_number);
}

int Codecs::bcd_to_number(std::uint8_t byte)
{
    const int high = byte >> 4, low = byte & 0x0F;
    if (high > 9)
        return 0;
    if (low > 9)
        return high;
    return high * 10 + low;
}

void Codecs::number_to_bcd(std::uint8_t& out, long long value) const
{
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    // At least two digits; of a longer value only the first two are kept.
    std::string text = padded_decimal(value < 0 ? "-" : "", std::to_string(magnitude), 2);
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0; };
    out = std::uint8_t((digit(text[0]) << 4) | digit(text[1]));
}

void Codecs::number_to_bcds(std::uint8_t* out, int n, long long value) const
{
    std::string sign = value < 0 ? "-" : "";
    // Negate through unsigned arithmetic so the smallest value does not overflow.
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    number_text_to_bcds(out, n, padded_decimal(sign, std::to_string(magnitude), n));
}

void Codecs::number_to_bcds(std::uint8_t* out, int n, double value) const
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e30) {
        for (int i = 0; i < n; ++i)
            out[i] = 0;
        log_.write_log(std::string("number_to_bcds : ") + kOverflow);
        return;
    }
    // Six decimals absorb the binary error of a scaled price (114.99999999999999
    // prints as 115.000000); then halves round away from zero.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", std::fabs(value));
    std::string text(buffer);
    size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    if (point != std::string::npos && point + 1 < text.size() && text[point + 1] >= '5') {
        int i = int(whole.size()) - 1;
        while (i >= 0 && whole[size_t(i)] == '9')
            whole[size_t(i--)] = '0';
        if (i < 0)
            whole = "1" + whole;
        else
            ++whole[size_t(i)];
    }
    whole = strip_leading_zeros(whole);
    std::string sign = (value < 0 && whole != "0") ? "-" : "";
    number_text_to_bcds(out, n, padded_decimal(sign, whole, n));
}

void Codecs::number_text_to_bcds(std::uint8_t* out, int n, const std::string& text) const
{
    for (int i = 0; i < n; ++i)
        out[i] = 0;
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0; };
    int byteIndex = 0;
    for (int pos = int(text.size()) - 1; pos >= 0; pos -= 2, ++byteIndex) {
        if (byteIndex >= n) {
            // The digits that do not fit are dropped; the low ones stay.
            log_.write_log(std::string("number_to_bcds : ") + kIndexError);
            return;
        }
        int low = digit(text[size_t(pos)]);
        int high = pos >= 1 ? digit(text[size_t(pos - 1)]) : 0;
        out[byteIndex] = std::uint8_t((high << 4) | low);
    }
}

std::uint8_t Codecs::ottieni_numero(std::string_view text, std::string_view separator) const
{
    if (separator.empty() || separator.size() > text.size())
        return 0;
    size_t found = std::string_view::npos;
    for (size_t i = 0; i + separator.size() <= text.size() && found == std::string_view::npos; ++i) {
        bool same = true;
        for (size_t k = 0; k < separator.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(text[i + k])) ==
                   std::tolower(static_cast<unsigned char>(separator[k]));
        if (same)
            found = i;
    }
    if (found == std::string_view::npos)
        return 0;
    std::string_view piece = text.substr(0, found + separator.size());
    size_t i = 0;
    while (i < piece.size() && piece[i] == ' ')
        ++i;
    unsigned long long value = 0;
    bool anyDigit = false;
    for (; i < piece.size() && std::isdigit(static_cast<unsigned char>(piece[i])); ++i) {
        anyDigit = true;
        if (value <= 1000)
            value = value * 10 + unsigned(piece[i] - '0');
    }
    if (!anyDigit)
        return 0;
    if (value > 255) {
        log_.write_log(std::string("ottieni_numero : ") + kOverflow);
        return 0;
    }
    return std::uint8_t(value);
}

std::string Codecs::text_after_space(const std::string& text)
{
    size_t space = text.find(' ');
    return space == std::string::npos ? text : text.substr(space + 1);
}

void Codecs::byte_bit_change(std::uint8_t& byte, int k, int flag) const
{
    if (k < 0 || k > 7) {
        log_.write_log(std::string("byte_bit_change : ") + kOverflow);
        return;
    }
    if (flag != 0)
        byte = std::uint8_t(byte | (1u << k));
    else
        byte = std::uint8_t(byte & ~(1u << k));
}

bool Codecs::byte_bit_tst(std::uint8_t byte, int k) const
{
    if (k < 0 || k > 7) {
        log_.write_log(std::string("byte_bit_tst : ") + kOverflow);
        return false;
    }
    return (byte >> k) & 1u;
}

int Codecs::solo_numeri(int keyCode)
{
    return (keyCode >= '0' && keyCode <= '9') || keyCode == 8 ? keyCode : 0;
}

std::string Codecs::sostituzione_to_ecr(const std::string& pcText) const
{
    std::string out(pcText.size(), '\0');
    for (size_t i = 0; i < pcText.size(); ++i)
        out[i] = char(tables_.ToRegisterTable[std::uint8_t(pcText[i])]);
    return out;
}

std::string Codecs::sostituzione_from_ecr(const std::string& registerText) const
{
    std::string out(registerText.size(), '\0');
    for (size_t i = 0; i < registerText.size(); ++i)
        out[i] = char(tables_.FromRegisterTable[std::uint8_t(registerText[i])]);
    return out;
}

}  // namespace tw
