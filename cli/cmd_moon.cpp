// quendal-report moon: the moon phase, eclipse and season report.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/moon_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  loadconfiguration(state, g);  // its language line applies, unless --lang is given
  const Language language = state.language();
  MoonReportInputs in;
  const auto [date, time] = datetimeoption(o, g, 1600, 2400, in);
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHoursOrAuto, date, time, dialogzone(language, date));
  in.zone = zone.zone;
  in.half = zone.half;
  in.page = static_cast<int>(o.integer("page", 0, 0, 6));
  in.seconds = o.flag("seconds") ? 1 : 0;
  return buildmoonreport(in, language).text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] moon [--date Y-M-D] [--time HH:MM]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME] [--page P] [--seconds]\n"
                              "\n"
                              "  --date Y-M-D      the date, years 1600..2400; default: today\n"
                              "  --time HH:MM      local time of day in the zone; default: now\n") +
                          zonehelp +
                          "                    auto: the report's Central European time, CET or CEST\n"
                          "                    for each instant\n"
                          "  --page P          0 the Moon now and the next events (default), 1 full\n"
                          "                    moons, 2 new moons, 3 first quarters, 4 last quarters of\n"
                          "                    the year, 5 the next eclipses, 6 the seasons\n"
                          "  --seconds         times with seconds, angles in degrees, minutes, seconds\n";

const SubcommandRegistration registration({
    "moon",
    "the Moon at an instant, the phases of a year, eclipses, seasons",
    usage.c_str(),
    run,
});

}  // namespace
}  // namespace quendal::cli
