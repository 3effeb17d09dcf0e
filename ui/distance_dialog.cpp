// DistanceDialog: the distance between two places on the sphere and the ellipsoid.
#include <string>

#include "reports/distance_report.h"
#include "ui/configuration_reading.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

// The fields of one place: prefix "1" or "2" before each key.
struct PointKeys {
  const char *latitude, *latitudeminutes, *latitudeseconds, *north;
  const char *longitude, *longitudeminutes, *longitudeseconds, *east;
};
const PointKeys pointkeys[2] = {
    {"lat1", "latmin1", "latsec1", "north1", "lon1", "lonmin1", "lonsec1", "east1"},
    {"lat2", "latmin2", "latsec2", "north2", "lon2", "lonmin2", "lonsec2", "east2"},
};

GeoPlace readpoint(const ToolDialog& d, const PointKeys& k) {
  GeoPlace p;
  p.latitudedegrees = d.number(k.latitude);
  p.latitudeminutes = d.number(k.latitudeminutes);
  p.latitudeseconds = d.number(k.latitudeseconds);
  p.north = d.first(k.north);
  p.longitudedegrees = d.number(k.longitude);
  p.longitudeminutes = d.number(k.longitudeminutes);
  p.longitudeseconds = d.number(k.longitudeseconds);
  p.east = d.first(k.east);
  return p;
}

void writepoint(ToolDialog& d, const PointKeys& k, const GeoPlace& p) {
  d.setnumber(k.latitude, p.latitudedegrees);
  d.setnumber(k.latitudeminutes, p.latitudeminutes);
  d.setnumber(k.latitudeseconds, p.latitudeseconds);
  d.setfirst(k.north, p.north);
  d.setnumber(k.longitude, p.longitudedegrees);
  d.setnumber(k.longitudeminutes, p.longitudeminutes);
  d.setnumber(k.longitudeseconds, p.longitudeseconds);
  d.setfirst(k.east, p.east);
}

// A configured place into the fields of a point (seconds 0).
void loadplace(ToolDialog& d, int point, int index) {
  writepoint(d, pointkeys[point], configuredplace(d.state(), index));
}

void calculate(ToolDialog& d) {
  DistanceInputs in;
  in.first = readpoint(d, pointkeys[0]);
  in.second = readpoint(d, pointkeys[1]);
  in.places = d.state().configuration.locationTable;
  const DistanceReport r = builddistancereport(in, d.language());
  writepoint(d, pointkeys[0], r.corrected.first);
  writepoint(d, pointkeys[1], r.corrected.second);
  d.showreport(r.text);
}

void opening(ToolDialog& d) {
  readconfiguration(d.state());
  loadplace(d, 0, 0);
  loadplace(d, 1, 0);
}

// "Pos. 1 -/+" step the first place (the location index), "Pos. 2 -/+" the
// second (the dialog's second index).
template <int point, int step>
void stepplace(ToolDialog& d) {
  int& index = point == 0 ? d.state().locationindex : d.secondindex;
  index = toolsteps::steppedplace(d.state(), index, step);
  loadplace(d, point, index);
  d.recalculate();
}

using namespace controls;

// One place: a row of latitude and a row of longitude fields.
constexpr ControlSpec pointfield(const char* key, const char* german, const char* english, int maxlength, int maximum,
                                 const char* germanname, const char* englishname, int row, int column) {
  return {.kind = Control::field,
          .key = key,
          .german = german,
          .english = english,
          .maxlength = maxlength,
          .minimum = 0,
          .maximum = maximum,
          .germanname = germanname,
          .englishname = englishname,
          .row = row,
          .column = column};
}

const ControlSpec dialogcontrols[] = {
    text("place1", "Erster Ort:", "First Place:", 0, 0, 3),
    text("latitude1", "Breitengrad", "Latitude", 1, 0),
    pointfield("lat1", "Grad:", "Deg.:", 2, 90, "Ort 1 Breitengrad Grad", "Place 1 Latitude Deg.", 1, 1),
    pointfield("latmin1", "Minute:", "Minute:", 2, 59, "Ort 1 Breitengrad Minute", "Place 1 Latitude Minute", 1, 3),
    pointfield("latsec1", "Sekunde:", "Second:", 2, 59, "Ort 1 Breitengrad Sekunde", "Place 1 Latitude Second", 1, 5),
    northsouth(1, 7, "Ort 1", "Place 1", "north1"),
    text("longitude1", "Längengrad", "Longitude", 2, 0),
    pointfield("lon1", "Grad:", "Deg.:", 3, 180, "Ort 1 Längengrad Grad", "Place 1 Longitude Deg.", 2, 1),
    pointfield("lonmin1", "Minute:", "Minute:", 2, 59, "Ort 1 Längengrad Minute", "Place 1 Longitude Minute", 2, 3),
    pointfield("lonsec1", "Sekunde:", "Second:", 2, 59, "Ort 1 Längengrad Sekunde", "Place 1 Longitude Second", 2, 5),
    eastwest(2, 7, "Ort 1", "Place 1", "east1"),
    text("place2", "Zweiter Ort:", "Second Place:", 3, 0, 3),
    text("latitude2", "Breitengrad", "Latitude", 4, 0),
    pointfield("lat2", "Grad:", "Deg.:", 2, 90, "Ort 2 Breitengrad Grad", "Place 2 Latitude Deg.", 4, 1),
    pointfield("latmin2", "Minute:", "Minute:", 2, 59, "Ort 2 Breitengrad Minute", "Place 2 Latitude Minute", 4, 3),
    pointfield("latsec2", "Sekunde:", "Second:", 2, 59, "Ort 2 Breitengrad Sekunde", "Place 2 Latitude Second", 4, 5),
    northsouth(4, 7, "Ort 2", "Place 2", "north2"),
    text("longitude2", "Längengrad", "Longitude", 5, 0),
    pointfield("lon2", "Grad:", "Deg.:", 3, 180, "Ort 2 Längengrad Grad", "Place 2 Longitude Deg.", 5, 1),
    pointfield("lonmin2", "Minute:", "Minute:", 2, 59, "Ort 2 Längengrad Minute", "Place 2 Longitude Minute", 5, 3),
    pointfield("lonsec2", "Sekunde:", "Second:", 2, 59, "Ort 2 Längengrad Sekunde", "Place 2 Longitude Second", 5, 5),
    eastwest(5, 7, "Ort 2", "Place 2", "east2"),
    button("previous1", "Pos. 1 -", "Pos. 1 -", stepplace<0, -1>, 0, 0),
    button("next1", "Pos. 1 +", "Pos. 1 +", stepplace<0, 1>, 0, 1),
    button("previous2", "Pos. 2 -", "Pos. 2 -", stepplace<1, -1>, 0, 2),
    button("next2", "Pos. 2 +", "Pos. 2 +", stepplace<1, 1>, 0, 3),
    printbutton(0, 4),
    okbutton(0, 5),
};

}  // namespace

const ToolDialogTable DistanceDialog = {
    .name = "distance",
    .templateid = 130,
    .icon = "distance",
    .width = 358,
    .height = 340,
    .german = "Entfernung ermitteln",
    .english = "Calculation of Distance",
    .controls = dialogcontrols,
    .wikigerman = "https://de.wikipedia.org/wiki/Orthodrome",
    .wikienglish = "https://en.wikipedia.org/wiki/Great-circle_distance",
    .calculate = calculate,
    .opening = opening,
};

}  // namespace quendal
