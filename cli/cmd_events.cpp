// quendal-report events: instants of lunar phases, eclipses, seasons or
// apsides in a range of dates, one per line, for scripts:
//   YYYY-MM-DDTHH:MM:SSZ,KIND[,DISTANCE_KM]
// or as JSON: one document with the array "events", or (jsonl) one object
// per line.
#include <cmath>
#include <string>
#include <utility>

#include "astro/eclipses.h"
#include "astro/lunar_events.h"
#include "astro/seasons.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"

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

// One event as JSON: its instant (UT; the zone is UTC), the Julian Day in
// full precision, the kind and the distance for apsides, else null.
Json jsonevent(const Event& e) {
  Json object;
  putinstant(object, "instant", e.jd, 0);
  object["jd_ut"] = e.jd;
  object["kind"] = e.kind;
  object["distance_km"] = e.km >= 0.0 ? Json(e.km) : Json(nullptr);
  return object;
}

// Writes the events of [from, to) as they are found; each kind yields them
// in time order. The JSON document collects them in events instead.
class Printer {
 public:
  Printer(double from, double to, const GlobalOptions& g, Json* events)
      : from_(from), to_(to), g_(g), events_(events) {}
  void operator()(const Event& e) const {
    if (e.jd < from_ || e.jd >= to_) return;
    if (events_ != nullptr) {
      events_->push_back(jsonevent(e));
      return;
    }
    if (g_.format == OutputFormat::jsonl) {
      writeoutput(jsonline(jsonevent(e)), g_);
      return;
    }
    int y, m, d, h, mi, s;
    mjdtodatetime(e.jd - 2400000.5, y, m, d, h, mi, s);
    std::string line = strprintf("%04d-%02d-%02dT%02d:%02d:%02dZ,%s", y, m, d, h, mi, s, e.kind);
    if (e.km >= 0.0) line += "," + formatdecimal(e.km, 0, 0, 1);
    writeoutput(line + "\n", g_);
  }

 private:
  double from_, to_;
  const GlobalOptions& g_;
  Json* events_;  // the JSON document's array, or null to print
};

// Lunations whose new moon can begin an event of [from, to).
void lunations(double from, double to, int& first, int& last) {
  first = static_cast<int>(std::floor((from - LunationZero) / SynodicMonth)) - 2;
  last = static_cast<int>(std::floor((to - LunationZero) / SynodicMonth)) + 2;
}

void phases(double from, double to, const Printer& print) {
  static const char* const kinds[4] = {"new", "first", "full", "last"};
  int first, last;
  lunations(from, to, first, last);
  for (int k = first; k <= last; ++k)
    for (int q = 0; q < 4; ++q) print({LunarPhase(k, 0.25 * q), kinds[q], -1.0});
}

// The solar eclipse of lunation k falls on its new moon, the lunar one on
// its full moon: in this order they are in time order.
void eclipses(double from, double to, const Printer& print) {
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
      if (jd != 0.0) print({jd, r.name, -1.0});
    }
  }
}

void seasons(int fromyear, int toyear, const Printer& print) {
  static const char* const kinds[4] = {"spring", "summer", "autumn", "winter"};
  for (int year = fromyear - 1; year <= toyear + 1; ++year)
    for (int s = 1; s <= 4; ++s) print({SeasonBegin(year, s), kinds[s - 1], -1.0});
}

// The apogees and perigees from `from` on, the earlier of the next two each
// time. Apsides of one kind lie more than three weeks apart: the next one is
// also the first from 11 days on, whose search starts a day after this one
// (where the search from a day on would restart).
void apsides(double from, double to, const Printer& print) {
  struct Search {
    int mode;  // 1 apogee, -1 perigee
    double t = 0.0, jd = 0.0, km = 0.0;
    bool done = false;
    void next(double end) {
      int evaluations = 0;
      jd = NextApsis(t, km, evaluations, mode);
      done = !(jd >= t) || jd >= end;
      t = jd + 11.0;
    }
  };
  Search searches[2] = {{1, from}, {-1, from}};
  for (Search& s : searches) s.next(to);
  while (!searches[0].done || !searches[1].done) {
    Search& s = searches[1].done || (!searches[0].done && searches[0].jd <= searches[1].jd) ? searches[0] : searches[1];
    print({s.jd, s.mode > 0 ? "apogee" : "perigee", s.km});
    s.next(to);
  }
}

// The JSON document: the inputs (the range's days, UT) and the events.
std::string json(const std::string& what, const CivilDate& from, const CivilDate& to, Json events) {
  Json inputs;
  inputs["what"] = what;
  inputs["from"] = isodate(from);
  inputs["to"] = isodate(to);
  inputs["zone"] = jsonzone(0, "UTC");
  Json document = jsondocument("events", inputs);
  document["events"] = std::move(events);
  return jsontext(document);
}

std::string run(ApplicationState&, const GlobalOptions& g, Options& o) {
  const std::string what = o.requiredtext("what");
  const CivilDate fromdate = o.calendardate("from", g.today, 100, 9999);
  const CivilDate todate = o.calendardate("to", fromdate, 100, 9999);
  o.finish();
  const double from = datetojd(fromdate.year, fromdate.month, fromdate.day);
  const double to = datetojd(todate.year, todate.month, todate.day) + 1.0;  // the whole last day
  if (to <= from) throw refusal("to", datetext(todate) + " lies before --from " + datetext(fromdate));

  Json events = Json::array();
  const Printer print(from, to, g, g.format == OutputFormat::json ? &events : nullptr);
  if (what == "phases")
    phases(from, to, print);
  else if (what == "eclipses")
    eclipses(from, to, print);
  else if (what == "seasons")
    seasons(fromdate.year, todate.year, print);
  else if (what == "apsides")
    apsides(from, to, print);
  else
    throw refusal("what", "'" + what + "' is not a kind of event", "phases, eclipses, seasons, apsides");
  if (g.format != OutputFormat::json) return "";
  return json(what, fromdate, todate, std::move(events));
}

const SubcommandRegistration registration({
    "events",
    "instants of lunar phases, eclipses, seasons or apsides in a range of dates",
    "usage: quendal-report [GLOBAL OPTIONS] events --what phases|eclipses|seasons|apsides\n"
    "                      [--from Y-M-D] [--to Y-M-D]\n"
    "\n"
    "  --what KIND   phases: new, first, full, last (Meeus ch. 49)\n"
    "                eclipses: solar-partial, solar-total, solar-annular,\n"
    "                  lunar-partial, lunar-total (greatest eclipse, Meeus ch. 54)\n"
    "                seasons: spring, summer, autumn, winter (northern hemisphere,\n"
    "                  Meeus ch. 27)\n"
    "                apsides: apogee, perigee, with the distance in km\n"
    "  --from Y-M-D  first day (0h UT), years 100..9999 (Julian calendar before\n"
    "                15 October 1582); default: today\n"
    "  --to Y-M-D    last day, included; default: the first day\n"
    "\n"
    "One event per line in time order, printed as soon as it is found,\n"
    "comma-separated: the instant in UT as\n"
    "YYYY-MM-DDTHH:MM:SSZ (seconds truncated), the kind, and for apsides the\n"
    "distance Earth - Moon in km with one decimal, e.g.\n"
    "  2024-01-11T11:57:03Z,new\n"
    "  2024-01-13T10:35:37Z,perigee,362266.5\n"
    "With --format json one document whose array events holds the objects that\n"
    "--format jsonl prints one per line as found: instant and instant_utc (ISO\n"
    "8601, UT, to the nearest second), jd_ut, kind, distance_km (apsides, else\n"
    "null).\n",
    run,
    false,
    {{"what", "phases eclipses seasons apsides"}},
    Subcommand::JsonForm::stream,
});

}  // namespace
}  // namespace quendal::cli
