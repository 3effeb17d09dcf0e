// quendal-report date-shift: a date moved days into the past and the future.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/date_shift.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate date = o.calendardate("date", g.today, 100, 9999);
  const long long days = o.requiredinteger("days", 0, 999999);
  loadconfiguration(state, g);
  DateShiftInputs in;
  in.year = date.year, in.month = date.month, in.day = date.day;
  in.days = static_cast<int>(days);
  return builddateshift(in, state.language()).text;
}

const SubcommandRegistration registration({
    "date-shift",
    "a date moved a number of days into the past and into the future",
    "usage: quendal-report [GLOBAL OPTIONS] date-shift [--date Y-M-D] --days N\n"
    "\n"
    "  --date Y-M-D   start date, years 100..9999 (Julian calendar before\n"
    "                 15 October 1582); default: today\n"
    "  --days N       number of days, 0..999999\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
