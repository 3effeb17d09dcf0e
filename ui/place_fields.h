// The observer's place in the fields of the place-based tool dialogs
// ("latitude", "latitudeminutes", "north", "longitude", "longitudeminutes",
// "east"; the sky chart's position dialog and the distance dialog with
// seconds and keys of their own) and the place buttons "Pos. -" / "Pos. +".
#pragma once

#include "reports/position_text.h"
#include "ui/tool_dialog.h"

namespace quendal {

// The keys of the fields of one place; no seconds where the keys of the
// seconds are null.
struct PlaceKeys {
  const char* latitude = "latitude";
  const char* latitudeminutes = "latitudeminutes";
  const char* latitudeseconds = nullptr;
  const char* north = "north";
  const char* longitude = "longitude";
  const char* longitudeminutes = "longitudeminutes";
  const char* longitudeseconds = nullptr;
  const char* east = "east";
};

// Degrees and minutes: the fields of ui/tool_controls.h.
inline constexpr PlaceKeys placekeys;

// What the place fields of a dialog share (ToolDialog::own).
struct PlaceState {
  // Position mode (after a place button): the next calculation loads the
  // configured place of the location index into the fields.
  bool fromtable = false;
};

// The place as entered.
GeoPlace readplace(const ToolDialog& dialog, const PlaceKeys& keys = placekeys);
// Whether the dialog is in position mode.
bool positionmode(ToolDialog& dialog);
// Position mode: the configured place to load, the location index; -1
// otherwise.
int placeindex(ToolDialog& dialog);
// The place as the report corrected or loaded it; position mode ends.
void writeplace(ToolDialog& dialog, const GeoPlace& place, const PlaceKeys& keys = placekeys);

// "Pos. -" and "Pos. +": the previous or next configured place, loaded into
// the fields by the next calculation, which runs at once.
void previousplace(ToolDialog& dialog);
void nextplace(ToolDialog& dialog);

}  // namespace quendal
