// quendal-report events: instants of lunar phases, eclipses, seasons or
// apsides in a range of dates, one per line, for scripts:
//   YYYY-MM-DDTHH:MM:SSZ,KIND[,DISTANCE_KM]
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/eclipses.h"
#include "astro/lunar_events.h"
#include "astro/seasons.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/cli.h"

namespace quendal::cli {
namespace {

struct Event {
  double jd;  // UT
  const char* kind;
  double km;  // apsides only, else negative
};

// Mean synodic month and the JD of the mean new moon of lunation 0.
constexpr double SynodicMonth = 29.530588861;
constexpr double LunationZero = 2451550.09766;

CivilDate validdate(Options& o, const char* name) {
  const CivilDate d = o.requireddate(name);
  if (d.year < 100 || d.year > 9999)
    throw UsageError(std::string("events: --") + name + " " + std::to_string(d.year) +
                     " lies outside the years 100..9999");
  if (dayofweek(d.day, d.month, d.year) <= 0)
    throw UsageError(std::string("events: --") + name + " is not a date of the calendar");
  return d;
}

// Lunations whose new moon can begin an event of [from, to).
void lunations(double from, double to, int& first, int& last) {
  first = static_cast<int>(std::floor((from - LunationZero) / SynodicMonth)) - 2;
  last = static_cast<int>(std::floor((to - LunationZero) / SynodicMonth)) + 2;
}

void phases(double from, double to, std::vector<Event>& out) {
  static const char* const kinds[4] = {"new", "first", "full", "last"};
  int first, last;
  lunations(from, to, first, last);
  for (int k = first; k <= last; ++k)
    for (int q = 0; q < 4; ++q) out.push_back({LunarPhase(k, 0.25 * q), kinds[q], -1.0});
}

void eclipses(double from, double to, std::vector<Event>& out) {
  struct Request {
    int kind, type;
    const char* name;
  };
  static const Request requests[5] = {{SolarEclipse, PartialEclipse, "solar-partial"},
                                      {SolarEclipse, TotalEclipse, "solar-total"},
                                      {SolarEclipse, AnnularEclipse, "solar-annular"},
                                      {LunarEclipse, PartialEclipse, "lunar-partial"},
                                      {LunarEclipse, TotalEclipse, "lunar-total"}};
  int first, last;
  lunations(from, to, first, last);
  for (int k = first; k <= last; ++k) {
    for (const Request& r : requests) {
      const double jd = EclipseMaximum(k, r.kind, r.type);
      if (jd != 0.0) out.push_back({jd, r.name, -1.0});
    }
  }
}

void seasons(int fromyear, int toyear, std::vector<Event>& out) {
  static const char* const kinds[4] = {"spring", "summer", "autumn", "winter"};
  for (int year = fromyear - 1; year <= toyear + 1; ++year)
    for (int s = 1; s <= 4; ++s) out.push_back({SeasonBegin(year, s), kinds[s - 1], -1.0});
}

void apsides(double from, double to, std::vector<Event>& out) {
  for (int mode : {1, -1}) {
    double t = from;
    while (true) {
      double km = 0.0;
      int evaluations = 0;
      const double jd = NextApsis(t, km, evaluations, mode);
      if (!(jd >= t) || jd >= to) break;
      out.push_back({jd, mode > 0 ? "apogee" : "perigee", km});
      // Apsides of one kind lie more than three weeks apart: the next one is
      // also the first from 11 days on, whose search starts a day after this
      // one (where the search from a day on would restart).
      t = jd + 11.0;
    }
  }
}

std::string run(ApplicationState&, const GlobalOptions&, Options& o) {
  const std::string what = o.requiredtext("what");
  const CivilDate fromdate = validdate(o, "from");
  const CivilDate todate = validdate(o, "to");
  o.finish();
  const double from = datetojd(fromdate.year, fromdate.month, fromdate.day);
  const double to = datetojd(todate.year, todate.month, todate.day) + 1.0;  // the whole last day
  if (to <= from) throw UsageError("events: --to lies before --from");

  std::vector<Event> events;
  if (what == "phases")
    phases(from, to, events);
  else if (what == "eclipses")
    eclipses(from, to, events);
  else if (what == "seasons")
    seasons(fromdate.year, todate.year, events);
  else if (what == "apsides")
    apsides(from, to, events);
  else
    throw UsageError("events: --what '" + what + "' is not one of phases, eclipses, seasons, apsides");

  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.jd < b.jd; });
  std::string text;
  for (const Event& e : events) {
    if (e.jd < from || e.jd >= to) continue;
    int y, m, d, h, mi, s;
    mjdtodatetime(e.jd - 2400000.5, y, m, d, h, mi, s);
    text += strprintf("%04d-%02d-%02dT%02d:%02d:%02dZ,%s", y, m, d, h, mi, s, e.kind);
    if (e.km >= 0.0) text += "," + formatdecimal(e.km, 0, 0, 1);
    text += "\n";
  }
  return text;
}

const SubcommandRegistration registration({
    "events",
    "instants of lunar phases, eclipses, seasons or apsides in a range of dates",
    "usage: quendal-report [GLOBAL OPTIONS] events --what phases|eclipses|seasons|apsides\n"
    "                      --from Y-M-D --to Y-M-D\n"
    "\n"
    "  --what KIND   phases: new, first, full, last (Meeus ch. 49)\n"
    "                eclipses: solar-partial, solar-total, solar-annular,\n"
    "                  lunar-partial, lunar-total (greatest eclipse, Meeus ch. 54)\n"
    "                seasons: spring, summer, autumn, winter (northern hemisphere,\n"
    "                  Meeus ch. 27)\n"
    "                apsides: apogee, perigee, with the distance in km\n"
    "  --from Y-M-D  first day (0h UT), years 100..9999 (Julian calendar before\n"
    "                15 October 1582)\n"
    "  --to Y-M-D    last day, included\n"
    "\n"
    "One event per line in time order, comma-separated: the instant in UT as\n"
    "YYYY-MM-DDTHH:MM:SSZ (seconds truncated), the kind, and for apsides the\n"
    "distance Earth - Moon in km with one decimal, e.g.\n"
    "  2024-01-11T11:57:03Z,new\n"
    "  2024-01-13T10:34:47Z,perigee,362266.3\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
