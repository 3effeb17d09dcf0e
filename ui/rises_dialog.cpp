// RisesDialog: rise, set and twilight of Sun, Moon and planets for a day and a place.
#include <iterator>
#include <type_traits>

#include "reports/rises_report.h"
#include "ui/configuration_reading.h"
#include "ui/place_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr YearRange years{1000, 3000};     // the years of the report
constexpr YearRange dayyears{1800, 2200};  // the years "Tag -" / "Tag +" wrap within

// The check boxes of the planets, in the order of the report's planets.
const char* const planetkeys[] = {"mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};
static_assert(std::size(planetkeys) == std::extent_v<decltype(RisesInputs::planets)>);

void calculate(ToolDialog& d) {
  DesktopState& s = d.state();
  loadconfiguration(s.application);
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
  for (std::size_t p = 0; p < std::size(planetkeys); ++p) in.planets[p] = d.checked(planetkeys[p]) ? 1 : 0;
  in.positionmode = positionmode(d) ? 1 : 0;
  in.locationindex = s.session.locationindex();
  in.places = s.application.configuration.locationTable;
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

void dayback(ToolDialog& d) { toolsteps::stepdayinzone(d, -1, dayyears); }
void dayon(ToolDialog& d) { toolsteps::stepdayinzone(d, 1, dayyears); }

using namespace controls;

// A planet's check box in the strip of the planets.
constexpr ControlSpec planet(const char* key, Bilingual label) { return check(key, label).instrip(3); }

const ControlSpec dialogcontrols[] = {
    yearfield(years).at(0, 0),
    monthfield().at(0, 2),
    dayfield().at(0, 4),
    zonefield().at(0, 6),
    halfzone().at(0, 8),
    latitudefield().at(1, 0),
    latitudeminutes().at(1, 2),
    northsouth().at(1, 4),
    // The individual twilight: the Sun's altitude in degrees.
    {.kind = Control::signedfield,
     .key = "individual",
     .label = {"Indiv.:", "Indiv.:"},
     .maxlength = 3,
     .minimum = -30,
     .maximum = 30,
     .value = -4,
     .row = 1,
     .column = 6},
    check("precise", {"VSOP87D", "VSOP87D"}).at(1, 8),
    longitudefield().at(2, 0),
    longitudeminutes().at(2, 2),
    eastwest().at(2, 4),
    check("seconds", {"HH:MM:SS", "HH:MM:SS"}).at(2, 8),
    planet("mercury", {"Merkur", "Mercury"}),
    planet("venus", {"Venus", "Venus"}),
    planet("mars", {"Mars", "Mars"}),
    planet("jupiter", {"Jupiter", "Jupiter"}),
    planet("saturn", {"Saturn", "Saturn"}),
    planet("uranus", {"Uranus", "Uranus"}),
    planet("neptune", {"Neptun", "Neptune"}),
    planet("pluto", {"Pluto", "Pluto"}),
    button("dayback", {"Tag -", "Day -"}, dayback).at(0, 0),
    button("dayon", {"Tag +", "Day +"}, dayon).at(0, 1),
    button("previousplace", {"Pos. -", "Pos. -"}, previousplace).at(0, 2),
    button("nextplace", {"Pos. +", "Pos. +"}, nextplace).at(0, 3),
    printbutton().at(0, 4),
    okbutton().at(0, 5),
};

}  // namespace

const ToolDialogTable RisesDialog = {
    .name = "rises",
    .templateid = 106,
    .icon = "rises",
    .width = 406,
    .height = 348,
    .caption = {"Aufgänge und Dämmerung berechnen", "Rises and Dawns"},
    .controls = dialogcontrols,
    .article = {"https://de.wikipedia.org/wiki/Sonnenstand", "https://en.wikipedia.org/wiki/Sunrise_equation"},
    .calculate = calculate,
};

}  // namespace quendal
