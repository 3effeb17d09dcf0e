// quendal-report day-difference: the difference between two dates.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/day_difference.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate from = o.calendardate("from", g.today, 100, 9999);
  const CivilDate to = o.calendardate("to", g.today, 100, 9999);
  const int differenceDirection = o.flag("reverse") ? 1 : 0;
  loadconfiguration(state, g);
  DayDifferenceInputs in;
  in.year1 = from.year, in.month1 = from.month, in.day1 = from.day;
  in.year2 = to.year, in.month2 = to.month, in.day2 = to.day;
  in.direction = differenceDirection;
  in.todayyear = g.today.year, in.todaymonth = g.today.month, in.todayday = g.today.day;
  return builddaydifference(in, state.language()).text;
}

const SubcommandRegistration registration({
    "day-difference",
    "the difference between two dates in days, hours, weeks, months, years",
    "usage: quendal-report [GLOBAL OPTIONS] day-difference [--from Y-M-D] [--to Y-M-D] [--reverse]\n"
    "\n"
    "  --from Y-M-D   first date, years 100..9999 (Julian calendar before\n"
    "                 15 October 1582); default: today\n"
    "  --to Y-M-D     second date; default: today\n"
    "  --reverse      first date minus second instead of second minus first\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
