// quendal-report large-view: the holidays of a year or four month calendars.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/large_view.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  LargeViewInputs in;
  in.year = static_cast<int>(o.integer("year", g.today.year, 1583, 9999));
  in.page = static_cast<int>(o.integer("page", 0, 0, 12));
  loadconfiguration(state, g);  // its language line applies, unless --lang is given
  return buildlargeview(in, state.language()).text;
}

const SubcommandRegistration registration({
    "large-view",
    "the holidays of a year, or four month calendars",
    "usage: quendal-report [GLOBAL OPTIONS] large-view [--year Y] [--page P]\n"
    "\n"
    "  --year Y   1583..9999; default: this year\n"
    "  --page P   0 the holidays of the year (default), 1..12 four months\n"
    "             from that month on\n",
    run,
    false,
    {{"page", "0 1 2 3 4 5 6 7 8 9 10 11 12"}},
});

}  // namespace
}  // namespace quendal::cli
