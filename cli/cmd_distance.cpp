// quendal-report distance: the distance between two places on the sphere
// and on the WGS84 ellipsoid.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/distance_report.h"

namespace quendal::cli {
namespace {

// "DD:MM:SS" followed by one of two letters; fields of 1..3 digits.
bool splitdms(const std::string& text, int& degrees, int& minutes, int& seconds, char& letter) {
  if (text.size() < 6) return false;
  letter = text.back();
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  const std::string body = text.substr(0, text.size() - 1);
  int fields[3];
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t colon = body.find(':', start);
    if ((i < 2) != (colon != std::string::npos)) return false;
    const std::string part = body.substr(start, i < 2 ? colon - start : std::string::npos);
    if (part.empty() || part.size() > (i == 0 ? 3u : 2u)) return false;
    for (char c : part)
      if (c < '0' || c > '9') return false;
    fields[i] = std::stoi(part);
    start = colon + 1;
  }
  degrees = fields[0];
  minutes = fields[1];
  seconds = fields[2];
  return true;
}

// "DD:MM:SS(N|S),DDD:MM:SS(E|W)"
GeoPlace parsepoint(const char* option, const std::string& text) {
  const auto fail = [&]() {
    return UsageError(std::string("--") + option + ": '" + text +
                      "' is not a place of the form DD:MM:SS(N|S),DDD:MM:SS(E|W)");
  };
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) throw fail();
  GeoPlace p;
  char letter = 0;
  if (!splitdms(text.substr(0, comma), p.latitudedegrees, p.latitudeminutes, p.latitudeseconds, letter) ||
      (letter != 'N' && letter != 'S'))
    throw fail();
  p.north = letter == 'N' ? 1 : 0;
  if (!splitdms(text.substr(comma + 1), p.longitudedegrees, p.longitudeminutes, p.longitudeseconds,
                letter) ||
      (letter != 'E' && letter != 'O' && letter != 'W'))
    throw fail();
  p.east = letter == 'W' ? 0 : 1;
  return p;
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  DistanceInputs in;
  in.first = parsepoint("from", o.requiredtext("from"));
  in.second = parsepoint("to", o.requiredtext("to"));
  readconfiguration(state, g);
  in.places = state.configuration.locationTable;
  return builddistancereport(in, state.language()).text;
}

const SubcommandRegistration registration({
    "distance",
    "the distance between two places (sphere and WGS84 ellipsoid)",
    "usage: quendal-report [GLOBAL OPTIONS] distance --from DD:MM:SS(N|S),DDD:MM:SS(E|W)\n"
    "                      --to DD:MM:SS(N|S),DDD:MM:SS(E|W)\n"
    "\n"
    "  --from, --to   the two places, e.g. 48:12:00N,015:37:00E\n"
    "\n"
    "Degrees are limited to 90 (latitude) and 180 (longitude), minutes and\n"
    "seconds to 59. A place of the configuration file is named.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
