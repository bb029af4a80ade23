#include "editors/sales/FrmInstoreBarcodeSetting.h"

#include "app/session.h"
#include "editors/common/choice_sets.h"
#include "editors/sales/instore_barcode_record.h"

namespace tw {

namespace {
using namespace barcode;

constexpr Choice kVersions[] = {{0, "FRM_INSTORE_BARCODE_SETTING_CMB_CODE_LENGHT_0_MSG", "LONG"},
                                  {1, "FRM_INSTORE_BARCODE_SETTING_CMB_CODE_LENGHT_1_MSG", "SHORT"}};

// The three switches read any byte but 0 as their second choice.
constexpr Field kFields[] = {
    {"E_FlagCode", "FRM_INSTORE_BARCODE_SETTING_L_INSTORE", "Flag Code", bcd_at(kFlagCode, 2), {},
     {.maximum = kMaxFlagCode, .emptyZero = true}},
    {"Cmb_DigitsOfFlag", "FRM_INSTORE_BARCODE_SETTING_L_DIGITS_OF_FLAG", "Digits in Flag", byte_at(kDigitsOfFlag),
     numbers_up_to(3)},
    {"Cmb_DigitsOfPrice", "FRM_INSTORE_BARCODE_SETTING_L_DIGITS_OF_PRICE", "Digits in Price", byte_at(kDigitsOfPrice),
     numbers_up_to(8)},
    {"Cmb_NumberOfFc", "FRM_INSTORE_BARCODE_SETTING_L_NUMBER_OF_FC", "FC Number", byte_at(kNumberOfFc),
     numbers_up_to(4)},
    {"Cmb_CodeLenght", "FRM_INSTORE_BARCODE_SETTING_L_CODE_LENGHT", "Version", nonzero_byte_at(kCodeLength),
     {kVersions}},
    {"Cmb_PriceCheckDigit", "FRM_INSTORE_BARCODE_SETTING_L_PRICE_CHECK_DIGIT", "Price Check Digit",
     nonzero_byte_at(kPriceCheckDigit), kNoYes},
    {"Cmb_NewsPaper", "FRM_INSTORE_BARCODE_SETTING_L_NEWS_PAPER", "News paper", nonzero_byte_at(kNewsPaper), kNoYes},
};

constexpr GridColumn kColumns[] = {
    {"FRM_INSTORE_BARCODE_COL_N_MSG", "Inst.Bar N\xB0", 1020},
    {"FRM_INSTORE_BARCODE_COL_FLAG_CODE_MSG", "Flag Code", 1505, "E_FlagCode"},
    {"FRM_INSTORE_BARCODE_COL_DIGIT_OF_FLAG_MSG", "Digits in Flag", 1505, "Cmb_DigitsOfFlag"},
    {"FRM_INSTORE_BARCODE_COL_DIGIT_OF_PRICE_MSG", "Digits in Price", 1505, "Cmb_DigitsOfPrice"},
    {"FRM_INSTORE_BARCODE_COL_NUMBER_OF_FC_MSG", "FC Number", 1505, "Cmb_NumberOfFc"},
    {"FRM_INSTORE_BARCODE_COL_CODE_LENGHT_MSG", "Code length", 1505, "Cmb_CodeLenght", On4410::Shown, false, true},
    {"FRM_INSTORE_BARCODE_COL_PRICE_CHEK_DIGIT_MSG", "Price check", 1505, "Cmb_PriceCheckDigit", On4410::Shown, false,
     true},
    {"FRM_INSTORE_BARCODE_COL_NEWS_PAPER_MSG", "Newspaper", 1505, "Cmb_NewsPaper", On4410::Shown, false, true},
};

const RecordSetup kSetup{
    {"FrmInstoreBarcodeSetting", "FRM_INSTORE_BARCODE_SETTING_TITLE", "Program Instore Barcodes", nullptr, nullptr,
     nullptr, "FrmInstoreBarcodeSetting C_Salva: "},
    "Cmb_InstoreBarcodeSettingNumber", "FRM_INSTORE_BARCODE_SETTING_L_INSTORE_BARCODE_SETTING_NUMBER",
    "Instore Barcode Setting Number", "FG_InstoreBarcode", "Carica_IBS", kColumns, kFields,
    "FrmInstoreBarcodeSetting carica_griglia_err:",
};
}  // namespace

FrmInstoreBarcodeSetting::FrmInstoreBarcodeSetting(ScreenContext& context, QWidget* caller)
    : RecordEditor(context, caller, kSetup)
{
}

int FrmInstoreBarcodeSetting::record_count() const { return kCount; }

int FrmInstoreBarcodeSetting::next_record(int saved) const { return next_after(saved); }

std::span<std::uint8_t> FrmInstoreBarcodeSetting::record_bytes(int n)
{
    return std::span<std::uint8_t>(session().image.bytes).subspan(offset_of(n), kSize);
}

}  // namespace tw
