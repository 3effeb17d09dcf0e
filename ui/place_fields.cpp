// Place fields of the tool dialogs; see place_fields.h.
#include "ui/place_fields.h"

namespace quendal {

GeoPlace readplace(const ToolDialog& dialog, const PlaceKeys& keys) {
  GeoPlace p;
  p.latitudedegrees = dialog.number(keys.latitude);
  p.latitudeminutes = dialog.number(keys.latitudeminutes);
  if (keys.latitudeseconds) p.latitudeseconds = dialog.number(keys.latitudeseconds);
  p.north = dialog.first(keys.north);
  p.longitudedegrees = dialog.number(keys.longitude);
  p.longitudeminutes = dialog.number(keys.longitudeminutes);
  if (keys.longitudeseconds) p.longitudeseconds = dialog.number(keys.longitudeseconds);
  p.east = dialog.first(keys.east);
  return p;
}

bool positionmode(ToolDialog& dialog) { return dialog.own<PlaceState>().fromtable; }

int placeindex(ToolDialog& dialog) { return positionmode(dialog) ? dialog.state().session.locationindex() : -1; }

void writeplace(ToolDialog& dialog, const GeoPlace& place, const PlaceKeys& keys) {
  dialog.setnumber(keys.latitude, place.latitudedegrees);
  dialog.setnumber(keys.latitudeminutes, place.latitudeminutes);
  if (keys.latitudeseconds) dialog.setnumber(keys.latitudeseconds, place.latitudeseconds);
  dialog.setfirst(keys.north, place.north);
  dialog.setnumber(keys.longitude, place.longitudedegrees);
  dialog.setnumber(keys.longitudeminutes, place.longitudeminutes);
  if (keys.longitudeseconds) dialog.setnumber(keys.longitudeseconds, place.longitudeseconds);
  dialog.setfirst(keys.east, place.east);
  dialog.own<PlaceState>().fromtable = false;
}

namespace {
void stepplace(ToolDialog& dialog, int step) {
  DesktopState& state = dialog.state();
  state.session.setLocationindex(toolsteps::steppedplace(state.application, state.session.locationindex(), step));
  dialog.own<PlaceState>().fromtable = true;
  dialog.recalculate();
}
}  // namespace

void previousplace(ToolDialog& dialog) { stepplace(dialog, -1); }
void nextplace(ToolDialog& dialog) { stepplace(dialog, 1); }

}  // namespace quendal
