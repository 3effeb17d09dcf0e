// Place fields of the tool dialogs; see place_fields.h.
#include "ui/place_fields.h"

namespace quendal {

GeoPlace readplace(const ToolDialog& dialog) {
  GeoPlace p;
  p.latitudedegrees = dialog.number("latitude");
  p.latitudeminutes = dialog.number("latitudeminutes");
  p.north = dialog.first("north");
  p.longitudedegrees = dialog.number("longitude");
  p.longitudeminutes = dialog.number("longitudeminutes");
  p.east = dialog.first("east");
  return p;
}

int placeindex(const ToolDialog& dialog) { return dialog.placefromtable ? dialog.state().locationindex : -1; }

void writeplace(ToolDialog& dialog, const GeoPlace& place) {
  dialog.setnumber("latitude", place.latitudedegrees);
  dialog.setnumber("latitudeminutes", place.latitudeminutes);
  dialog.setfirst("north", place.north);
  dialog.setnumber("longitude", place.longitudedegrees);
  dialog.setnumber("longitudeminutes", place.longitudeminutes);
  dialog.setfirst("east", place.east);
  dialog.placefromtable = false;
}

namespace {
void stepplace(ToolDialog& dialog, int step) {
  ApplicationState& state = dialog.state();
  state.locationindex = toolsteps::steppedplace(state, state.locationindex, step);
  dialog.placefromtable = true;
  dialog.recalculate();
}
}  // namespace

void previousplace(ToolDialog& dialog) { stepplace(dialog, -1); }
void nextplace(ToolDialog& dialog) { stepplace(dialog, 1); }

}  // namespace quendal
