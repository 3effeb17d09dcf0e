// PlanetDialog: apparent places of the planets, the Sun and the Moon, and the
// ephemeris list.
#include "reports/planet_report.h"
#include "ui/configuration_reading.h"
#include "ui/datetime_fields.h"
#include "ui/graph_windows.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

enum { listflag, allflag };  // ToolDialog::flags

// Check boxes of the bodies, index 1..11 of the report.
const char* const bodykeys[planetreportbodies + 1] = {"",       "mercury", "venus",   "earth", "mars", "jupiter",
                                                      "saturn", "uranus",  "neptune", "pluto", "sun",  "moon"};

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  readconfiguration(s);
  PlanetInputs in;
  readdatetime(d, in, &PlanetInputs::halfzone);
  in.place = readplace(d);
  in.placeindex = placeindex(d);
  in.places = s.configuration.locationTable;
  in.deltat = d.number("deltat");
  in.deltaTPending = s.deltaTPending;
  in.temperature = d.number("temperature");
  in.pressure = d.number("pressure");
  in.step = d.number("step");
  in.orbit = d.checked("orbit");
  in.radec = d.checked("radec");
  in.altaz = d.checked("altaz");
  in.magnitude = d.checked("magnitude");
  in.visibleonly = d.checked("visibleonly");
  in.azimuthnorth = d.checked("azimuthnorth");
  in.sexagesimal = d.checked("sexagesimal");
  in.details = d.checked("details");
  for (int b = 1; b <= planetreportbodies; ++b) in.bodies[b] = d.checked(bodykeys[b]);
  in.zodiacEnabled = s.zodiacEnabled;
  const PlanetReport r = d.flags[listflag] ? buildephemerislist(in, d.language()) : buildplanetreport(in, d.language());
  const PlanetInputs& c = r.corrected;
  writedatetime(d, c, &PlanetInputs::halfzone);
  writeplace(d, c.place);
  d.setnumber("temperature", c.temperature);
  d.setnumber("pressure", c.pressure);
  d.setnumber("step", c.step);
  d.setchecked("altaz", c.altaz);
  d.setnumber("deltat", c.deltat);
  s.deltaTPending = c.deltaTPending;
  if (r.deltatcomputed) {
    // The first half of the delta T hand-shake: the field now holds the
    // computed value, and the report runs again with it at once (the
    // hand-back set deltaTPending, so this second run builds the report).
    if (c.deltaTPending) d.recalculate();
    return;
  }
  s.chart = {r.jd, r.longitude, r.latitude, r.displayword};
  d.showreport(r.text);
}

// A change of "DeltaT:" typed by the user: the next report uses it.
void deltatedited(ToolDialog& d) {
  d.state().deltaTPending = true;
  d.restarttimer();
}

// "Alle": all eleven bodies or none, alternately.
void allbodies(ToolDialog& d) {
  d.flags[allflag] = d.flags[allflag] ? 0 : 1;
  for (int b = 1; b <= planetreportbodies; ++b) d.setchecked(bodykeys[b], d.flags[allflag] != 0);
  if (d.flags[allflag])
    d.setlabel("all", "Keine Plan.", "No Plan.");
  else
    d.setlabel("all", "Alle Plan.", "Keine Plan.");
  d.recalculate();
}

void list(ToolDialog& d) {
  d.flags[listflag] = d.flags[listflag] ? 0 : 1;
  d.recalculate();
}

void dayback(ToolDialog& d) { toolsteps::stepdayinzone(d, -1, 1000, 3000); }
void dayon(ToolDialog& d) { toolsteps::stepdayinzone(d, 1, 1000, 3000); }

void graph(ToolDialog& d) { toolsteps::opengraphwindow(d, true); }

void closing(ToolDialog& d) { d.state().deltaTPending = false; }

using namespace controls;

constexpr ControlSpec deltatfield() {
  ControlSpec c = signedfield("deltat", "DeltaT:", "DeltaT:", 5, -9999, 9999, 0, 1, 6);
  c.action = deltatedited;
  return c;
}

const ControlSpec dialogcontrols[] = {
    yearfield(1000, 3000, 0, 0),
    monthfield(0, 2),
    dayfield(0, 4),
    hourfield(0, 6),
    minutefield(0, 8),
    zonefield(0, 10),
    latitudefield(1, 0),
    latitudeminutes(1, 2),
    northsouth(1, 4),
    deltatfield(),
    text("tenths", "(in Zehntelsekunden)", "(in tenths of seconds)", 1, 8, 4),
    longitudefield(2, 0),
    longitudeminutes(2, 2),
    eastwest(2, 4),
    signedfield("temperature", "Temp. °C:", "Temp. °C:", 3, -99, 200, 10, 2, 6),
    field("pressure", "mBar:", "mBar:", 4, 0, 3000, 1015, 2, 8),
    field("step", "Schritt:", "Step:", 5, 1, 32000, 1, 2, 10),
    check("half", "1/2 Zone", "1/2 Zone", 0, 3, -1),
    check("sexagesimal", "°  '  ''", "°  '  ''", 0, 3, -1),
    check("details", "Det.", "Det.", 0, 3, -1),
    check("orbit", "Bahndaten", "Orbital Data", 0, 3, -1),
    check("radec", "Rekt./Dek.", "RA/Dec.", 1, 3, -1),
    check("altaz", "Azi./Alt.", "Azi./Alt.", 1, 3, -1),
    check("magnitude", "Magn.", "Magn.", 1, 3, -1),
    check("visibleonly", "nur sichtb. Planeten", "only visible Planets", 0, 3, -1),
    check("azimuthnorth", "Azim. NOrd", "Azim. North", 0, 3, -1),
    check("mercury", "Merkur", "Mercury", 1, 4, -1),
    check("venus", "Venus", "Venus", 1, 4, -1),
    check("earth", "Earth", "Earth", 0, 4, -1),
    check("mars", "Mars", "Mars", 1, 4, -1),
    check("jupiter", "Jupiter", "Jupiter", 1, 4, -1),
    check("saturn", "Saturn", "Saturn", 1, 4, -1),
    check("uranus", "Uranus", "Uranus", 1, 4, -1),
    check("neptune", "Neptune", "Neptune", 1, 4, -1),
    check("pluto", "Pluto", "Pluto", 1, 4, -1),
    check("sun", "Sonne", "Sun", 1, 4, -1),
    check("moon", "Mond", "Moon", 1, 4, -1),
    button("all", "Alle", "All", allbodies, 0, 0),
    button("list", "Liste <->", "List <->", list, 0, 1),
    button("dayback", "Tag -", "Day -", dayback, 0, 2),
    button("dayon", "Tag +", "Day +", dayon, 0, 3),
    button("previousplace", "Pos. -", "Pos. -", previousplace, 0, 4),
    button("nextplace", "Pos. +", "Pos. +", nextplace, 0, 5),
    button("graph", "Grafik...", "Graphic...", graph, 0, 6),
    printbutton(0, 7),
    okbutton(0, 8),
};

}  // namespace

const ToolDialogTable PlanetDialog = {
    .name = "planets",
    .templateid = 128,
    .icon = "planets",
    .width = 510,
    .height = 350,
    .german = "Planetenpositionen berechnen (VSOP87D)",
    .english = "Position of the Planets (VSOP87D)",
    .controls = dialogcontrols,
    .wikigerman = "https://de.wikipedia.org/wiki/VSOP_(Planetentheorie)",
    .wikienglish = "https://en.wikipedia.org/wiki/Secular_variations_of_the_planetary_orbits",
    .graphwindow = true,
    .calculate = calculate,
    .closing = closing,
};

}  // namespace quendal
