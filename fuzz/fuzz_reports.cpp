// libFuzzer target of the reports: the first byte picks a report, the rest
// fills every field of its inputs with values across and far beyond the
// field's range. The text must stay within the report buffer, be valid
// UTF-8 and hold no "nan", "inf" or negative minutes; a fault aborts with
// its description. `make fuzz` runs it with a time limit of one second per
// input.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "almanac/eot_year_cache.h"
#include "app/configuration.h"
#include "fuzz_input.h"
#include "report_invariants.h"
#include "reports/about_report.h"
#include "reports/calendar_display.h"
#include "reports/chart_position.h"
#include "reports/configuration_report.h"
#include "reports/date_shift.h"
#include "reports/day_difference.h"
#include "reports/dish_report.h"
#include "reports/distance_report.h"
#include "reports/easter_distribution.h"
#include "reports/eot_graph.h"
#include "reports/eot_report.h"
#include "reports/icalendar.h"
#include "reports/large_view.h"
#include "reports/main_report.h"
#include "reports/month_overview.h"
#include "reports/moon_report.h"
#include "reports/planet_report.h"
#include "reports/rises_report.h"
#include "reports/sidereal_report.h"
#include "reports/sky_chart.h"
#include "reports/weekday_distribution.h"

namespace quendal::fuzz {
namespace {

constexpr std::size_t bufferlimit = ReportBuffer::capacity;

[[noreturn]] void fail(const char* report, const std::string& fault, std::string_view text) {
  std::fprintf(stderr, "%s: %s\n%.*s\n", report, fault.c_str(), static_cast<int>(text.size()), text.data());
  std::abort();
}

void check(const char* report, std::string_view text, std::size_t limit = bufferlimit) {
  const std::string fault = textfault(text, limit);
  if (!fault.empty()) fail(report, fault, text);
}

Language language(FuzzInput& in) { return static_cast<Language>(in.byte() % 3); }

// Today as the clock gives it: a date of the years 1..9999.
struct Today {
  int year, month, day;
};
Today today(FuzzInput& in) {
  const int year = in.flag() ? 1 + static_cast<int>(in.raw32() % 9999) : 2024;
  return {year, 1 + in.byte() % 12, 1 + in.byte() % 28};
}

GeoPlace place(FuzzInput& in) {
  GeoPlace p;
  p.latitudedegrees = in.field(0, 90);
  p.latitudeminutes = in.field(0, 59);
  p.latitudeseconds = in.field(0, 59);
  p.north = in.field(0, 1);
  p.longitudedegrees = in.field(0, 180);
  p.longitudeminutes = in.field(0, 59);
  p.longitudeseconds = in.field(0, 59);
  p.east = in.field(0, 1);
  return p;
}

// Configured places as the configuration reader gives them: the first n
// entries in use, each within its limits, names of valid UTF-8.
LocationTable places(FuzzInput& in) {
  LocationTable table = presetlocationtable();
  const int n = in.byte() % 4;
  for (int i = 0; i < n; ++i) {
    LocationRecord& r = table[static_cast<std::size_t>(i)];
    r.latitudedegrees = in.byte() % 91;
    r.latitudeminutes = r.latitudedegrees == 90 ? 0 : in.byte() % 60;
    r.longitudedegrees = in.byte() % 181;
    r.longitudeminutes = r.longitudedegrees == 180 ? 0 : in.byte() % 60;
    if (r.latitudedegrees + r.latitudeminutes + r.longitudedegrees + r.longitudeminutes == 0) r.longitudeminutes = 1;
    r.latitudeseconds = r.longitudeseconds = 0;
    r.north = in.byte() & 1;
    r.east = in.byte() & 1;
    r.inuse = 1;
    static constexpr const char* names[] = {"Sankt Pölten (Austria)", "", "Zürich", "Ōsaka 大阪", "x"};
    r.name = names[in.byte() % 5];
  }
  return table;
}

PersonalDateTable dates(FuzzInput& in) {
  PersonalDateTable table{};
  const int n = in.byte() % 13;
  for (int i = 0; i < n; ++i) {
    PersonalDate& d = table[static_cast<std::size_t>(i)];
    d.year = 1601 + static_cast<int>(in.raw32() % 8398);
    d.month = 1 + in.byte() % 12;
    d.day = 1 + in.byte() % 28;
    d.text = "Geburtstag ä";
  }
  return table;
}

void about(FuzzInput& in) {
  AboutInputs a;
  // Measurements as the performance test makes them: up to 100,000
  // computations in any number of milliseconds of a day.
  a.ephemerides = {static_cast<int>(in.raw32() % 100001), static_cast<int>(in.raw32() % 86400001)};
  a.moonphases = {static_cast<int>(in.raw32() % 100001), static_cast<int>(in.raw32() % 86400001)};
  a.platform.bits = in.field(32, 64);
  a.platform.system = "Linux";
  a.platform.runningon = "Debian GNU/Linux 12 (bookworm)";
  const AboutBox box = buildaboutbox(a, language(in));
  check("about", box.text);
}

void calendardisplay(FuzzInput& in) {
  CalendarDisplayInputs c;
  c.year = in.field(1583, 9999);
  c.month = in.field(1, 12);
  c.view = in.field(0, 3);
  c.placeindex = in.field(0, 31);
  c.places = places(in);
  const Language lang = language(in);
  HolidayTable holidays{};
  EventTable events{};
  int stale = 1;
  // The window builds the tables of its year limited to 1583..9999.
  refreshcalendartables(std::clamp(c.year, 1583, 9999), c.view, lang, holidays, events, stale);
  const CalendarDisplay d = buildcalendardisplay(c, holidays, events, lang);
  if (d.lines.size() > static_cast<std::size_t>(displaylistsize)) fail("calendar", "too many lines", d.caption);
  check("calendar caption", d.caption);
  for (const DisplayLine& line : d.lines) check("calendar line", line.text, 179);
}

void chartposition(FuzzInput& in) {
  ChartPositionInputs c;
  c.place = place(in);
  c.placeindex = in.field(-1, 31);
  c.places = places(in);
  c.year = in.field(1000, 3000);
  c.month = in.field(1, 12);
  c.day = in.field(1, 31);
  c.hour = in.field(0, 23);
  c.minute = in.field(0, 59);
  c.zone = in.field(-12, 12);
  c.halfzone = in.field(0, 1);
  const ChartPosition p = buildchartposition(c, language(in));
  check("chart position", p.text);
}

void configuration(FuzzInput& in) {
  ConfigurationReportInputs c;
  c.result = in.field(-1, 1);
  const Today t = today(in);
  c.todayyear = t.year, c.todaymonth = t.month, c.todayday = t.day;
  c.dates = dates(in);
  check("configuration evaluation", buildconfigurationevaluation(c, language(in)).text);
}

void dateshift(FuzzInput& in) {
  DateShiftInputs d;
  d.year = in.field(1, 9999);
  d.month = in.field(1, 12);
  d.day = in.field(1, 31);
  d.days = in.field(0, 999999);
  check("date shift", builddateshift(d, language(in)).text);
}

void daydifference(FuzzInput& in) {
  DayDifferenceInputs d;
  d.year1 = in.field(1, 9999);
  d.month1 = in.field(1, 12);
  d.day1 = in.field(1, 31);
  d.year2 = in.field(1, 9999);
  d.month2 = in.field(1, 12);
  d.day2 = in.field(1, 31);
  d.direction = in.field(0, 1);
  const Today t = today(in);
  d.todayyear = t.year, d.todaymonth = t.month, d.todayday = t.day;
  check("day difference", builddaydifference(d, language(in)).text);
}

void dish(FuzzInput& in) {
  DishInputs d;
  d.satellitedegrees = in.field(0, 180);
  d.satellitetenths = in.field(0, 9);
  d.satelliteeast = in.field(0, 1);
  d.place = place(in);
  d.placeindex = in.field(-1, 31);
  d.places = places(in);
  d.azimuthnorth = in.field(0, 1);
  d.explicitplace = in.field(0, 1);
  check("dish", builddishreport(d, language(in)).text);
}

void distance(FuzzInput& in) {
  DistanceInputs d;
  d.first = place(in);
  d.second = place(in);
  d.places = places(in);
  check("distance", builddistancereport(d, language(in)).text);
}

void easterdistribution(FuzzInput& in) {
  EasterDistributionInputs e;
  e.firstyear = in.field(1583, 9999);
  e.lastyear = in.field(1583, 9999);
  e.feast = in.field(0, 3);
  check("easter distribution", buildeasterdistribution(e, language(in)).text);
}

// A side of a window: 0..16777215 pixels (the window system's limit).
int windowside(FuzzInput& in) {
  const long long v = in.field(0, 4000);
  return static_cast<int>((v < 0 ? -v : v) % 16777216);
}

void eotgraph(FuzzInput& in) {
  const int year = std::clamp(in.field(1000, 4000), 1000, 4000);  // as the window keeps it
  const EotGraphSize size = eotgraphsize(windowside(in), windowside(in));
  const int width = size.width, height = size.height;
  const Language lang = language(in);
  const EotGraph graph = buildeotgraph(year, width, height, lang);
  check("eot graph title", graph.title.text);
  for (const GraphText& t : graph.gridlabels) check("eot graph label", t.text);
  for (const GraphText& t : graph.markerlabels) check("eot graph marker", t.text);
  int evaluations = 0;
  const EotGraphFooter footer =
      buildeotgraphfooter(eotturningpoints(year, evaluations), width, height, windowside(in) % 200, lang);
  for (const GraphText& t : footer.turningpoints) check("eot graph footer", t.text);
  check("eot graph size", footer.size.text);
}

void eot(FuzzInput& in) {
  EquationOfTimeInputs e;
  e.year = in.field(1000, 4000);
  e.month = in.field(1, 12);
  e.day = in.field(1, 31);
  e.hour = in.field(0, 23);
  e.zone = in.field(-12, 12);
  e.step = in.field(1, 9999);
  e.mode = in.field(0, 2);
  check("equation of time", buildequationoftimereport(e, language(in)).text);
}

void ics(FuzzInput& in) {
  IcalendarInputs c;
  c.firstyear = in.field(icalendarholidayfirst, icalendarholidaylast);
  c.lastyear = in.flag() ? std::min(c.firstyear, INT_MAX - 2) + in.byte() % 3
                         : in.field(icalendarholidayfirst, icalendarholidaylast);
  c.content = in.field(0, 15);
  const Today t = today(in);
  c.stamp = {t.year, t.month, t.day, in.byte() % 24, in.byte() % 60, in.byte() % 60};
  const std::vector<CalendarEntry> entries = calendarentries(c, language(in));
  if (entries.size() > 200000) fail("icalendar", "too many entries", "");
  check("icalendar", icalendar(entries, c.stamp), 0);
}

void largeview(FuzzInput& in) {
  LargeViewInputs l;
  l.year = in.field(1583, 9999);
  l.page = in.field(0, 12);
  check("large view", buildlargeview(l, language(in)).text);
}

void mainreport(FuzzInput& in) {
  MainReportInputs m;
  m.year = in.field(100, 9999);
  m.page = in.field(0, 99);
  const Today t = today(in);
  m.todayyear = t.year, m.todaymonth = t.month, m.todayday = t.day;
  m.system.major = in.field(0, 10);
  m.system.minor = in.field(0, 10);
  m.system.windows = in.flag();
  m.system.name = "Debian GNU/Linux 12 (bookworm)";
  m.languagemode = static_cast<LanguageMode>(in.field(-1, 1));
  static constexpr int overrides[] = {0, 3079, 1031, 2000};
  m.languageoverride = overrides[in.byte() % 4];
  m.userlanguage = in.field(1031, 3079);
  check("main", buildmainreport(m, language(in)).text);  // page 28: the seasons page
}

void monthoverview(FuzzInput& in) {
  MonthOverviewInputs m;
  m.year = in.field(1583, 9999);
  m.month = in.field(1, 12);
  m.locationindex = in.field(0, 31);
  m.places = places(in);
  check("month overview", buildmonthoverview(m, language(in)).text);
}

void moon(FuzzInput& in) {
  MoonReportInputs m;
  m.year = in.field(1600, 2400);
  m.month = in.field(1, 12);
  m.day = in.field(1, 31);
  m.hour = in.field(0, 23);
  m.minute = in.field(0, 59);
  m.zone = in.flag() ? automaticzone : in.field(-12, 12);
  m.half = in.field(0, 1);
  m.page = in.field(0, 6);
  m.seconds = in.field(0, 1);
  check("moon", buildmoonreport(m, language(in)).text);
}

PlanetInputs planetinputs(FuzzInput& in) {
  PlanetInputs p;
  p.year = in.field(1000, 3000);
  p.month = in.field(1, 12);
  p.day = in.field(1, 31);
  p.hour = in.field(0, 23);
  p.minute = in.field(0, 59);
  p.zone = in.field(-12, 12);
  p.halfzone = in.field(0, 1);
  p.place = place(in);
  p.placeindex = in.field(-1, 31);
  p.places = places(in);
  p.deltat = in.field(-9999, 99999);
  p.deltaTPending = in.flag();
  p.temperature = in.field(-99, 200);
  p.pressure = in.field(0, 3000);
  p.step = in.field(1, 99999);
  p.orbit = in.flag();
  p.radec = in.flag();
  p.altaz = in.flag();
  p.magnitude = in.flag();
  p.visibleonly = in.flag();
  p.azimuthnorth = in.flag();
  p.sexagesimal = in.flag();
  p.zodiacEnabled = in.flag();
  p.details = in.flag();
  const std::uint32_t bodies = in.raw32();
  for (int i = 0; i <= planetreportbodies; ++i) p.bodies[i] = (bodies >> i & 1) != 0;
  p.explicitplace = in.flag();
  return p;
}

void planets(FuzzInput& in) {
  const PlanetInputs p = planetinputs(in);
  const Language lang = language(in);
  const PlanetReport r = buildplanetreport(p, lang);
  check("planets", r.text);
  if (in.flag()) {
    SkyChartInputs s;
    s.instant = r.jd;
    s.latitude = r.latitude;
    s.longitude = r.longitude;
    s.displayword = r.displayword;
    s.orientation = in.byte() % skychartorientations;
    s.zoom = 0.3 + (in.byte() % 38) / 10.0;
    s.fullcircle = in.flag();
    s.places = p.places;
    const SkyChart chart = buildskychart(s, windowside(in) / 2, lang);
    for (const std::string& t : chart.compass) check("sky chart compass", t);
    check("sky chart time", chart.time);
    for (const std::string& t : chart.info) check("sky chart", t);
    check("sky chart title", skycharttitle(r.jd, lang));
    (void)buildsolarsystem(r.jd, in.byte() % skychartviews, windowside(in) / 2);
  }
}

void ephemeris(FuzzInput& in) {
  const PlanetInputs p = planetinputs(in);
  check("ephemeris", buildephemerislist(p, language(in)).text);
}

void rises(FuzzInput& in) {
  RisesInputs r;
  r.year = in.field(1600, 2400);
  r.month = in.field(1, 12);
  r.day = in.field(1, 31);
  r.zone = in.field(-12, 12);
  r.half = in.field(0, 1);
  r.place = place(in);
  r.individual = in.field(-30, 30);
  r.precise = in.field(0, 1);
  r.seconds = in.field(0, 1);
  for (int& planet : r.planets) planet = in.field(0, 1);
  r.positionmode = in.field(0, 1);
  r.locationindex = in.field(0, 31);
  r.places = places(in);
  r.explicitplace = in.field(0, 1);
  check("rises", buildrisesreport(r, language(in)).text);
}

void sidereal(FuzzInput& in) {
  SiderealInputs s;
  s.year = in.field(1000, 3000);
  s.month = in.field(1, 12);
  s.day = in.field(1, 31);
  s.hour = in.field(0, 23);
  s.minute = in.field(0, 59);
  s.zone = in.field(-12, 12);
  s.halfzone = in.field(0, 1);
  s.place = place(in);
  s.placeindex = in.field(-1, 31);
  s.places = places(in);
  s.azimuthnorth = in.field(0, 1);
  s.explicitplace = in.field(0, 1);
  check("sidereal", buildsiderealreport(s, language(in)).text);
}

void weekdaydistribution(FuzzInput& in) {
  WeekdayDistributionInputs w;
  w.firstyear = in.field(100, 9999);
  w.firstmonth = in.field(1, 12);
  w.lastyear = in.field(100, 9999);
  w.lastmonth = in.field(1, 12);
  w.day = in.field(1, 31);
  w.singleyear = in.flag();
  check("weekday distribution", buildweekdaydistribution(w, language(in)).text);
}

using Report = void (*)(FuzzInput&);
constexpr Report reports[] = {about,     calendardisplay, chartposition,      configuration, dateshift, daydifference,
                              dish,      distance,        easterdistribution, eotgraph,      eot,       ics,
                              largeview, mainreport,      monthoverview,      moon,          planets,   ephemeris,
                              rises,     sidereal,        weekdaydistribution};

}  // namespace
}  // namespace quendal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quendal::fuzz;
  FuzzInput in(data, size);
  reports[in.byte() % (sizeof reports / sizeof reports[0])](in);
  return 0;
}
