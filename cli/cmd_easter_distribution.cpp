// quendal-report easter-distribution: the dates of a movable feast over a
// range of years.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/easter_distribution.h"

namespace quendal::cli {
namespace {

int feastfromoption(const std::string& value) {
  if (value == "easter") return distributioneaster;
  if (value == "ascension") return distributionascension;
  if (value == "pentecost") return distributionwhitsunday;
  if (value == "corpus-christi") return distributioncorpuschristi;
  throw refusal("feast", "'" + value + "' is not a feast", "easter, ascension, pentecost, corpus-christi");
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  EasterDistributionInputs in;
  in.firstyear = static_cast<int>(o.requiredinteger("from-year", 1583, 9999));
  in.lastyear = static_cast<int>(o.requiredinteger("to-year", 1583, 9999));
  if (in.lastyear < in.firstyear)
    throw refusal("to-year", std::to_string(in.lastyear) + " lies before --from-year " + std::to_string(in.firstyear));
  in.feast = feastfromoption(o.text("feast", "easter"));
  loadconfiguration(state, g);
  return buildeasterdistribution(in, state.language()).text;
}

const SubcommandRegistration registration({
    "easter-distribution",
    "how often Easter (or a feast after it) falls on each date",
    "usage: quendal-report [GLOBAL OPTIONS] easter-distribution --from-year A --to-year B\n"
    "                      [--feast easter|ascension|pentecost|corpus-christi]\n"
    "\n"
    "  --from-year A, --to-year B   range of Gregorian years, 1583..9999\n"
    "  --feast F                    Easter Sunday (default), Ascension Day,\n"
    "                               Whit Sunday or Corpus Christi\n"
    "\n"
    "Ranges of fewer than 1002 years also list the years of each date.\n",
    run,
    false,
    {{"feast", "easter ascension pentecost corpus-christi"}},
});

}  // namespace
}  // namespace quendal::cli
