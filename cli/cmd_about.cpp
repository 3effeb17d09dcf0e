// quendal-report about: the about box with the engine's performance test.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/about_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options&) {
  readconfiguration(state, g);
  const AboutBox box = buildaboutbox(measureperformance(localmillisecondsofday), state.language());
  return box.title + "\n" + box.text;
}

const SubcommandRegistration registration({
    "about",
    "the about box with the performance test of the astronomy engine",
    "usage: quendal-report [GLOBAL OPTIONS] about\n"
    "\n"
    "Prints the title and text of the about box. The performance test measures\n"
    "apparent places and moon phases per second on this machine, so its numbers\n"
    "differ from run to run.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
