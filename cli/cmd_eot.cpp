// quendal-report eot: the equation of time as a list, as statistics of an
// interval, or as the turning points of a year.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/eot_report.h"

namespace quendal::cli {
namespace {

int modeoption(Options& o) {
  const std::string mode = o.requiredtext("mode");
  if (mode == "list") return eotlist;
  if (mode == "statistics") return eotstatistics;
  if (mode == "year") return eotyear;
  throw refusal("mode", "'" + mode + "' is not a mode", "list, statistics, year");
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate date = o.calendardate("date", g.today, 1000, 4000);
  EquationOfTimeInputs in;
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.hour = static_cast<int>(o.integer("hour", 12, 0, 23));
  in.zone = zoneoption(o, ZoneSupport::WholeHours, date, {in.hour, 0, 0}, 0).zone;
  in.step = static_cast<int>(o.integer("step", 12, 1, 9999));
  in.mode = modeoption(o);
  loadconfiguration(state, g);
  return buildequationoftimereport(in, state.language()).text;
}

const SubcommandRegistration registration({
    "eot",
    "the equation of time: list, statistics or the turning points of a year",
    "usage: quendal-report [GLOBAL OPTIONS] eot [--date Y-M-D] [--hour H] [--zone Z | --tz NAME]\n"
    "                      [--step QUARTER_HOURS] --mode list|statistics|year\n"
    "\n"
    "  --date Y-M-D      the first instant's date, years 1000..4000; default: today\n"
    "  --hour H          its local hour, 0..23 (default 12)\n"
    "  --zone Z          whole hours east of UTC, -12..12, or auto (default 0)\n"
    "  --tz NAME         an IANA time zone: its offset at the date and hour\n"
    "  --step N          the list step in quarter hours, 1..9999 (default 12)\n"
    "  --mode list       30 values, one every step\n"
    "  --mode statistics minimum, maximum and mean of the 29 steps, sampled every\n"
    "                    5 minutes (step 1209: one tropical year)\n"
    "  --mode year       the eight turning points of the date's year\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
