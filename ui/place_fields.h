// The observer's place in the fields of the place-based tool dialogs
// ("latitude", "latitudeminutes", "north", "longitude", "longitudeminutes",
// "east") and the place buttons "Pos. -" / "Pos. +".
#pragma once

#include "reports/position_text.h"
#include "ui/tool_dialog.h"

namespace quendal {

// The place as entered.
GeoPlace readplace(const ToolDialog& dialog);
// Position mode (after a place button): the configured place to load, the
// location index; -1 otherwise.
int placeindex(const ToolDialog& dialog);
// The place as the report corrected or loaded it.
void writeplace(ToolDialog& dialog, const GeoPlace& place);

// "Pos. -" and "Pos. +": the previous or next configured place, loaded into
// the fields by the next calculation, which runs at once.
void previousplace(ToolDialog& dialog);
void nextplace(ToolDialog& dialog);

}  // namespace quendal
