// DistanceDialog: the distance between two places on the sphere and the ellipsoid.
#include "reports/distance_report.h"
#include "ui/configuration_reading.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

// The fields of the two places: "1" or "2" after each key.
constexpr PlaceKeys pointkeys[2] = {
    {.latitude = "lat1",
     .latitudeminutes = "latmin1",
     .latitudeseconds = "latsec1",
     .north = "north1",
     .longitude = "lon1",
     .longitudeminutes = "lonmin1",
     .longitudeseconds = "lonsec1",
     .east = "east1"},
    {.latitude = "lat2",
     .latitudeminutes = "latmin2",
     .latitudeseconds = "latsec2",
     .north = "north2",
     .longitude = "lon2",
     .longitudeminutes = "lonmin2",
     .longitudeseconds = "lonsec2",
     .east = "east2"},
};

// The dialog's own state.
struct DistanceState {
  int secondplace = 0;  // the configured place of the second point ("Pos. 2 -/+")
};

// A configured place into the fields of a point (seconds 0).
void loadplace(ToolDialog& d, int point, int index) {
  writeplace(d, d.state().application.configuredplace(index), pointkeys[point]);
}

void calculate(ToolDialog& d) {
  DistanceInputs in;
  in.first = readplace(d, pointkeys[0]);
  in.second = readplace(d, pointkeys[1]);
  in.places = d.state().application.configuration.locationTable;
  const DistanceReport r = builddistancereport(in, d.language());
  writeplace(d, r.corrected.first, pointkeys[0]);
  writeplace(d, r.corrected.second, pointkeys[1]);
  d.showreport(r.text);
}

void opening(ToolDialog& d) {
  loadconfiguration(d.state().application);
  loadplace(d, 0, 0);
  loadplace(d, 1, 0);
}

// "Pos. 1 -/+" step the first place (the location index), "Pos. 2 -/+" the
// second (the dialog's own index).
template <int point, int step>
void stepplace(ToolDialog& d) {
  DesktopState& s = d.state();
  int& second = d.own<DistanceState>().secondplace;
  const int index = toolsteps::steppedplace(s.application, point == 0 ? s.session.locationindex() : second, step);
  if (point == 0)
    s.session.setLocationindex(index);
  else
    second = index;
  loadplace(d, point, index);
  d.recalculate();
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    text("place1", {"Erster Ort:", "First Place:"}).at(0, 0).spanning(3),
    text("latitude1", {"Breitengrad", "Latitude"}).at(1, 0),
    latitudedegrees("lat1", {"Ort 1 Breitengrad Grad", "Place 1 Latitude Deg."}).at(1, 1),
    arcminutes("latmin1", {"Ort 1 Breitengrad Minute", "Place 1 Latitude Minute"}).at(1, 3),
    arcseconds("latsec1", {"Ort 1 Breitengrad Sekunde", "Place 1 Latitude Second"}).at(1, 5),
    northsouth("north1").named({"Ort 1", "Place 1"}).at(1, 7),
    text("longitude1", {"Längengrad", "Longitude"}).at(2, 0),
    longitudedegrees("lon1", {"Ort 1 Längengrad Grad", "Place 1 Longitude Deg."}).at(2, 1),
    arcminutes("lonmin1", {"Ort 1 Längengrad Minute", "Place 1 Longitude Minute"}).at(2, 3),
    arcseconds("lonsec1", {"Ort 1 Längengrad Sekunde", "Place 1 Longitude Second"}).at(2, 5),
    eastwest("east1").named({"Ort 1", "Place 1"}).at(2, 7),
    text("place2", {"Zweiter Ort:", "Second Place:"}).at(3, 0).spanning(3),
    text("latitude2", {"Breitengrad", "Latitude"}).at(4, 0),
    latitudedegrees("lat2", {"Ort 2 Breitengrad Grad", "Place 2 Latitude Deg."}).at(4, 1),
    arcminutes("latmin2", {"Ort 2 Breitengrad Minute", "Place 2 Latitude Minute"}).at(4, 3),
    arcseconds("latsec2", {"Ort 2 Breitengrad Sekunde", "Place 2 Latitude Second"}).at(4, 5),
    northsouth("north2").named({"Ort 2", "Place 2"}).at(4, 7),
    text("longitude2", {"Längengrad", "Longitude"}).at(5, 0),
    longitudedegrees("lon2", {"Ort 2 Längengrad Grad", "Place 2 Longitude Deg."}).at(5, 1),
    arcminutes("lonmin2", {"Ort 2 Längengrad Minute", "Place 2 Longitude Minute"}).at(5, 3),
    arcseconds("lonsec2", {"Ort 2 Längengrad Sekunde", "Place 2 Longitude Second"}).at(5, 5),
    eastwest("east2").named({"Ort 2", "Place 2"}).at(5, 7),
    button("previous1", {"Pos. 1 -", "Pos. 1 -"}, stepplace<0, -1>).at(0, 0),
    button("next1", {"Pos. 1 +", "Pos. 1 +"}, stepplace<0, 1>).at(0, 1),
    button("previous2", {"Pos. 2 -", "Pos. 2 -"}, stepplace<1, -1>).at(0, 2),
    button("next2", {"Pos. 2 +", "Pos. 2 +"}, stepplace<1, 1>).at(0, 3),
    printbutton().at(0, 4),
    okbutton().at(0, 5),
};

}  // namespace

const ToolDialogTable DistanceDialog = {
    .name = "distance",
    .templateid = 130,
    .icon = "distance",
    .width = 358,
    .height = 340,
    .caption = {"Entfernung ermitteln", "Calculation of Distance"},
    .controls = dialogcontrols,
    .article = {"https://de.wikipedia.org/wiki/Orthodrome", "https://en.wikipedia.org/wiki/Great-circle_distance"},
    .calculate = calculate,
    .opening = opening,
};

}  // namespace quendal
