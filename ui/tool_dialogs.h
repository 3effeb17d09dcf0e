// The thirteen tool dialogs, one table each (one source per dialog).
#pragma once

#include <span>

#include "ui/tool_dialog.h"

namespace quendal {

extern const ToolDialogTable LargeViewDialog;            // 103
extern const ToolDialogTable DayDifferenceDialog;        // 104
extern const ToolDialogTable MoonPhaseDialog;            // 105
extern const ToolDialogTable RisesDialog;                // 106
extern const ToolDialogTable DateShiftDialog;            // 107
extern const ToolDialogTable MonthOverviewDialog;        // 108
extern const ToolDialogTable WeekdayDistributionDialog;  // 123
extern const ToolDialogTable EasterDistributionDialog;   // 125
extern const ToolDialogTable EquationOfTimeDialog;       // 126
extern const ToolDialogTable SiderealTimeDialog;         // 127
extern const ToolDialogTable PlanetDialog;               // 128
extern const ToolDialogTable SatelliteDishDialog;        // 129
extern const ToolDialogTable DistanceDialog;             // 130

// The sky chart's position dialog (not one of the thirteen tools).
extern const ToolDialogTable PositionDialog;  // 131

// All thirteen, in the order of their template numbers.
std::span<const ToolDialogTable* const> tooldialogtables();

}  // namespace quendal
