// quendal-report month-overview: one line per day of a month.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/month_overview.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  MonthOverviewInputs in;
  in.year = static_cast<int>(o.integer("year", g.today.year, 1583, 9999));
  in.month = static_cast<int>(o.integer("month", g.today.month, 1, 12));
  loadconfiguration(state, g);
  in.places = state.configuration.locationTable;
  const PlaceOption place = placeoption(o, in.places, 0);
  if (place.coordinates) {
    // The report takes the sun times' place from the table: coordinates
    // become its only entry, named as the configured place they match.
    LocationRecord record = place.place;
    for (int i = 0; i < locationsinuse(in.places); ++i)
      if (sameplace(in.places[static_cast<std::size_t>(i)], record))
        record.name = in.places[static_cast<std::size_t>(i)].name;
    in.places = LocationTable{};
    in.places[0] = record;
    in.locationindex = 0;
  } else {
    in.locationindex = place.index;
  }
  return buildmonthoverview(in, state.language()).text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] month-overview [--year Y] [--month M]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON]\n"
                              "\n"
                              "  --year Y    1583..9999; default: this year\n"
                              "  --month M   1..12; default: this month\n") +
                          placehelp +
                          "\n"
                          "Sun times and moon phases appear for the years 1800..2200: in German in\n"
                          "Central European time (CET/CEST), in English in UTC.\n";

const SubcommandRegistration registration({
    "month-overview",
    "a month day by day: sun times, moon phases, holidays",
    usage.c_str(),
    run,
});

}  // namespace
}  // namespace quendal::cli
