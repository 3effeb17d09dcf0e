// quendal-report main: the main report (Easter and calendar pages).
#include "app/platform.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/main_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  MainReportInputs in;
  const long long year = o.integer("year", g.today.year, 100, 9999);
  const long long page = o.integer("page", 0);
  if (!((page >= 0 && page <= 30) || page == 66 || (page >= 97 && page <= 99)))
    throw refusal("page", std::to_string(page) + " is not a page", "0..30, 66, 97..99");
  // The program reads its configuration before the main report: a language
  // line of the file applies (unless --lang is given).
  loadconfiguration(state, g);
  in.year = static_cast<int>(year);
  in.page = static_cast<int>(page);
  in.todayyear = g.today.year;
  in.todaymonth = g.today.month;
  in.todayday = g.today.day;
  if (in.page == 30 || in.page == 97) in.system = systemversion();
  in.languagemode = state.languagemode;
  in.languageoverride = state.languageoverride;
  in.userlanguage = state.userlanguage;
  const MainReport r = buildmainreport(in, state.language());
  if (r.built) state.languagemode = r.languagemode;
  return r.text;
}

const SubcommandRegistration registration({
    "main",
    "the Easter and calendar report of a year (one page)",
    "usage: quendal-report [GLOBAL OPTIONS] main [--year Y] [--page P]\n"
    "\n"
    "  --year Y   100..9999 (Julian calendar before 1583); default: this year\n"
    "  --page P   0 year overview (default), 1..12 month calendars, 13 credits,\n"
    "             14/27 Gregorian and Julian overview, 15..26 Julian months,\n"
    "             28 seasons, 29 identical years, 30/97 system version,\n"
    "             66 switch the language, 98 weekday rule, 99 Easter rule\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
