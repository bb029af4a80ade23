#include "editors/common/option_owners.h"

namespace tw {

namespace {
constexpr OptionBits kOwners[] = {
    {"FrmInitialMenu", 0, 0xFF},       // register language
    {"FrmInitialMenu", 4, 0xFF},       // European rounding
    {"FrmInitialMenu", 9, 0x07},       // date and time format, key tone
    {"FrmInitialMenu", 10, 0x01},      // winding motor
    {"FrmInitialMenu", 11, 0x10},      // register mode
    {"FrmWorkingMode", 1, 0xFF},       // price 1/2 shift
    {"FrmWorkingMode", 2, 0xFF},       // PLU page shift
    {"FrmWorkingMode", 3, 0xFF},       // VAT calculation
    {"FrmWorkingMode", 10, 0xB0},      // post tender, zero price, +-% result
    {"FrmWorkingMode", 11, 0x01},      // foreign currency conversion
    {"FrmPrintMode", 5, 0xFF},
    {"FrmPrintMode", 6, 0xFF},
    {"FrmPrintMode", 7, 0xFF},
    {"FrmPrintMode", 10, 0x40},
    {"FrmPrintMode", 11, 0x02},
    {"FrmPrintMode", 15, 0x1F},
    {"FrmPrintMode", 16, 0x0F},
    {"FrmPrintMode", 17, 0xFF},
    {"FrmPrintMode", 18, 0xFF},
    {"FrmPrintMode", 19, 0xFF},
    {"FrmPrintMode", 20, 0x7F},
    {"FrmEJSetup", 8, 0xFF},           // EJ system
    {"FrmEJSetup", 13, 0x3F},
    {"FrmClerkMenuSetup", 9, 0xF0},
    {"FrmReportSetup", 10, 0x0E},      // consecutive, GT and Z1/Z2 reset
    {"FrmReportSetup", 11, 0x0C},      // duplicate Z, zero skip
    {"FrmHospitalitySetup", 11, 0xE0},
    {"FrmHospitalitySetup", 12, 0x0F},
    {"FrmPORAMPKeyMenu", 55, 0xFF},    // RA HDLO
    {"FrmPORAMPKeyMenu", 56, 0xFF},    // PO HDLO
    {"FrmPORAMPKeyMenu", 57, 0xFF},    // +/- HDLO
    {"FrmPORAMPKeyMenu", 59, 0x3C},    // +/- signs, RA and PO header print
    {"FrmPercentageMenu", 59, 0x03},   // %1 and %2 function
    {"FrmSystemOption", 60, 0xFF},     // decimal position
    {"FrmSystemOption", 61, 0xFF},     // fraction rounding
    {"FrmNSMenuSetting", 62, 0x3F},
    {"FrmCaptionSetting", 167, 0xFF},  // display wait time
    {"FrmCaptionSetting", 168, 0xFF},  // scroll speed
};
}  // namespace

std::span<const OptionBits> option_owners() { return kOwners; }

bool is_shared_option_byte(std::size_t offset)
{
    return offset <= 20 || (offset >= 55 && offset <= 62) || offset == 167 || offset == 168;
}

std::uint8_t owned_bits(std::string_view screen, std::size_t offset)
{
    std::uint8_t bits = 0;
    for (const OptionBits& o : kOwners)
        if (o.offset == offset && screen == o.screen)
            bits |= o.mask;
    return bits;
}

std::vector<ByteBits> place_bits(const Place& p)
{
    switch (p.storage) {
    case Storage::Bit:
        return {{p.offset, std::uint8_t(1u << p.bit)}};
    case Storage::Bits:
        return {{p.offset, std::uint8_t(((1u << p.width) - 1u) << p.bit)}};
    case Storage::Byte:
    case Storage::NonZeroByte:
    case Storage::BcdByte:
    case Storage::HexDigitsByte:
        return {{p.offset, 0xFF}};
    case Storage::Bcd:
    case Storage::BcdLenient:
    case Storage::RegisterText:
    case Storage::PlainText:
        break;
    }
    std::vector<ByteBits> all;
    for (int i = 0; i < p.width; ++i)
        all.push_back({p.offset + std::size_t(i), 0xFF});
    return all;
}

}  // namespace tw
