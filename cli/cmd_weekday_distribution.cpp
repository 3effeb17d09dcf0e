// quendal-report weekday-distribution: on which weekdays a day of the month
// falls over a range of months.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/weekday_distribution.h"

namespace quendal::cli {
namespace {

struct YearMonth {
  int year = 0, month = 0;
};

// Y-M of the years 100..9999.
YearMonth parseyearmonth(const char* option, const std::string& text) {
  const std::size_t dash = text.find('-', (!text.empty() && text[0] == '-') ? 1 : 0);
  YearMonth ym;
  try {
    if (dash == std::string::npos) throw UsageError("");
    ym.year = static_cast<int>(parseinteger(option, text.substr(0, dash)));
    ym.month = static_cast<int>(parseinteger(option, text.substr(dash + 1)));
  } catch (const UsageError&) {
    throw refusal(option, "'" + text + "' is not a month", "Y-M, e.g. 2024-3");
  }
  if (ym.year < 100 || ym.year > 9999 || ym.month < 1 || ym.month > 12)
    throw refusal(option, text + " is out of range", "months of the years 100..9999");
  return ym;
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  WeekdayDistributionInputs in;
  in.day = static_cast<int>(o.requiredinteger("day", 1, 31));
  const bool year = o.has("year");
  if (year == (o.has("from") || o.has("to")))
    throw refusal(year ? "year" : "from", "give either --year Y or --from Y-M --to Y-M");
  if (year) {
    in.firstyear = in.lastyear = static_cast<int>(o.requiredinteger("year", 100, 9999));
    in.singleyear = true;
  } else {
    const YearMonth from = parseyearmonth("from", o.requiredtext("from"));
    const YearMonth to = parseyearmonth("to", o.requiredtext("to"));
    if (to.year * 12 + to.month < from.year * 12 + from.month)
      throw refusal("to", o.requiredtext("to") + " lies before --from " + o.requiredtext("from"));
    in.firstyear = from.year, in.firstmonth = from.month;
    in.lastyear = to.year, in.lastmonth = to.month;
  }
  loadconfiguration(state, g);
  return buildweekdaydistribution(in, state.language()).text;
}

const SubcommandRegistration registration({
    "weekday-distribution",
    "on which weekdays a day of the month falls over a range of months",
    "usage: quendal-report [GLOBAL OPTIONS] weekday-distribution --from Y-M --to Y-M --day D\n"
    "       quendal-report [GLOBAL OPTIONS] weekday-distribution --year Y --day D\n"
    "\n"
    "  --from Y-M, --to Y-M   range of months of the years 100..9999\n"
    "  --year Y               one whole year, with the months of each weekday\n"
    "  --day D                day of the month, 1..31\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
