#include "reports/report_names.h"

#include <algorithm>

namespace tw {

const std::array<std::string, 20> ReportNames{
    "",        "",          "",          "C-I-D",    "FINANCIAL", "RANGE DEPT",  "DEPT GROUP",
    "ALL PLU", "RANGE PLU", "ALL CLERK", "ALL T-CLERK", "NT-CLERK", "TIME",     "TRAINING",
    "FINANCIAL2", "OPEN TBL", "FULL EJ", "OLD EJ",   "LATE EJ",   "DAILY EJ",
};

bool is_offered_report(int n)
{
    return std::find(kOfferedReports.begin(), kOfferedReports.end(), n) != kOfferedReports.end();
}

int report_time_limit(int n)
{
    switch (n) {
    case kRangeDeptReport: return 120;
    case 7: return 180;  // up to 2000 PLU records
    default: return 60;
    }
}

}  // namespace tw
