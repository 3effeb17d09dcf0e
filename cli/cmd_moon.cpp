// quendal-report moon: the moon phase, eclipse and season report.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/moon_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  readconfiguration(state, g);  // its language line applies, unless --lang is given
  const int language = state.language();
  MoonReportInputs in;
  const CivilDate date = o.requireddate("date");
  const ClockTime time = o.requiredtime("time");
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.hour = time.hour;
  in.minute = time.minute;
  const ZoneOption zone = zoneoption(o, dialogdefaultzone(date, language), true);
  in.zone = zone.zone;
  in.half = zone.half;
  const long long page = o.integer("page", 0);
  if (page < 0 || page > 6) throw UsageError("moon: --page " + std::to_string(page) + " is outside 0..6");
  in.page = static_cast<int>(page);
  in.seconds = o.flag("seconds") ? 1 : 0;
  return buildmoonreport(in, language).text;
}

const SubcommandRegistration registration({
    "moon",
    "the Moon at an instant, the phases of a year, eclipses, seasons",
    "usage: quendal-report [GLOBAL OPTIONS] moon --date Y-M-D --time HH:MM\n"
    "                      [--zone Z|auto] [--half-zone] [--page P] [--seconds]\n"
    "\n"
    "  --date Y-M-D   the date; the year is limited to 1600..2400, a day beyond\n"
    "                 the month's end is lowered to its last day\n"
    "  --time HH:MM   local time of day in the zone\n"
    "  --zone Z       hours east of UTC, -12..12; auto: Central European time\n"
    "                 with summer time (CET/CEST); default: 0 in English, in\n"
    "                 German 2 when the date is in summer time, else 1\n"
    "  --half-zone    half an hour more (ignored for the zones 0, 12, -12, auto)\n"
    "  --page P       0 the Moon now and the next events (default), 1 full\n"
    "                 moons, 2 new moons, 3 first quarters, 4 last quarters of\n"
    "                 the year, 5 the next eclipses, 6 the seasons\n"
    "  --seconds      times with seconds, angles in degrees, minutes, seconds\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
