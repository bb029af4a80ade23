#include "keyboard/keyboard_layout.h"

#include <algorithm>

namespace tw::keyboard {

namespace {
constexpr KeyName kNamedCodes[] = {
    {20, "DEPT SHIFT, CODE"}, {21, "#NS, NEXT"}, {22, "CLERK, ESC"}, {23, "RECEIPT ON/OFF"},
    {24, "SUBTOTAL"}, {25, "CHECK"}, {26, "CHARGE"}, {27, "CREDIT1"}, {28, "CREDIT2"}, {29, "CREDIT3"},
    {30, "CREDIT4"}, {31, "CREDIT5"}, {32, "CREDIT6"}, {33, "FC"}, {34, "%1"}, {35, "%2"}, {36, "+/-1"},
    {37, "+/-2"}, {38, "RA"}, {39, "PO"}, {40, "EC/VOID"}, {41, "FULL VOID"}, {42, "REFUND"},
    {43, "PLU CODE"}, {44, "PLU PRICE"}, {45, "ADD PLU"}, {46, "PLU INQUIRY"}, {47, "HOLD"},
    {48, "PAYMENT TRANSFER"}, {49, "TAKE OUT"},
    {50, "CHAIN FUNC 1"}, {51, "CHAIN FUNC 2"}, {52, "CHAIN FUNC 3"}, {53, "CHAIN FUNC 4"}, {54, "CHAIN FUNC 5"},
    {55, "POP LIST 1"}, {56, "POP LIST 2"}, {57, "POP LIST 3"}, {58, "POP LIST 4"}, {59, "POP LIST 5"},
    {70, "DEPT 1"}, {71, "DEPT 2"}, {72, "DEPT 3"}, {73, "DEPT 4"}, {74, "DEPT 5"}, {75, "DEPT 6"},
    {76, "DEPT 7"}, {77, "DEPT 8"}, {78, "DEPT 9"}, {79, "DEPT 10"}, {80, "DEPT 11"}, {81, "DEPT 12"},
    {82, "DEPT 13"}, {83, "DEPT 14"}, {84, "DEPT 15"}, {85, "DEPT 16"}, {86, "DEPT 17"}, {87, "DEPT 18"},
    {88, "DEPT 19"}, {kNoOperationKey, "NO OPERATION"},
};

// Preview key of each position; 0 for the register's fixed keys (the
// numeric pad and the keys around it).
constexpr std::array<std::uint8_t, kPositions> kPreviewKeyOf = {
    0,  7,  8,  9,  10, 15, 20, 25, 0,  0,  1,   // row 1: positions 0 to 10
    4,  0,  0,  0,  11, 16, 21, 26, 0,  0,  2,   // row 2: 11 to 21
    5,  0,  0,  0,  12, 17, 22, 27, 30, 32, 3,   // row 3: 22 to 32
    6,  0,  0,  0,  13, 18, 23, 28, 31, 33, 0,   // row 4: 33 to 43
    0,  0,  0,  0,  14, 19, 24, 29, 0,           // row 5: 44 to 52
};

constexpr BitFlag kChainReports[] = {
    {"ChK_DepartmentAndFinancial", "FRM_ADVANCED_SETTING_CHK_DEPARTMENT_AND_FINANCIAL_MSG", "Department And Financial", 0, 0},
    {"Chk_DepartmentGroup", "FRM_ADVANCED_SETTING_CHK_DEPARTMENT_GROUP_MSG", "Department Group", 0, 1},
    {"Chk_AllPlu", "FRM_ADVANCED_SETTING_CHK_ALL_PLU_MSG", "All Plu", 0, 2},
    {"Chk_SalesClerk", nullptr, "Sales Clerk", 0, 3},
    {"Chk_TrainingClerk", "FRM_ADVANCED_SETTING_CHK_TRAINING_CLERK_MSG", "Training Clerk", 0, 4},
    {"Chk_Hourly", "FRM_ADVANCED_SETTING_CHK_HOURLY_MSG", "Hourly", 0, 5},
    {"Chk_Training", "FRM_ADVANCED_SETTING_CHK_TRAINING_MSG", "Training", 0, 6},
    {"Chk_DepartmentAndFinanciaGT", "FRM_ADVANCED_SETTING_CHK_DEPARTMENT_AND_FINANCIAL_GT_MSG", "Department And Financia GT", 0, 7},
    {"Chk_FullEJ", "FRM_ADVANCED_SETTING_CHK_FULL_EJ_MSG", "Full EJ", 1, 0},
};

// The last column: the lists that offer the function by default (list 1 = 1).
constexpr std::uint8_t L1 = 1, L2 = 2, L3 = 4, L4 = 8, L5 = 16;
#define TW_POP_KEY(suffix) "FRM_ADVANCED_SETTING_CHK_" suffix "_MSG"
constexpr BitFlag kPopListFunctions[] = {
    {"Chk_ReceiptOn_Off", TW_POP_KEY("RECEIPT_ON_OFF"), "RECEIPT ON/OFF", 0, 0},
    {"Chk_SubTotal", TW_POP_KEY("SUBTOTAL"), "SUBTOTAL", 0, 1},
    {"Chk_Check", TW_POP_KEY("CHECK"), "CHECK", 0, 2, L1},
    {"Chk_Charge", TW_POP_KEY("CHARGE"), "CHARGE", 0, 3, L1},
    {"Chk_Credit1", TW_POP_KEY("CREDIT1"), "CREDIT1", 0, 4, L1},
    {"Chk_Credit2", TW_POP_KEY("CREDIT2"), "CREDIT2", 0, 5, L1},
    {"Chk_Credit3", TW_POP_KEY("CREDIT3"), "CREDIT3", 0, 6, L1},
    {"Chk_Credit4", TW_POP_KEY("CREDIT4"), "CREDIT4", 0, 7, L1},
    {"Chk_Credit5", TW_POP_KEY("CREDIT5"), "CREDIT5", 1, 0, L1},
    {"Chk_Credit6", TW_POP_KEY("CREDIT6"), "CREDIT6", 1, 1, L1},
    {"Chk_FC", TW_POP_KEY("FC"), "FC", 1, 2, L5},
    {"Chk_P1", TW_POP_KEY("P1"), "%1", 1, 3, L3},
    {"Chk_P2", TW_POP_KEY("P2"), "%2", 1, 4, L3},
    {"Chk_PM1", TW_POP_KEY("PM1"), "+/- 1", 1, 5, L3},
    {"Chk_PM2", TW_POP_KEY("PM2"), "+/- 2", 1, 6, L3},
    {"Chk_RA", TW_POP_KEY("RA"), "RA", 1, 7, L4},
    {"Chk_PO", TW_POP_KEY("PO"), "PO", 2, 0, L4},
    {"Chk_EcVoid", TW_POP_KEY("EC_VOID"), "EC/VOID", 2, 1, L2},
    {"Chk_FullVoid", TW_POP_KEY("FULL_VOID"), "FULL VOID", 2, 2, L2},
    {"Chk_Refund", TW_POP_KEY("REFUND"), "REFUND", 2, 3, L2},
    {"Chk_PluCode", TW_POP_KEY("PLU_CODE"), "PLU CODE", 2, 4},
    {"Chk_PluAlt", TW_POP_KEY("PLU_ALT"), "PLU ALT", 2, 5},
    {"Chk_AddPlu", TW_POP_KEY("ADD_PLU"), "ADD PLU", 2, 6},
    {"Chk_PluInquiry", TW_POP_KEY("PLU_INQUIRY"), "PLU INQUIRY", 2, 7},
    {"Chk_Hold", TW_POP_KEY("HOLD"), "HOLD", 3, 0},
    {"Chk_PaymentTransfer", TW_POP_KEY("PAYMENT_TRANSFER"), "PAYMENT TRANSFER", 3, 1, 0, "PAYMENT TRANFER"},
    // The take-out box has a fixed caption.
    {"ChK_TakeOut", nullptr, "TAKE OUT", 3, 2, L5},
};
#undef TW_POP_KEY
}  // namespace

std::span<const KeyName> named_key_codes() { return kNamedCodes; }

std::string key_code_name(std::uint8_t code)
{
    const auto* found = std::find_if(std::begin(kNamedCodes), std::end(kNamedCodes),
                                     [code](const KeyName& k) { return k.code == code; });
    return found == std::end(kNamedCodes) ? std::string() : std::string(found->name);
}

int preview_key_of(int position)
{
    return position >= 0 && position < kPositions ? kPreviewKeyOf[std::size_t(position)] : 0;
}

int position_of(int previewKey)
{
    const auto* found = std::find(kPreviewKeyOf.begin(), kPreviewKeyOf.end(), previewKey);
    return previewKey > 0 && found != kPreviewKeyOf.end() ? int(found - kPreviewKeyOf.begin()) : -1;
}

KeyLayout read_layout(const ProgrammingImage& image)
{
    KeyLayout layout{};
    std::copy_n(image.bytes.begin() + std::ptrdiff_t(prg::KeyboardLayout.offset), kPositions, layout.begin());
    return layout;
}

void store_shown_keys(ProgrammingImage& image, const KeyLayout& layout)
{
    for (int p = 0; p < kPositions; ++p)
        if (preview_key_of(p))
            image.set_byte(prg::KeyboardLayout.offset + std::size_t(p), layout[std::size_t(p)]);
}

std::vector<int> put_key(KeyLayout& layout, int position, std::uint8_t code)
{
    std::vector<int> cleared;
    layout.at(std::size_t(position)) = code;
    if (code == kNoOperationKey)
        return cleared;
    for (int p = 0; p < kPositions; ++p) {
        if (p != position && layout[std::size_t(p)] == code) {
            layout[std::size_t(p)] = kNoOperationKey;
            cleared.push_back(p);
        }
    }
    return cleared;
}

std::span<std::uint8_t> chain_bytes(ProgrammingImage& image, int n)
{
    return std::span(image.bytes).subspan(prg::ChainFunctions.offset + kChainSize * std::size_t(n), kChainSize);
}

std::span<std::uint8_t> pop_list_bytes(ProgrammingImage& image, int n)
{
    return std::span(image.bytes).subspan(prg::PopLists.offset + kPopListSize * std::size_t(n), kPopListSize);
}

std::span<const BitFlag> chain_reports() { return kChainReports; }
std::span<const BitFlag> pop_list_functions() { return kPopListFunctions; }

}  // namespace tw::keyboard
