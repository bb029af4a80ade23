// The number conversion exports.
#include <cstdlib>
#include <cstddef>

#include "tillbridge.h"

namespace {

// The first `length` characters of text (fewer when it ends sooner) read by
// strtoul with base 16: leading white space, a sign and "0x" are accepted,
// reading stops at the first non-digit, no digits give 0. At most 8
// characters, so every result fits 32 bits; the low 32 bits are the same
// whatever the width of unsigned long.
bool strhex(const char* text, uint8_t length, uint32_t& value)
{
    if (length > 8 || text == nullptr)
        return false;
    char digits[9] = {};
    std::size_t n = 0;
    while (n < length && text[n] != '\0') {
        digits[n] = text[n];
        ++n;
    }
    value = static_cast<uint32_t>(std::strtoul(digits, nullptr, 16));
    return true;
}

}  // namespace

extern "C" {

TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_float_to_bin_str(int32_t value, uint8_t* b1, uint8_t* b2,
                                                             uint8_t* b3, uint8_t* b4)
{
    const uint32_t v = static_cast<uint32_t>(value);
    if (b1)
        *b1 = uint8_t(v >> 24);
    if (b2)
        *b2 = uint8_t(v >> 16);
    if (b3)
        *b3 = uint8_t(v >> 8);
    if (b4)
        *b4 = uint8_t(v);
    return 1;
}

TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_strhex_to_long(const char* text, uint8_t length, uint32_t* value)
{
    uint32_t v = 0;
    if (value == nullptr || !strhex(text, length, v))
        return 0;
    *value = v;
    return 1;
}

TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_strhex_to_short(const char* text, uint8_t length, uint16_t* value)
{
    uint32_t v = 0;
    if (value == nullptr || !strhex(text, length, v))
        return 0;
    *value = uint16_t(v);
    return 1;
}

}  // extern "C"
