// RisesDialog: rise, set and twilight of Sun, Moon and planets for a day and a place.
#include "reports/rises_report.h"
#include "ui/configuration_reading.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

const char* const planetkeys[8] = {"mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  readconfiguration(s);
  RisesInputs in;
  in.year = d.number("year");
  in.month = d.number("month");
  in.day = d.number("day");
  in.zone = d.number("zone");
  in.half = d.checked("half") ? 1 : 0;
  in.place = readplace(d);
  in.individual = d.number("individual");
  in.precise = d.checked("precise") ? 1 : 0;
  in.seconds = d.checked("seconds") ? 1 : 0;
  for (int p = 0; p < 8; ++p) in.planets[p] = d.checked(planetkeys[p]) ? 1 : 0;
  in.positionmode = d.placefromtable ? 1 : 0;
  in.locationindex = s.locationindex;
  in.places = s.configuration.locationTable;
  const RisesReport r = buildrisesreport(in, d.language());
  const RisesInputs& c = r.corrected;
  d.date = {c.year, c.month, c.day};
  d.setnumber("year", c.year);
  d.setnumber("month", c.month);
  d.setnumber("day", c.day);
  d.setnumber("zone", c.zone);
  d.setchecked("half", c.half != 0);
  d.setnumber("individual", c.individual);
  writeplace(d, c.place);
  d.showreport(r.text);
}

void dayback(ToolDialog& d) { toolsteps::stepdayinzone(d, -1, 1800, 2200); }
void dayon(ToolDialog& d) { toolsteps::stepdayinzone(d, 1, 1800, 2200); }

using namespace controls;

const ControlSpec dialogcontrols[] = {
    yearfield(1000, 3000, 0, 0),
    monthfield(0, 2),
    dayfield(0, 4),
    zonefield(0, 6),
    halfzone(0, 8),
    latitudefield(1, 0),
    latitudeminutes(1, 2),
    northsouth(1, 4),
    signedfield("individual", "Indiv.:", "Indiv.:", 3, -30, 30, -4, 1, 6),
    check("precise", "VSOP87D", "VSOP87D", 0, 1, 8),
    longitudefield(2, 0),
    longitudeminutes(2, 2),
    eastwest(2, 4),
    check("seconds", "HH:MM:SS", "HH:MM:SS", 0, 2, 8),
    check("mercury", "Merkur", "Mercury", 0, 3, -1),
    check("venus", "Venus", "Venus", 0, 3, -1),
    check("mars", "Mars", "Mars", 0, 3, -1),
    check("jupiter", "Jupiter", "Jupiter", 0, 3, -1),
    check("saturn", "Saturn", "Saturn", 0, 3, -1),
    check("uranus", "Uranus", "Uranus", 0, 3, -1),
    check("neptune", "Neptun", "Neptune", 0, 3, -1),
    check("pluto", "Pluto", "Pluto", 0, 3, -1),
    button("dayback", "Tag -", "Day -", dayback, 0, 0),
    button("dayon", "Tag +", "Day +", dayon, 0, 1),
    button("previousplace", "Pos. -", "Pos. -", previousplace, 0, 2),
    button("nextplace", "Pos. +", "Pos. +", nextplace, 0, 3),
    printbutton(0, 4),
    okbutton(0, 5),
};

}  // namespace

const ToolDialogTable RisesDialog = {
    .name = "rises",
    .templateid = 106,
    .icon = "rises",
    .width = 406,
    .height = 348,
    .german = "Aufgänge und Dämmerung berechnen",
    .english = "Rises and Dawns",
    .controls = dialogcontrols,
    .wikigerman = "https://de.wikipedia.org/wiki/Sonnenstand",
    .wikienglish = "https://en.wikipedia.org/wiki/Sunrise_equation",
    .calculate = calculate,
};

}  // namespace quendal
