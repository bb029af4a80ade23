#include "editors/sales/department_record.h"

#include <stdexcept>

namespace tw {

std::size_t dept::offset_of(int n)
{
    if (n < 1 || n > kCount)
        throw std::out_of_range("department number " + std::to_string(n) + " outside 1 to 99");
    return prg::DepartmentTable.offset + prg::kDepartmentSize * std::size_t(n - 1);
}

std::span<std::uint8_t> dept::bytes_of(ProgrammingImage& image, int n)
{
    return std::span<std::uint8_t>(image.bytes).subspan(offset_of(n), prg::kDepartmentSize);
}

std::span<const std::uint8_t> dept::bytes_of(const ProgrammingImage& image, int n)
{
    return std::span<const std::uint8_t>(image.bytes).subspan(offset_of(n), prg::kDepartmentSize);
}

DepartmentFields load_department(const ProgrammingImage& image, const Codecs& c, int n)
{
    const std::span<const std::uint8_t> b = dept::bytes_of(image, n);
    DepartmentFields f;
    f.name = read_text(b, dept::kNamePlace, c);
    f.status1 = int(read_number(b, dept::kSignPlace, c));
    f.status2 = int(read_number(b, dept::kSinglePlace, c));
    f.hdlo = int(read_number(b, dept::kHdloPlace, c));
    f.group = int(read_number(b, dept::kGroupPlace, c));
    f.tax = int(read_number(b, dept::kTaxPlace, c));
    f.takeOutTax = int(read_number(b, dept::kTakeOutTaxPlace, c));
    f.priceType = int(read_number(b, dept::kPriceTypePlace, c));
    f.price = read_number(b, dept::kPricePlace, c);
    return f;
}

void store_department(ProgrammingImage& image, const Codecs& c, int n, const DepartmentFields& f)
{
    const std::span<std::uint8_t> b = dept::bytes_of(image, n);
    write_text(b, dept::kNamePlace, f.name, c);
    write_number(b, dept::kSignPlace, f.status1, c);
    write_number(b, dept::kSinglePlace, f.status2, c);
    write_number(b, dept::kAlwaysSetPlace, 1, c);
    write_number(b, dept::kHdloPlace, f.hdlo, c);
    write_number(b, dept::kPriceTypePlace, f.priceType, c);
    write_number(b, dept::kGroupPlace, f.group, c);
    write_number(b, dept::kTaxPlace, f.tax, c);
    write_number(b, dept::kTakeOutTaxPlace, f.takeOutTax, c);
    write_number(b, dept::kPricePlace, f.price, c);
}

}  // namespace tw
