// quendal-report ics: the holidays, lunar phases, season beginnings and
// eclipses of a range of years as an iCalendar file.
#include <algorithm>
#include <string>

#include "app/platform.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/output_file.h"
#include "reports/icalendar.h"

namespace quendal::cli {
namespace {

const char* const usage =
    "usage: quendal-report [GLOBAL OPTIONS] ics [--from-year Y1] [--to-year Y2]\n"
    "                      [--what holidays,phases,seasons,eclipses] [--output FILE]\n"
    "\n"
    "  --from-year Y1, --to-year Y2   the years, at most 200 of them: holidays and\n"
    "                 named days 1583..9999, moon phases, seasons and eclipses\n"
    "                 1800..2200; default: this year, and --to-year --from-year\n"
    "  --what LIST    any of holidays, phases, seasons, eclipses, separated by\n"
    "                 commas (default: all four)\n"
    "  --output FILE  write the calendar to FILE instead of standard output,\n"
    "                 whole or not at all (a write that fails leaves FILE as it was)\n"
    "\n"
    "Writes an iCalendar file (RFC 5545) to import into a calendar program:\n"
    "holidays as all-day events, the other entries at their instant in UTC.\n"
    "Names follow --lang; DTSTAMP is --today (or the clock) at 00:00 UTC.\n";

int content(const std::string& list) {
  struct Kind {
    const char* name;
    int bit;
  };
  static constexpr Kind kinds[4] = {{"holidays", icalendarholidays},
                                    {"phases", icalendarphases},
                                    {"seasons", icalendarseasons},
                                    {"eclipses", icalendareclipses}};
  int bits = 0;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string word = list.substr(start, comma - start);
    int bit = 0;
    for (const Kind& k : kinds)
      if (word == k.name) bit = k.bit;
    if (bit == 0) throw refusal("what", "'" + word + "' is not a kind of entry", "holidays, phases, seasons, eclipses");
    bits |= bit;
    start = comma + 1;
  }
  return bits;
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  IcalendarInputs in;
  in.firstyear = static_cast<int>(o.integer("from-year", g.today.year, icalendarholidayfirst, icalendarholidaylast));
  in.lastyear = static_cast<int>(o.integer("to-year", in.firstyear, icalendarholidayfirst, icalendarholidaylast));
  if (in.lastyear < in.firstyear)
    throw refusal("to-year", std::to_string(in.lastyear) + " lies before --from-year " + std::to_string(in.firstyear));
  if (in.lastyear - in.firstyear + 1 > icalendarmaxyears)
    throw refusal("to-year",
                  std::to_string(in.lastyear - in.firstyear + 1) + " years from --from-year " +
                      std::to_string(in.firstyear) + " are too many",
                  "at most " + std::to_string(icalendarmaxyears) + " years at once");
  in.content = o.has("what") ? content(o.requiredtext("what")) : icalendareverything;
  const bool astronomical = (in.content & ~icalendarholidays) != 0;
  if (astronomical && (in.firstyear < icalendareventfirst || in.lastyear > icalendareventlast))
    throw refusal(in.firstyear < icalendareventfirst ? "from-year" : "to-year",
                  "moon phases, seasons and eclipses are computed for the years 1800..2200 only",
                  "1800..2200, or --what holidays for 1583..9999");
  in.stamp = {g.today.year, g.today.month, g.today.day, 0, 0, 0};
  const std::string output = o.text("output", "");
  if (o.has("output") && output.empty()) throw refusal("output", "the file name is empty");
  o.finish();

  std::string text = icalendar(calendarentries(in, state.language()), in.stamp);
  if (output.empty()) return text;

  writefilewhole(output, text);  // a failed write leaves a previous file as it was
  return "";
}

// iCalendar keeps its CR LF line ends and UTF-8 whatever --crlf and --cp1252 say.
const SubcommandRegistration registration({"ics",
                                           "holidays, moon phases, seasons and eclipses as iCalendar (.ics)",
                                           usage,
                                           run,
                                           true,
                                           {{"what", "holidays phases seasons eclipses", true}}});

}  // namespace
}  // namespace quendal::cli
