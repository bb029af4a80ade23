#include "editors/sales/FrmPluPageProgram.h"

#include "image/programming_image.h"

namespace tw {

namespace {
// Each start is 16 BCD digits, low digit pair first; the user types 13 at most.
constexpr int kStartBytes = 8;

constexpr Field start_field(const char* name, const char* labelName, const char* hintName, int page)
{
    return {name, "FRM_PLU_PAGE_PROGRAM_L_DESC", "PLU Start #",
            bcd_at(prg::PluPages.offset + kStartBytes * std::size_t(page - 1), kStartBytes), {},
            {.maximum = FrmPluPageProgram::kMaxPluCode, .emptyZero = true}, On4410::Shown, labelName, false,
            {hintName, "MSG_MAX_9999999999999", "(Max Value 9999999999999)"}};
}
static_assert(prg::PluPages.size == 3 * kStartBytes);

constexpr Field kPage1[] = {start_field("E_PluPage1", "L_Desc0", "L_PageMax0", 1)};
constexpr Field kPage2[] = {start_field("E_PluPage2", "L_Desc1", "L_PageMax1", 2)};
constexpr Field kPage3[] = {start_field("E_PluPage3", "L_Desc2", "L_PageMax2", 3)};

constexpr OptionGroup kGroups[] = {
    frame("F_PluPage1", "FRM_PLU_PAGE_PROGRAM_L_PLU_PAGE1", "PLU Page 1:", kPage1),
    frame("F_PluPage2", "FRM_PLU_PAGE_PROGRAM_L_PLU_PAGE2", "PLU Page 2:", kPage2),
    frame("F_PluPage3", "FRM_PLU_PAGE_PROGRAM_L_PLU_PAGE3", "PLU Page 3", kPage3),
};

const OptionPage kPage{
    {"FrmPluPageProgram", "FRM_PLU_PAGE_PROGRAM_TITLE", "Plu Page Program", "FRM_PLU_PAGE_PROGRAM_L_TITOLO",
     "PLU PAGE PROGRAM"},
    kGroups,
};
}  // namespace

FrmPluPageProgram::FrmPluPageProgram(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

}  // namespace tw
