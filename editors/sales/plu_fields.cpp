#include "editors/sales/plu_fields.h"

namespace tw {

std::optional<std::uint8_t> department_byte(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    unsigned value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        const char ch = text[i];
        unsigned digit;
        if (ch >= '0' && ch <= '9')
            digit = unsigned(ch - '0');
        else if (ch >= 'A' && ch <= 'F')
            digit = unsigned(ch - 'A' + 10);
        else if (ch >= 'a' && ch <= 'f')
            digit = unsigned(ch - 'a' + 10);
        else
            return std::nullopt;
        value = value * 16 + digit;
        if (value > 0xFF)
            return std::nullopt;
    }
    return std::uint8_t(value);
}

}  // namespace tw
