// quendal-report day-difference: the difference between two dates.
#include <cstdlib>

#include "calendar/text.h"
#include "cli/calendar_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/read_configuration.h"
#include "reports/day_difference.h"

namespace quendal::cli {
namespace {

// The JSON form: the two dates with weekday, calendar and Julian Day Number,
// the difference, and the day of the year when the first date is the last
// day of last year and the second today.
std::string json(const DayDifferenceReport& r, bool reverse, const CivilDate& today, Language language) {
  Json inputs;
  inputs["from"] = isodate({r.year1, r.month1, r.day1});
  inputs["to"] = isodate({r.year2, r.month2, r.day2});
  inputs["reverse"] = reverse;
  inputs["today"] = isodate(today);
  Json document = jsondocument("day-difference", inputs);
  document["from"] = jsoncalendardate({r.year1, r.month1, r.day1}, language);
  document["to"] = jsoncalendardate({r.year2, r.month2, r.day2}, language);
  document["difference"] = jsondaycount(r.days, r.weeks, r.months, r.years);
  document["today_day_of_year"] = r.todaymark ? Json(std::abs(r.days)) : Json(nullptr);
  return jsontext(document);
}

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
  const DayDifferenceReport report = builddaydifference(in, state.language());
  return g.format == OutputFormat::json ? json(report, differenceDirection != 0, g.today, state.language())
                                        : report.text;
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
    false,
    {},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
