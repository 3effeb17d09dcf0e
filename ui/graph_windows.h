// The two graph windows opened from a tool dialog: "Grafik" in the
// equation-of-time dialog and "Grafik..." in the planet dialog. Kept apart
// from the tool-dialog mechanism (ui/tool_dialog.h), which the sky chart's
// own position dialog uses, so that the mechanism does not know the windows.
#pragma once

namespace quendal {

class ToolDialog;

enum class GraphWindowKind { equationoftime, skychart };

namespace toolsteps {

// "Grafik" / "Grafik...": refused while a graph window is open; otherwise
// the window (equation of time or sky chart), run until it closes. The
// equation-of-time window starts at the dialog's year (today's while the
// field holds no complete year) and writes the year it shows back into the
// field; when the window has closed the dialog's report is calculated again.
void opengraphwindow(ToolDialog& dialog, GraphWindowKind kind);

}  // namespace toolsteps

}  // namespace quendal
