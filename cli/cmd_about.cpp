// quendal-report about: the about box with the engine's performance test.
#include <sys/utsname.h>

#include "app/platform.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/about_report.h"

namespace quendal::cli {
namespace {

// The command line's build and the running system.
AboutPlatform platform() {
  AboutPlatform p;
  p.bits = static_cast<int>(8 * sizeof(void*));
  utsname u{};
  if (uname(&u) == 0) {
    p.system = u.sysname;
    p.architecture = u.machine;
    p.version = std::string("Kernel ") + u.release;
  }
  p.runningon = systemversion().name;
  return p;
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options&) {
  loadconfiguration(state, g);
  AboutInputs in = measureperformance(localmillisecondsofday);
  in.platform = platform();
  const AboutBox box = buildaboutbox(in, state.language());
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
