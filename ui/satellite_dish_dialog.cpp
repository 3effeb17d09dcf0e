// SatelliteDishDialog: pointing a dish at a geostationary satellite.
#include "reports/dish_report.h"
#include "ui/configuration_reading.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

// A geostationary satellite's orbital position east of Greenwich.
struct OrbitalPosition {
  int degrees = 0;
  int tenths = 0;  // tenths of a degree
};

constexpr OrbitalPosition astra1{.degrees = 19, .tenths = 2};
constexpr OrbitalPosition astra2{.degrees = 28, .tenths = 2};
constexpr OrbitalPosition astra3{.degrees = 23, .tenths = 5};
constexpr OrbitalPosition hotbird{.degrees = 13, .tenths = 0};

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state().application;
  loadconfiguration(s);
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

// The preset buttons: the orbital position of a satellite.
template <OrbitalPosition position>
void preset(ToolDialog& d) {
  d.setnumber("satellite", position.degrees);
  d.setnumber("tenths", position.tenths);
  d.setfirst("satelliteeast", 1);
  d.recalculate();
}

using namespace controls;

// The dialog starts at Astra 1.
const ControlSpec dialogcontrols[] = {
    {.kind = Control::field,
     .key = "satellite",
     .label = {"Satellit - Grad:", "Satellite - Deg.:"},
     .maxlength = 3,
     .minimum = 0,
     .maximum = 180,
     .value = astra1.degrees,
     .row = 0,
     .column = 0},
    {.kind = Control::field,
     .key = "tenths",
     .label = {"1/10 Grad:", "1/10 Deg.:"},
     .maxlength = 1,
     .minimum = 0,
     .maximum = 9,
     .value = astra1.tenths,
     .row = 0,
     .column = 2},
    eastwest("satelliteeast").named({"Satellit", "Satellite"}).at(0, 4),
    latitudefield().at(1, 0),
    latitudeminutes().at(1, 2),
    northsouth().at(1, 4),
    longitudefield().at(2, 0),
    longitudeminutes().at(2, 2),
    eastwest().at(2, 4),
    check("azimuthnorth", {"Azim. Nord", "Azim. North"}).at(3, 0),
    button("astra1", {"Astra 1", "Astra 1"}, preset<astra1>).at(0, 0),
    button("astra2", {"Astra 2", "Astra 2"}, preset<astra2>).at(0, 1),
    button("astra3", {"Astra 3", "Astra 3"}, preset<astra3>).at(0, 2),
    button("hotbird", {"Hotbird", "Hotbird"}, preset<hotbird>).at(0, 3),
    button("previousplace", {"Pos. -", "Pos. -"}, previousplace).at(1, 0),
    button("nextplace", {"Pos. +", "Pos. +"}, nextplace).at(1, 1),
    printbutton().at(1, 2),
    okbutton().at(1, 3),
};

}  // namespace

const ToolDialogTable SatelliteDishDialog = {
    .name = "satellite_dish",
    .templateid = 129,
    .icon = "dish",
    .width = 360,
    .height = 308,
    .caption = {"Ausrichtung SAT-Antenne", "SAT-Antenna Orientation"},
    .controls = dialogcontrols,
    .calculate = calculate,
};

}  // namespace quendal
