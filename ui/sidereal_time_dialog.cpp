// SiderealTimeDialog: the local sidereal time, Sun and Moon for an instant and a place.
#include "reports/sidereal_report.h"
#include "ui/configuration_reading.h"
#include "ui/datetime_fields.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  readconfiguration(s);
  SiderealInputs in;
  readdatetime(d, in, &SiderealInputs::halfzone);
  in.place = readplace(d);
  in.placeindex = placeindex(d);
  in.places = s.configuration.locationTable;
  in.azimuthnorth = d.checked("azimuthnorth") ? 1 : 0;
  const SiderealReport r = buildsiderealreport(in, d.language());
  const SiderealInputs& c = r.corrected;
  writedatetime(d, c, &SiderealInputs::halfzone);
  writeplace(d, c.place);
  d.showreport(r.text);
}

void dayback(ToolDialog& d) { toolsteps::stepdayinzone(d, -1, 1800, 2200); }
void dayon(ToolDialog& d) { toolsteps::stepdayinzone(d, 1, 1800, 2200); }

using namespace controls;

const ControlSpec dialogcontrols[] = {
    yearfield(1800, 2200, 0, 0),
    monthfield(0, 2),
    dayfield(0, 4),
    hourfield(0, 6),
    minutefield(0, 8),
    zonefield(1, 0),
    halfzone(1, 2),
    check("azimuthnorth", "Azim. Nord", "Azim. North", 0, 1, 4),
    latitudefield(2, 0),
    latitudeminutes(2, 2),
    northsouth(2, 4),
    longitudefield(3, 0),
    longitudeminutes(3, 2),
    eastwest(3, 4),
    button("dayback", "Tag -", "Day -", dayback, 0, 0),
    button("dayon", "Tag +", "Day +", dayon, 0, 1),
    button("previousplace", "Pos. -", "Pos. -", previousplace, 0, 2),
    button("nextplace", "Pos. +", "Pos. +", nextplace, 0, 3),
    printbutton(0, 4),
    okbutton(0, 5),
};

}  // namespace

const ToolDialogTable SiderealTimeDialog = {
    .name = "sidereal_time",
    .templateid = 127,
    .icon = "sidereal",
    .width = 442,
    .height = 340,
    .german = "Ortssternzeit berechnen",
    .english = "Calculation of Local Sidereal Time",
    .controls = dialogcontrols,
    .calculate = calculate,
};

}  // namespace quendal
