// quendal-report date-shift: a date moved days into the past and the future.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/date_shift.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate date = o.requireddate("date");
  const long long days = o.requiredinteger("days");
  readconfiguration(state, g);
  DateShiftInputs in;
  in.year = date.year, in.month = date.month, in.day = date.day;
  in.days = static_cast<int>(days);
  return builddateshift(in, state.language()).text;
}

const SubcommandRegistration registration({
    "date-shift",
    "a date moved a number of days into the past and into the future",
    "usage: quendal-report [GLOBAL OPTIONS] date-shift --date Y-M-D --days N\n"
    "\n"
    "  --date Y-M-D   start date (Julian calendar before 15 October 1582)\n"
    "  --days N       number of days, limited to 0..999999\n"
    "\n"
    "Years are limited to 100..9999, months to 1..12, days to 1..31; a day\n"
    "the month does not have becomes its last day.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
