#include "image/win1252.h"

#include <cstdint>

namespace tw {

namespace {
// Unicode code points of Windows-1252 bytes 0x80..0x9F; 0 where the byte is
// undefined (it then maps to the C1 control of the same value).
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t to_unicode(std::uint8_t b)
{
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
        return kHigh[b - 0x80];
    return b;
}

int from_unicode(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return 0x80 + i;
    if (cp >= 0x80 && cp <= 0x9F && kHigh[cp - 0x80] == 0)
        return int(cp);
    return -1;
}

void append_utf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}
}  // namespace

std::string cp1252_to_utf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252)
        append_utf8(out, to_unicode(std::uint8_t(c)));
    return out;
}

std::string utf8_to_cp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        std::uint8_t b = std::uint8_t(utf8[i]);
        char32_t cp;
        size_t len;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out += '?';  // a stray continuation byte
            ++i;
            continue;
        }
        bool valid = i + len <= utf8.size();
        for (size_t k = 1; valid && k < len; ++k) {
            std::uint8_t c = std::uint8_t(utf8[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        int byte = from_unicode(cp);
        out += byte < 0 ? '?' : char(byte);
        i += len;
    }
    return out;
}

}  // namespace tw
