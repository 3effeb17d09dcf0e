// The list of the tool dialogs; see tool_dialogs.h.
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {
const ToolDialogTable* const alltables[] = {
    &LargeViewDialog,
    &DayDifferenceDialog,
    &MoonPhaseDialog,
    &RisesDialog,
    &DateShiftDialog,
    &MonthOverviewDialog,
    &WeekdayDistributionDialog,
    &EasterDistributionDialog,
    &EquationOfTimeDialog,
    &SiderealTimeDialog,
    &PlanetDialog,
    &SatelliteDishDialog,
    &DistanceDialog,
};
}  // namespace

std::span<const ToolDialogTable* const> tooldialogtables() { return alltables; }

}  // namespace quendal
