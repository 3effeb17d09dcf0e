// SatelliteDishDialog: pointing a dish at a geostationary satellite.
#include "reports/dish_report.h"
#include "ui/configuration_reading.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  readconfiguration(s);
  DishInputs in;
  in.satellitedegrees = d.number("satellite");
  in.satellitetenths = d.number("tenths");
  in.satelliteeast = d.first("satelliteeast");
  in.place = readplace(d);
  in.placeindex = placeindex(d);
  in.places = s.configuration.locationTable;
  in.azimuthnorth = d.checked("azimuthnorth") ? 1 : 0;
  const DishReport r = builddishreport(in, d.language());
  const DishInputs& c = r.corrected;
  d.setnumber("satellite", c.satellitedegrees);
  d.setnumber("tenths", c.satellitetenths);
  d.setfirst("satelliteeast", c.satelliteeast);
  writeplace(d, c.place);
  d.showreport(r.text);
}

// The preset buttons: the orbital position of a satellite east of Greenwich.
template <int degrees, int tenths>
void preset(ToolDialog& d) {
  d.setnumber("satellite", degrees);
  d.setnumber("tenths", tenths);
  d.setfirst("satelliteeast", 1);
  d.recalculate();
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    field("satellite", "Satellit - Grad:", "Satellite - Deg.:", 3, 0, 180, 19, 0, 0),
    field("tenths", "1/10 Grad:", "1/10 Deg.:", 1, 0, 9, 2, 0, 2),
    eastwest(0, 4, "Satellit", "Satellite", "satelliteeast"),
    latitudefield(1, 0),
    latitudeminutes(1, 2),
    northsouth(1, 4),
    longitudefield(2, 0),
    longitudeminutes(2, 2),
    eastwest(2, 4),
    check("azimuthnorth", "Azim. Nord", "Azim. North", 0, 3, 0),
    button("astra1", "Astra 1", "Astra 1", preset<19, 2>, 0, 0),
    button("astra2", "Astra 2", "Astra 2", preset<28, 2>, 0, 1),
    button("astra3", "Astra 3", "Astra 3", preset<23, 5>, 0, 2),
    button("hotbird", "Hotbird", "Hotbird", preset<13, 0>, 0, 3),
    button("previousplace", "Pos. -", "Pos. -", previousplace, 1, 0),
    button("nextplace", "Pos. +", "Pos. +", nextplace, 1, 1),
    printbutton(1, 2),
    okbutton(1, 3),
};

}  // namespace

const ToolDialogTable SatelliteDishDialog = {
    .name = "satellite_dish",
    .templateid = 129,
    .icon = "dish",
    .width = 360,
    .height = 308,
    .german = "Ausrichtung SAT-Antenne",
    .english = "SAT-Antenna Orientation",
    .controls = dialogcontrols,
    .calculate = calculate,
};

}  // namespace quendal
