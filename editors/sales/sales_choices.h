#pragma once
#include <span>

namespace tw {

// One entry of a choice list: its caption key and English label; the stored
// number is its position.
struct ChoiceLabel {
    const char* key;
    const char* english;
};

// The tax classes shared by departments and PLUs.
inline constexpr ChoiceLabel kTaxChoices[] = {
    {"FRM_ALL_TAX_0_MSG", "NON TAXABLE"}, {"FRM_ALL_TAX_1_MSG", "TAX1 TAXABLE"},
    {"FRM_ALL_TAX_2_MSG", "TAX2 TAXABLE"}, {"FRM_ALL_TAX_3_MSG", "TAX3 TAXABLE"},
    {"FRM_ALL_TAX_4_MSG", "TAX4 TAXABLE"},
};

}  // namespace tw
