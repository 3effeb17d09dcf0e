// A calendar source that reaches up into the reports: with the calendar
// layer's include directory the header is not found, so this does not
// compile (the build enforces the layering); with the reports layer's it
// does.
#include "calendar/calendar.h"
#include "reports/main_report.h"

namespace quendal {

int reversedlayering() { return dayofweek(1, 1, 2000) + static_cast<int>(MainReportInputs{}.year); }

}  // namespace quendal
