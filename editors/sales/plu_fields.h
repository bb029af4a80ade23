#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "image/codecs.h"
#include "image/plu_file.h"

namespace tw {

// What the PLU editor's fields hold for one PLU.
struct PluFields {
    long long code = 0;        // an empty code field is 0
    std::string name;          // PC text; stored padded or cut to 16
    int priceType = 0;         // 0 open, 1 normal, 2 preset
    std::uint8_t department = 0;  // the byte itself: department 12 is 0x12
    std::uint8_t tax = 0;
    std::uint8_t takeOutTax = 0;
    long long price1 = 0;      // whole minor units
    // Absent on model 4410, which has no price 2: the record keeps its price 2
    // and bit 7 exactly as loaded.
    std::optional<long long> price2;
};

// Stores the fields into the record. Bits 2 to 5 of the status flags stay;
// bit 6 (bit 7) tells whether price 1 (price 2) is above 0.
void store_plu_fields(PluRecord& record, const Codecs& c, const PluFields& f);

// The department byte in hexadecimal writing without leading zero, which is
// the department number ("12" for 0x12, "0" for none).
std::string department_text(std::uint8_t byte);

// A department text read as a hexadecimal number of one byte ("12" gives
// 0x12); nothing when it is not one.
std::optional<std::uint8_t> department_byte(const std::string& text);

}  // namespace tw
