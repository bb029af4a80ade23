#include "editors/sales/plu_fields.h"

#include <cstdio>

namespace tw {

void store_plu_fields(PluRecord& record, const Codecs& c, const PluFields& f)
{
    record.set_code(c, f.code);
    record.set_name(c, f.name);
    record.set_price_type(f.priceType);
    record.bytes[plu::kDepartmentOffset] = f.department;
    record.set_tax_class(f.tax);
    record.set_take_out_tax_class(f.takeOutTax);
    record.set_price(c, 1, f.price1);
    if (f.price2)
        record.set_price(c, 2, *f.price2);
}

std::string department_text(std::uint8_t byte)
{
    char text[4];
    std::snprintf(text, sizeof text, "%X", unsigned(byte));
    return text;
}

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
