// quendal-report date-shift: a date moved days into the past and the future.
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/calendar_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/read_configuration.h"
#include "reports/date_shift.h"

namespace quendal::cli {
namespace {

// A date of the report by its Julian Day Number, or null when the text says
// it is too far.
Json jsonjdn(int jdn, bool shown, Language language) {
  if (!shown) return nullptr;
  CivilDate date;
  jdntodate(jdn, date.year, date.month, date.day);
  return jsoncalendardate(date, language);
}

// The JSON form: the start date and the dates the days before and after,
// each with weekday, calendar and Julian Day Number, and the day count in
// hours, weeks, months and years.
std::string json(const DateShiftReport& r, Language language) {
  Json inputs;
  inputs["date"] = isodate({r.year, r.month, r.day});
  inputs["days"] = r.days;
  Json document = jsondocument("date-shift", inputs);
  document["start"] = jsonjdn(r.jdn, true, language);
  document["past"] = jsonjdn(r.pastjdn, r.pastshown, language);
  document["future"] = jsonjdn(r.futurejdn, r.futureshown, language);
  document["difference"] = jsondaycount(r.days, r.weeks, r.months, r.years);
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate date = o.calendardate("date", g.today, 100, 9999);
  const long long days = o.requiredinteger("days", 0, 999999);
  loadconfiguration(state, g);
  DateShiftInputs in;
  in.year = date.year, in.month = date.month, in.day = date.day;
  in.days = static_cast<int>(days);
  const DateShiftReport report = builddateshift(in, state.language());
  return g.format == OutputFormat::json ? json(report, state.language()) : report.text;
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
    false,
    {},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
