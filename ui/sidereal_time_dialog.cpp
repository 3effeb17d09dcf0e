// SiderealTimeDialog: the local sidereal time, Sun and Moon for an instant and a place.
#include "reports/sidereal_report.h"
#include "ui/configuration_reading.h"
#include "ui/datetime_fields.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr YearRange years{1800, 2200};  // the years of the report

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state().application;
  loadconfiguration(s);
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

void dayback(ToolDialog& d) { toolsteps::stepdayinzone(d, -1, years); }
void dayon(ToolDialog& d) { toolsteps::stepdayinzone(d, 1, years); }

using namespace controls;

const ControlSpec dialogcontrols[] = {
    yearfield(years).at(0, 0),
    monthfield().at(0, 2),
    dayfield().at(0, 4),
    hourfield().at(0, 6),
    minutefield().at(0, 8),
    zonefield().at(1, 0),
    halfzone().at(1, 2),
    check("azimuthnorth", {"Azim. Nord", "Azim. North"}).at(1, 4),
    latitudefield().at(2, 0),
    latitudeminutes().at(2, 2),
    northsouth().at(2, 4),
    longitudefield().at(3, 0),
    longitudeminutes().at(3, 2),
    eastwest().at(3, 4),
    button("dayback", {"Tag -", "Day -"}, dayback).at(0, 0),
    button("dayon", {"Tag +", "Day +"}, dayon).at(0, 1),
    button("previousplace", {"Pos. -", "Pos. -"}, previousplace).at(0, 2),
    button("nextplace", {"Pos. +", "Pos. +"}, nextplace).at(0, 3),
    printbutton().at(0, 4),
    okbutton().at(0, 5),
};

}  // namespace

const ToolDialogTable SiderealTimeDialog = {
    .name = "sidereal_time",
    .templateid = 127,
    .icon = "sidereal",
    .width = 442,
    .height = 340,
    .caption = {"Ortssternzeit berechnen", "Calculation of Local Sidereal Time"},
    .controls = dialogcontrols,
    .calculate = calculate,
};

}  // namespace quendal
