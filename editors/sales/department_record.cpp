#include "editors/sales/department_record.h"

#include <stdexcept>

namespace tw {

std::size_t dept::offset_of(int n)
{
    if (n < 1 || n > kCount)
        throw std::out_of_range("department number " + std::to_string(n) + " outside 1 to 99");
    return prg::DepartmentTable.offset + prg::kDepartmentSize * std::size_t(n - 1);
}

DepartmentFields load_department(const ProgrammingImage& image, const Codecs& c, int n)
{
    const std::size_t at = dept::offset_of(n);
    const std::uint8_t status = image.byte(at + dept::kStatus);
    const std::uint8_t priceType = image.byte(at + dept::kPriceType);
    DepartmentFields f;
    f.name = image.text(c, at + dept::kName, prg::kDepartmentNameWidth);
    f.status1 = c.byte_bit_tst(status, 0);
    f.status2 = c.byte_bit_tst(status, 1);
    f.hdlo = c.byte_bit_tst(status, 4) * 1 + c.byte_bit_tst(status, 5) * 2 + c.byte_bit_tst(status, 6) * 4 +
             c.byte_bit_tst(status, 7) * 8;
    f.group = image.byte(at + dept::kGroup);
    f.tax = image.byte(at + dept::kTax);
    f.takeOutTax = image.byte(at + dept::kTakeOutTax);
    f.priceType = c.byte_bit_tst(priceType, 0) * 1 + c.byte_bit_tst(priceType, 1) * 2;
    f.price = std::stoll(image.bcd(c, at + dept::kPrice, dept::kPriceBytes));
    return f;
}

void store_department(ProgrammingImage& image, const Codecs& c, int n, const DepartmentFields& f)
{
    const std::size_t at = dept::offset_of(n);
    image.set_text(c, at + dept::kName, prg::kDepartmentNameWidth, f.name);

    std::uint8_t status = image.byte(at + dept::kStatus);
    c.byte_bit_change(status, 0, f.status1 != 0);
    c.byte_bit_change(status, 1, f.status2 != 0);
    c.byte_bit_change(status, 3, 1);
    for (int k = 0; k < 4; ++k)
        c.byte_bit_change(status, 4 + k, (f.hdlo >> k) & 1);
    image.set_byte(at + dept::kStatus, status);

    std::uint8_t priceType = image.byte(at + dept::kPriceType);
    c.byte_bit_change(priceType, 0, f.priceType & 1);
    c.byte_bit_change(priceType, 1, f.priceType & 2);
    image.set_byte(at + dept::kPriceType, priceType);

    image.set_byte(at + dept::kGroup, std::uint8_t(f.group));
    image.set_byte(at + dept::kTax, std::uint8_t(f.tax));
    image.set_byte(at + dept::kTakeOutTax, std::uint8_t(f.takeOutTax));
    image.set_bcd(c, at + dept::kPrice, dept::kPriceBytes, f.price);
}

}  // namespace tw
