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

constexpr YearRange years{1000, 3000};  // the years of the report

// The dialog's own state.
struct PlanetState {
  bool ephemerides = false;  // "Liste <->": the ephemeris list instead of the positions
  bool allbodies = false;    // "Alle" last checked every body (and offers "Keine Plan." next)
  // The delta T hand-shake: "DeltaT:" holds a value for the next report
  // (typed by the user, or computed by the report and handed back).
  bool deltaTPending = false;
};

// Check boxes of the bodies, index 1..11 of the report.
const char* const bodykeys[planetreportbodies + 1] = {"",       "mercury", "venus",   "earth", "mars", "jupiter",
                                                      "saturn", "uranus",  "neptune", "pluto", "sun",  "moon"};

void calculate(ToolDialog& d) {
  DesktopState& s = d.state();
  ApplicationState& app = s.application;
  PlanetState& planet = d.own<PlanetState>();
  loadconfiguration(app);
  PlanetInputs in;
  readdatetime(d, in, &PlanetInputs::halfzone);
  in.place = readplace(d);
  in.placeindex = placeindex(d);
  in.places = app.configuration.locationTable;
  in.deltat = d.number("deltat");
  in.deltaTPending = planet.deltaTPending;
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
  in.zodiacEnabled = app.zodiacEnabled;
  const PlanetReport r =
      planet.ephemerides ? buildephemerislist(in, d.language()) : buildplanetreport(in, d.language());
  const PlanetInputs& c = r.corrected;
  writedatetime(d, c, &PlanetInputs::halfzone);
  writeplace(d, c.place);
  d.setnumber("temperature", c.temperature);
  d.setnumber("pressure", c.pressure);
  d.setnumber("step", c.step);
  d.setchecked("altaz", c.altaz);
  d.setnumber("deltat", c.deltat);
  planet.deltaTPending = c.deltaTPending;
  if (r.deltatcomputed) {
    // The first half of the delta T hand-shake: the field now holds the
    // computed value, and the report runs again with it at once (the
    // hand-back set deltaTPending, so this second run builds the report).
    if (c.deltaTPending) d.recalculate();
    return;
  }
  s.chart.setState({r.jd, r.longitude, r.latitude, r.displayword});
  d.showreport(r.text);
}

// A change of "DeltaT:" typed by the user: the next report uses it.
void deltatedited(ToolDialog& d) {
  d.own<PlanetState>().deltaTPending = true;
  d.restarttimer();
}

// "Alle": all eleven bodies or none, alternately.
void allbodies(ToolDialog& d) {
  bool& all = d.own<PlanetState>().allbodies;
  all = !all;
  for (int b = 1; b <= planetreportbodies; ++b) d.setchecked(bodykeys[b], all);
  if (all)
    d.setlabel("all", {"Keine Plan.", "No Plan."});
  else
    d.setlabel("all", {"Alle Plan.", "Keine Plan."});
  d.recalculate();
}

void list(ToolDialog& d) {
  bool& ephemerides = d.own<PlanetState>().ephemerides;
  ephemerides = !ephemerides;
  d.recalculate();
}

void dayback(ToolDialog& d) { toolsteps::stepdayinzone(d, -1, years); }
void dayon(ToolDialog& d) { toolsteps::stepdayinzone(d, 1, years); }

void graph(ToolDialog& d) { toolsteps::opengraphwindow(d, GraphWindowKind::skychart); }

void closing(ToolDialog& d) { d.own<PlanetState>().deltaTPending = false; }

using namespace controls;

// "DeltaT:" in tenths of seconds; an edit marks it for the next report.
constexpr int maxdeltat = 9999;
constexpr int deltatcharacters = 5;  // "-9999"
constexpr ControlSpec deltatfield() {
  return {.kind = Control::signedfield,
          .key = "deltat",
          .label = {"DeltaT:", "DeltaT:"},
          .maxlength = deltatcharacters,
          .minimum = -maxdeltat,
          .maximum = maxdeltat,
          .action = deltatedited};
}

// A body's check box in the strip of the bodies.
constexpr ControlSpec body(const char* key, Bilingual label) { return check(key, label).instrip(4); }

const ControlSpec dialogcontrols[] = {
    yearfield(years).at(0, 0),
    monthfield().at(0, 2),
    dayfield().at(0, 4),
    hourfield().at(0, 6),
    minutefield().at(0, 8),
    zonefield().at(0, 10),
    latitudefield().at(1, 0),
    latitudeminutes().at(1, 2),
    northsouth().at(1, 4),
    deltatfield().at(1, 6),
    text("tenths", {"(in Zehntelsekunden)", "(in tenths of seconds)"}).at(1, 8).spanning(4),
    longitudefield().at(2, 0),
    longitudeminutes().at(2, 2),
    eastwest().at(2, 4),
    {.kind = Control::signedfield,
     .key = "temperature",
     .label = {"Temp. °C:", "Temp. °C:"},
     .maxlength = 3,
     .minimum = -99,
     .maximum = 200,
     .value = 10,
     .row = 2,
     .column = 6},
    {.kind = Control::field,
     .key = "pressure",
     .label = {"mBar:", "mBar:"},
     .maxlength = 4,
     .minimum = 0,
     .maximum = 3000,
     .value = 1015,
     .row = 2,
     .column = 8},
    {.kind = Control::field,
     .key = "step",
     .label = {"Schritt:", "Step:"},
     .maxlength = 5,
     .minimum = 1,
     .maximum = 32000,
     .value = 1,
     .row = 2,
     .column = 10},
    halfzone().instrip(3),
    check("sexagesimal", {"°  '  ''", "°  '  ''"}).instrip(3),
    check("details", {"Det.", "Det."}).instrip(3),
    check("orbit", {"Bahndaten", "Orbital Data"}).instrip(3),
    check("radec", {"Rekt./Dek.", "RA/Dec."}).checked().instrip(3),
    check("altaz", {"Azi./Alt.", "Azi./Alt."}).checked().instrip(3),
    check("magnitude", {"Magn.", "Magn."}).checked().instrip(3),
    check("visibleonly", {"nur sichtb. Planeten", "only visible Planets"}).instrip(3),
    check("azimuthnorth", {"Azim. NOrd", "Azim. North"}).instrip(3),
    body("mercury", {"Merkur", "Mercury"}).checked(),
    body("venus", {"Venus", "Venus"}).checked(),
    body("earth", {"Earth", "Earth"}),
    body("mars", {"Mars", "Mars"}).checked(),
    body("jupiter", {"Jupiter", "Jupiter"}).checked(),
    body("saturn", {"Saturn", "Saturn"}).checked(),
    body("uranus", {"Uranus", "Uranus"}).checked(),
    body("neptune", {"Neptune", "Neptune"}).checked(),
    body("pluto", {"Pluto", "Pluto"}).checked(),
    body("sun", {"Sonne", "Sun"}).checked(),
    body("moon", {"Mond", "Moon"}).checked(),
    button("all", {"Alle", "All"}, allbodies).at(0, 0),
    button("list", {"Liste <->", "List <->"}, list).at(0, 1),
    button("dayback", {"Tag -", "Day -"}, dayback).at(0, 2),
    button("dayon", {"Tag +", "Day +"}, dayon).at(0, 3),
    button("previousplace", {"Pos. -", "Pos. -"}, previousplace).at(0, 4),
    button("nextplace", {"Pos. +", "Pos. +"}, nextplace).at(0, 5),
    button("graph", {"Grafik...", "Graphic..."}, graph).at(0, 6),
    printbutton().at(0, 7),
    okbutton().at(0, 8),
};

}  // namespace

const ToolDialogTable PlanetDialog = {
    .name = "planets",
    .templateid = 128,
    .icon = "planets",
    .width = 510,
    .height = 350,
    .caption = {"Planetenpositionen berechnen (VSOP87D)", "Position of the Planets (VSOP87D)"},
    .controls = dialogcontrols,
    .article = {"https://de.wikipedia.org/wiki/VSOP_(Planetentheorie)",
                "https://en.wikipedia.org/wiki/Secular_variations_of_the_planetary_orbits"},
    .graphwindow = true,
    .calculate = calculate,
    .closing = closing,
};

}  // namespace quendal
