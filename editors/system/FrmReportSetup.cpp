#include "editors/system/FrmReportSetup.h"

#include "editors/common/choice_sets.h"

namespace tw {

namespace {
// Consecutive reset and zero skip are YES with the bit clear, the GT and
// Z1/Z2 resets with the bit set.
constexpr Field kFields[] = {
    {"Cmb_ConsecutiveReset", "FRM_REPORT_SETUP_L_CONSECUTIVE_RESET", "Consecutive Reset", bit_at(10, 1), kYesNo},
    {"Cmb_GTReset", "FRM_REPORT_SETUP_L_GT_RESET", "GT Reset", bit_at(10, 2), kNoYes},
    {"Cmb_Z1_Z2CounterReset", "FRM_REPORT_SETUP_L_Z1_Z2_COUNTER_RESET", "Z1/Z2 Counter Reset", bit_at(10, 3), kNoYes},
    {"Cmb_DuplicateZ", "FRM_REPORT_SETUP_L_DUPLICATE_Z", "Duplicate Z", bit_at(11, 2), kActiveInactive},
    {"Cmb_ZeroSkip", "FRM_REPORT_SETUP_L_ZERO_SKIP", "Zero Skip", bit_at(11, 3), kYesNo},
};
constexpr OptionGroup kGroups[] = {rows(kFields)};
const OptionPage kPage{{"FrmReportSetup", "FRM_REPORT_SETUP_TITLE", "Report Setup", "FRM_REPORT_SETUP_L_TITOLO",
                        "REPORT SETUP"},
                       kGroups};
}  // namespace

FrmReportSetup::FrmReportSetup(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kPage) {}

const OptionPage& FrmReportSetup::page() { return kPage; }

}  // namespace tw
